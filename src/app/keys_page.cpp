#include "keys_page.h"

#include <QWidget>

void BuildKeysPage(QWidget*) {}
