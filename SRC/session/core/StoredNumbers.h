// Reading the numbers at the start of the session's stored texts ("2 1 /site/a.html").
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The decimal number at the start of text followed by one blank; text then starts after the
// blank. None, and text as it was, when text does not start so.
std::optional<int32_t> TakeNumber(std::string_view& text);
