#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QPlainTextEdit>

#include "compiler/config_compiler.h"
#include "qt_text.h"
#include "tquillexform.h"

namespace {

// The local date and time as the user's locale writes them: short date, a space, long time.
// Qt's long time format carries the time zone ("t"), which a config's date line never had.
QString DateTimeText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    const QString timeFormat =
        locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat);
}

}  // namespace

void TQuillexForm::CompileInto(bool cut) {
    SaveAs->setEnabled(true);
    Save->setEnabled(true);
    // The memo keeps a line break after every line, as the file will.
    const std::string text = quillex::CompileConfigText(
        Snapshot(), cut ? quillex::ConfigVariant::Cut : quillex::ConfigVariant::Full,
        ToUtf8(DateTimeText()), "\n");
    Memo->setPlainText(ToQString(text));
}

void TQuillexForm::FullVersClick() {
    CompileInto(false);
}

void TQuillexForm::CutedVersClick() {
    CompileInto(true);
}
