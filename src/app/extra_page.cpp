#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "field_group.h"
#include "pages.h"

namespace {

// The five groups in three columns; the numbers are the fields per inner column of each group.
struct GroupPlace {
    int column;
    std::string_view caption;
    std::initializer_list<int> columnRows;
};

const GroupPlace kGroups[] = {
    {0, " Настройки MultiPlayer'a: ", {12}},
    {0, " Настроки сервера: ", {7}},
    {1, " Настройки клиента: ", {7, 7}},
    {1, " Настройки видео: ", {11, 11}},
    {2, " Разное: ", {20, 20}},
};

}  // namespace

void BuildExtraPage(QWidget* page) {
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(2, 2, 2, 2);
    columns->setSpacing(3);
    QVBoxLayout* stacks[3] = {};
    for (QVBoxLayout*& stack : stacks) {
        stack = new QVBoxLayout;
        stack->setSpacing(2);
        columns->addLayout(stack);
    }
    for (const GroupPlace& place : kGroups) {
        stacks[place.column]->addWidget(
            BuildFieldGroup(page, quillex::Page::Extra, place.caption, place.columnRows));
    }
    for (QVBoxLayout* stack : stacks) stack->addStretch(1);
}
