// Inner page "Скрипты": message rows, nick switches, script keys, HEADSHOT switches and the two
// quick-change rows.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "keys_page_parts.h"
#include "model/schema.h"
#include "quickfillmenu.h"

namespace quillex::keyspage {
namespace {

constexpr int kRowPitch = 23;
constexpr int kGroupFirstRowY = 23;
constexpr int kKeyWidth = 62;

// Left column: the message group, with the quick-change group below it.
constexpr QRect kMessagesGroup(70, 0, 280, 302);
constexpr QRect kQuickGroup(4, 304, 346, 72);
// Right column: script keys, the two switches and the nick group.
constexpr int kRightX = 356;
constexpr int kScriptLabelWidth = 280;
constexpr QRect kNicksGroup(kRightX, 255, 369, 120);

constexpr std::string_view kNickHelp[] = {"Во время игры, в консоли",
                                          "набери nick#,где #-от 1 до 6", "и твой ник изменится"};

void BuildMessages(QWidget* page, ClearSlots& clearSlots) {
    QGroupBox* group = AddGroup(page, Field(MessageField(1)).group, kMessagesGroup);
    for (int row = 1; row <= kMessageRows; ++row) {
        const int y = kGroupFirstRowY + (row - 1) * kRowPitch;
        const FieldDef& key = Def("g", row);
        if (row < kMessageRows) {
            AddField(group, key, QRect(6, y, kKeyWidth, kFieldHeight));
        } else {
            // The last key stands outside the box, level with its row.
            AddField(page, key, QRect(4, kMessagesGroup.y() + y, kKeyWidth, kFieldHeight));
        }
        const int messageX = 6 + kKeyWidth + 4;
        const int messageWidth = kMessagesGroup.width() - messageX - kClearWidth - 10;
        QLineEdit* message = AddField(group, Field(MessageField(row)),
                                      QRect(messageX, y, messageWidth, kFieldHeight));
        AttachQuickFillMenu(message, row);
        clearSlots.Add(key.name, group,
                       QRect(messageX + messageWidth + 2, y, kClearWidth, kFieldHeight));
    }
}

void BuildQuickChange(QWidget* page, ClearSlots& clearSlots) {
    QGroupBox* group = AddGroup(page, Def("czn", 1).group, kQuickGroup);
    for (int row = 1; row <= 2; ++row) {
        const int y = kGroupFirstRowY + (row - 1) * kRowPitch;
        const FieldDef& key = Def("czn", row);
        AddLabel(group, key.caption, QRect(8, y, 24, kFieldHeight));
        AddField(group, key, QRect(34, y, kKeyWidth, kFieldHeight));
        const int valueX = 34 + kKeyWidth + 4;
        const int valueWidth = kQuickGroup.width() - valueX - kClearWidth - 10;
        AddField(group, Def("zn", row), QRect(valueX, y, valueWidth, kFieldHeight));
        clearSlots.Add(key.name, group,
                       QRect(valueX + valueWidth + 2, y, kClearWidth, kFieldHeight));
    }
}

// The script keys and the two switches are the scripts page's fields outside any group box.
void BuildScriptKeys(QWidget* page, ClearSlots& clearSlots) {
    int y = 2;
    for (const FieldDef& def : Fields()) {
        if (def.page != Page::Scripts || !def.group.empty()) continue;
        if (def.kind == FieldKind::Key) {
            AddLabel(page, def.caption, QRect(kRightX, y, kScriptLabelWidth, kFieldHeight));
            const int keyX = kRightX + kScriptLabelWidth + 2;
            AddField(page, def, QRect(keyX, y, kKeyWidth - 2, kFieldHeight));
            clearSlots.Add(def.name, page, QRect(keyX + kKeyWidth, y, kClearWidth, kFieldHeight));
            y += kRowPitch;
        } else if (def.kind == FieldKind::Check) {
            auto* box = new QCheckBox(ToQString(def.caption), page);
            box->setObjectName(ToQString(def.name));
            box->setChecked(def.defaultNumber != 0);
            box->setToolTip(ToQString(def.hint));
            box->setGeometry(kRightX, y, kScriptLabelWidth + 20, 21);
            y += 21;
        }
    }
}

void BuildNicks(QWidget* page) {
    QGroupBox* group = AddGroup(page, Def("nick", 1).group, kNicksGroup);
    constexpr int kPerRow = 3;
    constexpr int kColumnPitch = 120;
    for (int n = 1; n <= kNickSwitches; ++n) {
        const int x = 8 + (n - 1) % kPerRow * kColumnPitch;
        const int y = kGroupFirstRowY + (n - 1) / kPerRow * 24;
        const FieldDef& nick = Def("nick", n);
        AddLabel(group, nick.caption, QRect(x, y, 34, kFieldHeight));
        AddField(group, nick, QRect(x + 34, y, 78, kFieldHeight));
    }
    int y = kGroupFirstRowY + 2 * 24;
    for (std::string_view line : kNickHelp) {
        AddLabel(group, line, QRect(8, y, kNicksGroup.width() - 16, 15));
        y += 15;
    }
}

}  // namespace

void BuildScriptsPage(QWidget* page, ClearSlots& clearSlots) {
    BuildMessages(page, clearSlots);
    BuildQuickChange(page, clearSlots);
    BuildScriptKeys(page, clearSlots);
    BuildNicks(page);
}

}  // namespace quillex::keyspage
