// The window's club save ("Сохранить конфиг на все компьютеры в ЖОВ") against the loopback
// Samba server: progress dialog, files, success and error boxes, and the autosave meanwhile.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <optional>

#include "clubnetwork.h"
#include "form_options.h"
#include "form_texts.h"
#include "loopback_server.h"
#include "output/config_file.h"
#include "scripted_dialogs.h"
#include "temporary_home.h"
#include "tquillexform.h"

using namespace quillex;
using namespace quillex::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

std::unique_ptr<TQuillexForm> MakeForm(ScriptedDialogs& dialogs) {
    return std::make_unique<TQuillexForm>(TestFormOptions(dialogs));
}

// What the progress dialog showed, sampled at every pass of the event loop.
struct ProgressSeen {
    QStringList labels;  // each label once, in order
    bool modal = true;
    bool cancelButton = false;
};

class ProgressWatch {
  public:
    ProgressWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            if (seen.labels.isEmpty() || seen.labels.back() != dialog->labelText())
                seen.labels << dialog->labelText();
            seen.modal = seen.modal && dialog->windowModality() == Qt::ApplicationModal;
            seen.cancelButton = seen.cancelButton || dialog->findChild<QPushButton*>() != nullptr;
        });
        timer_.start(0);
    }
    ProgressSeen seen;

  private:
    QTimer timer_;
};

bool ProgressVisible() {
    auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    return dialog != nullptr && dialog->isVisible();
}

}  // namespace

class TestClubSave : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;
    std::optional<LoopbackServer> server_;

    void NeedServer() {
        if (!server_) QSKIP(LoopbackServer::kMissing);
        server_->Reset();
    }

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        UseTemporaryHome(home_.path());
        qputenv("USER", "quillex-player");
        QVERIFY(QDir::setCurrent(home_.path()));  // the autosave files land here
        if (const auto root = LoopbackServer::FindRoot()) server_.emplace(*root);
    }
    void cleanupTestCase() { server_.reset(); }

    void doesNothingBeforeTheFirstCompile() {
        if (server_) server_->Reset();
        ScriptedDialogs dialogs;
        auto form = MakeForm(dialogs);
        QVERIFY(!form->Save->isEnabled());
        form->Memo->setPlainText("echo typed by hand\n");
        ProgressWatch watch;
        form->SaveClick();
        QCoreApplication::processEvents();
        QVERIFY(dialogs.shown.empty());
        QVERIFY(watch.seen.labels.isEmpty());
        if (server_) {
            for (int n = 1; n <= kClubMachineCount; ++n) QVERIFY(server_->Names(n).empty());
        }
    }

    void writesEveryMachineWithProgress() {
        NeedServer();
        ScriptedDialogs dialogs;
        auto form = MakeForm(dialogs);
        form->FullVersClick();
        // The user's edit: a last line typed without Enter, with Cyrillic text.
        form->Memo->setPlainText(form->Memo->toPlainText() + "echo Привет");
        const std::string expected = MemoFileBytes(form->Memo->toPlainText().toStdString()).bytes;

        ProgressWatch watch;
        form->Save->trigger();

        QCOMPARE(dialogs.Texts(Kind::Information), QStringList{"Успешно выполнено!"});
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        for (int n = 1; n <= kClubMachineCount; ++n) {
            QCOMPARE(server_->Names(n), std::vector<std::string>{"voviru.cfg"});
            QVERIFY2(ReadBytes(server_->Folder(n) / "voviru.cfg") == expected,
                     qPrintable(QString("machine %1").arg(n)));
        }
        QStringList labels;
        for (int n = 1; n <= kClubMachineCount; ++n) labels << QString("%1 из 30").arg(n);
        QCOMPARE(watch.seen.labels, labels);
        QVERIFY(watch.seen.modal);
        QVERIFY(!watch.seen.cancelButton);
        QVERIFY(!ProgressVisible());
    }

    void refusingMachineShowsTheError_data() {
        QTest::addColumn<int>("machine");
        QTest::addRow("first machine") << 1;
        QTest::addRow("machine 17") << 17;
        QTest::addRow("last machine") << 30;
    }
    void refusingMachineShowsTheError() {
        QFETCH(int, machine);
        NeedServer();
        server_->SetShare(machine, Share::ReadOnly);
        ScriptedDialogs dialogs;
        auto form = MakeForm(dialogs);
        form->CutedVersClick();
        ProgressWatch watch;
        form->Save->trigger();

        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QCOMPARE(dialogs.shown[0].kind, Kind::Error);
        QCOMPARE(dialogs.shown[0].title, QString::fromUtf8(kApplicationTitle));
        QCOMPARE(dialogs.shown[0].text,
                 QString("Cannot create file smb://127.0.0.%1/C/Games/Half-Life/cstrike/"
                         "voviru.cfg.")
                     .arg(machine));
        for (int n = 1; n <= kClubMachineCount; ++n)
            QCOMPARE(server_->Names(n).size(), n < machine ? std::size_t{1} : std::size_t{0});
        QCOMPARE(watch.seen.labels.size(), machine);
        QCOMPARE(watch.seen.labels.back(), QString("%1 из 30").arg(machine));
        QVERIFY(!ProgressVisible());
    }

    // An autosave that falls due while the machines are written runs after them, not between
    // two machines.
    void autosaveWaitsForTheWrites() {
        NeedServer();
        ScriptedDialogs dialogs;
        std::vector<bool> duringWrites;
        auto form = MakeForm(dialogs);
        dialogs.onShow = [&](const ScriptedDialogs::Shown& box) {
            duringWrites.push_back(ProgressVisible());
            // From here on only the tick that fell due during the writes may save.
            if (box.kind == Kind::Information) form->Timer->stop();
        };
        form->FullVersClick();
        form->Timer->start(1);
        form->Save->trigger();
        QTRY_COMPARE(dialogs.Count(Kind::Message), std::size_t{1});
        form->Timer->stop();

        QCOMPARE(dialogs.shown[0].kind, Kind::Information);
        QCOMPARE(dialogs.shown[0].text, QString("Успешно выполнено!"));
        QCOMPARE(dialogs.shown[1].kind, Kind::Message);
        QVERIFY(dialogs.shown[1].text.startsWith("Успешно сохранено: AutoSave_1.wrk!"));
        QVERIFY(std::find(duringWrites.begin(), duringWrites.end(), true) == duringWrites.end());
        QCOMPARE(server_->Names(30), std::vector<std::string>{"voviru.cfg"});
    }
};

QTEST_MAIN(TestClubSave)
#include "tst_clubsave.moc"
