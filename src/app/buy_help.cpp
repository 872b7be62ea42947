#include "buy_help.h"

const QStringList& BuyHelpLines() {
    static const QStringList lines = {
        "1_3 - Купить пистолет 1-3",
        "...",
        "4_1 - Купить автомат 4-1",
        "...",
        "all - Купить все патроны, все бронежилеты и все гранаты",
        "slot3 - Переключиться на нож",
        "say_team AK47 - Сказать команде, что ты купил AK47",
        "kusachki - Купить набор для разминирования",
        "buyammo1 - Купить одну обойму для первичного оружия",
        "buyammo2 - Купить одну обойму для вторичного оружия",
        "buyequip;menuselect 3;menuselect0 - Купить ослепляющую гранату",
        "buyequip;menuselect 4;menuselect0 - Купить обычную гранату",
        "buyequip;menuselect 5;menuselect0 - Купить дымовую гранату",
        "amos - Купить все патроны для всех оружий",
        "eqip - Купить все гранаты",
        "armor1 - Купить легкий бронежилет",
        "armor2 - Купить тяжелый бронежилет",
        "ns - Купить прибор ночного видения",
    };
    return lines;
}
