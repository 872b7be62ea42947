#pragma once

#include <initializer_list>
#include <string_view>

#include "model/field.h"

class QGroupBox;
class QWidget;

// A group box of console settings: the fields of `page` whose group is `caption`, in table order,
// fill the columns top to bottom, `columnRows` fields per column. A check box takes a whole row,
// an edit its label and the value box.
// Spin edits are left to the caller, which adds them to the box's layout.
QGroupBox* BuildFieldGroup(QWidget* parent, quillex::Page page, std::string_view caption,
                           std::initializer_list<int> columnRows);
