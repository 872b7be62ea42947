// Inner page "Покупка": fourteen buy keys with their lists, and the help on writing a list.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

#include "keys_page_parts.h"
#include "model/schema.h"

namespace quillex::keyspage {
namespace {

constexpr int kKeyX = 6;
constexpr int kKeyWidth = 62;
constexpr int kListX = kKeyX + kKeyWidth + 4;
constexpr int kListWidth = 200;
constexpr int kFirstRowY = 20;
constexpr int kRowPitch = 25;
constexpr int kHelpX = 306;
constexpr int kHelpWidth = 419;

constexpr std::string_view kHeading = "В этой версии программы список нужно писать самому :-((";
constexpr std::string_view kExplanation = "Пояснение к написанию списка покупок...";
constexpr std::string_view kSemicolons = "Все нужно писать ЧЕРЕЗ ТОЧКУ С ЗАПЯТОЙ!!!";
constexpr std::string_view kMemoHint = "Просто скопируй отсюда, что тебе нужно...";

void BuildRows(QWidget* page, ClearSlots& clearSlots) {
    AddLabel(page, Def("z", 1).caption, QRect(kKeyX, 0, kKeyWidth, 18));
    AddLabel(page, Def("zx", 1).caption, QRect(kListX, 0, kListWidth, 18));
    for (int row = 1; row <= kBuyRows; ++row) {
        const int y = kFirstRowY + (row - 1) * kRowPitch;
        const FieldDef& key = Def("z", row);
        AddField(page, key, QRect(kKeyX, y, kKeyWidth, kFieldHeight));
        AddField(page, Def("zx", row), QRect(kListX, y, kListWidth, kFieldHeight));
        clearSlots.Add(key.name, page,
                       QRect(kListX + kListWidth + 2, y, kClearWidth, kFieldHeight));
    }
}

void BuildHelp(QWidget* page) {
    QLabel* heading = AddLabel(page, kHeading, QRect(kHelpX, 2, kHelpWidth, 20));
    QFont bold;  // only the weight is set; the rest follows the window's font
    bold.setBold(true);
    heading->setFont(bold);

    AddLabel(page, kExplanation, QRect(kHelpX, 24, kHelpWidth, 18));
    // The warning carries the same example as the buy lists themselves.
    QLabel* warning =
        AddLabel(page, kSemicolons, QRect(kHelpX, 42, kHelpWidth, 18), Def("zx", 1).hint);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);

    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = memo->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));  // navy
    memo->setPalette(colours);
    memo->setToolTip(ToQString(kMemoHint));
    memo->setGeometry(kHelpX, 64, kHelpWidth, 80);
    StretchWithParent(memo, 2, false);
}

}  // namespace

void BuildBuyPage(QWidget* page, ClearSlots& clearSlots) {
    BuildRows(page, clearSlots);
    BuildHelp(page);
}

}  // namespace quillex::keyspage
