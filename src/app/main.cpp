#include <QApplication>

#include "form_texts.h"
#include "text_viewer.h"
#include "tquillexform.h"
#include "user_dialogs.h"
#include "workfile_registration.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillex");
    QGuiApplication::setDesktopFileName("quillex");

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments.front() == registration::kViewOption) {
        CreateTextViewer(arguments.back())->show();
        return app.exec();
    }

    QtUserDialogs dialogs;
    TQuillexForm QuillexForm({.dialogs = &dialogs, .arguments = arguments});
    QuillexForm.show();
    return app.exec();
}
