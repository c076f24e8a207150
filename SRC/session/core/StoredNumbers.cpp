// The numbers at the start of the session's stored texts.
#include "session/core/StoredNumbers.h"

#include <charconv>

std::optional<int32_t> TakeNumber(std::string_view& text)
{
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end == text.data() + text.size() || *end != ' ')
        return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()) + 1);
    return number;
}
