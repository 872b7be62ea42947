#pragma once

#include <QStringList>

// The lines of the buy-help memo Memo1 on the tab "Покупка".
const QStringList& BuyHelpLines();
