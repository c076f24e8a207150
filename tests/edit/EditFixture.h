// A buffer with the editing rules of one view, and a view that passes the buffer's reports of
// closed undo groups to the rules as the edit view does.
#pragma once

#include "edit/core/EditRules.h"
#include "support/BufferLines.h"
#include "support/LinesBuffer.h"
#include "syntax/HtmlKeywords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TextLines = std::vector<std::string>;

inline EditCaret At(int x, int y) { return EditCaret::At({x, y}); }
inline EditCaret Sel(TextPoint anchor, TextPoint caret)
{
    return EditCaret::Selecting(anchor, caret);
}

class ForwardingView : public CKBufferView {
public:
    void OnBufferChanged(CKBufferView*, const UpdateContext*, uint32_t, int) override {}
    void OnEditAction(int action, const char* text, int length) override
    {
        ++editActions;
        state = rules->OnEditAction(state, action, std::string_view(text, length));
    }

    CEditRules* rules = nullptr;
    EditCaret state;
    int editActions = 0;
};

class EditFixture : public testing::Test {
protected:
    EditFixture() { view.rules = &rules; }

    // The buffer holds the lines, with an empty history.
    void SetLines(const std::vector<std::string>& lines) { FillBuffer(buffer, lines); }
    std::vector<std::string> Lines() const { return BufferLines(buffer); }
    void TypeText(std::string_view text)
    {
        for (const char c : text)
            state = c == '\r' ? rules.Enter(state) : rules.Type(state, static_cast<uint8_t>(c));
    }
    void Undo()
    {
        const auto s = rules.Undo();
        ASSERT_TRUE(s);
        state = *s;
    }

    CKTextBuffer buffer;
    ForwardingView view;
    EditOptions options;
    CEditRules rules{buffer, &view, [this] { return options; }, HtmlKeywords()};
    EditCaret state;
};
