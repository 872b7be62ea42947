#include "field_group.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "field_controls.h"
#include "model/schema.h"
#include "qt_text.h"

using quillex::FieldDef;
using quillex::FieldKind;

namespace {

std::vector<const FieldDef*> GroupFields(quillex::Page page, std::string_view caption) {
    std::vector<const FieldDef*> found;
    for (const FieldDef& def : quillex::Fields()) {
        if (def.page == page && def.group == caption) found.push_back(&def);
    }
    return found;
}

QGridLayout* NewColumn() {
    auto* column = new QGridLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setHorizontalSpacing(3);
    column->setVerticalSpacing(1);
    column->setColumnMinimumWidth(1, kValueEditWidth);
    return column;
}

void AddRow(QGridLayout* column, const FieldDef& def, QWidget* box) {
    const int row = column->rowCount();
    QWidget* control = CreateFieldControl(def, box);
    if (def.kind == FieldKind::Check) {
        column->addWidget(control, row, 0, 1, 2);
        return;
    }
    column->addWidget(CreateFieldLabel(def, box), row, 0);
    control->setFixedWidth(kValueEditWidth);
    column->addWidget(control, row, 1);
}

}  // namespace

QGroupBox* BuildFieldGroup(QWidget* parent, quillex::Page page, std::string_view caption,
                           std::initializer_list<int> columnRows) {
    auto* box = new QGroupBox(ToQString(caption), parent);
    auto* outer = new QVBoxLayout(box);
    outer->setContentsMargins(4, 0, 4, 3);
    outer->setSpacing(2);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    outer->addLayout(columns);

    const std::vector<const FieldDef*> defs = GroupFields(page, caption);
    std::size_t next = 0;
    for (int rows : columnRows) {
        QGridLayout* column = NewColumn();
        for (int r = 0; r < rows && next < defs.size(); ++next) {
            if (defs[next]->kind == FieldKind::Combo || defs[next]->kind == FieldKind::Spin) {
                continue;
            }
            AddRow(column, *defs[next], box);
            ++r;
        }
        column->setRowStretch(column->rowCount(), 1);
        columns->addLayout(column);
    }
    // The combo box is wider than a column: its label ends the first column and the list
    // takes the row under the columns.
    for (const FieldDef* def : defs) {
        if (def->kind != FieldKind::Combo) continue;
        auto* first = static_cast<QGridLayout*>(columns->itemAt(0)->layout());
        const int row = first->rowCount() - 1;  // the stretch row
        first->addWidget(CreateFieldLabel(*def, box), row, 0, 1, 2);
        first->setRowStretch(row, 0);
        first->setRowStretch(row + 1, 1);
        outer->addWidget(CreateFieldControl(*def, box));
    }
    return box;
}
