#include "keys_page.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <string>

#include "keledit.h"
#include "keys_page_parts.h"
#include "model/schema.h"

namespace quillex::keyspage {

const FieldDef& Def(std::string_view name) {
    return Field(FieldIdOf(name));
}

const FieldDef& Def(std::string_view prefix, int n) {
    return Field(RowField(prefix, n));
}

QLineEdit* AddField(QWidget* parent, const FieldDef& def, const QRect& geometry) {
    // A key-capture edit paints itself on the button face.
    QLineEdit* edit = def.kind == FieldKind::Key ? new TKelEdit(parent) : new QLineEdit(parent);
    edit->setObjectName(ToQString(def.name));
    edit->setText(ToQString(def.defaultText));
    if (!def.hint.empty()) edit->setToolTip(ToQString(def.hint));
    edit->setGeometry(geometry);
    return edit;
}

QLabel* AddLabel(QWidget* parent, std::string_view text, const QRect& geometry,
                 std::string_view hint) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(ToQString(text));
    if (!hint.empty()) label->setToolTip(ToQString(hint));
    label->setGeometry(geometry);
    return label;
}

QGroupBox* AddGroup(QWidget* parent, std::string_view title, const QRect& geometry) {
    auto* group = new QGroupBox(ToQString(title), parent);
    group->setGeometry(geometry);
    return group;
}

namespace {

class StretchFilter : public QObject {
  public:
    StretchFilter(QWidget* child, int bottomMargin, bool fillWidth)
        : QObject(child), child_(child), bottomMargin_(bottomMargin), fillWidth_(fillWidth) {}

    void Apply() const {
        const QWidget* parent = child_->parentWidget();
        const QRect r = child_->geometry();
        child_->setGeometry(r.x(), r.y(), fillWidth_ ? parent->width() - r.x() : r.width(),
                            std::max(parent->height() - r.y() - bottomMargin_, 0));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == child_->parentWidget()) Apply();
        return false;
    }

  private:
    QWidget* child_;
    int bottomMargin_;
    bool fillWidth_;
};

struct InnerTab {
    const char* objectName;
    const char* caption;
    void (*build)(QWidget*, ClearSlots&);
};

constexpr InnerTab kInnerTabs[] = {
    {"keysPageStandard", "Управление", BuildStandardPage},
    {"keysPageScripts", "Скрипты", BuildScriptsPage},
    {"keysPageBuy", "Покупка", BuildBuyPage},
};

constexpr int kTabButtonHeight = 22;
constexpr int kTabBarHeight = 24;

}  // namespace

void StretchWithParent(QWidget* child, int bottomMargin, bool fillWidth) {
    auto* filter = new StretchFilter(child, bottomMargin, fillWidth);
    child->parentWidget()->installEventFilter(filter);
    filter->Apply();
}
}  // namespace quillex::keyspage

void BuildKeysPage(QWidget* page) {
    using namespace quillex::keyspage;

    auto* stack = new QStackedWidget(page);
    stack->setObjectName(QStringLiteral("keysInnerTabs"));
    stack->setGeometry(0, kTabBarHeight, page->width(), page->height() - kTabBarHeight);
    StretchWithParent(stack, 0, true);

    // The inner tabs are flat buttons that rise under the pointer, one of them held down.
    auto* buttons = new QButtonGroup(page);
    int x = 2;
    ClearSlots clearSlots;
    for (const InnerTab& tab : kInnerTabs) {
        auto* button = new QToolButton(page);
        button->setObjectName(QStringLiteral("%1Tab").arg(QLatin1String(tab.objectName)));
        button->setText(QString::fromUtf8(tab.caption));
        button->setCheckable(true);
        button->setAutoRaise(true);
        const int width = button->sizeHint().width() + 12;
        button->setGeometry(x, 1, width, kTabButtonHeight);
        x += width + 2;
        buttons->addButton(button, stack->count());

        auto* inner = new QWidget(stack);
        inner->setObjectName(QLatin1String(tab.objectName));
        stack->addWidget(inner);
        inner->setGeometry(0, 0, stack->width(), stack->height());
        tab.build(inner, clearSlots);
    }
    QObject::connect(buttons, &QButtonGroup::idClicked, stack, &QStackedWidget::setCurrentIndex);
    // A page switched to from code shows its button held down as well.
    QObject::connect(stack, &QStackedWidget::currentChanged, buttons, [buttons](int index) {
        if (QAbstractButton* button = buttons->button(index)) button->setChecked(true);
    });
    buttons->button(0)->setChecked(true);
    stack->setCurrentIndex(0);

    AddClearButtons(page, clearSlots);
}
