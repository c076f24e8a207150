// Reader-visible stretches of a line from its colour blocks.
#include "spell/core/ReaderText.h"

#include "syntax/HtmlParser.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/Cp1251.h"

#include <algorithm>

namespace {

// Letters of the text that the parsers do not take for letters (the Ukrainian and other
// Cyrillic letters of 0x80-0xBF): a parser gives them the class of what stands before them or
// a class of their own, so a word of reader text may run over them.
bool IsLetterOutsideParser(char c)
{
    const auto b = static_cast<uint8_t>(c);
    return cp1251::IsLetter(b) && !IsLetter(b);
}

// Widens each range over such letters on either side and joins ranges that then touch.
void WidenOverOtherLetters(std::string_view text, std::vector<ReaderRange>& ranges)
{
    const int length = static_cast<int>(text.size());
    size_t kept = 0;
    for (ReaderRange range : ranges) {
        while (range.begin > 0 && IsLetterOutsideParser(text[range.begin - 1]))
            --range.begin;
        while (range.end < length && IsLetterOutsideParser(text[range.end]))
            ++range.end;
        if (kept > 0 && ranges[kept - 1].end >= range.begin)
            ranges[kept - 1].end = std::max(ranges[kept - 1].end, range.end);
        else
            ranges[kept++] = range;
    }
    ranges.resize(kept);
}

} // namespace

TextModel TextModelOf(SourceType sourceType)
{
    switch (sourceType) {
    case SourceType::Html:
    case SourceType::Sgml:
    case SourceType::Tex:
        return TextModel::Markup;
    case SourceType::PlainText:
        return TextModel::Plain;
    default:
        // Types outside the table have no parser and read as plain text.
        return LineParserFor(sourceType) ? TextModel::Source : TextModel::Plain;
    }
}

WordRules WordRulesOf(SourceType sourceType)
{
    return TextModelOf(sourceType) == TextModel::Source ? WordRules::Code : WordRules::Prose;
}

uint32_t TextStateAfter(SourceType sourceType, uint32_t textState, const CTextLines& source,
                        int line)
{
    int count = 0;
    if (sourceType == SourceType::Html)
        return ParseHtmlText(textState, source, line, nullptr, count, nullptr);
    return ParseLine(sourceType, textState, source, line, nullptr, count);
}

uint32_t CReaderText::Ranges(SourceType sourceType, uint32_t textState, const CTextLines& source,
                             int line, std::vector<ReaderRange>& ranges)
{
    ranges.clear();
    const int length = source.LineLength(line);
    const TextModel model = TextModelOf(sourceType);
    if (model == TextModel::Plain) {
        if (length > 0)
            ranges.push_back({0, length});
        return TextStateAfter(sourceType, textState, source, line);
    }

    const size_t room = static_cast<size_t>(length) + 1;
    m_blocks.resize(room);
    if (m_readerRoom < room) {
        m_reader = std::make_unique<bool[]>(room);
        m_readerRoom = room;
    }
    int count = 0;
    uint32_t after;
    if (sourceType == SourceType::Html) {
        after = ParseHtmlText(textState, source, line, m_blocks.data(), count, m_reader.get());
    } else {
        after = ParseLine(sourceType, textState, source, line, m_blocks.data(), count);
        const ReaderText wanted =
            model == TextModel::Markup ? ReaderText::InMarkup : ReaderText::InSource;
        for (int b = 0; b < count; ++b)
            m_reader[b] = ReaderTextOf(m_blocks[b].colour) == wanted;
    }
    // Characters before the first block are normal text (in HTML, letters that are not the
    // parser's, such as the Ukrainian ones, make no block of their own).
    constexpr uint32_t kHtmlUnread = HS_IN_TAG | HS_COMMENT | HS_SCRIPT | HS_STYLE;
    const bool normalIsRead = model == TextModel::Markup
                              && (sourceType != SourceType::Html || !(textState & kHtmlUnread));
    if (normalIsRead && length > 0 && (count == 0 || m_blocks[0].start > 0))
        ranges.push_back({0, count == 0 ? length : m_blocks[0].start});
    for (int b = 0; b < count; ++b) {
        if (!m_reader[b])
            continue;
        const int begin = m_blocks[b].start;
        const int end = b + 1 < count ? m_blocks[b + 1].start : length;
        if (begin >= end)
            continue;
        if (!ranges.empty() && ranges.back().end == begin)
            ranges.back().end = end;
        else
            ranges.push_back({begin, end});
    }
    WidenOverOtherLetters({source.LineText(line), static_cast<size_t>(length)}, ranges);
    return after;
}
