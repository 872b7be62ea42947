#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

#include "colour_swatch.h"
#include "field_controls.h"
#include "field_group.h"
#include "model/schema.h"
#include "pages.h"
#include "qt_text.h"

using quillex::Field;
using quillex::FieldIdOf;

namespace {

constexpr std::string_view kMiscGroup = " Разное: ";

QWidget* Control(std::string_view name, QWidget* page) {
    return CreateFieldControl(Field(FieldIdOf(name)), page);
}

QLabel* Label(std::string_view name, QWidget* page) {
    return CreateFieldLabel(Field(FieldIdOf(name)), page);
}

// Name and clan, e-mail and site: two pairs of label and edit per row.
QGridLayout* PlayerGrid(QWidget* page) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    struct Pair {
        std::string_view left, right;
    };
    constexpr Pair kPairs[] = {{"Nick", "Clan"}, {"email", "site"}};
    int row = 0;
    for (const Pair& pair : kPairs) {
        grid->addWidget(Label(pair.left, page), row, 0);
        grid->addWidget(Control(pair.left, page), row, 1);
        grid->addWidget(Label(pair.right, page), row, 2);
        grid->addWidget(Control(pair.right, page), row, 3);
        ++row;
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    return grid;
}

// The three track bars and the server name, label beside control.
QGridLayout* TrackBarGrid(QWidget* page) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (std::string_view name : {"TrackBar1", "TrackBar2", "TrackBar3", "Edit2"}) {
        grid->addWidget(Label(name, page), row, 0);
        grid->addWidget(Control(name, page), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

QLabel* AuthorPicture(QWidget* page) {
    auto* picture = new QLabel(page);
    picture->setObjectName("Image1");
    picture->setFixedSize(321, 161);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(":/quillex/author.png"));
    picture->setToolTip("Это автор программы занят делом :-)");
    return picture;
}

// The console colour: its console-name label and the swatch, then the three components.
QGridLayout* ColourBlock(QWidget* box) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->addWidget(Label("r", box), 0, 0);
    auto* swatch = new ColourSwatch("Подбор", box);
    swatch->setObjectName("Panel1");
    swatch->setFixedSize(73, 17);
    swatch->setToolTip("Подбери здесь цвет и впиши составляющие (красный, зелёный, синий) ниже");
    grid->addWidget(swatch, 0, 1, 1, 2);
    int column = 0;
    for (std::string_view name : {"r", "g", "b"}) {
        grid->addWidget(new QLabel(ToQString(quillex::kColourLabels[column]), box), 1, column);
        grid->addWidget(Control(name, box), 2, column);
        ++column;
    }
    return grid;
}

QGroupBox* MiscGroup(QWidget* page) {
    QGroupBox* box = BuildFieldGroup(page, quillex::Page::Main, kMiscGroup, {4, 3});
    auto* outer = static_cast<QVBoxLayout*>(box->layout());
    outer->addSpacing(4);
    outer->addLayout(ColourBlock(box));
    outer->addStretch(1);
    return box;
}

}  // namespace

void BuildMainPage(QWidget* page) {
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(8);

    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addLayout(PlayerGrid(page));
    left->addSpacing(4);
    left->addLayout(TrackBarGrid(page));
    left->addSpacing(6);
    left->addWidget(Label("talk", page));
    left->addWidget(Control("talk", page), 1);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(AuthorPicture(page));
    right->addWidget(MiscGroup(page), 1);
    columns->addLayout(right);
}
