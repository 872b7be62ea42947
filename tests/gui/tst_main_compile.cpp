// F9 and Ctrl+F9 through the real window: the output memo holds the document compiled from the
// controls as they stand, and the config-save items become enabled.
#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "field_binding.h"
#include "form_options.h"
#include "model/schema.h"
#include "qt_text.h"
#include "scripted_dialogs.h"
#include "text/cp1251.h"
#include "text/lines.h"
#include "tquillexform.h"

namespace {

QStringList GoldenLines(const char* name) {
    QFile file(QStringLiteral(QUILLEX_GOLDEN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (const std::string& line :
         quillex::SplitLines(quillex::DecodeCp1251({bytes.constData(), size_t(bytes.size())}))) {
        lines << ToQString(line);
    }
    return lines;
}

// Short date, a space, the long time without the time zone that Qt's long format appends.
QString DateTimeText(const QDateTime& at) {
    const QLocale locale = QLocale::system();
    return locale.toString(at.date(), QLocale::ShortFormat) + ' ' +
           locale.toString(at.time(), locale.timeFormat(QLocale::LongFormat).remove('t').trimmed());
}

}  // namespace

class MainCompileTest : public QObject {
    Q_OBJECT

  private:
    ScriptedDialogs dialogs_;
    std::unique_ptr<TQuillexForm> form_;

    QStringList MemoLines() const { return form_->Memo->toPlainText().split('\n'); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QWidget* nick = form_->findChild<QWidget*>("Nick");
        nick->setFocus();
        QTRY_VERIFY(nick->hasFocus());
        QTest::keyClick(nick, key, modifiers);
    }

  private slots:
    void init() {
        dialogs_ = ScriptedDialogs();
        form_ = std::make_unique<TQuillexForm>(TestFormOptions(dialogs_));
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        dialogs_.questionAnswers = {true};
    }
    void cleanup() { form_.reset(); }

    void defaultsGiveTheGoldenDocuments_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("golden");
        QTest::addRow("full, F9") << int(Qt::Key_F9) << int(Qt::NoModifier) << "default_full.cfg";
        QTest::addRow("cut, Ctrl+F9")
            << int(Qt::Key_F9) << int(Qt::ControlModifier) << "default_cut.cfg";
    }

    void defaultsGiveTheGoldenDocuments() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, golden);
        const QStringList expected = GoldenLines(qPrintable(golden));
        QVERIFY(expected.size() > 200);
        form_->Memo->setPlainText("left from before\n");
        QVERIFY(!form_->SaveAs->isEnabled() && !form_->Save->isEnabled());

        const QDateTime before = QDateTime::currentDateTime();
        Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const QDateTime after = QDateTime::currentDateTime();

        QVERIFY(form_->SaveAs->isEnabled());
        QVERIFY(form_->Save->isEnabled());
        QCOMPARE(form_->PageControl1->currentIndex(), 0);
        // Every line ends with a line break, so the last split piece is empty.
        QStringList lines = MemoLines();
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), expected.size());
        for (int i = 0; i < lines.size(); ++i) {
            if (expected[i].startsWith("// Last modified: ")) {
                QStringList stamps;
                for (QDateTime at = before; at <= after.addSecs(1); at = at.addSecs(1)) {
                    stamps << "// Last modified: " + DateTimeText(at);
                }
                QVERIFY2(stamps.contains(lines[i]), qPrintable(lines[i]));
                QVERIFY2(!lines[i].contains(before.timeZoneAbbreviation()), qPrintable(lines[i]));
                continue;
            }
            QCOMPARE(lines[i], expected[i]);
        }
    }

    // The compile reads every control at the moment of the command.
    void compileReadsTheControlsAsTheyStand_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::addRow("clan") << "Clan"
                              << "ABC"
                              << "name     \"VOvIrU [ABC]\"";
        QTest::addRow("server") << "Edit2"
                                << "LAN"
                                << "hostname     \"LAN\"";
        QTest::addRow("emptied green") << "g"
                                       << ""
                                       << "con_color     \"0 0 255\"";
        QTest::addRow("gravity") << "grav"
                                 << "abc"
                                 << "sv_gravity     \"abc\"";
        QTest::addRow("key") << "b27"
                             << "ALT"
                             << "BIND \"ALT\" \"+sjump\"";
    }

    void compileReadsTheControlsAsTheyStand() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, line);
        QWidget* control = form_->Binding().Control(quillex::FieldIdOf(ToUtf8(field)));
        QLineEdit* edit = qobject_cast<QLineEdit*>(control);
        if (!edit) edit = control->findChild<QLineEdit*>();  // a spin edit's text
        edit->setText(text);
        form_->FullVers->trigger();
        QVERIFY2(MemoLines().contains(line), qPrintable(form_->Memo->toPlainText()));
        // The cut version writes the same setting with one space.
        form_->CutedVers->trigger();
        QVERIFY(MemoLines().contains(QString(line).replace("     \"", " \"")));
    }

    void eachCompileReplacesTheWholeMemo() {
        form_->FullVers->trigger();
        const QString full = form_->Memo->toPlainText();
        form_->CutedVers->trigger();
        const QString cut = form_->Memo->toPlainText();
        QVERIFY(!cut.contains("// SETTINGS"));
        QVERIFY(cut.startsWith("unbindall\n"));
        form_->FullVers->trigger();
        QVERIFY(form_->Memo->toPlainText().startsWith("// Generated with"));
        QCOMPARE(form_->Memo->toPlainText().size(), full.size());
    }
};

QTEST_MAIN(MainCompileTest)
#include "tst_main_compile.moc"
