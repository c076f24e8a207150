// Offsets over lines joined by "\n": every offset maps to a position and back, out-of-range
// offsets clamp, and cached line starts follow changes once forgotten from the changed line.
#include "view/core/TextOffsets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Lines : public CViewModelHost {
public:
    explicit Lines(std::vector<std::string> lines) : text(std::move(lines)) {}
    int LineCount() const override { return static_cast<int>(text.size()); }
    std::string_view Line(int line) const override { return text[static_cast<size_t>(line)]; }
    int TabSize() const override { return 4; }
    int ScreenLines() override { return 10; }
    int ScreenChars() override { return 40; }
    int LargestLineWidth() override { return 0; }
    void ScrollToLine(int, bool) override {}
    void ScrollToColumn(int) override {}
    void SelectionChanged(TextRange, TextRange) override {}
    void CaretMoved() override {}

    std::vector<std::string> text;
};

TEST(TextOffsets, EveryOffsetMapsToItsPositionAndBack)
{
    const std::vector<std::vector<std::string>> texts = {
        {""}, {"a"}, {"ab", "", "cde", ""}, {"", "", ""}, {"\xCF\xF0\xE8", "x"},
    };
    for (const auto& lines : texts) {
        Lines host(lines);
        CTextOffsets offsets(host);
        // The expected position of each offset, by walking the joined text.
        std::vector<TextPoint> expected;
        for (int y = 0; y < host.LineCount(); ++y)
            for (int x = 0; x <= static_cast<int>(lines[static_cast<size_t>(y)].size()); ++x)
                expected.push_back({x, y});
        SCOPED_TRACE(testing::PrintToString(lines));
        ASSERT_EQ(offsets.Length(), static_cast<int64_t>(expected.size()) - 1);
        // Asked from the far end first, so that filling the cache backwards is covered too.
        for (int64_t o = static_cast<int64_t>(expected.size()) - 1; o >= 0; --o) {
            EXPECT_EQ(offsets.PointAt(o), expected[static_cast<size_t>(o)]) << o;
            EXPECT_EQ(offsets.OffsetOf(expected[static_cast<size_t>(o)]), o);
        }
        EXPECT_EQ(offsets.PointAt(-3), (TextPoint{0, 0}));
        EXPECT_EQ(offsets.PointAt(offsets.Length() + 5), expected.back());
    }
}

TEST(TextOffsets, ForgottenStartsFollowChangedLines)
{
    Lines host({"abc", "de", "f", "gh"});
    CTextOffsets offsets(host);
    ASSERT_EQ(offsets.LineStart(3), 9);
    EXPECT_TRUE(offsets.Knows(3));

    host.text[1].pop_back(); // "de" becomes "d"
    offsets.ForgetAfter(1);
    EXPECT_TRUE(offsets.Knows(1));
    EXPECT_FALSE(offsets.Knows(2));
    EXPECT_EQ(offsets.LineStart(3), 8);
    EXPECT_EQ(offsets.PointAt(8), (TextPoint{0, 3}));

    host.text.erase(host.text.begin() + 2, host.text.end()); // lines removed at the end
    offsets.ForgetAfter(1);
    EXPECT_EQ(offsets.Length(), 5);
    EXPECT_EQ(offsets.PointAt(7), (TextPoint{1, 1}));
}

} // namespace
