// The charset an HTML page or an XML file names for itself, and the code page it stands for.
#pragma once

#include "text/FileFormat.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct CharsetDeclaration {
    size_t offset = 0;            // where the charset's name starts in the text
    size_t length = 0;            // the name's length; 0 when the text declares no charset
    std::optional<CodePage> page; // the code page the name stands for; none for another charset
    bool Found() const { return length > 0; }
};

// The first declaration in text: an XML declaration's encoding at its very start, else the
// first <meta charset=...> or <meta http-equiv="Content-Type" content="...; charset=...">
// outside comments.
CharsetDeclaration FindCharsetDeclaration(std::string_view text);

// The code page of a charset name, whatever its case; none for a name of none of them.
std::optional<CodePage> CodePageOfCharset(std::string_view name);
// The name a declaration gives for the page ("windows-1251", "koi8-r", "utf-8", ...).
std::string_view CharsetNameOfPage(CodePage page);
