// Display-column arithmetic of the text view.
#include "view/core/TextLayout.h"

#include <cstdlib>
#include <cstring>

namespace text_layout {

int EffectiveTabSize(int tabSize) { return tabSize >= 1 && tabSize <= 63 ? tabSize : 4; }

int ColumnOfChar(std::string_view line, int index, int tabSize)
{
    if (index > static_cast<int>(line.size()))
        index = static_cast<int>(line.size());
    const char* text = line.data();
    // Lines without tabs are the rule; memchr finds that out at memory speed.
    const void* tab = index > 0 ? std::memchr(text, '\t', static_cast<size_t>(index)) : nullptr;
    if (!tab)
        return index < 0 ? 0 : index;
    int column = static_cast<int>(static_cast<const char*>(tab) - text);
    for (int i = column; i < index; ++i)
        column += text[i] == '\t' ? TabAdvance(column, tabSize) : 1;
    return column;
}

int CharOfColumn(std::string_view line, int column, int tabSize)
{
    if (column <= 0)
        return 0;
    const int length = static_cast<int>(line.size());
    int c = 0;
    for (int i = 0; i < length; ++i) {
        c += line[i] == '\t' ? TabAdvance(c, tabSize) : 1;
        if (c >= column)
            return column <= c - tabSize / 2 ? i : i + 1;
    }
    return length;
}

int CharAtColumn(std::string_view line, int column, int tabSize)
{
    const int length = static_cast<int>(line.size());
    int c = 0;
    for (int i = 0; i < length; ++i) {
        c += line[i] == '\t' ? TabAdvance(c, tabSize) : 1;
        if (c > column)
            return i;
    }
    return length;
}

void ExpandTabs(std::string_view line, int start, int count, int startColumn, int tabSize,
                bool visibleWhitespace, std::string& out)
{
    out.clear();
    const char* text = line.data() + start;
    if (!visibleWhitespace && !std::memchr(text, '\t', static_cast<size_t>(count))) {
        out.assign(text, static_cast<size_t>(count));
        return;
    }
    int column = startColumn;
    for (int i = 0; i < count; ++i) {
        const char c = text[i];
        if (c == '\t') {
            const int n = TabAdvance(column, tabSize);
            out.append(1, visibleWhitespace ? kVisibleTab : ' ');
            out.append(static_cast<size_t>(n - 1), ' ');
            column += n;
        } else {
            out.push_back(c == ' ' && visibleWhitespace ? kVisibleSpace : c);
            ++column;
        }
    }
}

int SmoothScrollStep(int distance) { return std::abs(distance) / 6 + 1; }

} // namespace text_layout
