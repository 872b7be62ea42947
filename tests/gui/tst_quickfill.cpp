#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "input/quick_fill.h"
#include "quickfillmenu.h"
#include "temporary_home.h"

namespace {

QMenu* PopupOf(QLineEdit& field, int row) {
    return field.findChild<QMenu*>(QStringLiteral("Popup%1").arg(row));
}

// The menu's items by caption, the radio submenu's included.
QAction* Item(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) return action;
        if (action->menu())
            if (QAction* inner = Item(action->menu(), caption)) return inner;
    }
    return nullptr;
}

QString Caption(int index) {
    const auto caption = quillex::QuickFillItems()[index].caption;
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

QString Text(int index) {
    const auto text = quillex::QuickFillItems()[index].text;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

constexpr int kTeam = 12;
constexpr int kAll = 13;

}  // namespace

class TestQuickFill : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void menuHoldsTheSubmenuAndTheChatItems();
    void itemsFillTheField_data();
    void itemsFillTheField();
    void onlyTheMenusOwnFieldChanges();
    void rightClickOpensTheMenu();

  private:
    QTemporaryDir home_;
};

void TestQuickFill::initTestCase() {
    QVERIFY(home_.isValid());
    UseTemporaryHome(home_.path());
}

void TestQuickFill::menuHoldsTheSubmenuAndTheChatItems() {
    QLineEdit field;
    AttachQuickFillMenu(&field, 11);
    QMenu* menu = PopupOf(field, 11);
    QVERIFY(menu);
    const QList<QAction*> top = menu->actions();
    QCOMPARE(top.size(), 3);
    QVERIFY(top[0]->menu());
    QCOMPARE(top[0]->text(), QString("Радиокоманды"));
    QCOMPARE(top[1]->text(), QString("Сказать команде"));
    QCOMPARE(top[2]->text(), QString("Сказать всем"));

    // Twelve radio items in three groups of four.
    const QList<QAction*> radio = top[0]->menu()->actions();
    QCOMPARE(radio.size(), 14);
    int item = 0;
    for (int i = 0; i < radio.size(); ++i) {
        QCOMPARE(radio[i]->isSeparator(), i == 4 || i == 9);
        if (!radio[i]->isSeparator()) QCOMPARE(radio[i]->text(), Caption(item++));
    }
    QCOMPARE(radio[0]->text(), QString("Прикрой меня!"));
    QCOMPARE(radio[13]->text(), QString("Никак нет!"));
}

void TestQuickFill::itemsFillTheField_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QString>("expected");
    const QString team = Text(kTeam);
    QTest::addRow("radio on empty") << QString() << QList<int>{0} << Text(0);
    QTest::addRow("radio on blanks") << "   " << QList<int>{3} << "   ";
    QTest::addRow("radio on text") << "say gg" << QList<int>{11} << "say gg";
    QTest::addRow("second radio") << QString() << QList<int>{4, 7} << Text(4);
    QTest::addRow("team twice") << QString() << QList<int>{kTeam, kTeam} << team + ";" + team;
    QTest::addRow("radio then all")
        << QString() << QList<int>{9, kAll} << Text(9) + ";say Eto Tekct";
    QTest::addRow("chat on blanks") << "  " << QList<int>{kTeam} << "  ;say_team Eto Tekct";
}

void TestQuickFill::itemsFillTheField() {
    QFETCH(QString, initial);
    QFETCH(QList<int>, items);
    QFETCH(QString, expected);
    QLineEdit field;
    AttachQuickFillMenu(&field, 1);
    field.setText(initial);
    for (int index : items) {
        QAction* action = Item(PopupOf(field, 1), Caption(index));
        QVERIFY(action);
        action->trigger();
    }
    QCOMPARE(field.text(), expected);
}

void TestQuickFill::onlyTheMenusOwnFieldChanges() {
    QLineEdit m1;
    QLineEdit m2;
    AttachQuickFillMenu(&m1, 1);
    AttachQuickFillMenu(&m2, 2);
    m2.setText("say hi");
    Item(PopupOf(m1, 1), Caption(kAll))->trigger();
    Item(PopupOf(m2, 2), Caption(0))->trigger();
    QCOMPARE(m1.text(), QString("say Eto Tekct"));
    QCOMPARE(m2.text(), QString("say hi"));
    Item(PopupOf(m2, 2), Caption(kTeam))->trigger();
    QCOMPARE(m1.text(), QString("say Eto Tekct"));
    QCOMPARE(m2.text(), QString("say hi;say_team Eto Tekct"));
}

void TestQuickFill::rightClickOpensTheMenu() {
    QLineEdit field;
    AttachQuickFillMenu(&field, 7);
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    // Through the window, so that the platform's context-menu request follows the click.
    QTest::mouseClick(field.windowHandle(), Qt::RightButton, {}, QPoint(5, 5));
    QTRY_COMPARE(QApplication::activePopupWidget(), PopupOf(field, 7));
    QApplication::activePopupWidget()->close();
    QCOMPARE(field.text(), QString());
}

QTEST_MAIN(TestQuickFill)
#include "tst_quickfill.moc"
