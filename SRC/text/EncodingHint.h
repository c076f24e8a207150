// Whether the start of a file suggests reopening it in another code page: the bytes read as
// another page, a file opened as UTF-8 is not UTF-8, or the page declares another charset.
#pragma once

#include "text/FileFormat.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// At most this much of the start of a file is looked at.
constexpr size_t kEncodingHintBytes = 65536;

struct CodePageHint {
    enum class Reason {
        LooksLike, // the bytes read as page
        NotUtf8,   // opened as UTF-8, the bytes are not UTF-8; page is the usual other one
        Declares,  // the text declares page as its charset
    };
    std::optional<CodePage> page; // none when the page chosen looks right
    Reason reason = Reason::LooksLike;
};

// The page to suggest for a file opened in openedPage whose first bytes are head (the whole
// file unless headIsCut). Detection that is sure of another page comes first, then a
// declaration of another page. A byte order mark declares UTF-8 whatever follows it.
CodePageHint SuggestedCodePage(std::string_view head, bool headIsCut, CodePage openedPage);
// The same for the file at path; no hint when the file cannot be read.
CodePageHint SuggestedCodePageForFile(const char* path, CodePage openedPage);

// Reads at most the first kEncodingHintBytes of a regular file into head; false when it
// cannot. headIsCut tells whether the file goes on.
bool ReadFileHead(const char* path, std::string& head, bool& headIsCut);
