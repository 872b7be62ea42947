#pragma once

class QWidget;

// Builds the tab "Управление" into `page`: the inner tabs "Управление", "Скрипты", "Покупка"
// with every key, message, script and buy control (objectName = control name), the clear
// buttons and the buy-help memo Memo1.
void BuildKeysPage(QWidget* page);
