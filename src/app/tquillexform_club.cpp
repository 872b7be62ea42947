// Saving the compiled config onto every machine of the club network.
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTimer>

#include "clubsave.h"
#include "error_report.h"
#include "form_texts.h"
#include "lost_characters.h"
#include "model/fields.h"
#include "output/config_file.h"
#include "qt_text.h"
#include "tquillexform.h"

namespace {

// "n из 30" while machine n is written. It cannot be cancelled or closed: the writes run to
// their end or to the first failure, and the window takes no command until then.
class ClubProgressDialog final : public QProgressDialog {
  public:
    explicit ClubProgressDialog(QWidget* parent)
        : QProgressDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
        setWindowTitle(QString::fromUtf8(kApplicationTitle));
        setWindowModality(Qt::ApplicationModal);
        setCancelButton(nullptr);
        setAutoClose(false);
        setAutoReset(false);
        setMinimumDuration(0);
        setRange(0, quillex::kClubMachineCount);
    }

    void Writing(int machine) {
        setLabelText(QStringLiteral("%1 из %2").arg(machine).arg(quillex::kClubMachineCount));
        setValue(machine - 1);
        if (!isVisible()) show();
        // Paint now, before a write that may wait for a slow machine; input waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

  protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
    void reject() override {}
};

}  // namespace

void TQuillexForm::SaveClick() {
    if (!Save->isEnabled()) return;
    const std::string nick = Snapshot().Text(quillex::fields::Get().Nick);
    const quillex::Cp1251Encoded file = quillex::MemoFileBytes(ToUtf8(Memo->toPlainText()));

    // The dialog's event processing must not start an autosave between two machines; a tick
    // that falls due meanwhile runs once the writes are over.
    const bool timerRunning = Timer->isActive();
    const int untilTick = Timer->remainingTime();
    QElapsedTimer clock;
    clock.start();
    quillex::ClubSaveResult result;
    {
        const QSignalBlocker holdTimer(Timer);
        ClubProgressDialog progress(this);
        result = quillex::SaveToClub(file.bytes, nick,
                                     [&progress](int machine) { progress.Writing(machine); });
    }
    if (timerRunning && clock.elapsed() >= untilTick) {
        QTimer::singleShot(0, this, Command(&TQuillexForm::TimerTimer));
    }

    if (!result.Ok()) throw CommandError(ToQString(result.error));
    dialogs_->Information(
        this, QStringLiteral("Успешно выполнено!") + LostCharactersNote(file.unmappable));
}
