// Replace and Replace All over a buffer: where each search resumes, the block end moving with
// replacements, templates, undo, cancelling, and the failures the dialog must tell apart.
#include "edit/core/Replace.h"
#include "support/BufferLines.h"
#include "support/LinesBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class ReplaceTest : public testing::Test {
protected:
    void SetLines(const Lines& lines) { FillBuffer(buffer, lines); }
    Lines Text() const { return BufferLines(buffer); }
    ReplaceOutcome ReplaceAll(const std::string& find, const std::string& with, uint32_t flags,
                              const EditCaret& state = {}, const ReplaceProgress& progress = {})
    {
        CReplaceSession session(buffer, nullptr, search, state);
        ReplaceFields fields{find, with, flags, session.InitialScope()};
        const ReplaceOutcome outcome = session.ReplaceAll(fields, progress);
        remembered = session.RememberedSelection();
        return outcome;
    }
    int UndoSteps()
    {
        int steps = 0;
        for (TextPoint cursor; buffer.CanUndo(); ++steps)
            buffer.Undo(cursor);
        return steps;
    }

    CKTextBuffer buffer;
    CTextSearch search;
    TextRange remembered;
};

TEST_F(ReplaceTest, ReplaceAllResumesAfterEachInsertedText)
{
    struct Case {
        Lines before;
        std::string find, with;
        uint32_t flags;
        Lines after;
        int replaced;
    };
    const Case cases[] = {
        {{"aaa"}, "a", "aa", 0, {"aaaaaa"}, 3},
        {{"Ab", "", "ab"}, "^", "> ", FIND_REGEXP, {"> Ab", "> ", "> ab"}, 3},
        {{"x", "y"}, "$", ";", FIND_REGEXP, {"x;", "y"}, 1}, // the text's end lies outside
        {{"aaa"}, "^a", "b", FIND_REGEXP, {"baa"}, 1},
        {{"ab", "cd", "ab", "cd"}, "b\\nc", "X", FIND_REGEXP, {"aXd", "aXd"}, 2},
        {{"ab", "cd"}, "(b)\\n(c)", "\\2\\n\\1", FIND_REGEXP, {"ac", "bd"}, 1},
        {{"<td x>", "</TD>"}, "\\<(/?)td([ >])", "<\\1TD\\2", FIND_REGEXP, {"<TD x>", "</TD>"}, 2},
        {{"Foo foo fOO"}, "foo", "bar", FIND_MATCH_CASE, {"Foo bar fOO"}, 1},
        {{"\xEF\xF0\xE8 \xCF\xD0\xC8"}, "\xEF\xF0\xE8", "x", 0, {"x x"}, 2},
    };
    for (const Case& c : cases) {
        SetLines(c.before);
        CReplaceSession counting(buffer, nullptr, search, {});
        const ReplaceOutcome counted =
            counting.CountAll({c.find, c.with, c.flags, ReplaceScope::WholeFile});
        EXPECT_EQ(counted.replaced, c.replaced) << c.find;
        EXPECT_EQ(counted.problem, ReplaceProblem::None) << c.find;
        EXPECT_EQ(Text(), c.before) << c.find;
        const ReplaceOutcome outcome = ReplaceAll(c.find, c.with, c.flags);
        EXPECT_EQ(Text(), c.after) << c.find;
        EXPECT_EQ(outcome.replaced, c.replaced) << c.find;
        // The loop ends when nothing more is found, or after an empty match on the last line.
        EXPECT_NE(outcome.problem, ReplaceProblem::CannotExpand) << c.find;
        std::string description;
        buffer.UndoDescription(description);
        EXPECT_EQ(description, "Replace");
        EXPECT_EQ(UndoSteps(), 1) << c.find;
        EXPECT_EQ(Text(), c.before) << c.find;
    }
}

TEST_F(ReplaceTest, WholeFileCoversTheTextAboveTheCaretAndTheFoundOccurrence)
{
    SetLines({"href=old", "old", "x old"});
    ReplaceOutcome outcome = ReplaceAll("old", "new", 0, EditCaret::At({5, 2}));
    EXPECT_EQ(Text(), (Lines{"href=new", "new", "x new"}));
    EXPECT_EQ(outcome.replaced, 3);
    EXPECT_EQ(UndoSteps(), 1);

    // After Find Next has selected the last occurrence, the earlier ones are still replaced.
    CReplaceSession session(buffer, nullptr, search, EditCaret::At({0, 2}));
    const ReplaceFields fields{"old", "", 0, ReplaceScope::WholeFile};
    ASSERT_EQ(session.FindNext(fields).problem, ReplaceProblem::None);
    EXPECT_EQ(session.CountAll(fields).replaced, 3);
    outcome = session.ReplaceAll(fields);
    EXPECT_EQ(outcome.replaced, 3);
    EXPECT_EQ(outcome.problem, ReplaceProblem::NotFound);
    EXPECT_EQ(Text(), (Lines{"href=", "", "x "}));

    EXPECT_EQ(session.CountAll({"[z-a]", "", FIND_REGEXP, ReplaceScope::WholeFile}).problem,
              ReplaceProblem::InvalidPattern);
    EXPECT_EQ(session.CountAll(fields).problem, ReplaceProblem::NotFound);
}

TEST_F(ReplaceTest, SelectionScopeKeepsTheBlockAroundItsReplacements)
{
    SetLines({"ab ab ab", "ab"});
    ReplaceAll("ab", "abcd", 0, EditCaret::Selecting({0, 0}, {5, 0}));
    EXPECT_EQ(Text(), (Lines{"abcd abcd ab", "ab"}));
    EXPECT_EQ(remembered.start, (TextPoint{0, 0}));
    EXPECT_EQ(remembered.end, (TextPoint{9, 0}));

    // Replacements over line ends carry the block's ends to their lines; an end inside a
    // replaced occurrence goes to its start.
    SetLines({"x-", "-y", "-", "-zz"});
    ReplaceAll("-\\n-", "", FIND_REGEXP, EditCaret::Selecting({2, 3}, {1, 0}));
    EXPECT_EQ(Text(), (Lines{"xy", "zz"}));
    EXPECT_EQ(remembered.start, (TextPoint{1, 0}));
    EXPECT_EQ(remembered.end, (TextPoint{1, 1}));
}

TEST_F(ReplaceTest, SingleStepsFindThenReplaceAndSelect)
{
    SetLines({"cat cat", "cat"});
    CReplaceSession session(buffer, nullptr, search, EditCaret::At({1, 0}));
    const ReplaceFields fields{"cat", "dog", 0, ReplaceScope::WholeFile};
    EXPECT_EQ(session.Replace(fields).replaced, 0); // the first press only finds
    EXPECT_EQ(session.State(), (EditCaret{{7, 0}, {4, 0}, {7, 0}}));
    const ReplaceOutcome outcome = session.Replace(fields);
    EXPECT_EQ(outcome.replaced, 1);
    EXPECT_EQ(Text(), (Lines{"cat dog", "cat"}));
    EXPECT_EQ(session.State(), (EditCaret{{3, 1}, {0, 1}, {3, 1}})); // the next one selected
    EXPECT_EQ(session.Replace(fields).problem, ReplaceProblem::NotFound);
    EXPECT_EQ(Text(), (Lines{"cat dog", "dog"}));
    EXPECT_FALSE(session.Found());
    EXPECT_EQ(session.FindNext(fields).problem, ReplaceProblem::None); // from the top again
    EXPECT_EQ(session.State().selStart, (TextPoint{0, 0}));
    EXPECT_EQ(UndoSteps(), 4); // a single Replace takes two steps
}

TEST_F(ReplaceTest, DialogOpensWithTheViewsMemoryOrTheSettings)
{
    SetLines({"one two", ""});
    const ReplaceFields store{"stored", "with", FIND_REGEXP | FIND_UP, ReplaceScope::Selection};
    CFindMemory find;
    ReplaceMemory memory;
    ReplaceFields fields = ReplaceOpening(store, find, memory, buffer, EditCaret::At({0, 1}));
    EXPECT_EQ(fields.findWhat, "stored");
    EXPECT_EQ(fields.replaceWith, "with");
    EXPECT_EQ(fields.flags, FIND_REGEXP);
    EXPECT_EQ(fields.scope, ReplaceScope::WholeFile);
    // The word at the caret, but not for a selection.
    EXPECT_EQ(ReplaceOpening(store, find, memory, buffer, EditCaret::At({5, 0})).findWhat, "two");
    fields = ReplaceOpening(store, find, memory, buffer, EditCaret::Selecting({0, 0}, {2, 0}));
    EXPECT_EQ(fields.findWhat, "stored");
    EXPECT_EQ(fields.scope, ReplaceScope::Selection);

    ReplaceClosed(find, memory, {"mine", "yours", FIND_MATCH_CASE, ReplaceScope::WholeFile});
    EXPECT_EQ(find.Last().text, "mine");
    fields = ReplaceOpening(store, find, memory, buffer, EditCaret::At({0, 1}));
    EXPECT_EQ(fields.findWhat, "mine");
    EXPECT_EQ(fields.replaceWith, ""); // after a Replace in this view it starts empty
    EXPECT_EQ(fields.flags, FIND_MATCH_CASE);
}

TEST_F(ReplaceTest, TemplatesThatFailLeaveTheOccurrence)
{
    for (const std::string tmpl : {"\\2", "x\\d9z", "\\"}) {
        SetLines({"a b a"});
        const ReplaceOutcome outcome = ReplaceAll("(a)", tmpl, FIND_REGEXP);
        EXPECT_EQ(outcome.problem, ReplaceProblem::CannotExpand) << tmpl;
        EXPECT_EQ(outcome.replaced, 0);
        EXPECT_EQ(Text(), (Lines{"a b a"}));
        EXPECT_FALSE(buffer.CanUndo());
    }
    // Without a regular-expression match there is nothing to expand from.
    SetLines({"a"});
    int length = 0;
    const CTextSearch fresh;
    EXPECT_EQ(ReplaceSelection(buffer, nullptr, fresh, EditCaret::Selecting({0, 0}, {1, 0}), "\\0",
                               FIND_REGEXP, length),
              std::nullopt);
    EXPECT_EQ(Text(), (Lines{"a"}));
}

TEST_F(ReplaceTest, PatternFailuresAreNotNotFound)
{
    SetLines({"abc", std::string(40, 'a')});
    EXPECT_EQ(ReplaceAll("[z-a]", "x", FIND_REGEXP).problem, ReplaceProblem::InvalidPattern);
    EXPECT_EQ(ReplaceAll("zz", "x", FIND_REGEXP).problem, ReplaceProblem::NotFound);
    const ReplaceOutcome outcome = ReplaceAll("(a*)*c", "x", FIND_REGEXP);
    EXPECT_EQ(outcome.problem, ReplaceProblem::TooCostly);
    EXPECT_EQ(outcome.replaced, 1);
    EXPECT_EQ(Text()[0], "abx"); // replaced before the costly line was reached
}

TEST_F(ReplaceTest, CancelledReplaceAllKeepsItsWorkAsOneStep)
{
    const Lines before(5000, "x");
    SetLines(before);
    std::vector<int> asked;
    const ReplaceOutcome outcome = ReplaceAll("x", "y", 0, {}, [&](int done, int total) {
        EXPECT_EQ(total, 5000);
        asked.push_back(done);
        return asked.size() < 3;
    });
    EXPECT_TRUE(outcome.cancelled);
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], 0);
    EXPECT_EQ(outcome.replaced, asked[2]);
    EXPECT_EQ(Text()[asked[2] - 1], "y");
    EXPECT_EQ(Text()[asked[2]], "x");
    EXPECT_EQ(UndoSteps(), 1);
    EXPECT_EQ(Text(), before);
}

} // namespace
