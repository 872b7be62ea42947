#include "kelaboutbox.h"

#include <QApplication>
#include <QLabel>
#include <memory>

#include "kelaboutboxform.h"

TKelAboutBox::TKelAboutBox(QObject* parent) : QObject(parent) {}

void TKelAboutBox::Execute() {
    std::unique_ptr<TKelAboutBoxForm> form;
    try {
        form = std::make_unique<TKelAboutBoxForm>(FiguresProvider, LinkOpener);
    } catch (...) {
        QApplication::beep();
        return;
    }
    form->Image->setPixmap(QApplication::windowIcon().pixmap(form->Image->size()));
    form->Title->setText(Title);
    form->UpTitle->setText(UpTitle);
    form->Version->setText(Version);
    form->Line1->setText(Line1);
    form->Line2->setText(Line2);
    form->Line3->setText(Line3);
    form->Line4->setText(Line4);
    form->exec();
}
