// The buffer against a plain model: thousands of random insertions, deletions, undo groups
// (new and merged), undos and redos, with the text and the history's reach compared after every
// step. The model keeps the whole text after each group and drops the oldest groups the way
// the history's record limit says. A failure names the seed; TW_BUFFER_SEED=N runs that seed.
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace {

using Text = std::vector<std::string>;

// The text and its history as the buffer's rules describe them.
class Model {
public:
    Model() : m_states{Text{""}} {}

    const Text& Current() const { return m_states[m_position]; }
    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position + 1 < m_states.size(); }
    void Undo() { --m_position; }
    void Redo() { ++m_position; }

    // A group of changes begins: new, or merged into the group before the current state.
    void Open(bool merge)
    {
        m_merging = merge && m_position > 0;
        m_records = 0;
        m_working = Current();
    }
    // One change of the open group, already applied to Working().
    void Record()
    {
        if (m_records == 0) {
            // A change discards what could have been redone.
            m_states.resize(m_position + 1);
            m_groupRecords.resize(m_position);
        }
        const bool joinsNewest = m_merging || m_records > 0;
        // Before a record is added, the oldest groups go while the history is full; the group
        // being built is never split.
        while (Total() >= KTextBufferLimit() && !(joinsNewest && m_groupRecords.size() == 1)) {
            m_states.pop_front();
            m_groupRecords.pop_front();
            --m_position;
        }
        if (!joinsNewest) {
            m_states.push_back(Current());
            m_groupRecords.push_back(0);
            ++m_position;
        }
        ++m_groupRecords.back();
        ++m_records;
        m_states.back() = m_working;
    }
    Text& Working() { return m_working; }
    // The records the history holds.
    int Total() const
    {
        int total = 0;
        for (const int n : m_groupRecords)
            total += n;
        return total;
    }

private:
    static int KTextBufferLimit() { return CKTextBuffer::kUndoLimit; }

    std::deque<Text> m_states;      // the text before the first group and after each group
    std::deque<int> m_groupRecords; // records of each group
    size_t m_position = 0;          // the state the text is in
    bool m_merging = false;
    int m_records = 0; // of the open group
    Text m_working;
};

// Inserts bytes into the model's lines the way the buffer does: a CR, or a CR LF pair, breaks
// the line; a lone LF is an ordinary character.
void Insert(Text& text, int line, int ch, const std::string& bytes)
{
    std::vector<std::string> segments{""};
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            segments.emplace_back();
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            segments.back() += bytes[i];
        }
    }
    const std::string tail = text[line].substr(ch);
    text[line].resize(ch);
    text[line] += segments.front();
    for (size_t i = 1; i < segments.size(); ++i)
        text.insert(text.begin() + line + static_cast<long>(i), segments[i]);
    text[line + segments.size() - 1] += tail;
}

void Delete(Text& text, int startLine, int startChar, int endLine, int endChar)
{
    text[startLine] = text[startLine].substr(0, startChar) + text[endLine].substr(endChar);
    text.erase(text.begin() + startLine + 1, text.begin() + endLine + 1);
}

Text BufferText(const CKTextBuffer& buffer)
{
    Text text;
    for (int i = 0; i < buffer.LineCount(); ++i)
        text.emplace_back(buffer.Line(i));
    return text;
}

std::string Show(const Text& text)
{
    std::string shown;
    for (const std::string& line : text)
        shown += "[" + line + "]";
    return shown;
}

class BufferModelTest : public testing::TestWithParam<unsigned> {};

TEST_P(BufferModelTest, RandomEditsUndosAndRedosMatchThePlainModel)
{
    const unsigned seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed)
                 + " (run again with TW_BUFFER_SEED=" + std::to_string(seed) + ")");
    std::mt19937 rng(seed);
    const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    // Letters, a Cyrillic one, a tab, a zero byte, a lone LF and the two line breaks.
    const std::vector<std::string> pieces = {"a",  "b",  "\xDF", "\t", std::string(1, '\0'),
                                             "\n", "\r", "\r\n", "xyz"};

    CKTextBuffer buffer;
    ASSERT_TRUE(buffer.InitEmpty());
    Model model;
    int fullest = 0;
    for (int step = 0; step < 6000; ++step) {
        const int what = below(10);
        std::string done;
        if (what < 2) {
            ASSERT_EQ(buffer.CanUndo(), model.CanUndo()) << "step " << step;
            TextPoint cursor;
            if (model.CanUndo()) {
                ASSERT_TRUE(buffer.Undo(cursor)) << "step " << step;
                model.Undo();
            }
            done = "undo";
        } else if (what < 3) {
            ASSERT_EQ(buffer.CanRedo(), model.CanRedo()) << "step " << step;
            TextPoint cursor;
            if (model.CanRedo()) {
                ASSERT_TRUE(buffer.Redo(cursor)) << "step " << step;
                model.Redo();
            }
            done = "redo";
        } else {
            // A group of one to three changes, sometimes merged into the one before.
            const bool merge = below(5) == 0;
            const int changes = 1 + below(3);
            buffer.OpenUndoGroup(merge);
            model.Open(merge);
            done = merge ? "merged group:" : "group:";
            for (int c = 0; c < changes; ++c) {
                Text& text = model.Working();
                const int line = below(static_cast<int>(text.size()));
                const int ch = below(static_cast<int>(text[line].size()) + 1);
                // Deletions need text to delete; the text stays short enough to read in a
                // failure by deleting more than it inserts.
                const bool remove = below(2) == 0 && (text.size() > 1 || !text[0].empty());
                if (!remove) {
                    std::string bytes;
                    for (int n = 1 + below(4); n > 0; --n)
                        bytes += pieces[below(static_cast<int>(pieces.size()))];
                    int endLine, endChar;
                    ASSERT_TRUE(buffer.InsertText(nullptr, line, ch, bytes, endLine, endChar, 0))
                        << "step " << step;
                    Insert(text, line, ch, bytes);
                    done += " insert " + std::to_string(bytes.size()) + " at "
                            + std::to_string(line) + ":" + std::to_string(ch);
                } else {
                    // From (line, ch) over up to two line ends and a few characters more.
                    int endLine = std::min(static_cast<int>(text.size()) - 1, line + below(3));
                    int endChar = endLine == line
                                      ? ch + below(static_cast<int>(text[line].size()) - ch + 1)
                                      : below(static_cast<int>(text[endLine].size()) + 1);
                    if (endLine == line && endChar == ch) {
                        if (ch < static_cast<int>(text[line].size()))
                            ++endChar;
                        else if (line + 1 < static_cast<int>(text.size()))
                            endLine = line + 1, endChar = 0;
                        else
                            continue; // nothing after the end of the text
                    }
                    ASSERT_TRUE(buffer.DeleteText(nullptr, line, ch, endLine, endChar, 0))
                        << "step " << step;
                    Delete(text, line, ch, endLine, endChar);
                    done += " delete " + std::to_string(line) + ":" + std::to_string(ch) + "-"
                            + std::to_string(endLine) + ":" + std::to_string(endChar);
                }
                model.Record();
            }
            buffer.CloseUndoGroup(nullptr);
        }
        ASSERT_EQ(Show(BufferText(buffer)), Show(model.Current()))
            << "step " << step << ": " << done;
        ASSERT_EQ(buffer.UndoRecordCount(), model.Total()) << "step " << step << ": " << done;
        fullest = std::max(fullest, buffer.UndoRecordCount());
    }
    // The history filled up, so dropping its oldest groups took part.
    EXPECT_GE(fullest, CKTextBuffer::kUndoLimit - 2);
}

std::vector<unsigned> Seeds()
{
    if (const char* seed = std::getenv("TW_BUFFER_SEED"))
        return {static_cast<unsigned>(std::strtoul(seed, nullptr, 10))};
    return {1, 2, 3, 4};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Seeds, BufferModelTest, testing::ValuesIn(Seeds()),
                         [](const testing::TestParamInfo<unsigned>& info) {
                             return "seed" + std::to_string(info.param);
                         });
// clang-format on

} // namespace
