#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RecordField.h"

namespace {

using RecordField::Get;
using RecordField::GetText;
using RecordField::Set;
using RecordField::SetText;

TEST(RecordFieldTest, IntegersAndFloatsAreLittleEndian) {
    std::uint8_t record[12] = {};
    Set<std::uint16_t>(record, 0, 0x1234);
    Set<std::int32_t>(record, 2, -2);
    Set<float>(record, 6, 1.0f);
    const std::uint8_t expected[12] = {0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0x80, 0x3F, 0, 0};
    EXPECT_EQ(std::memcmp(record, expected, sizeof record), 0);
    EXPECT_EQ(Get<std::int16_t>(record, 2), -2);
    EXPECT_EQ(Get<std::uint32_t>(record, 2), 0xFFFFFFFEu);
    EXPECT_EQ(Get<std::uint8_t>(record, 1), 0x12);
    EXPECT_EQ(Get<float>(record, 6), 1.0f);
}

TEST(RecordFieldTest, FloatBitsSurviveUntouched) {
    std::uint8_t record[4] = {0x01, 0x00, 0xC0, 0x7F};  // a NaN with a payload
    const float value = Get<float>(record, 0);
    EXPECT_TRUE(std::isnan(value));
    std::uint8_t copy[4] = {};
    Set<float>(copy, 0, value);
    EXPECT_EQ(std::memcmp(record, copy, 4), 0);
}

TEST(RecordFieldTest, ShorterTextIsTerminatedAndKeepsTheBytesAfterIt) {
    std::uint8_t record[8];
    std::memset(record, 'x', sizeof record);
    SetText(record, 1, 6, "abc");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), std::string("xabc\0xxx", 8));
    EXPECT_EQ(GetText(record, 1, 6), "abc");
}

TEST(RecordFieldTest, TextThatFillsTheFieldHasNoTerminatorAndLongerTextIsCut) {
    std::uint8_t record[8];
    std::memset(record, 'x', sizeof record);
    SetText(record, 1, 6, "abcdef");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), "xabcdefx");
    EXPECT_EQ(GetText(record, 1, 6), "abcdef");  // stops at the width, not at the next zero
    SetText(record, 1, 6, "ABCDEFGH");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), "xABCDEFx");
}

TEST(RecordFieldTest, TextKeepsEveryByteValue) {
    std::uint8_t record[4] = {0xE9, 0xFF, 0x01, 0};
    EXPECT_EQ(GetText(record, 0, 4), "\xE9\xFF\x01");
    std::uint8_t empty[3] = {0, 'a', 'b'};
    EXPECT_EQ(GetText(empty, 0, 3), "");
}

}  // namespace
