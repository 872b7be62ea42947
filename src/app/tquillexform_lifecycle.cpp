#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "buy_help.h"
#include "colour_swatch.h"
#include "field_binding.h"
#include "kelaboutbox.h"
#include "model/fields.h"
#include "model/schema.h"
#include "qt_text.h"
#include "tquillexform.h"

void TQuillexForm::FormCreate() {
    c54->setCurrentIndex(1);
    QString hint;
    for (int i = 0; i < c54->count(); ++i) hint += c54->itemText(i) + QLatin1Char('\n');
    c54->setToolTip(hint);
    Panel1->SetColour(QColor(0, 175, 255));
    FirstShow = true;
    AutoSaveFirst = true;
    if (auto* memo1 = findChild<QPlainTextEdit*>("Memo1")) {
        memo1->setPlainText(BuyHelpLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    if (options_.registerFileType) RegisterWorkFileType();
}

void TQuillexForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    RunCommand([this] { FormShow(); });
}

void TQuillexForm::FormShow() {
    if (!FirstShow) return;
    FirstShow = false;
    const QStringList arguments =
        options_.arguments ? *options_.arguments : QCoreApplication::arguments().mid(1);
    if (arguments.size() == 1) LoadStartupWorkFile(arguments.front());
}

bool TQuillexForm::FormCloseQuery() {
    return dialogs_->Question(this, "Ты уверен, что надо закрыть программу? :-)");
}

void TQuillexForm::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    RunCommand([&] { mayClose = FormCloseQuery(); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TQuillexForm::ExitONClick() {
    close();
}

void TQuillexForm::AboutClick() {
    KelAboutBox->Execute();
}

void TQuillexForm::NickChange() {
    const auto& ids = quillex::fields::Get();
    auto* nick = qobject_cast<QLineEdit*>(binding_->Control(ids.Nick));
    auto* server = qobject_cast<QLineEdit*>(binding_->Control(ids.Edit2));
    if (nick && server) server->setText(nick->text() + ToQString(quillex::kServerNameSuffix));
}
