#include <gtest/gtest.h>

#include "input/clearbuttons.h"
#include "model/schema.h"

namespace quillex {
namespace {

TEST(ClearButtons, ThirtyEightButtonsOverTheirRows) {
    const auto buttons = ClearButtons();
    ASSERT_EQ(buttons.size(), 38u);
    EXPECT_EQ(buttons.front().name, "SpeedButton3");
    EXPECT_EQ(buttons.back().name, "SpeedButton40");
    EXPECT_EQ(buttons[0].fields, (std::vector<FieldId>{FieldIdOf("m1"), FieldIdOf("g1")}));
    EXPECT_EQ(buttons[11].fields, (std::vector<FieldId>{FieldIdOf("ms12"), FieldIdOf("g12")}));
    EXPECT_EQ(buttons[12].fields, std::vector<FieldId>{FieldIdOf("v1")});
    EXPECT_EQ(buttons[21].fields, (std::vector<FieldId>{FieldIdOf("zn1"), FieldIdOf("czn1")}));
    EXPECT_EQ(buttons[23].fields, std::vector<FieldId>{FieldIdOf("z1")});
    EXPECT_EQ(buttons[36].fields, std::vector<FieldId>{FieldIdOf("z14")});
    const ClearButton& all = buttons.back();
    ASSERT_EQ(all.fields.size(), 84u);
    EXPECT_EQ(all.fields.front(), FieldIdOf("b1"));
    EXPECT_EQ(all.fields[42], FieldIdOf("bn1"));
    EXPECT_TRUE(all.helpCursor);
    EXPECT_EQ(all.hint, "ОЧИСТИТЬ ВСЁ!!!!");
    for (std::size_t i = 0; i + 1 < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].hint, "Очистить");
        EXPECT_FALSE(buttons[i].helpCursor);
    }
}

}  // namespace
}  // namespace quillex
