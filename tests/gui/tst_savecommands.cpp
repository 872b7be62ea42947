// Config saves, work-file commands, the start-up load, the autosave and the author preset,
// driven through the real window with scripted dialogs.
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>

#include "form_options.h"
#include "model/schema.h"
#include "output/config_file.h"
#include "scripted_dialogs.h"
#include "text/cp1251.h"
#include "tquillexform.h"
#include "workfile/author_preset.h"

using Kind = ScriptedDialogs::Kind;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Golden(const char* name) {
    return ReadBytes(QStringLiteral(QUILLEX_GOLDEN_DIR "/") + name);
}

// Makes every file write of this process fail past `bytes`, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

}  // namespace

class SaveCommandsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TQuillexForm> form_;

    void NewForm(QStringList arguments = {}) {
        dialogs_ = ScriptedDialogs();
        form_ = std::make_unique<TQuillexForm>(TestFormOptions(dialogs_, arguments));
    }
    QString In(const QString& name) const { return dir_.filePath(name); }
    QLineEdit* Edit(const char* name) const { return form_->findChild<QLineEdit*>(name); }
    QString Text(const char* name) const {
        return QString::fromStdString(form_->Snapshot().Text(name));
    }
    QStringList Errors() const { return dialogs_.Texts(Kind::Error); }
    // Runs a handler the way the window runs its commands, through the error report.
    void Do(const std::function<void()>& command) { form_->RunCommand(command); }

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        NewForm();
    }
    void cleanup() {
        form_.reset();
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    void saveButtonsDoNothingBeforeTheFirstCompile() {
        form_->Path->setText(dir_.path());
        dialogs_.folders.push_back(dir_.path());
        Do([&] { form_->SpeedButton1Click(); });
        Do([&] { form_->SpeedButton2Click(); });
        QVERIFY(dialogs_.shown.empty());
        QVERIFY(!QFile::exists(In("voviru.cfg")));
    }

    void saveAsWritesTheMemoIntoTheChosenFolder() {
        form_->FullVersClick();
        dialogs_.folders.push_back(dir_.path());
        Do([&] { form_->SpeedButton1Click(); });
        QCOMPARE(form_->Path->text(), dir_.path());
        const QByteArray saved = ReadBytes(In("voviru.cfg"));
        QCOMPARE(saved,
                 QByteArray::fromStdString(
                     quillex::MemoFileBytes(form_->Memo->toPlainText().toStdString()).bytes));
        QCOMPARE(saved.count("\r\n"), 278);
        QVERIFY(saved.endsWith("developer \"0\"\r\n"));
        QCOMPARE(dialogs_.Texts(Kind::Information), QStringList{"Успешно сохранено!"});

        // A cancelled folder dialog changes nothing.
        dialogs_.shown.clear();
        Do([&] { form_->SaveAsClick(); });
        QCOMPARE(form_->Path->text(), dir_.path());
        QCOMPARE(dialogs_.Count(Kind::Information), 0u);
    }

    void saveIntoPathWritesEditsAsTheyStandWithoutAMessage() {
        form_->CutedVersClick();
        Edit("Nick")->setText("ИгрокVOV");  // only the Latin capitals are lowercased
        form_->Memo->setPlainText("unbindall\nмоя правка\nlast line without Enter");
        form_->Path->setText(dir_.path());
        Do([&] { form_->SpeedButton2Click(); });
        QCOMPARE(ReadBytes(In("Игрокvov.cfg")),
                 QByteArray("unbindall\r\n\xEC\xEE\xFF \xEF\xF0\xE0\xE2\xEA\xE0\r\n"
                            "last line without Enter"));
        QVERIFY(dialogs_.shown.empty());
    }

    void unmappableCharactersAreToldOnce() {
        form_->FullVersClick();
        form_->Memo->setPlainText("say 日本\n");
        form_->Path->setText(dir_.path());
        Do([&] { form_->SpeedButton2Click(); });
        QCOMPARE(ReadBytes(In("voviru.cfg")), QByteArray("say ??\r\n"));
        QCOMPARE(dialogs_.Count(Kind::Information), 1u);
        QVERIFY(dialogs_.Texts(Kind::Information).front().contains("\"?\""));
    }

    void failedConfigSavesShowTheCreateError_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file");
        QTest::addRow("empty path") << QString() << QStringLiteral("/voviru.cfg");
        QTest::addRow("missing folder")
            << QStringLiteral("missing") << QStringLiteral("missing/voviru.cfg");
        QTest::addRow("nick with a missing subfolder") << QString() << QString();
    }
    void failedConfigSavesShowTheCreateError() {
        QFETCH(QString, path);
        QFETCH(QString, file);
        form_->FullVersClick();
        if (file.isEmpty()) {  // the nick names a folder that does not exist
            Edit("Nick")->setText("sub/Nick");
            path = dir_.path();
            file = In("sub/nick.cfg");
        } else if (!path.isEmpty()) {
            path = In(path);
            file = In(file);
        }
        form_->Path->setText(path);
        Do([&] { form_->SpeedButton2Click(); });
        QCOMPARE(Errors(), QStringList{"Cannot create file " + file + "."});
        QCOMPARE(dialogs_.shown.front().title,
                 QStringLiteral("Counter-Strike Quillex by VARGANT [TALONS]"));
        QVERIFY(!QFile::exists(file));
    }

    void failedWriteKeepsTheOldFile() {
        form_->FullVersClick();
        form_->Path->setText(dir_.path());
        WriteBytes(In("voviru.cfg"), "old config\r\n");
        {
            FileSizeLimit limit(64);
            Do([&] { form_->SpeedButton2Click(); });
        }
        QCOMPARE(Errors(), QStringList{"Cannot create file " + In("voviru.cfg") + "."});
        QCOMPARE(ReadBytes(In("voviru.cfg")), QByteArray("old config\r\n"));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"voviru.cfg"});
    }

    void workFilesRoundTripThroughTheWindow() {
        Do([&] { form_->WRKSave(In("default.wrk")); });
        QCOMPARE(ReadBytes(In("default.wrk")), Golden("default.wrk"));
        QCOMPARE(dialogs_.Texts(Kind::Message),
                 QStringList{"Успешно сохранено: " + In("default.wrk") + "!"});

        WriteBytes(In("preset.wrk"), Golden("preset.wrk"));
        Do([&] { form_->WRKOpen(In("preset.wrk")); });
        QCOMPARE(dialogs_.Texts(Kind::Message).last(),
                 "Успешно загружено: " + In("preset.wrk") + "!");
        QCOMPARE(Text("Edit2"), QStringLiteral("VARGANT's CS Server"));
        Do([&] { form_->WRKSave(In("again.wrk")); });
        QCOMPARE(ReadBytes(In("again.wrk")), Golden("preset.wrk"));
    }

    void loadKeepsOutputAndSaveState() {
        form_->FullVersClick();
        form_->Memo->setPlainText("compiled");
        form_->Path->setText("/some/where");
        WriteBytes(In("preset.wrk"), Golden("preset.wrk"));
        Do([&] { form_->WRKOpen(In("preset.wrk")); });
        QCOMPARE(form_->Memo->toPlainText(), QStringLiteral("compiled"));
        QCOMPARE(form_->Path->text(), QStringLiteral("/some/where"));
        QVERIFY(form_->SaveAs->isEnabled());
    }

    void damagedFileStopsAtTheBadLine() {
        QByteArray bytes = Golden("default.wrk");
        bytes.replace("\r\nVOvIrU\r\n", "\r\nLoaded\r\n");      // Nick, line 2
        bytes.replace("\r\n8\r\n10\r\n", "\r\nabc\r\n10\r\n");  // TrackBar1, line 6
        WriteBytes(In("bad.wrk"), bytes);
        Do([&] { form_->WRKOpen(In("bad.wrk")); });
        QCOMPARE(Errors(), QStringList{"'abc' is not a valid integer value."});
        QCOMPARE(Text("Nick"), QStringLiteral("Loaded"));
        QCOMPARE(Text("Edit2"), QStringLiteral("Loaded's CS Server"));  // its line was not reached
        QCOMPARE(form_->Snapshot().Number(quillex::FieldIdOf("TrackBar1")), 8);
        QCOMPARE(dialogs_.Count(Kind::Message), 0u);
    }

    void rejectedAndMissingFilesChangeNothing() {
        WriteBytes(In("other.wrk"),
                   "\xEF\xBB\xBF<<CS Quillex WRK config file 1.5 - DO NOT MODIFY!!!>>\r\nX\r\n");
        const quillex::Settings before = form_->Snapshot();
        Do([&] { form_->WRKOpen(In("other.wrk")); });
        QCOMPARE(dialogs_.Texts(Kind::Message),
                 QStringList{"ОШИБКА!!! Неверная версия или файл: " + In("other.wrk") +
                             " не является WRK файлом!!!"});
        Do([&] { form_->WRKOpen(In("missing.wrk")); });
        QCOMPARE(Errors(), QStringList{"Cannot open file " + In("missing.wrk") + "."});
        QVERIFY(form_->Snapshot() == before);
    }

    void unstorableTalkLineIsRefused() {
        form_->findChild<QPlainTextEdit*>("talk")->setPlainText("hello\n/*/\nbye");
        Do([&] { form_->WRKSave(In("talk.wrk")); });
        QCOMPARE(Errors().size(), 1);
        QVERIFY(Errors().front().contains("talk"));
        QVERIFY(!QFile::exists(In("talk.wrk")));
        QCOMPARE(dialogs_.Count(Kind::Message), 0u);
    }

    void dialogCommandsUseTheChosenNames() {
        dialogs_.saveFiles.push_back(In("chosen.wrk"));
        Do([&] { form_->SaveWRKClick(); });
        QCOMPARE(ReadBytes(In("chosen.wrk")), Golden("default.wrk"));
        Do([&] { form_->SaveWRKClick(); });  // cancelled
        dialogs_.openFiles.push_back(In("chosen.wrk"));
        Do([&] { form_->OpenWRKClick(); });
        Do([&] { form_->OpenWRKClick(); });  // cancelled
        QCOMPARE(dialogs_.Texts(Kind::Message),
                 (QStringList{"Успешно сохранено: " + In("chosen.wrk") + "!",
                              "Успешно загружено: " + In("chosen.wrk") + "!"}));
        QCOMPARE(form_->SaveDialog.title,
                 QStringLiteral("Сохранение значений всех параметров в WRK-файл"));
        QCOMPARE(form_->OpenDialog.title, QStringLiteral("Выбери нужный WRK-файл"));
        QCOMPARE(form_->SaveDialog.defaultSuffix, QStringLiteral("wrk"));
        QCOMPARE(form_->OpenDialog.defaultSuffix, QStringLiteral("cfg"));
        QVERIFY(form_->SaveDialog.confirmOverwrite);
    }

    void defaultWorkFileLoadsFromTheProgramFolder() {
        const QString path = QCoreApplication::applicationDirPath() + "/default.wrk";
        QFile::remove(path);
        Do([&] { form_->defaultwrk1Click(); });
        QCOMPARE(Errors(), QStringList{"Cannot open file " + path + "."});
        WriteBytes(path, Golden("preset.wrk"));
        Do([&] { form_->defaultwrk1Click(); });
        QFile::remove(path);
        QCOMPARE(Text("Nick"), QStringLiteral("VARGANT"));
        QCOMPARE(dialogs_.Texts(Kind::Message), QStringList{"Успешно загружено: " + path + "!"});
    }

    void commandLineLoadsOnceWithExactlyOneArgument() {
        WriteBytes(In("start.wrk"), Golden("preset.wrk"));
        NewForm({In("start.wrk")});
        form_->show();
        form_->hide();
        form_->show();
        QCOMPARE(dialogs_.Texts(Kind::Message),
                 QStringList{"Успешно загружено: " + In("start.wrk") + "!"});
        QCOMPARE(Text("Nick"), QStringLiteral("VARGANT"));

        NewForm({In("start.wrk"), In("start.wrk")});
        form_->show();
        QVERIFY(dialogs_.shown.empty());
        QCOMPARE(Text("Nick"), QStringLiteral("VOvIrU"));
    }

    void autosaveAlternatesAndRepeatsAfterAFailure() {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QVERIFY(form_->Timer->isActive());
        QCOMPARE(form_->Timer->interval(), 180000);
        Do([&] { form_->TimerTimer(); });
        Do([&] { form_->TimerTimer(); });
        QVERIFY(QFile::remove("AutoSave_1.wrk"));
        QVERIFY(QDir().mkdir("AutoSave_1.wrk"));  // a folder in the way makes the next save fail
        Do([&] { form_->TimerTimer(); });
        Do([&] { form_->TimerTimer(); });
        QDir().rmdir("AutoSave_1.wrk");
        Do([&] { form_->TimerTimer(); });
        Do([&] { form_->TimerTimer(); });
        QDir::setCurrent(previous);
        QCOMPARE(dialogs_.Texts(Kind::Message),
                 (QStringList{
                     "Успешно сохранено: AutoSave_1.wrk!", "Успешно сохранено: AutoSave_2.wrk!",
                     "Успешно сохранено: AutoSave_1.wrk!", "Успешно сохранено: AutoSave_2.wrk!"}));
        QCOMPARE(Errors(), (QStringList{"Cannot create file AutoSave_1.wrk.",
                                        "Cannot create file AutoSave_1.wrk."}));
        QCOMPARE(ReadBytes(In("AutoSave_2.wrk")), Golden("default.wrk"));
    }

    void autosaveSwitchMirrorsTheTimer() {
        QVERIFY(form_->N3->isChecked());
        form_->N3->trigger();
        QVERIFY(!form_->N3->isChecked());
        QVERIFY(!form_->Timer->isActive());
        form_->N3->trigger();
        QVERIFY(form_->N3->isChecked());
        QVERIFY(form_->Timer->isActive());
        QVERIFY(form_->AutoSaveFirst);
    }

    void presetTouchesOnlyItsControls() {
        Edit("c7")->setText("abc");
        Edit("Edit2")->setText("my server");
        form_->findChild<QPlainTextEdit*>("talk")->setPlainText("first\n");
        const quillex::Settings before = form_->Snapshot();
        form_->VARGANTa1->trigger();
        form_->VARGANTa1->trigger();
        const quillex::Settings after = form_->Snapshot();

        QSet<QString> named;
        for (const quillex::PresetValue& value : quillex::AuthorPreset())
            named.insert(QString::fromUtf8(value.control.data(), value.control.size()));
        for (const quillex::FieldDef& def : quillex::Fields()) {
            const QString name = QString::fromUtf8(def.name.data(), def.name.size());
            if (named.contains(name) || name == "Edit2") continue;
            const quillex::FieldId id = quillex::FieldIdOf(def.name);
            QVERIFY2(before.Text(id) == after.Text(id) && before.Number(id) == after.Number(id) &&
                         before.Flag(id) == after.Flag(id),
                     qPrintable(name));
        }
        QCOMPARE(Text("Edit2"), QStringLiteral("VARGANT's CS Server"));
        QCOMPARE(Text("c7"), QStringLiteral("abc"));
        const auto talk = after.Lines(quillex::FieldIdOf("talk"));
        QCOMPARE(talk.size(), std::size_t{7});
        QCOMPARE(talk.front(), std::string("first"));
        QCOMPARE(talk[1], talk[4]);
        QVERIFY(dialogs_.shown.empty());
        QCOMPARE(form_->Memo->toPlainText(), QString());
    }
};

QTEST_MAIN(SaveCommandsTest)
#include "tst_savecommands.moc"
