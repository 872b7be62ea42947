// The tab "Управление" built alone into a page of the window's size: its controls, texts and
// layout.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "keledit.h"
#include "keys_page.h"
#include "model/schema.h"
#include "temporary_home.h"

using namespace quillex;

namespace {

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool OnKeysTab(const FieldDef& def) {
    return def.page == Page::Keys || def.page == Page::Scripts || def.page == Page::Buy;
}

std::unique_ptr<QWidget> BuildHost(QSize size) {
    auto host = std::make_unique<QWidget>();
    host->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    host->resize(size);
    BuildKeysPage(host.get());
    return host;
}

QString Describe(const QWidget* widget) {
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) text += QLatin1Char(' ') + widget->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text += QStringLiteral(" \"%1\"").arg(label->text());
    return text;
}

QRect GroupTitleRect(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

QList<QWidget*> ChildWidgets(const QWidget* parent) {
    return parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

// A container whose children were placed by the page builder (not a composite control).
bool IsContainer(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QStackedWidget*>(widget) ||
           QByteArray(widget->metaObject()->className()) == "QWidget";
}

}  // namespace

class KeysPageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { host_ = BuildHost(QSize(729, 405)); }

    void controlPerField_data();
    void controlPerField();
    void companionLabels_data();
    void companionLabels();
    void onlySchemaFields();
    void actionGridInRowsOfFourteen();
    void lastMessageKeyLeftOfGroup();
    void fixedTexts_data();
    void fixedTexts();
    void buyHelpMemo();
    void messageMenus();
    void innerTabs();
    void layoutFits_data();
    void layoutFits();

  private:
    void CheckLayout(QWidget* host, int& checked);
    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return host_->findChild<T*>(name);
    }

    std::unique_ptr<QWidget> host_;
};

void KeysPageTest::controlPerField_data() {
    QTest::addColumn<int>("id");
    for (FieldId id = 0; id < Fields().size(); ++id) {
        if (OnKeysTab(Field(id))) QTest::addRow("%s", qPrintable(Qs(Field(id).name))) << int(id);
    }
}

void KeysPageTest::controlPerField() {
    QFETCH(int, id);
    const FieldDef& def = Field(static_cast<FieldId>(id));
    const QString name = Qs(def.name);
    const QList<QWidget*> found = host_->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QWidget* control = found.front();
    QCOMPARE(control->toolTip(), Qs(def.hint));

    switch (def.kind) {
        case FieldKind::Key: {
            auto* edit = qobject_cast<TKelEdit*>(control);
            QVERIFY2(edit, "a key field is a key-capture edit");
            QCOMPARE(edit->text(), Qs(def.defaultText));
            QCOMPARE(edit->palette().color(QPalette::Base),
                     host_->palette().color(QPalette::Button));
            break;
        }
        case FieldKind::Edit: {
            auto* edit = qobject_cast<QLineEdit*>(control);
            QVERIFY(edit);
            QVERIFY(!qobject_cast<TKelEdit*>(control));
            QCOMPARE(edit->text(), Qs(def.defaultText));
            QVERIFY(!edit->isReadOnly());
            break;
        }
        case FieldKind::Check: {
            auto* box = qobject_cast<QCheckBox*>(control);
            QVERIFY(box);
            QCOMPARE(box->text(), Qs(def.caption));
            QCOMPARE(box->isChecked(), def.defaultNumber != 0);
            QCOMPARE(box->cursor().shape(), Qt::ArrowCursor);
            break;
        }
        default:
            QFAIL("no other kind of control lives on this tab");
    }

    // The group box named by the table holds the control; the last message key is the one
    // that stands outside its box.
    auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
    if (def.group.empty() || def.name == "g12") {
        QVERIFY(!group);
    } else {
        QVERIFY(group);
        QCOMPARE(group->title(), Qs(def.group));
    }
}

void KeysPageTest::companionLabels_data() {
    QTest::addColumn<int>("id");
    for (FieldId id = 0; id < Fields().size(); ++id) {
        const FieldDef& def = Field(id);
        if (OnKeysTab(def) && def.kind != FieldKind::Check && !def.caption.empty())
            QTest::addRow("%s", qPrintable(Qs(def.name))) << int(id);
    }
}

// Every caption of the table reads in a label on the field's row, left of it, or in a column
// heading above it.
void KeysPageTest::companionLabels() {
    QFETCH(int, id);
    const FieldDef& def = Field(static_cast<FieldId>(id));
    auto* field = Find(Qs(def.name));
    QVERIFY(field);
    const QRect f = field->geometry();
    QLabel* match = nullptr;
    for (QLabel* label : field->parentWidget()->findChildren<QLabel*>()) {
        if (label->text() != Qs(def.caption)) continue;
        const QRect l = label->geometry();
        const bool beside = qAbs(l.center().y() - f.center().y()) <= 2 && l.right() < f.left();
        const bool above = l.bottom() < f.top() && l.left() <= f.left() && l.right() >= f.left();
        if (beside || above) match = label;
    }
    QVERIFY2(match, qPrintable(QStringLiteral("no label \"%1\"").arg(Qs(def.caption))));
    if (!def.labelHint.empty()) QCOMPARE(match->toolTip(), Qs(def.labelHint));
}

void KeysPageTest::onlySchemaFields() {
    QStringList names;
    for (QLineEdit* edit : host_->findChildren<QLineEdit*>()) {
        QVERIFY2(FindField(edit->objectName().toStdString()),
                 qPrintable(QStringLiteral("stray edit %1").arg(edit->objectName())));
        names << edit->objectName();
    }
    int expected = 0;
    for (const FieldDef& def : Fields()) expected += OnKeysTab(def) && def.kind != FieldKind::Check;
    QCOMPARE(names.size(), expected);
    names.removeDuplicates();
    QCOMPARE(names.size(), expected);
}

void KeysPageTest::actionGridInRowsOfFourteen() {
    const auto rows = ActionRows();
    QCOMPARE(rows.size(), std::size_t{kActionRows});
    for (int k = 1; k <= kActionRows; ++k) {
        auto* key = Find(QStringLiteral("b%1").arg(k));
        auto* second = Find(QStringLiteral("bn%1").arg(k));
        QVERIFY(key && second);
        QCOMPARE(second->y(), key->y());
        QVERIFY(second->x() > key->x());
        if ((k - 1) % 14 != 0) {
            auto* above = Find(QStringLiteral("b%1").arg(k - 1));
            QCOMPARE(key->x(), above->x());
            QVERIFY(key->y() > above->y());
        } else if (k > 1) {
            auto* left = Find(QStringLiteral("b%1").arg(k - 14));
            QCOMPARE(key->y(), left->y());
            QVERIFY(key->x() > left->x());
        }
    }
}

void KeysPageTest::lastMessageKeyLeftOfGroup() {
    auto* key = Find(QStringLiteral("g12"));
    auto* message = Find(QStringLiteral("ms12"));
    QVERIFY(key && message);
    auto* group = qobject_cast<QGroupBox*>(message->parentWidget());
    QVERIFY(group);
    QCOMPARE(key->parentWidget(), group->parentWidget());
    QVERIFY(key->geometry().right() < group->x());
    const QPoint messageCentre = message->mapTo(group->parentWidget(), message->rect().center());
    QCOMPARE(key->geometry().center().y(), messageCentre.y());
}

void KeysPageTest::fixedTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");  // invalid: the window's text colour
    const QString buyHint = QStringLiteral("Например: 4_1;say_team [KALASH-RULLEZZ!!]");
    const struct {
        const char* text;
        QString hint;
        bool bold;
        QColor colour;
    } rows[] = {
        {"Во время игры, в консоли", {}, false, {}},
        {"набери nick#,где #-от 1 до 6", {}, false, {}},
        {"и твой ник изменится", {}, false, {}},
        {"В этой версии программы список нужно писать самому :-((", {}, true, {}},
        {"Пояснение к написанию списка покупок...", {}, false, {}},
        {"Все нужно писать ЧЕРЕЗ ТОЧКУ С ЗАПЯТОЙ!!!", buyHint, false, QColor(Qt::red)},
    };
    for (const auto& row : rows)
        QTest::addRow("%s", row.text)
            << QString::fromUtf8(row.text) << row.hint << row.bold << row.colour;
}

void KeysPageTest::fixedTexts() {
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QList<QLabel*> labels;
    for (QLabel* label : host_->findChildren<QLabel*>())
        if (label->text() == text) labels << label;
    QCOMPARE(labels.size(), 1);
    QLabel* label = labels.front();
    QCOMPARE(label->toolTip(), hint);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->font().family(), host_->font().family());
    const QColor expected =
        colour.isValid() ? colour : host_->palette().color(QPalette::WindowText);
    QCOMPARE(label->palette().color(QPalette::WindowText), expected);
}

void KeysPageTest::buyHelpMemo() {
    auto* memo = Find<QPlainTextEdit>(QStringLiteral("Memo1"));
    QVERIFY(memo);
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->frameShape(), QFrame::NoFrame);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(memo->toolTip(), QStringLiteral("Просто скопируй отсюда, что тебе нужно..."));
    QVERIFY(memo->toPlainText().isEmpty());
}

// Each message field carries the pop-up menu of its own row.
void KeysPageTest::messageMenus() {
    for (int row = 1; row <= kMessageRows; ++row) {
        auto* field = Find<QLineEdit>(Qs(Field(MessageField(row)).name));
        QVERIFY(field);
        const QList<QMenu*> menus =
            field->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus.front()->objectName(), QStringLiteral("Popup%1").arg(row));
    }
}

void KeysPageTest::innerTabs() {
    auto host = BuildHost(QSize(729, 405));
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    auto* stack = host->findChild<QStackedWidget*>();
    QVERIFY(stack);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->currentIndex(), 0);

    QList<QToolButton*> tabs;
    for (QWidget* child : ChildWidgets(host.get()))
        if (auto* button = qobject_cast<QToolButton*>(child)) tabs << button;
    std::sort(tabs.begin(), tabs.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList captions;
    for (QToolButton* tab : tabs) {
        captions << tab->text();
        QVERIFY(tab->autoRaise());
        QVERIFY(tab->isCheckable());
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("Управление"), QStringLiteral("Скрипты"),
                                    QStringLiteral("Покупка")}));
    QVERIFY(tabs[0]->isChecked());

    // Each page shows its own fields and hides the others'.
    const char* fieldOnPage[] = {"b1", "m1", "zx1"};
    for (int i : {1, 2, 0}) {
        QTest::mouseClick(tabs[i], Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), i);
        for (int j = 0; j < 3; ++j) {
            QVERIFY(tabs[j]->isChecked() == (i == j));
            QCOMPARE(host->findChild<QWidget*>(QLatin1String(fieldOnPage[j]))->isVisible(), i == j);
        }
    }
    stack->setCurrentIndex(2);
    QVERIFY(tabs[2]->isChecked());
}

void KeysPageTest::layoutFits_data() {
    QTest::addColumn<QSize>("built");
    QTest::addColumn<QSize>("shown");
    QTest::addRow("729x405") << QSize(729, 405) << QSize(729, 405);
    QTest::addRow("729x400") << QSize(729, 400) << QSize(729, 400);
    // A tab page is still at a new widget's default size while it is being filled.
    QTest::addRow("640x480 then 733x408") << QSize(640, 480) << QSize(733, 408);
}

// Fixed geometry must keep every control inside the page, clear of its siblings and of group
// titles, and large enough for its text in the window's font.
void KeysPageTest::layoutFits() {
    QFETCH(QSize, built);
    QFETCH(QSize, shown);
    auto host = BuildHost(built);
    host->resize(shown);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    auto* stack = host->findChild<QStackedWidget*>();
    int checked = 0;
    for (int index = 0; index < stack->count(); ++index) {
        stack->setCurrentIndex(index);
        QCoreApplication::processEvents();
        QCOMPARE(stack->currentWidget()->geometry(), stack->rect());
        CheckLayout(host.get(), checked);
        if (QTest::currentTestFailed()) return;
    }
    QVERIFY2(checked > 250, qPrintable(QString::number(checked)));  // the walk reached every row
    const auto* memo = host->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QCOMPARE(memo->mapTo(host.get(), QPoint(0, memo->height())).y(), shown.height() - 2);
}

void KeysPageTest::CheckLayout(QWidget* host, int& checked) {
    QList<QWidget*> containers{host};
    while (!containers.isEmpty()) {
        QWidget* parent = containers.takeFirst();
        const QList<QWidget*> children = ChildWidgets(parent);
        const bool stack = qobject_cast<QStackedWidget*>(parent);
        auto* group = qobject_cast<QGroupBox*>(parent);
        const QRect title = group ? GroupTitleRect(group) : QRect();
        for (int i = 0; i < children.size(); ++i) {
            QWidget* child = children[i];
            if (stack && child != static_cast<QStackedWidget*>(parent)->currentWidget())
                continue;  // a hidden page takes the stack's size when it is shown
            const QRect r = child->geometry();
            const QString what = Describe(child) + QStringLiteral(" in ") + Describe(parent);
            ++checked;
            QVERIFY2(parent->rect().contains(r), qPrintable(what + QStringLiteral(" sticks out")));
            QVERIFY2(host->rect().contains(QRect(child->mapTo(host, QPoint()), r.size())),
                     qPrintable(what + QStringLiteral(" lies outside the page")));
            if (group) {
                QVERIFY2(!r.intersects(title),
                         qPrintable(what + QStringLiteral(" hides the title")));
                if (!qobject_cast<QToolButton*>(child))
                    QVERIFY2(group->contentsRect().contains(r),
                             qPrintable(what + QStringLiteral(" crosses the frame")));
            }
            if (!stack) {  // the stack's pages share its area by design
                for (int j = 0; j < i; ++j) {
                    QVERIFY2(
                        !r.intersects(children[j]->geometry()),
                        qPrintable(what + QStringLiteral(" overlaps ") + Describe(children[j])));
                }
            }
            if (auto* label = qobject_cast<QLabel*>(child)) {
                QVERIFY2(label->sizeHint().width() <= r.width() &&
                             label->sizeHint().height() <= r.height(),
                         qPrintable(what + QStringLiteral(" is clipped")));
            } else if (qobject_cast<QCheckBox*>(child) || qobject_cast<QGroupBox*>(child)) {
                const QSize need =
                    qobject_cast<QGroupBox*>(child) ? child->minimumSizeHint() : child->sizeHint();
                QVERIFY2(need.width() <= r.width() && need.height() <= r.height(),
                         qPrintable(what + QStringLiteral(" is clipped")));
            } else if (auto* button = qobject_cast<QToolButton*>(child)) {
                QVERIFY2(button->sizeHint().width() <= r.width() &&
                             button->iconSize().height() + 4 <= r.height(),
                         qPrintable(what + QStringLiteral(" is clipped")));
            } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
                QVERIFY2(edit->minimumSizeHint().height() <= r.height(),
                         qPrintable(what + QStringLiteral(" is too low")));
                const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                const int mouse = edit->fontMetrics().horizontalAdvance(QStringLiteral("MOUSE2"));
                QVERIFY2(mouse + 2 * frame + 4 <= r.width(),
                         qPrintable(what + QStringLiteral(" is too narrow for a key name")));
            }
            if (IsContainer(child)) containers << child;
        }
    }
}

int main(int argc, char** argv) {
    QTemporaryDir home;
    UseTemporaryHome(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    KeysPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyspage.moc"
