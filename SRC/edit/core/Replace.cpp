// Replace over one view's buffer: ReplaceSelection and the Replace dialog's three buttons.
#include "edit/core/Replace.h"

#include "text/EditActions.h"
#include "text/UndoGroup.h"
#include "view/core/RegexNodes.h"

namespace {

// A numeric escape with a missing or bad digit ends an expansion early with an empty text,
// which must not pass for a replacement by nothing.
bool HasBadNumericEscape(std::string_view pattern)
{
    for (size_t i = 0; i < pattern.size();) {
        if (pattern[i++] != '\\' || i >= pattern.size())
            continue;
        const char letter = pattern[i++];
        if (letter != 'd' && letter != 'o' && letter != 'x')
            continue;
        const int base = letter == 'x' ? 16 : letter == 'd' ? 10 : 8;
        if (rx::ReadNumber(pattern, i, base, letter == 'x' ? 2 : 3) < 0)
            return true;
    }
    return false;
}

// The expansion of a template against the search's last match, its line feeds made line
// breaks of the buffer.
std::optional<std::string> Expand(const CTextSearch& search, std::string_view pattern)
{
    if (!search.HasRegexMatch())
        return std::nullopt;
    const std::optional<std::string> text =
        ExpandReplacement(search.MatchedText(), search.Match(), pattern);
    if (!text)
        return std::nullopt;
    std::string lines;
    lines.reserve(text->size());
    for (const char c : *text) {
        if (c == '\n')
            lines += '\r';
        lines += c;
    }
    return lines;
}

ReplaceProblem Failure(const CTextSearch& search)
{
    switch (search.Status()) {
    case SearchStatus::InvalidPattern:
        return ReplaceProblem::InvalidPattern;
    case SearchStatus::TooCostly:
        return ReplaceProblem::TooCostly;
    default:
        return ReplaceProblem::NotFound;
    }
}

} // namespace

std::optional<std::string> ExpandReplacement(std::string_view subject, const RxMatch& match,
                                             std::string_view pattern)
{
    if (HasBadNumericEscape(pattern))
        return std::nullopt;
    std::string text;
    if (RxExpandReplacement(pattern, subject.data(), static_cast<int>(subject.size()), match, text)
        != 0)
        return std::nullopt;
    return text;
}

std::optional<EditCaret> ReplaceSelection(CKTextBuffer& buffer, CKBufferView* view,
                                          const CTextSearch& search, const EditCaret& in,
                                          std::string_view text, uint32_t flags,
                                          int& lastReplaceLength)
{
    std::optional<std::string> expanded;
    if (flags & FIND_REGEXP) {
        expanded = Expand(search, text);
        if (!expanded)
            return std::nullopt;
        text = *expanded;
    }
    TextPoint at = in.caret;
    if (in.HasSelection()) {
        const TextRange r = in.Selection();
        if (!buffer.DeleteText(view, r.start.y, r.start.x, r.end.y, r.end.x, ACTION_REPLACE))
            return std::nullopt;
        at = r.start;
    }
    TextPoint end = at;
    if (!text.empty() && !buffer.InsertText(view, at.y, at.x, text, end.y, end.x, ACTION_REPLACE))
        return std::nullopt;
    lastReplaceLength = static_cast<int>(text.size());
    return EditCaret{end, at, end};
}

ReplaceFields ReplaceOpening(const ReplaceFields& stored, const CFindMemory& find,
                             const ReplaceMemory& memory, const CKTextBuffer& text,
                             const EditCaret& view)
{
    ReplaceFields fields;
    if (memory.used) {
        fields.flags = memory.flags;
        fields.findWhat = find.Last().text;
    } else {
        fields = stored;
    }
    fields.flags &= FIND_MATCH_CASE | FIND_WHOLE_WORD | FIND_REGEXP;
    fields.scope = view.HasSelection() ? ReplaceScope::Selection : ReplaceScope::WholeFile;
    if (!view.HasSelection())
        fields.findWhat = FindInitialText(text, FindCaret::At(view.caret), fields.findWhat);
    return fields;
}

void ReplaceClosed(CFindMemory& find, ReplaceMemory& memory, const ReplaceFields& fields)
{
    memory.used = true;
    memory.flags = fields.flags & (FIND_MATCH_CASE | FIND_WHOLE_WORD | FIND_REGEXP);
    find.SetLastText(fields.findWhat);
}

CReplaceSession::CReplaceSession(CKTextBuffer& buffer, CKBufferView* view, CTextSearch& search,
                                 const EditCaret& state)
    : m_buffer(buffer), m_view(view), m_search(search), m_state(state),
      m_selectionAllowed(state.HasSelection())
{
    if (m_selectionAllowed) {
        const TextRange r = state.Selection();
        m_blockBegin = r.start;
        m_blockEnd = r.end;
        m_currentPos = r.start;
    } else {
        m_currentPos = state.caret;
    }
}

bool CReplaceSession::Search(const ReplaceFields& fields, TextPoint from, TextPoint& found)
{
    const uint32_t flags = fields.flags & (FIND_MATCH_CASE | FIND_WHOLE_WORD | FIND_REGEXP);
    return InSelection(fields)
               ? m_search.SearchInRange(m_buffer, fields.findWhat, from, m_blockBegin, m_blockEnd,
                                        flags, false, found)
               : m_search.SearchText(m_buffer, fields.findWhat, from, flags, false, found);
}

ReplaceProblem CReplaceSession::SearchStep(const ReplaceFields& fields)
{
    TextPoint found;
    if (Search(fields, m_foundAt, found)) {
        m_foundAt = found;
        m_state = {m_search.MatchEnd(), found, m_search.MatchEnd()};
        return ReplaceProblem::None;
    }
    m_currentPos = InSelection(fields) ? m_blockBegin : TextPoint{0, 0};
    return Failure(m_search);
}

TextPoint CReplaceSession::AllStart(const ReplaceFields& fields) const
{
    if (!InSelection(fields))
        return {0, 0};
    return m_found ? m_foundAt : m_currentPos;
}

bool CReplaceSession::AdvancePastEmptyMatch()
{
    if (m_foundAt.y + 1 >= m_buffer.LineCount())
        return false;
    m_foundAt = {0, m_foundAt.y + 1};
    return true;
}

// Ends of the block at or before the replaced occurrence stay; ends after it move with the
// text that follows it; an end inside it goes to its start.
void CReplaceSession::CarryBlock(TextPoint start, TextPoint oldEnd, TextPoint newEnd)
{
    for (TextPoint* p : {&m_blockBegin, &m_blockEnd}) {
        if (!IsBefore(start, *p))
            continue;
        if (IsBefore(*p, oldEnd))
            *p = start;
        else if (p->y == oldEnd.y)
            *p = {p->x - oldEnd.x + newEnd.x, newEnd.y};
        else
            p->y += newEnd.y - oldEnd.y;
    }
}

bool CReplaceSession::ReplaceFound(const ReplaceFields& fields, bool& more)
{
    const TextRange occurrence = m_state.Selection();
    int replacedLength = 0;
    const auto after = ReplaceSelection(m_buffer, m_view, m_search, m_state, fields.replaceWith,
                                        fields.flags, replacedLength);
    more = false;
    if (!after)
        return false;
    m_state = *after;
    CarryBlock(occurrence.start, occurrence.end, m_state.caret);
    m_foundAt = m_state.caret;
    // After an empty match the search goes on from the next line, so as not to match the
    // same place again.
    more = occurrence.start != occurrence.end || AdvancePastEmptyMatch();
    return true;
}

ReplaceOutcome CReplaceSession::FindNext(const ReplaceFields& fields)
{
    if (!m_found) {
        m_foundAt = m_currentPos;
    } else if (m_search.LastMatchLength() == 0) {
        if (!AdvancePastEmptyMatch()) {
            m_found = false;
            return {ReplaceProblem::NotFound};
        }
    } else {
        ++m_foundAt.x;
    }
    const ReplaceProblem problem = SearchStep(fields);
    m_found = problem == ReplaceProblem::None;
    return {problem};
}

ReplaceOutcome CReplaceSession::Replace(const ReplaceFields& fields)
{
    if (!m_found) {
        m_foundAt = m_currentPos;
        const ReplaceProblem problem = SearchStep(fields);
        m_found = problem == ReplaceProblem::None;
        return {problem};
    }
    ReplaceOutcome outcome;
    bool more;
    if (!ReplaceFound(fields, more)) {
        outcome.problem = ReplaceProblem::CannotExpand;
        return outcome;
    }
    outcome.replaced = 1;
    if (!more) {
        m_found = false; // an empty match on the last line: nothing follows
        return outcome;
    }
    outcome.problem = SearchStep(fields);
    m_found = outcome.problem == ReplaceProblem::None;
    return outcome;
}

ReplaceOutcome CReplaceSession::ReplaceAll(const ReplaceFields& fields,
                                           const ReplaceProgress& progress)
{
    ReplaceOutcome outcome;
    m_foundAt = AllStart(fields);
    outcome.problem = SearchStep(fields);
    if (outcome.problem != ReplaceProblem::None) {
        m_found = false;
        return outcome;
    }
    {
        CUndoGroup group(m_buffer, m_view);
        const int total = m_buffer.LineCount();
        int reportedLine = -1024;
        for (;;) {
            // Asked once per block of lines, so that the question costs nothing measurable.
            if (progress && m_foundAt.y >= reportedLine + 1024) {
                reportedLine = m_foundAt.y;
                if (!progress(m_foundAt.y, total)) {
                    outcome.cancelled = true;
                    break;
                }
            }
            bool more;
            if (!ReplaceFound(fields, more)) {
                outcome.problem = ReplaceProblem::CannotExpand;
                break;
            }
            ++outcome.replaced;
            if (!more)
                break;
            outcome.problem = SearchStep(fields);
            if (outcome.problem != ReplaceProblem::None)
                break;
        }
        group.Commit();
    }
    m_found = false;
    return outcome;
}

ReplaceOutcome CReplaceSession::CountAll(const ReplaceFields& fields)
{
    ReplaceOutcome outcome;
    TextPoint at = AllStart(fields);
    for (;;) {
        TextPoint found;
        if (!Search(fields, at, found)) {
            outcome.problem = Failure(m_search);
            break;
        }
        ++outcome.replaced;
        if (m_search.LastMatchLength() > 0) {
            at = m_search.MatchEnd();
        } else if (found.y + 1 < m_buffer.LineCount()) {
            at = {0, found.y + 1};
        } else {
            outcome.problem = ReplaceProblem::None;
            break;
        }
    }
    if (outcome.replaced > 0 && outcome.problem == ReplaceProblem::NotFound)
        outcome.problem = ReplaceProblem::None;
    return outcome;
}
