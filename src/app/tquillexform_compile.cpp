#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QPlainTextEdit>

#include "compiler/config_compiler.h"
#include "field_binding.h"
#include "qt_text.h"
#include "tquillexform.h"

namespace {

// The local date and time as the user's locale writes them: short date, a space, long time.
QString DateTimeText() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::LongFormat);
}

}  // namespace

void TQuillexForm::CompileInto(bool cut) {
    SaveAs->setEnabled(true);
    Save->setEnabled(true);
    const std::vector<std::string> lines = quillex::CompileConfig(
        Snapshot(), cut ? quillex::ConfigVariant::Cut : quillex::ConfigVariant::Full,
        ToUtf8(DateTimeText()));
    Memo->setPlainText(MemoText(lines));
}

void TQuillexForm::FullVersClick() {
    CompileInto(false);
}

void TQuillexForm::CutedVersClick() {
    CompileInto(true);
}
