// The clear buttons of the tab "Управление": each empties exactly the fields of its table row.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "input/clearbuttons.h"
#include "keys_page.h"
#include "model/schema.h"
#include "temporary_home.h"

using namespace quillex;

namespace {

QString Qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Marker(const QString& name) {
    return name + QStringLiteral(" kept");
}

}  // namespace

class ClearButtonsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void emptiesItsFieldsOnly_data();
    void emptiesItsFieldsOnly();
    void standsBesideItsRow_data() { emptiesItsFieldsOnly_data(); }
    void standsBesideItsRow();
    void oneButtonPerRow();

  private:
    const ClearButton& Entry(int index) const { return ClearButtons()[static_cast<size_t>(index)]; }
    QLineEdit* Edit(std::string_view name) const { return host_->findChild<QLineEdit*>(Qs(name)); }
    // Shows the inner page that holds `widget`, by its tab button, as a user would.
    void ShowPageOf(QWidget* widget);

    std::unique_ptr<QWidget> host_;
    std::vector<std::string_view> textFields_;  // every edit and key field of the tab
};

void ClearButtonsTest::initTestCase() {
    host_ = std::make_unique<QWidget>();
    host_->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    host_->resize(729, 405);
    BuildKeysPage(host_.get());
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    for (const FieldDef& def : Fields()) {
        const bool onTab =
            def.page == Page::Keys || def.page == Page::Scripts || def.page == Page::Buy;
        if (onTab && (def.kind == FieldKind::Key || def.kind == FieldKind::Edit))
            textFields_.push_back(def.name);
    }
    QCOMPARE(textFields_.size(), std::size_t{84 + 24 + 6 + 9 + 4 + 28});
}

// Every field holds a text of its own, and both switches are on, before each click.
void ClearButtonsTest::init() {
    for (std::string_view name : textFields_) {
        QLineEdit* edit = Edit(name);
        QVERIFY(edit);
        edit->setText(Marker(edit->objectName()));
    }
    for (const char* name : {"h1", "h2"}) host_->findChild<QCheckBox*>(name)->setChecked(true);
    host_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
        ->setPlainText(QStringLiteral("help"));
}

void ClearButtonsTest::ShowPageOf(QWidget* widget) {
    auto* stack = host_->findChild<QStackedWidget*>();
    QVERIFY(stack);
    QWidget* page = widget;
    while (page && page->parentWidget() != stack) page = page->parentWidget();
    QVERIFY(page);
    const int index = stack->indexOf(page);
    QList<QToolButton*> tabs;
    for (auto* tab : host_->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
        tabs << tab;
    std::sort(tabs.begin(), tabs.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QCOMPARE(tabs.size(), stack->count());
    QTest::mouseClick(tabs[index], Qt::LeftButton);
    QCOMPARE(stack->currentIndex(), index);
}

void ClearButtonsTest::emptiesItsFieldsOnly_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(ClearButtons().size()); ++i)
        QTest::addRow("%s", qPrintable(Qs(ClearButtons()[static_cast<size_t>(i)].name))) << i;
}

void ClearButtonsTest::emptiesItsFieldsOnly() {
    QFETCH(int, index);
    const ClearButton& entry = Entry(index);
    auto* button = host_->findChild<QToolButton*>(Qs(entry.name));
    QVERIFY(button);
    QCOMPARE(button->toolTip(), Qs(entry.hint));
    QCOMPARE(button->cursor().shape(),
             entry.helpCursor ? Qt::WhatsThisCursor : Qt::PointingHandCursor);
    QVERIFY(button->autoRaise());
    QVERIFY(!button->icon().isNull());

    std::vector<std::string_view> cleared;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (FieldId id : entry.fields) {
        cleared.push_back(Field(id).name);
        spies.push_back(
            std::make_unique<QSignalSpy>(Edit(Field(id).name), &QLineEdit::textChanged));
    }

    ShowPageOf(button);
    QTest::mouseClick(button, Qt::LeftButton);

    for (std::string_view name : textFields_) {
        const bool listed = std::find(cleared.begin(), cleared.end(), name) != cleared.end();
        QCOMPARE(Edit(name)->text(), listed ? QString() : Marker(Qs(name)));
    }
    // An ordinary text change, once per field, so that whatever follows the field sees it.
    for (const auto& spy : spies) {
        QCOMPARE(spy->count(), 1);
        QCOMPARE(spy->front().front().toString(), QString());
    }
    for (const char* name : {"h1", "h2"}) QVERIFY(host_->findChild<QCheckBox*>(name)->isChecked());
    QCOMPARE(host_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(),
             QStringLiteral("help"));

    // A second click finds its fields empty and leaves everything as it is.
    QTest::mouseClick(button, Qt::LeftButton);
    for (std::string_view name : cleared) QVERIFY(Edit(name)->text().isEmpty());
}

// A row button stands level with its fields, just right of the row's last edit; the grid's
// button stands in the grid's box, above its first row.
void ClearButtonsTest::standsBesideItsRow() {
    QFETCH(int, index);
    const ClearButton& entry = Entry(index);
    auto* button = host_->findChild<QToolButton*>(Qs(entry.name));
    QVERIFY(button);
    const QRect b = button->geometry();
    int rowFields = 0;
    for (FieldId id : entry.fields) {
        QLineEdit* field = Edit(Field(id).name);
        QVERIFY(field);
        if (field->parentWidget() != button->parentWidget()) continue;  // the key left of a box
        ++rowFields;
        if (entry.helpCursor) {
            QVERIFY(b.bottom() < field->geometry().top());
        } else {
            QCOMPARE(field->geometry().center().y(), b.center().y());
        }
    }
    QCOMPARE(rowFields, static_cast<int>(entry.fields.size()) - (entry.name == "SpeedButton14"));
    if (entry.helpCursor) {
        QVERIFY(qobject_cast<QGroupBox*>(button->parentWidget()));
        return;
    }
    QWidget* left = nullptr;
    for (auto* sibling :
         button->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect r = sibling->geometry();
        if (r.center().y() == b.center().y() && r.right() < b.left() &&
            (!left || r.right() > left->geometry().right()))
            left = sibling;
    }
    QVERIFY(qobject_cast<QLineEdit*>(left));
    QVERIFY(b.left() - left->geometry().right() <= 8);
}

void ClearButtonsTest::oneButtonPerRow() {
    QStringList names;
    for (QToolButton* button : host_->findChildren<QToolButton*>())
        if (button->objectName().startsWith(QStringLiteral("SpeedButton")))
            names << button->objectName();
    QCOMPARE(names.size(), static_cast<qsizetype>(ClearButtons().size()));
    names.removeDuplicates();
    QCOMPARE(names.size(), static_cast<qsizetype>(ClearButtons().size()));
}

int main(int argc, char** argv) {
    QTemporaryDir home;
    UseTemporaryHome(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ClearButtonsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clearbuttons.moc"
