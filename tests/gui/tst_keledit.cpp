#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "keledit.h"
#include "temporary_home.h"

namespace {

// Counts the key releases that reach a widget above the field.
class ReleaseCounter : public QObject {
  public:
    int releases = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) ++releases;
        return false;
    }
};

void CloseOpenPopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace

class TestKelEdit : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void releaseNamesThePhysicalKey_data();
    void releaseNamesThePhysicalKey();
    void keysWithoutACodeLeaveTheText_data();
    void keysWithoutACodeLeaveTheText();
    void releaseIsConsumed();
    void lastReleaseWins();
    void autoRepeatReleasesAreIgnored();
    void tabIntoAFieldLeavesTab();
    void shortcutRunsOnPressAndReleaseNamesTheKey();
    void altReleaseDoesNotOpenTheMenuBar();
    void mouseButtons_data();
    void mouseButtons();
    void middleClickDoesNotPasteTheSelection();
    void rightClickStillOffersTheEditMenu();
    void wheelLeavesTheText();
    void drawnOnTheButtonFace();

  private:
    QTemporaryDir home_;
};

void TestKelEdit::initTestCase() {
    QVERIFY(home_.isValid());
    UseTemporaryHome(home_.path());
}

void TestKelEdit::releaseNamesThePhysicalKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<QString>("expected");
    const int kp = Qt::KeypadModifier;
    struct Row {
        const char* name;
        int key;
        int modifiers;
        uint scanCode;
        const char* expected;
    };
    // Scan codes are X keycodes, as xcb and Wayland report them; 0 is a platform without them.
    const Row rows[] = {
        {"russian layout letter", 0x424, 0, 38, "a"},
        {"russian layout letter b", 0x418, 0, 56, "b"},
        {"russian layout semicolon key", 0x416, 0, 47, ";"},
        {"russian layout slash key reports period", Qt::Key_Period, 0, 61, "/"},
        {"russian layout grave key", 0x401, 0, 49, "`"},
        {"shifted letter", Qt::Key_Q, Qt::ShiftModifier, 24, "q"},
        {"digit", Qt::Key_5, 0, 14, "5"},
        {"shifted digit", Qt::Key_Exclam, Qt::ShiftModifier, 10, "1"},
        {"keypad 1 num lock on", Qt::Key_1, kp, 87, "KP_END"},
        {"keypad 5 num lock on", Qt::Key_5, kp, 84, "KP_5"},
        {"keypad 0 num lock on", Qt::Key_0, kp, 90, "KP_INS"},
        {"keypad 9 num lock on", Qt::Key_9, kp, 81, "KP_PGUP"},
        {"keypad point num lock on", Qt::Key_Period, kp, 91, "KP_DEL"},
        {"keypad point russian num lock on", Qt::Key_Comma, kp, 91, "KP_DEL"},
        {"keypad 1 num lock off", Qt::Key_End, kp, 87, "END"},
        {"keypad 8 num lock off", Qt::Key_Up, kp, 80, "UPARROW"},
        {"keypad 5 num lock off", Qt::Key_Clear, kp, 84, "\x0C"},
        {"keypad 0 num lock off", Qt::Key_Insert, kp, 90, "INS"},
        {"keypad point num lock off", Qt::Key_Delete, kp, 91, "DEL"},
        {"keypad multiply", Qt::Key_Asterisk, kp, 63, "*"},
        {"keypad plus", Qt::Key_Plus, kp, 86, "KP_PLUS"},
        {"keypad minus", Qt::Key_Minus, kp, 82, "KP_MINUS"},
        {"keypad divide", Qt::Key_Slash, kp, 106, "KP_SLASH"},
        {"keypad enter", Qt::Key_Enter, kp, 104, "ENTER"},
        {"main enter", Qt::Key_Return, 0, 36, "ENTER"},
        {"left shift", Qt::Key_Shift, 0, 50, "SHIFT"},
        {"right shift", Qt::Key_Shift, 0, 62, "SHIFT"},
        {"left ctrl", Qt::Key_Control, 0, 37, "CTRL"},
        {"right ctrl", Qt::Key_Control, 0, 105, "CTRL"},
        {"left alt", Qt::Key_Alt, 0, 64, "ALT"},
        {"right alt as altgr", Qt::Key_AltGr, 0, 108, "ALT"},
        {"left windows key", Qt::Key_Meta, 0, 133, "["},
        {"menu key", Qt::Key_Menu, 0, 135, "]"},
        {"backspace", Qt::Key_Backspace, 0, 22, "BACKSPACE"},
        {"delete", Qt::Key_Delete, 0, 119, "DEL"},
        {"tab", Qt::Key_Tab, 0, 23, "TAB"},
        {"escape", Qt::Key_Escape, 0, 9, "ESCAPE"},
        {"space", Qt::Key_Space, 0, 65, "SPACE"},
        {"f9", Qt::Key_F9, 0, 75, "F9"},
        {"f12", Qt::Key_F12, 0, 96, "F12"},
        {"caps lock", Qt::Key_CapsLock, 0, 66, "\x14"},
        {"num lock", Qt::Key_NumLock, 0, 77, "ђ"},
        {"pause", Qt::Key_Pause, 0, 127, "PAUSE"},
        {"home", Qt::Key_Home, 0, 110, "HOME"},
        {"page down", Qt::Key_PageDown, 0, 117, "PGDN"},
        {"no scan code letter", Qt::Key_A, 0, 0, "a"},
        {"no scan code russian letter", 0x424, 0, 0, "a"},
        {"no scan code keypad 1 num lock on", Qt::Key_1, kp, 0, "KP_END"},
        {"no scan code keypad 1 num lock off", Qt::Key_End, kp, 0, "END"},
        {"no scan code keypad 5 num lock off", Qt::Key_Clear, kp, 0, "\x0C"},
        {"no scan code keypad point", Qt::Key_Period, kp, 0, "KP_DEL"},
        {"no scan code keypad enter", Qt::Key_Enter, kp, 0, "ENTER"},
        {"no scan code period", Qt::Key_Period, 0, 0, "."},
        {"no scan code shift", Qt::Key_Shift, Qt::ShiftModifier, 0, "SHIFT"},
        {"no scan code back tab", Qt::Key_Backtab, Qt::ShiftModifier, 0, "TAB"},
        {"no scan code shifted digit", Qt::Key_ParenLeft, Qt::ShiftModifier, 0, "9"},
        {"no scan code f9", Qt::Key_F9, 0, 0, "F9"},
        {"no scan code windows key", Qt::Key_Meta, 0, 0, "["},
    };
    for (const Row& row : rows)
        QTest::addRow("%s", row.name)
            << row.key << row.modifiers << row.scanCode << QString::fromUtf8(row.expected);
}

void TestKelEdit::releaseNamesThePhysicalKey() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(uint, scanCode);
    QFETCH(QString, expected);
    TKelEdit edit;
    edit.setText("MOUSE1");
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0);
    QCoreApplication::sendEvent(&edit, &release);
    QCOMPARE(edit.text(), expected);
}

void TestKelEdit::keysWithoutACodeLeaveTheText_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<uint>("scanCode");
    QTest::addRow("media key") << int(Qt::Key_VolumeUp) << 0u;
    QTest::addRow("unknown key with unknown scan code") << int(Qt::Key_unknown) << 250u;
}

void TestKelEdit::keysWithoutACodeLeaveTheText() {
    QFETCH(int, key);
    QFETCH(uint, scanCode);
    TKelEdit edit;
    edit.setText("SPACE");
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, scanCode, 0, 0);
    QCoreApplication::sendEvent(&edit, &release);
    QCOMPARE(edit.text(), QString("SPACE"));
    QVERIFY(release.isAccepted());
}

void TestKelEdit::releaseIsConsumed() {
    QWidget parent;
    auto* edit = new TKelEdit(&parent);
    ReleaseCounter counter;
    parent.installEventFilter(&counter);
    for (int key : {int(Qt::Key_Alt), int(Qt::Key_A), int(Qt::Key_VolumeUp)}) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        release.ignore();
        QCoreApplication::sendEvent(edit, &release);
        QVERIFY(release.isAccepted());
    }
    QCOMPARE(counter.releases, 0);
}

void TestKelEdit::lastReleaseWins() {
    TKelEdit edit;
    // As xcb delivers them: hold Shift, type A, let go of A, then of Shift.
    auto send = [&](QEvent::Type type, int key, uint scanCode, const QString& text) {
        QKeyEvent event(type, key, Qt::ShiftModifier, scanCode, 0, 0, text);
        QCoreApplication::sendEvent(&edit, &event);
    };
    send(QEvent::KeyPress, Qt::Key_Shift, 50, {});
    send(QEvent::KeyPress, Qt::Key_A, 38, "A");
    QCOMPARE(edit.text(), QString("A"));  // the press still types
    send(QEvent::KeyRelease, Qt::Key_A, 38, "A");
    QCOMPARE(edit.text(), QString("a"));
    send(QEvent::KeyRelease, Qt::Key_Shift, 50, {});
    QCOMPARE(edit.text(), QString("SHIFT"));
}

void TestKelEdit::autoRepeatReleasesAreIgnored() {
    TKelEdit edit;
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    auto send = [&](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, 0x424, Qt::NoModifier, 38, 0x6c6, 0, QString::fromUtf8("ф"),
                        autoRepeat);
        QCoreApplication::sendEvent(&edit, &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 3; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    QCOMPARE(edit.text(), QString::fromUtf8("фффф"));
    send(QEvent::KeyRelease, false);
    QCOMPARE(edit.text(), QString("a"));
    QCOMPARE(changes.count(), 5);
}

void TestKelEdit::tabIntoAFieldLeavesTab() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* before = new QLineEdit(&window);
    auto* first = new TKelEdit(&window);
    auto* second = new TKelEdit(&window);
    for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(first),
                       static_cast<QWidget*>(second)})
        layout->addWidget(w);
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    before->setText("say hi");
    first->setText("b");
    second->setText("c");
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());

    QTest::keyPress(before, Qt::Key_Tab);
    QVERIFY(first->hasFocus());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(first->text(), QString("TAB"));
    QCOMPARE(before->text(), QString("say hi"));

    QTest::keyPress(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(second->text(), QString("TAB"));
    QCOMPARE(first->text(), QString("TAB"));
}

namespace {

struct MenuWindow {
    QMainWindow window;
    QMenu* menu = nullptr;
    QAction* compile = nullptr;
    QLineEdit* field = nullptr;

    explicit MenuWindow(QLineEdit* edit) : field(edit) {
        menu = window.menuBar()->addMenu(QStringLiteral("Компиляция"));
        compile = menu->addAction(QStringLiteral("Полная версия"));
        compile->setShortcut(Qt::Key_F9);
        auto* central = new QWidget(&window);
        auto* layout = new QVBoxLayout(central);
        layout->addWidget(edit);
        layout->addWidget(new QLineEdit(central));
        window.setCentralWidget(central);
    }

    bool Show() {
        window.show();
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        field->setFocus();
        return QTest::qWaitFor([&] { return field->hasFocus(); });
    }

    void PressAndReleaseAlt() {
        QTest::keyPress(field, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(field, Qt::Key_Alt, Qt::AltModifier);
    }

    bool MenuBarTookTheKeyboard() const {
        return window.menuBar()->activeAction() != nullptr || window.menuBar()->hasFocus();
    }
};

}  // namespace

void TestKelEdit::shortcutRunsOnPressAndReleaseNamesTheKey() {
    MenuWindow w(new TKelEdit);
    QVERIFY(w.Show());
    QSignalSpy triggered(w.compile, &QAction::triggered);
    QTest::keyPress(w.field, Qt::Key_F9);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(w.field->text(), QString());
    QTest::keyRelease(w.field, Qt::Key_F9);
    QCOMPARE(w.field->text(), QString("F9"));
    QCOMPARE(triggered.count(), 1);
}

void TestKelEdit::altReleaseDoesNotOpenTheMenuBar() {
    {
        // Without the key field the same keys do hand the keyboard to the menu bar, so the check
        // below means something under the style in use.
        MenuWindow plain(new QLineEdit);
        QVERIFY(plain.Show());
        if (!plain.window.style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr,
                                             plain.window.menuBar()))
            QSKIP("the style gives the menu bar no Alt navigation");
        plain.PressAndReleaseAlt();
        QVERIFY(plain.MenuBarTookTheKeyboard());
    }
    MenuWindow w(new TKelEdit);
    QVERIFY(w.Show());
    w.PressAndReleaseAlt();
    QCOMPARE(w.field->text(), QString("ALT"));
    QVERIFY(!w.MenuBarTookTheKeyboard());
    QVERIFY(w.field->hasFocus());
    // A later key release in the field is still the field's.
    QTest::keyClick(w.field, Qt::Key_B);
    QCOMPARE(w.field->text(), QString("b"));
    QVERIFY(!w.MenuBarTookTheKeyboard());
}

void TestKelEdit::mouseButtons_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("expected");
    QTest::addRow("left") << int(Qt::LeftButton) << "MOUSE1";
    QTest::addRow("right") << int(Qt::RightButton) << "MOUSE2";
    QTest::addRow("middle") << int(Qt::MiddleButton) << "MOUSE3";
    QTest::addRow("back") << int(Qt::BackButton) << "KP_END";
    QTest::addRow("forward") << int(Qt::ForwardButton) << "KP_END";
}

void TestKelEdit::mouseButtons() {
    QFETCH(int, button);
    QFETCH(QString, expected);
    TKelEdit edit;
    edit.setText("KP_END");
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::mouseClick(&edit, Qt::MouseButton(button));
    CloseOpenPopups();
    QCOMPARE(edit.text(), expected);
}

void TestKelEdit::middleClickDoesNotPasteTheSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) QSKIP("the platform has no selection clipboard");
    clipboard->setText("pasted", QClipboard::Selection);
    TKelEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::mouseClick(&edit, Qt::MiddleButton);
    QCOMPARE(edit.text(), QString("MOUSE3"));
}

void TestKelEdit::rightClickStillOffersTheEditMenu() {
    TKelEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    // Through the window, as the platform delivers it: the context menu request comes with the
    // press here.
    const QPoint at(5, 5);
    QTest::mousePress(edit.windowHandle(), Qt::RightButton, {}, at);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);  // not yet: the release is the field's
    QTest::mouseRelease(edit.windowHandle(), Qt::RightButton, {}, at);
    QCOMPARE(edit.text(), QString("MOUSE2"));
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    CloseOpenPopups();
}

void TestKelEdit::wheelLeavesTheText() {
    TKelEdit edit;
    edit.setText("MOUSE2");
    const QPointF at(5, 5);
    QWheelEvent wheel(at, edit.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&edit, &wheel);
    QCOMPARE(edit.text(), QString("MOUSE2"));
}

void TestKelEdit::drawnOnTheButtonFace() {
    TKelEdit edit;
    QLineEdit plain;
    QCOMPARE(edit.palette().color(QPalette::Base), plain.palette().color(QPalette::Button));
    QCOMPARE(edit.palette().color(QPalette::Inactive, QPalette::Base),
             plain.palette().color(QPalette::Inactive, QPalette::Button));
}

QTEST_MAIN(TestKelEdit)
#include "tst_keledit.moc"
