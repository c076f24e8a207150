// The AutoExpand templates: abbreviations and the text that replaces them.
#pragma once

#include <span>
#include <string_view>

// A template is literal text with one-letter escapes after a backslash: b Backspace, d down,
// e Delete, f line end, h line start, l left, n line break (indented as if typed), r right,
// t the tab fill, u up. Any other letter does nothing.
struct ExpandTemplate {
    std::string_view key; // compared case-sensitively
    std::string_view text;
};

std::span<const ExpandTemplate> ExpandTemplates();
// The template of a key; empty when there is none.
std::string_view FindExpandTemplate(std::string_view key);
