#include "input/quick_fill.h"

namespace quillex {
namespace {

constexpr QuickFillKind R = QuickFillKind::Radio;
constexpr QuickFillKind C = QuickFillKind::Chat;

constexpr QuickFillItem kItems[] = {
    {R, "Прикрой меня!", "radio1;menuselect 1;menuselect0;say_team npukpou meHia!"},
    {R, "Удерживайте позицию", "radio1;menuselect 3;menuselect0;say_team CToum 3Decb!"},
    {R, "Следуйте за мной", "radio1;menuselect 5;menuselect0;say_team CJIeDyuTe 3a MHou!"},
    {R, "Нас обстреливают, требуется поддержка!",
     "radio1;menuselect 6;menuselect0;say_team Hy>I<Ha nomowb!!!"},
    {R, "Пошел!!!", "radio2;menuselect 1;menuselect0;say_team nowJIu! nowJIu! nowJIu!"},
    {R, "Все вместе!", "radio2;menuselect 3;menuselect0;say_team DaBauTe Dep>I<aTca BCE BMECTE!!!"},
    {R, "Стать в позицию", "radio2;menuselect 4;menuselect0;say_team BCE no MecTam!"},
    {R, "Штурм", "radio2;menuselect 5;menuselect0;say_team WTypmyem eTix JIAMAKOB!!!"},
    {R, "Так точно", "radio3;menuselect 1;menuselect0;say_team Tak To4Ho!"},
    {R, "Сектор чист", "radio3;menuselect 4;menuselect0;say_team 3Decb Hukoro HET!"},
    {R, "Я на позиции", "radio3;menuselect 5;menuselect0;say_team 9I HA mecTe!"},
    {R, "Никак нет!", "radio3;menuselect 8;menuselect0;say_team HuKaK HET!"},
    {C, "Сказать команде", "say_team Eto Tekct"},
    {C, "Сказать всем", "say Eto Tekct"},
};

}  // namespace

std::span<const QuickFillItem> QuickFillItems() {
    return kItems;
}

std::string QuickFill(const std::string& current, const QuickFillItem& item) {
    if (current.empty()) return std::string(item.text);
    if (item.kind == QuickFillKind::Radio) return current;
    return current + ";" + std::string(item.text);
}

}  // namespace quillex
