// Registration of the work-file type for the current user, in temporary XDG folders: the files
// and their contents, the default handler, that unchanged files run no cache tool, and quoting.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "scripted_dialogs.h"
#include "text_viewer.h"
#include "tquillexform.h"
#include "workfile_registration.h"

#define QUILLEX_SOURCE_DIR QUILLEX_GOLDEN_DIR "/../.."

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

bool Validates(const QString& desktopFile) {
    QProcess validator;
    validator.start("desktop-file-validate", {desktopFile});
    return validator.waitForFinished() && validator.exitStatus() == QProcess::NormalExit &&
           validator.exitCode() == 0 && validator.readAll().isEmpty();
}

// The raw values of a desktop entry, as "Group/Key".
QMap<QString, QString> DesktopKeys(const QByteArray& entry) {
    QMap<QString, QString> keys;
    QString group;
    for (const QString& line : QString::fromUtf8(entry).split('\n')) {
        if (line.startsWith('[')) {
            group = line.mid(1, line.size() - 2);
        } else if (const qsizetype equals = line.indexOf('='); equals > 0) {
            keys.insert(group + '/' + line.left(equals), line.mid(equals + 1));
        }
    }
    return keys;
}

}  // namespace

class RegistrationTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;
    QString data_, config_;
    QStringList toolsRun_;

    registration::Setup Setup(const QString& program = "/opt/quillex/bin/quillex") {
        registration::Setup setup = registration::CurrentUserSetup();
        setup.programPath = program;
        auto real = setup.runTool;
        setup.runTool = [this, real](const QString& tool, const QStringList& arguments) {
            toolsRun_ << tool;
            real(tool, arguments);
        };
        return setup;
    }
    QString DesktopFile() const { return data_ + "/applications/quillex.desktop"; }

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        data_ = home_.filePath("data");
        config_ = home_.filePath("config");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DATA_HOME", data_.toUtf8());
        qputenv("XDG_CONFIG_HOME", config_.toUtf8());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), data_);
    }

    // Runs first: the folders are still empty.
    void firstStartWritesEveryFileAndRunsBothTools() {
        const registration::Outcome outcome = registration::Register(Setup());
        QCOMPARE(outcome.changedFiles.size(), 5);
        QCOMPARE(toolsRun_, (QStringList{"update-mime-database", "update-desktop-database"}));

        const QByteArray mime = Read(data_ + "/mime/packages/quillex-wrk.xml");
        QVERIFY(mime.contains("<mime-type type=\"application/x-quillex-wrk\">"));
        QVERIFY(mime.contains("<comment>CS Quillex by VARGANT [TALONS] WRK config file</comment>"));
        QVERIFY(mime.contains("<glob pattern=\"*.wrk\"/>"));
        QVERIFY(mime.contains("<sub-class-of type=\"text/plain\"/>"));
        QVERIFY(QFile::exists(data_ + "/mime/mime.cache"));
        QVERIFY(QFile::exists(data_ + "/applications/mimeinfo.cache"));

        const QByteArray icon = Read(":/quillex/quillex.png");
        QVERIFY(!icon.isEmpty());
        QCOMPARE(Read(data_ + "/icons/hicolor/32x32/apps/quillex.png"), icon);
        QCOMPARE(Read(data_ + "/icons/hicolor/32x32/mimetypes/application-x-quillex-wrk.png"),
                 icon);

        QVERIFY(Validates(DesktopFile()));
        const QMap<QString, QString> entry = DesktopKeys(Read(DesktopFile()));
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/Exec")),
                 QString("\"/opt/quillex/bin/quillex\" %f"));
        QCOMPARE(entry.value(QStringLiteral("Desktop Entry/MimeType")),
                 QString("application/x-quillex-wrk;"));
        QCOMPARE(entry.value(QStringLiteral("Desktop Action open/Name")), QString("Открыть"));
        QCOMPARE(entry.value(QStringLiteral("Desktop Action open/Exec")),
                 QString("\"/opt/quillex/bin/quillex\" %f"));
        QCOMPARE(entry.value(QStringLiteral("Desktop Action view/Name")), QString("Просмотреть"));
        QCOMPARE(entry.value(QStringLiteral("Desktop Action view/Exec")),
                 QString("\"/opt/quillex/bin/quillex\" --view %f"));

        QCOMPARE(Read(config_ + "/mimeapps.list"),
                 QByteArray("[Default Applications]\n"
                            "application/x-quillex-wrk=quillex.desktop;\n"));

        // The desktop's own type database now knows the extension.
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile("settings.wrk", QMimeDatabase::MatchExtension);
        QCOMPARE(type.name(), QString("application/x-quillex-wrk"));
        QCOMPARE(type.comment(), QString("CS Quillex by VARGANT [TALONS] WRK config file"));
        QVERIFY(type.inherits("text/plain"));
    }

    // The installed files are those every start writes, with the program found on the PATH.
    void theInstalledFilesAreTheRegisteredOnes() {
        QCOMPARE(Read(QUILLEX_SOURCE_DIR "/src/app/resources/quillex-wrk.xml"),
                 registration::MimePackage());
        QCOMPARE(Read(QUILLEX_SOURCE_DIR "/src/app/resources/quillex.desktop"),
                 registration::DesktopEntry("quillex"));
        QCOMPARE(Read(QUILLEX_SOURCE_DIR "/src/app/resources/quillex.png"),
                 Read(":/quillex/quillex.png"));
    }

    void unchangedFilesRunNoTool() {
        toolsRun_.clear();
        const registration::Outcome outcome = registration::Register(Setup());
        QVERIFY(outcome.changedFiles.isEmpty());
        QVERIFY(toolsRun_.isEmpty());
    }

    void aChangedFileIsRewrittenAndOnlyItsCacheUpdated_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("spoiled");
        QTest::addColumn<QStringList>("tools");
        QTest::addRow("program moved") << "/usr/games/quillex"
                                       << "" << QStringList{"update-desktop-database"};
        QTest::addRow("mime package edited")
            << "/usr/games/quillex"
            << "mime/packages/quillex-wrk.xml" << QStringList{"update-mime-database"};
        QTest::addRow("icon deleted") << "/usr/games/quillex"
                                      << "icons/hicolor/32x32/apps/quillex.png" << QStringList{};
        QTest::addRow("entry edited")
            << "/usr/games/quillex"
            << "applications/quillex.desktop" << QStringList{"update-desktop-database"};
    }

    void aChangedFileIsRewrittenAndOnlyItsCacheUpdated() {
        QFETCH(QString, program);
        QFETCH(QString, spoiled);
        QFETCH(QStringList, tools);
        if (!spoiled.isEmpty()) Write(data_ + '/' + spoiled, "spoiled\n");
        toolsRun_.clear();
        const registration::Outcome outcome = registration::Register(Setup(program));
        QCOMPARE(toolsRun_, tools);
        QCOMPARE(outcome.changedFiles.size(), 1);
        QVERIFY(!Read(outcome.changedFiles.front()).contains("spoiled"));
        toolsRun_.clear();
        QVERIFY(registration::Register(Setup(program)).changedFiles.isEmpty());
        QVERIFY(toolsRun_.isEmpty());
    }

    void mimeAppsListIsEditedLineByLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray ours = "application/x-quillex-wrk=quillex.desktop;\n";
        QTest::addRow("empty") << QByteArray() << "[Default Applications]\n" + ours;
        QTest::addRow("other section only")
            << QByteArray("[Added Associations]\ntext/plain=gedit.desktop;\n")
            << "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n" + ours;
        QTest::addRow("appended to its section")
            << QByteArray(
                   "# mine\n[Default Applications]\ntext/plain=gedit.desktop;\n\n"
                   "[Added Associations]\nimage/png=eog.desktop;\n")
            << "# mine\n[Default Applications]\ntext/plain=gedit.desktop;\n" + ours +
                   "\n[Added Associations]\nimage/png=eog.desktop;\n";
        QTest::addRow("another handler replaced")
            << QByteArray(
                   "[Default Applications]\napplication/x-quillex-wrk = other.desktop;\n"
                   "text/plain=gedit.desktop;\n")
            << "[Default Applications]\n" + ours + "text/plain=gedit.desktop;\n";
        QTest::addRow("same key in another section kept")
            << QByteArray(
                   "[Removed Associations]\napplication/x-quillex-wrk=x.desktop;\n"
                   "[Default Applications]\n")
            << "[Removed Associations]\napplication/x-quillex-wrk=x.desktop;\n"
               "[Default Applications]\n" +
                   ours;
        QTest::addRow("no final line break") << QByteArray("[Default Applications]\na/b=c.desktop;")
                                             << "[Default Applications]\na/b=c.desktop;\n" + ours;
    }

    void mimeAppsListIsEditedLineByLine() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(registration::WithDefaultHandler(before), after);
        QCOMPARE(registration::WithDefaultHandler(after), after);
    }

    // The whole path reaches Exec=, quoted so that the desktop parses it back unchanged.
    void execQuotesTheProgramPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::addRow("plain") << "/usr/bin/quillex"
                               << "\"/usr/bin/quillex\"";
        QTest::addRow("spaces") << "/home/a b/My Games/quillex"
                                << "\"/home/a b/My Games/quillex\"";
        QTest::addRow("quote") << "/x/a\"b"
                               << "\"/x/a\\\\\"b\"";
        QTest::addRow("backslash") << "/x/a\\b"
                                   << "\"/x/a\\\\\\\\b\"";
        QTest::addRow("dollar and backtick") << "/x/$HOME`id`"
                                             << "\"/x/\\\\$HOME\\\\`id\\\\`\"";
        QTest::addRow("percent") << "/x/100%"
                                 << "\"/x/100%%\"";
        QTest::addRow("cyrillic") << "/игры/quillex"
                                  << "\"/игры/quillex\"";
        const QString longPath = "/" + QString(300, 'd') + "/quillex";
        QTest::addRow("longer than 255") << longPath << '"' + longPath + '"';
    }

    void execQuotesTheProgramPath() {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(registration::ExecArgument(path), exec);
        const QString file = home_.filePath("check/quillex.desktop");
        Write(file, registration::DesktopEntry(path));
        QVERIFY2(Validates(file), qPrintable(QString(Read(file))));
        QVERIFY(Read(file).contains(("Exec=" + exec + " %f\n").toUtf8()));
    }

    void startingTheWindowRegisters() {
        QDir(data_).removeRecursively();
        ScriptedDialogs dialogs;
        TQuillexForm::Options options;
        options.dialogs = &dialogs;
        options.arguments = QStringList();
        TQuillexForm form(options);
        QVERIFY(
            Read(DesktopFile())
                .contains(
                    registration::ExecArgument(QCoreApplication::applicationFilePath()).toUtf8()));
        QVERIFY(QFile::exists(data_ + "/mime/packages/quillex-wrk.xml"));
        QVERIFY(dialogs.shown.empty());
    }

    // "Просмотреть" opens the program's read-only viewer, which shows the code page's text.
    void theViewActionShowsTheFileAsText() {
        const QString file = home_.filePath("shown.wrk");
        Write(file, QByteArray("<<magic>>\r\n\xcd\xe8\xea\r\n"));
        std::unique_ptr<QWidget> viewer(CreateTextViewer(file));
        auto* text = qobject_cast<QPlainTextEdit*>(viewer.get());
        QVERIFY(text);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), QString("<<magic>>\nНик\n"));
        QCOMPARE(viewer->windowTitle(), QString("shown.wrk"));
    }

    // The user's other handlers are kept even when the list cannot be read.
    void anUnreadableMimeAppsListIsLeftAlone() {
        if (::geteuid() == 0) QSKIP("root reads every file");
        const QString list = config_ + "/mimeapps.list";
        const QByteArray before = "[Default Applications]\ntext/plain=gedit.desktop;\n";
        Write(list, before);
        QVERIFY(QFile::setPermissions(list, QFileDevice::WriteOwner));
        const registration::Outcome outcome = registration::Register(Setup());
        QVERIFY(QFile::setPermissions(list, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(!outcome.changedFiles.contains(list));
        QCOMPARE(Read(list), before);
    }

    void anUnwritableFolderNeitherStopsNorReports() {
        QDir(data_).removeRecursively();
        Write(data_, "a file where the folder should be");
        registration::Setup setup = Setup();
        const registration::Outcome outcome = registration::Register(setup);
        QVERIFY(outcome.changedFiles.filter(data_).isEmpty());
        ScriptedDialogs dialogs;
        TQuillexForm::Options options;
        options.dialogs = &dialogs;
        options.arguments = QStringList();
        TQuillexForm form(options);
        form.show();
        QVERIFY(form.isVisible());
        QVERIFY(dialogs.shown.empty());
        dialogs.questionAnswers = {true};
        QFile::remove(data_);
    }
};

QTEST_MAIN(RegistrationTest)
#include "tst_registration.moc"
