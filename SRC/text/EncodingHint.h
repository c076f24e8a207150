// Whether the start of a file suggests reopening it in another code page: a file opened in
// Windows-1251 that reads as UTF-8, or a file opened as UTF-8 that is not UTF-8.
#pragma once

#include "text/FileFormat.h"

#include <cstddef>
#include <optional>
#include <string_view>

// At most this much of the start of a file is looked at.
constexpr size_t kEncodingHintBytes = 65536;

// The page to suggest for a file opened in openedPage whose first bytes are head (the whole
// file unless headIsCut), or none when the page chosen looks right. A byte order mark declares
// UTF-8 whatever follows it.
std::optional<CodePage> SuggestedCodePage(std::string_view head, bool headIsCut, CodePage openedPage);
// The same for the file at path, reading at most its first kEncodingHintBytes bytes; none when
// the file cannot be read.
std::optional<CodePage> SuggestedCodePageForFile(const char* path, CodePage openedPage);
