#include "keledit.h"

TKelEdit::TKelEdit(QWidget* parent) : QLineEdit(parent) {}
