// Splitting the filter text into names and patterns.
#include "text/FileFilter.h"

namespace {

std::string_view NextField(std::string_view& text, char separator)
{
    const size_t end = text.find(separator);
    const std::string_view field = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return field;
}

} // namespace

std::vector<FileFilterEntry> ParseFileFilter(std::string_view text)
{
    std::vector<FileFilterEntry> entries;
    while (!text.empty()) {
        const std::string_view name = NextField(text, '|');
        std::string_view patterns = NextField(text, '|');
        if (name.empty())
            break; // the closing "||"
        FileFilterEntry entry{std::string(name), {}, std::string(patterns)};
        while (!patterns.empty()) {
            const std::string_view pattern = NextField(patterns, ';');
            if (!pattern.empty())
                entry.patterns.emplace_back(pattern == "*.*" ? "*" : pattern);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}
