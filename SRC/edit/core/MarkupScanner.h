// Where each character of markup text stands: between tags, among a tag's names, in an
// attribute value, inside quotes or in a comment.
#pragma once

#include <cstddef>
#include <string_view>

class CMarkupScanner {
public:
    enum class Where { Text, Names, Value, Quoted, Comment };

    // Where the next character stands.
    Where Next() const { return m_where; }
    // Moves past text[i]. Pieces of text (lines) are passed in order, each character once;
    // the piece is there for the look at the characters around i.
    void Pass(std::string_view text, size_t i);

private:
    Where m_where = Where::Text;
    char m_quote = 0;
};
