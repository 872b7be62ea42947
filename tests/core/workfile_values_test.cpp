#include <gtest/gtest.h>

#include "workfile/value_text.h"

namespace quillex {
namespace {

TEST(WorkFileValues, IntegersReadLikePascalStrToInt) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-20", -20},
        {"+7", 7},
        {"  5", 5},
        {"\t5", 5},
        {"007", 7},
        {"00000000000000000000042", 42},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1f", 31},
        {"0X10", 16},
        {"x10", 16},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$80000000", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"5 ", std::nullopt},
        {"5\r", std::nullopt},
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"abc", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"$G", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"\xD9\xA3", std::nullopt},  // ARABIC-INDIC DIGIT THREE
        {"１", std::nullopt},        // FULLWIDTH DIGIT ONE
    };
    for (const auto& c : cases) EXPECT_EQ(ParseWorkFileInteger(c.text), c.value) << c.text;
    EXPECT_EQ(ParseWorkFileInteger(std::string_view("1\0", 2)), std::nullopt);
}

TEST(WorkFileValues, BooleansAreWordsOrNumbers) {
    const struct {
        const char* text;
        std::optional<bool> value;
    } cases[] = {
        {"1", true},
        {"0", false},
        {"2", true},
        {"-1", true},
        {"true", true},
        {"TRUE", true},
        {"tRuE", true},
        {"false", false},
        {"FALSE", false},
        {"False", false},
        {"0.0", false},
        {"-0", false},
        {"0.5", true},
        {".5", true},
        {"5.", true},
        {"1e3", true},
        {"0e9", false},
        {"-1E-3", true},
        {"$0", false},
        {"$10", true},
        {"$FFFFFFFFFFFFFFFFFFFF", true},
        {"99999999999999999999", true},
        {" 1", true},
        {"", std::nullopt},
        {"yes", std::nullopt},
        {"no", std::nullopt},
        {"true ", std::nullopt},
        {" true", std::nullopt},
        {"t", std::nullopt},
        {"1 ", std::nullopt},
        {"1e", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"$", std::nullopt},
        {"$1G", std::nullopt},
        {"да", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseWorkFileBoolean(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace quillex
