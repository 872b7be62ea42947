#include <exception>

#include "form_texts.h"
#include "qt_text.h"
#include "text/lines.h"
#include "tquillexform.h"

void TQuillexForm::ReportError(const QString& text) {
    dialogs_->Error(this, kApplicationTitle, ToQString(quillex::WithFullStop(ToUtf8(text))));
}

void TQuillexForm::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportError("Unknown error");
    }
}
