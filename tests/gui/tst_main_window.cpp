// The main window driven as a user would: every control at its default, the menu, shortcuts
// under focus, the server name, the colour swatch and its dialog, closing, the start-up hook
// and the general error report.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

#include "colour_swatch.h"
#include "error_report.h"
#include "field_binding.h"
#include "form_options.h"
#include "form_texts.h"
#include "model/schema.h"
#include "qt_text.h"
#include "scripted_dialogs.h"
#include "tquillexform.h"

using quillex::FieldDef;
using quillex::FieldKind;
using Kind = ScriptedDialogs::Kind;

namespace {

// Records the start-up load instead of loading.
class RecordingForm : public TQuillexForm {
  public:
    using TQuillexForm::TQuillexForm;
    QStringList loads;

  protected:
    void LoadStartupWorkFile(const QString& fileName) override { loads << fileName; }
};

// Types any text, Cyrillic included, one key event per character.
void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogs dialogs_;
    std::unique_ptr<RecordingForm> form_;

    void NewForm(QStringList arguments = {}) {
        form_.reset();
        dialogs_ = ScriptedDialogs();
        form_ = std::make_unique<RecordingForm>(TestFormOptions(dialogs_, arguments));
    }

    QWidget* Control(std::string_view name) const {
        return form_->Binding().Control(quillex::FieldIdOf(name));
    }
    template <typename T>
    T* Named(const char* name) const {
        return form_->findChild<T*>(name);
    }
    QLineEdit* SpinEditor(const char* name) const { return Control(name)->findChild<QLineEdit*>(); }
    // Brings the tab (and inner tab) holding `widget` to the front and focuses it.
    void Focus(QWidget* widget) {
        for (QWidget* up = widget; up && up != form_.get(); up = up->parentWidget()) {
            if (auto* stack = qobject_cast<QStackedWidget*>(up->parentWidget())) {
                stack->setCurrentWidget(up);
            }
        }
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }

  private slots:
    void init() {
        NewForm();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }
    void cleanup() {
        dialogs_.questionAnswers = {true};
        form_.reset();
    }

    void everyFieldHasItsControlAtTheDefault_data() {
        QTest::addColumn<int>("id");
        for (quillex::FieldId id = 0; id < quillex::Fields().size(); ++id) {
            QTest::addRow("%s", std::string(quillex::Field(id).name).c_str()) << int(id);
        }
    }

    void everyFieldHasItsControlAtTheDefault() {
        QFETCH(int, id);
        const FieldDef& def = quillex::Field(quillex::FieldId(id));
        QWidget* control = form_->Binding().Control(quillex::FieldId(id));
        QVERIFY2(control, "no control of the right kind with this objectName");
        QCOMPARE(control->objectName(), ToQString(def.name));
        QCOMPARE(control->toolTip(), ToQString(def.hint));
        const bool handCursor =
            def.kind == FieldKind::TrackBar ||
            (def.kind == FieldKind::Check && def.name != "h1" && def.name != "h2");
        if (handCursor) QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);

        switch (def.kind) {
            case FieldKind::Check: {
                auto* box = qobject_cast<QCheckBox*>(control);
                QCOMPARE(box->isChecked(), def.defaultNumber != 0);
                QCOMPARE(box->text(), ToQString(def.caption));
                break;
            }
            case FieldKind::Edit:
            case FieldKind::Key: {
                auto* edit = qobject_cast<QLineEdit*>(control);
                QCOMPARE(edit->text(), ToQString(def.defaultText));
                QVERIFY(!edit->isReadOnly());
                QVERIFY(edit->maxLength() > 1'000'000);
                break;
            }
            case FieldKind::TrackBar: {
                auto* bar = qobject_cast<QSlider*>(control);
                QCOMPARE(bar->value(), def.defaultNumber);
                QCOMPARE(bar->minimum(), def.min);
                QCOMPARE(bar->maximum(), def.max);
                QCOMPARE(bar->tickInterval(), 1);
                QVERIFY(bar->tickPosition() != QSlider::NoTicks);
                break;
            }
            case FieldKind::Spin: {
                auto* spin = qobject_cast<QSpinBox*>(control);
                QCOMPARE(spin->text(), ToQString(def.defaultText));
                QCOMPARE(spin->minimum(), 0);
                QCOMPARE(spin->maximum(), 255);
                break;
            }
            case FieldKind::Combo: {
                auto* combo = qobject_cast<QComboBox*>(control);
                QCOMPARE(combo->currentIndex(), 1);
                QCOMPARE(combo->count(), 4);
                for (int i = 0; i < 4; ++i) {
                    QCOMPARE(combo->itemText(i), ToQString(quillex::kTextureModes[i]));
                }
                QVERIFY(!combo->isEditable());
                break;
            }
            case FieldKind::Memo: {
                auto* memo = qobject_cast<QPlainTextEdit*>(control);
                QVERIFY(memo->toPlainText().isEmpty());
                QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
                break;
            }
        }
        // The companion label carries the console name the compiler writes.
        if (!def.labelName.empty()) {
            auto* label = form_->findChild<QLabel*>(ToQString(def.labelName));
            QVERIFY(label);
            QCOMPARE(label->text(), ToQString(def.caption));
            QCOMPARE(label->toolTip(), ToQString(def.labelHint));
        }
    }

    void theSettingsReadBackAsTheDefaults() { QVERIFY(form_->Snapshot() == quillex::Settings()); }

    void menusMatchTheirTable_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("menuCaption");
        QTest::addColumn<QStringList>("items");
        QTest::addRow("N1") << "N1"
                            << "Конфиг" << QStringList{"OpenWRK", "SaveWRK", "SaveAs",
                                                       "Save",    "Sep1",    "ExitON"};
        QTest::addRow("Compile") << "Compile"
                                 << "Компиляция" << QStringList{"FullVers", "CutedVers"};
        QTest::addRow("misc") << "misc"
                              << "Разное" << QStringList{"VARGANTa1", "defaultwrk1", "N3"};
        QTest::addRow("Help") << "Help"
                              << "Справка" << QStringList{"About"};
    }

    void menusMatchTheirTable() {
        QFETCH(QString, menu);
        QFETCH(QString, menuCaption);
        QFETCH(QStringList, items);
        auto* found = form_->findChild<QMenu*>(menu);
        QVERIFY(found);
        QCOMPARE(found->title(), menuCaption);
        QStringList names;
        for (QAction* action : found->actions()) names << action->objectName();
        QCOMPARE(names, items);
        QVERIFY(form_->menuBar()->actions().contains(found->menuAction()));
    }

    void menuItemsHaveCaptionShortcutAndState_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("ticked");
        struct Row {
            const char* item;
            const char* caption;
            QKeySequence shortcut;
            bool enabled, ticked;
        };
        const Row rows[] = {
            {"OpenWRK", "Загрузить WRK", QKeySequence("Ctrl+O"), true, false},
            {"SaveWRK", "Сохранить WRK", QKeySequence("Shift+F12"), true, false},
            {"SaveAs", "Сохранить конфиг как...", QKeySequence("Ctrl+S"), false, false},
            {"Save", "Сохранить конфиг на все компьютеры в ЖОВ", QKeySequence(), false, false},
            {"ExitON", "Выход", QKeySequence(), true, false},
            {"FullVers", "Полная версия", QKeySequence("F9"), true, false},
            {"CutedVers", "Урезаная версия", QKeySequence("Ctrl+F9"), true, false},
            {"VARGANTa1", "Загрузить настройки VARGANT'a", QKeySequence("F5"), true, false},
            {"defaultwrk1", "Загрузить default.wrk", QKeySequence("F4"), true, false},
            {"N3", "Автоматическое сохранение", QKeySequence("Ctrl+A"), true, true},
            {"About", "О программе...", QKeySequence("Shift+F1"), true, false},
        };
        for (const Row& row : rows) {
            QTest::addRow("%s", row.item)
                << row.item << row.caption << row.shortcut << row.enabled << row.ticked;
        }
    }

    void menuItemsHaveCaptionShortcutAndState() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, ticked);
        auto* action = form_->findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(action->isEnabled(), enabled);
        QCOMPARE(action->isChecked(), ticked);
        QVERIFY(Named<QAction>("Sep1")->isSeparator());
    }

    // The key press reaches the menu whichever control holds the focus, including those that
    // claim the same keys for themselves (Ctrl+A selects all in an edit).
    void shortcutsWinOverTheFocusedControl_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const char* focusNames[] = {"Nick", "talk", "r", "c54", "Memo", "Path", "b1", "m1"};
        struct Press {
            const char* item;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        const Press presses[] = {
            {"N3", Qt::Key_A, Qt::ControlModifier},
            {"OpenWRK", Qt::Key_O, Qt::ControlModifier},
            {"FullVers", Qt::Key_F9, Qt::NoModifier},
            {"CutedVers", Qt::Key_F9, Qt::ControlModifier},
            {"SaveWRK", Qt::Key_F12, Qt::ShiftModifier},
            {"VARGANTa1", Qt::Key_F5, Qt::NoModifier},
            {"defaultwrk1", Qt::Key_F4, Qt::NoModifier},
            {"About", Qt::Key_F1, Qt::ShiftModifier},
        };
        for (const char* focus : focusNames) {
            for (const Press& press : presses) {
                QTest::addRow("%s %s", focus, press.item)
                    << focus << press.item << int(press.key) << int(press.modifiers);
            }
        }
    }

    void shortcutsWinOverTheFocusedControl() {
        QFETCH(QString, focus);
        QFETCH(QString, item);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* action = form_->findChild<QAction*>(item);
        // Only the routing is under test here: the command itself stays out of the way.
        disconnect(action, &QAction::triggered, form_.get(), nullptr);
        QSignalSpy fired(action, &QAction::triggered);
        auto* target = form_->findChild<QWidget*>(focus);
        QVERIFY(target);
        QTabWidget* tabs = form_->PageControl1;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(target)) tabs->setCurrentIndex(i);
        }
        Focus(target);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(fired.count(), 1);
    }

    void disabledItemsLetTheKeyThrough() {
        auto* nick = qobject_cast<QLineEdit*>(Control("Nick"));
        Focus(nick);
        QSignalSpy fired(form_->SaveAs, &QAction::triggered);
        QTest::keyClick(nick, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fired.count(), 0);
    }

    void nickDrivesTheServerName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("server");
        QTest::addRow("latin") << "Player"
                               << "Player's CS Server";
        QTest::addRow("cyrillic") << "Игрок"
                                  << "Игрок's CS Server";
        QTest::addRow("empty") << ""
                               << "'s CS Server";
        QTest::addRow("spaces") << "  "
                                << "  's CS Server";
    }

    void nickDrivesTheServerName() {
        QFETCH(QString, typed);
        QFETCH(QString, server);
        auto* nick = qobject_cast<QLineEdit*>(Control("Nick"));
        auto* edit2 = qobject_cast<QLineEdit*>(Control("Edit2"));
        edit2->setText("typed by the user");
        Focus(nick);
        nick->selectAll();
        QTest::keyClick(nick, Qt::Key_Delete);
        Type(nick, typed);
        QCOMPARE(nick->text(), typed);
        QCOMPARE(edit2->text(), server);
        // Set as a loader sets it, the same reaction runs.
        form_->Sink().SetText(quillex::FieldIdOf("Nick"), "Loaded");
        QCOMPARE(edit2->text(), QString("Loaded's CS Server"));
    }

    void swatchFollowsTheComponents_data() {
        QTest::addColumn<QString>("r");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("typed") << "12"
                               << "34"
                               << "56" << QColor(12, 34, 56);
        QTest::addRow("extremes") << "255"
                                  << "0"
                                  << "255" << QColor(255, 0, 255);
        QTest::addRow("emptied red") << ""
                                     << "175"
                                     << "255" << QColor(0, 175, 255);
        QTest::addRow("all emptied") << ""
                                     << ""
                                     << "" << QColor(0, 0, 0);
    }

    void swatchFollowsTheComponents() {
        QFETCH(QString, r);
        QFETCH(QString, g);
        QFETCH(QString, b);
        QFETCH(QColor, colour);
        QCOMPARE(form_->Panel1->Colour(), QColor(0, 175, 255));
        const std::pair<const char*, QString> components[] = {{"r", r}, {"g", g}, {"b", b}};
        for (const auto& [name, text] : components) {
            QLineEdit* editor = SpinEditor(name);
            Focus(editor);
            editor->selectAll();
            QTest::keyClick(editor, Qt::Key_Backspace);
            QTest::keyClicks(editor, text);
            QCOMPARE(qobject_cast<QSpinBox*>(Control(name))->text(), text);
        }
        QCOMPARE(form_->Panel1->Colour(), colour);
        // Leaving an emptied spin edit keeps its value 0, for the compile too.
        Focus(Control("Nick"));
        QCOMPARE(form_->Panel1->Colour(), colour);
        const quillex::Settings now = form_->Snapshot();
        QCOMPARE(QColor(now.Number(quillex::FieldIdOf("r")), now.Number(quillex::FieldIdOf("g")),
                        now.Number(quillex::FieldIdOf("b"))),
                 colour);
        // A loader's values repaint it the same way.
        form_->Sink().SetNumber(quillex::FieldIdOf("g"), 99);
        QCOMPARE(form_->Panel1->Colour().green(), 99);
    }

    void colourDialogChangesOnlyTheSwatch_data() {
        QTest::addColumn<bool>("confirmed");
        QTest::addRow("confirmed") << true;
        QTest::addRow("cancelled") << false;
    }

    void colourDialogChangesOnlyTheSwatch() {
        QFETCH(bool, confirmed);
        const QColor picked(10, 200, 30);
        dialogs_.colours.push_back(confirmed ? std::optional<QColor>(picked) : std::nullopt);
        const quillex::Settings before = form_->Snapshot();
        QTest::mouseClick(form_->Panel1, Qt::LeftButton);
        QCOMPARE(dialogs_.Count(Kind::Colour), std::size_t(1));
        QCOMPARE(dialogs_.lastInitialColour, QColor(0, 175, 255));
        QCOMPARE(dialogs_.lastCustomColours,
                 (std::vector<QColor>{QColor(255, 255, 0), QColor(130, 0, 130)}));
        QCOMPARE(form_->Panel1->Colour(), confirmed ? picked : QColor(0, 175, 255));
        QVERIFY(form_->Snapshot() == before);
        QCOMPARE(form_->Panel1->text(), QString("Подбор"));
        QCOMPARE(form_->Panel1->size(), QSize(73, 17));
    }

    void closingAsksFirst_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("answer");
        for (bool answer : {false, true}) {
            QTest::addRow("menu %s", answer ? "yes" : "no") << "menu" << answer;
            QTest::addRow("window %s", answer ? "yes" : "no") << "window" << answer;
        }
    }

    void closingAsksFirst() {
        QFETCH(QString, route);
        QFETCH(bool, answer);
        qobject_cast<QLineEdit*>(Control("Clan"))->setText("kept");
        dialogs_.questionAnswers = {answer};
        if (route == "menu") {
            form_->ExitON->trigger();
        } else {
            form_->close();
        }
        QCOMPARE(dialogs_.Texts(Kind::Question),
                 QStringList{"Ты уверен, что надо закрыть программу? :-)"});
        QCOMPARE(form_->isVisible(), !answer);
        QCOMPARE(qobject_cast<QLineEdit*>(Control("Clan"))->text(), QString("kept"));
    }

    void creationPreparesTheWindow() {
        NewForm();
        QVERIFY(form_->FirstShow);
        QVERIFY(form_->AutoSaveFirst);
        QVERIFY(form_->Timer->isActive());
        QCOMPARE(form_->Timer->interval(), 180000);
        QCOMPARE(form_->c54->toolTip(),
                 QString("GL_NEAREST_MIPMAP_NEAREST\nGL_LINEAR_MIPMAP_LINEAR\n"
                         "GL_LINEAR_MIPMAP_NEAREST\nGL_NEAREST_MIPMAP_LINEAR\n"));
        auto* memo1 = Named<QPlainTextEdit>("Memo1");
        QVERIFY(memo1);
        const QStringList lines = memo1->toPlainText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 18);
        QCOMPARE(lines.front(), QString("1_3 - Купить пистолет 1-3"));
        QCOMPARE(lines[10],
                 QString("buyequip;menuselect 3;menuselect0 - Купить ослепляющую гранату"));
        QCOMPARE(lines.back(), QString("ns - Купить прибор ночного видения"));
        QCOMPARE(form_->windowTitle(), QString(kApplicationTitle));
        QCOMPARE(form_->PageControl1->currentIndex(), 0);
        QVERIFY(Named<QPlainTextEdit>("WRK")->isHidden());
        QCOMPARE(Named<QPlainTextEdit>("WRK")->toPlainText(), QString("WRK"));
        QVERIFY(form_->Memo->toPlainText().isEmpty());
        QVERIFY(form_->Path->text().isEmpty());
        form_->show();
        QVERIFY(!form_->FirstShow);
    }

    void startupLoadRunsOnceForASingleArgument_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("loads");
        QTest::addRow("none") << QStringList{} << QStringList{};
        QTest::addRow("one") << QStringList{"/tmp/my settings.wrk"}
                             << QStringList{"/tmp/my settings.wrk"};
        QTest::addRow("two") << QStringList{"/tmp/my", "settings.wrk"} << QStringList{};
    }

    void startupLoadRunsOnceForASingleArgument() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, loads);
        NewForm(arguments);
        QVERIFY(form_->loads.isEmpty());
        form_->show();
        QCOMPARE(form_->loads, loads);
        form_->hide();
        form_->show();
        QCOMPARE(form_->loads, loads);
    }

    void errorsReachTheErrorBoxAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("thrown");
        QTest::addColumn<QString>("shown");
        QTest::addRow("letter") << "Cannot create file /x/voviru.cfg"
                                << "Cannot create file /x/voviru.cfg.";
        QTest::addRow("digit") << "'12a' is not a valid integer value"
                               << "'12a' is not a valid integer value.";
        QTest::addRow("cyrillic") << "Ошибка записи"
                                  << "Ошибка записи.";
        QTest::addRow("full stop") << "Done."
                                   << "Done.";
        QTest::addRow("bang") << "Done!"
                              << "Done!";
        QTest::addRow("bracket") << "(Done)"
                                 << "(Done)";
    }

    void errorsReachTheErrorBoxAndTheProgramGoesOn() {
        QFETCH(QString, thrown);
        QFETCH(QString, shown);
        bool after = false;
        form_->RunCommand([&] {
            throw CommandError(thrown);
            after = true;  // never reached
        });
        form_->RunCommand([&] { throw std::runtime_error(thrown.toStdString()); });
        form_->RunCommand([&] { after = true; });
        QVERIFY(after);
        QCOMPARE(dialogs_.Texts(Kind::Error), (QStringList{shown, shown}));
        QCOMPARE(dialogs_.shown.front().title, QString(kApplicationTitle));
        QVERIFY(form_->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
