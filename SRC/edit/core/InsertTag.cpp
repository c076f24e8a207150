// InsertTag: texts around the selection or the caret, for tags, colours, images and macros.
#include "edit/core/EditRules.h"

#include "text/EditActions.h"
#include "text/UndoGroup.h"

EditCaret CEditRules::InsertTag(const EditCaret& in, std::string_view open, std::string_view close)
{
    Command command(*this, in);
    if (!IsEditable() || (open.empty() && close.empty()))
        return m_state;
    {
        CUndoGroup group(m_buffer, m_view);
        const TextRange r = m_state.Selection();
        TextPoint caret = r.start;
        TextPoint end;
        const auto insert = [&](TextPoint at, std::string_view text) {
            return !text.empty()
                   && m_buffer.InsertText(m_view, at.y, at.x, text, end.y, end.x,
                                          ACTION_MACROS_INSERT);
        };
        if (m_state.HasSelection()) {
            // The close text first, so that the selection's start stays where it is.
            if (insert(r.end, close))
                caret = end;
            if (insert(r.start, open))
                caret = end;
        } else {
            if (insert(caret, open))
                caret = end;
            insert(caret, close);
        }
        PlaceCaret(caret);
        group.Commit();
    }
    return m_state;
}
