// The per-line results that a worker thread fills for the views.
#include "SpellText.h"
#include "spell/core/SpellCache.h"
#include "support/TempDir.h"
#include "syntax/HtmlParser.h"
#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

class SpellCacheTest : public testing::Test {
protected:
    SpellCacheTest() { m_cache.SetDocument(SourceType::Html, SpellLanguage::Russian); }

    SpellLineRequest Line(int line, std::string_view utf8, uint32_t state = 0)
    {
        return {line, state, Cp(utf8)};
    }
    // The misspellings of a line as "start+length ...", or "none" without a result.
    std::string Found(int line, std::string_view utf8, uint32_t state = 0)
    {
        std::vector<Misspelling> found;
        if (!m_cache.Lookup(line, state, Cp(utf8), found))
            return "none";
        std::string out;
        for (const Misspelling& m : found)
            AppendItem(out, std::to_string(m.start) + "+" + std::to_string(m.length));
        return out;
    }

    TempDir m_dir;
    CSpellChecker m_checker{std::string(kSystemDictionaryFolder), m_dir.File("words.txt")};
    std::atomic<int> m_ready{0};
    CSpellCache m_cache{m_checker, [this](int) { ++m_ready; }};
};

TEST_F(SpellCacheTest, ResultsHoldForTheTextAndStateTheyWereMadeFrom)
{
    m_cache.Request({Line(0, "Превет <b>мир</b>"), Line(1, "хорошо helo"),
                     Line(2, "<p title=\"превет\">"), Line(3, "превет", HS_IN_TAG)});
    m_cache.WaitIdle();
    EXPECT_EQ(m_ready, 4);
    EXPECT_EQ(Found(0, "Превет <b>мир</b>"), "0+6");
    EXPECT_EQ(Found(1, "хорошо helo"), "7+4");
    EXPECT_EQ(Found(2, "<p title=\"превет\">"), "10+6");
    EXPECT_EQ(Found(3, "превет", HS_IN_TAG), "");
    EXPECT_EQ(Found(3, "превет"), "none") << "another state before the line";
    EXPECT_EQ(Found(1, "хорошо hello"), "none") << "another text";

    // Lines with a good result are not checked again.
    m_cache.Request({Line(1, "хорошо helo"), Line(4, "")});
    m_cache.WaitIdle();
    EXPECT_EQ(m_ready, 5);
}

TEST_F(SpellCacheTest, ResultsMoveWithTheirLinesAndChangedLinesLoseThem)
{
    m_cache.Request({Line(0, "первый превет"), Line(1, "второй превет"), Line(2, "третий превет")});
    m_cache.WaitIdle();
    m_cache.LinesChanged(1, 1, 3); // line 1 replaced by three lines
    EXPECT_EQ(Found(0, "первый превет"), "7+6");
    EXPECT_EQ(Found(1, "второй превет"), "none");
    EXPECT_EQ(Found(4, "третий превет"), "7+6");
    m_cache.LinesChanged(0, 2, 0);
    EXPECT_EQ(Found(2, "третий превет"), "7+6");
    EXPECT_EQ(m_cache.ResultCount(), 1);
}

TEST_F(SpellCacheTest, AcceptedWordsLeaveTheResultsAtOnce)
{
    m_cache.Request({Line(0, "Превет и превет, helo")});
    m_cache.WaitIdle();
    ASSERT_EQ(Found(0, "Превет и превет, helo"), "0+6 9+6 17+4");
    m_checker.IgnoreAll(Cp("превет"));
    m_cache.WordAccepted(Cp("превет"));
    EXPECT_EQ(Found(0, "Превет и превет, helo"), "17+4");
}

TEST_F(SpellCacheTest, AnotherDocumentSettingForgetsEverything)
{
    m_cache.Request({Line(0, "<b>превет</b>")});
    m_cache.WaitIdle();
    m_cache.SetDocument(SourceType::Cpp, SpellLanguage::Russian);
    EXPECT_EQ(Found(0, "<b>превет</b>"), "none");
    m_cache.Request({Line(0, "<b>превет</b>")});
    m_cache.WaitIdle();
    EXPECT_EQ(Found(0, "<b>превет</b>"), "") << "in C only comments and strings are read";
}

} // namespace
