// Inner page "Управление": the grid of the 42 standard actions.

#include <QGroupBox>

#include "keys_page_parts.h"
#include "model/schema.h"

namespace quillex::keyspage {
namespace {

constexpr int kRowsPerColumn = 14;
constexpr int kColumnPitch = 237;
constexpr int kRowPitch = 24;
constexpr int kFirstRowY = 25;
constexpr int kLabelWidth = 116;
constexpr int kKeyWidth = 56;

}  // namespace

void BuildStandardPage(QWidget* page, ClearSlots& clearSlots) {
    const std::span<const ActionRow> rows = ActionRows();
    QGroupBox* group = AddGroup(page, Def("b", 1).group, QRect(4, 0, 721, 364));

    for (int k = 1; k <= static_cast<int>(rows.size()); ++k) {
        const int x = 8 + (k - 1) / kRowsPerColumn * kColumnPitch;
        const int y = kFirstRowY + (k - 1) % kRowsPerColumn * kRowPitch;
        const ActionRow& row = rows[k - 1];
        AddLabel(group, row.label, QRect(x, y, kLabelWidth, kFieldHeight), row.labelHint);
        AddField(group, Def("b", k), QRect(x + kLabelWidth + 2, y, kKeyWidth, kFieldHeight));
        AddField(group, Def("bn", k),
                 QRect(x + kLabelWidth + kKeyWidth + 4, y, kKeyWidth, kFieldHeight));
    }
    // The one button that empties the whole grid stands in the group's title strip.
    clearSlots.Add(Def("b", 1).name, group,
                   QRect(group->width() - kClearWidth - 8, 0, kClearWidth, 20));
}

}  // namespace quillex::keyspage
