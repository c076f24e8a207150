// Whether the start of a file suggests reopening it in another code page: a file opened in
// Windows-1251 that reads as UTF-8, or a file opened as UTF-8 that is not UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

// At most this much of the start of a file is looked at.
constexpr size_t kEncodingHintBytes = 65536;

// The page to suggest for a file opened in openedPage whose first bytes are head (the whole
// file unless headIsCut), or -1 when the page chosen looks right. A byte order mark declares
// UTF-8 whatever follows it.
int SuggestedCodePage(std::string_view head, bool headIsCut, int openedPage);
// The same for the file at path, reading at most its first kEncodingHintBytes bytes; -1 when
// the file cannot be read.
int SuggestedCodePageForFile(const char* path, int openedPage);
