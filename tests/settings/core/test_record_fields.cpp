// The little-endian record fields: what a reader gives for a record cut short.
#include "settings/core/RecordFields.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(RecordFieldsTest, ReadsPastTheEndGiveZerosAndMarkTheRecordShort)
{
    CRecordWriter w;
    w.Number<int32_t>(-2);
    w.Text("abc", 8);
    w.Number<uint16_t>(0x1234);
    const std::string whole = w.Record();
    ASSERT_EQ(whole.size(), 14u);

    CRecordReader full(whole);
    EXPECT_EQ(full.Number<int32_t>(), -2);
    EXPECT_EQ(full.Text(8), "abc");
    EXPECT_EQ(full.Number<uint16_t>(), 0x1234);
    EXPECT_FALSE(full.Short());

    // Cut inside the last number: what fits reads as stored, the rest as zeros.
    CRecordReader cut(std::string_view(whole).substr(0, 13));
    EXPECT_EQ(cut.Number<int32_t>(), -2);
    EXPECT_EQ(cut.Text(8), "abc");
    EXPECT_FALSE(cut.Short());
    EXPECT_EQ(cut.Number<uint16_t>(), 0);
    EXPECT_TRUE(cut.Short());
    std::array<char, 4> field{'x', 'x', 'x', 'x'};
    cut.Copy(field);
    EXPECT_EQ(field, (std::array<char, 4>{}));
    EXPECT_EQ(cut.String(), "");
}

} // namespace
