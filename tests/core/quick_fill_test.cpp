#include "input/quick_fill.h"

#include <gtest/gtest.h>

#include <string>

namespace quillex {
namespace {

TEST(QuickFillItems, TwelveRadioCommandsThenTwoChatCommands) {
    const auto items = QuickFillItems();
    ASSERT_EQ(items.size(), 14u);
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i].kind, QuickFillKind::Radio);
        // radioN;menuselect K;menuselect0;say_team ..., N being the item's group.
        const std::string text(items[i].text);
        EXPECT_EQ(text.substr(0, 6), "radio" + std::to_string(i / kRadioGroupSize + 1));
        EXPECT_EQ(text.substr(6, 12), ";menuselect ");
        EXPECT_EQ(text.substr(19, 22), ";menuselect0;say_team ");
    }
    EXPECT_EQ(items[0].caption, "Прикрой меня!");
    EXPECT_EQ(items[0].text, "radio1;menuselect 1;menuselect0;say_team npukpou meHia!");
    EXPECT_EQ(items[3].caption, "Нас обстреливают, требуется поддержка!");
    EXPECT_EQ(items[3].text, "radio1;menuselect 6;menuselect0;say_team Hy>I<Ha nomowb!!!");
    EXPECT_EQ(items[5].text,
              "radio2;menuselect 3;menuselect0;say_team DaBauTe Dep>I<aTca BCE BMECTE!!!");
    EXPECT_EQ(items[11].caption, "Никак нет!");
    EXPECT_EQ(items[11].text, "radio3;menuselect 8;menuselect0;say_team HuKaK HET!");
    EXPECT_EQ(items[12].kind, QuickFillKind::Chat);
    EXPECT_EQ(items[12].caption, "Сказать команде");
    EXPECT_EQ(items[12].text, "say_team Eto Tekct");
    EXPECT_EQ(items[13].kind, QuickFillKind::Chat);
    EXPECT_EQ(items[13].caption, "Сказать всем");
    EXPECT_EQ(items[13].text, "say Eto Tekct");
}

TEST(QuickFill, RadioOnlyIntoAnEmptyFieldChatSetsOrAppends) {
    const auto items = QuickFillItems();
    const QuickFillItem& radio = items[8];
    const QuickFillItem& team = items[12];
    const QuickFillItem& all = items[13];
    const std::string radioText(radio.text);
    struct Case {
        std::string current;
        const QuickFillItem* item;
        std::string expected;
    } cases[] = {
        {"", &radio, radioText},
        {"   ", &radio, "   "},
        {"say hi", &radio, "say hi"},
        {"", &team, "say_team Eto Tekct"},
        {"say_team Eto Tekct", &team, "say_team Eto Tekct;say_team Eto Tekct"},
        {radioText, &all, radioText + ";say Eto Tekct"},
        {"  ", &all, "  ;say Eto Tekct"},
        {"x;", &all, "x;;say Eto Tekct"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuickFill(c.current, *c.item), c.expected) << '"' << c.current << '"';
}

TEST(QuickFill, EveryChatItemMakesTheTextLonger) {
    std::string text;
    for (int i = 0; i < 50; ++i) {
        const std::string next = QuickFill(text, QuickFillItems()[12 + i % 2]);
        ASSERT_GT(next.size(), text.size());
        text = next;
    }
    EXPECT_EQ(text.substr(0, 19), "say_team Eto Tekct;");
}

}  // namespace
}  // namespace quillex
