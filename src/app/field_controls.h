#pragma once

#include "model/field.h"

class QLabel;
class QWidget;

// Heights that keep the dense grids of the first two tabs within the fixed window.
inline constexpr int kCheckHeight = 16;
inline constexpr int kEditHeight = 18;
inline constexpr int kValueEditWidth = 42;

// Creates the control of one settings field: its kind's widget with objectName equal to the
// control name, default value, range, hint and cursor. Key fields are not made here.
QWidget* CreateFieldControl(const quillex::FieldDef& def, QWidget* parent);

// The label beside an edit, named after the field's companion label ("c7t") when it has one.
QLabel* CreateFieldLabel(const quillex::FieldDef& def, QWidget* parent);
