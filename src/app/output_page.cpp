#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "pages.h"

namespace {

QLabel* CentredLine(const char* text, QWidget* page) {
    auto* label = new QLabel(text, page);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

QToolButton* FlatButton(const char* name, const char* caption, const char* hint, QWidget* page) {
    auto* button = new QToolButton(page);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QPlainTextEdit* OutputMemo(QWidget* page) {
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName("Memo");
    memo->setFixedSize(713, 249);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QFrame* Separator(QWidget* page) {
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

void BuildOutputPage(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(10, 6, 10, 6);
    column->setSpacing(3);
    column->addWidget(
        CentredLine("Можете изменять здесь всё, что хотите, только я не гарантирую,", page));
    column->addWidget(CentredLine("что потом это будет работать :-)", page));
    column->addWidget(OutputMemo(page), 0, Qt::AlignHCenter);

    auto* notes = new QGridLayout;
    notes->setHorizontalSpacing(12);
    notes->setVerticalSpacing(0);
    notes->addWidget(new QLabel("Имя сохраненного конфига это: ваше имя + .cfg", page), 0, 0);
    notes->addWidget(new QLabel("Если вам это не нравится, то после компиляции,", page), 0, 1);
    notes->addWidget(
        new QLabel("в главных настройках (в поле \"твоё имя\") введите, что хотите, - это и "
                   "будет имя файла-конфига...",
                   page),
        1, 0, 1, 2);
    notes->setColumnStretch(2, 1);
    notes->addWidget(FlatButton("SpeedButton1", "Сохранить как...",
                                "Выбор папки и сохранение в неё конфига", page),
                     0, 3, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    column->addLayout(notes);
    column->addWidget(Separator(page));

    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(6);
    pathRow->addWidget(new QLabel("Путь:", page));
    auto* path = new QLineEdit(page);
    path->setObjectName("Path");
    path->setMaxLength(std::numeric_limits<int>::max());
    pathRow->addWidget(path, 1);
    pathRow->addWidget(
        FlatButton("SpeedButton2", "Сохранить", "Сохранить по указанному пути", page));
    column->addLayout(pathRow);
    column->addStretch(1);
}
