// A line-by-line comparison of two texts shown as a unified diff: "-" lines only in the first,
// "+" lines only in the second, with three lines of context around each change.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits text at CR LF (the separator of buffer copies and recovery files).
std::vector<std::string_view> SplitRecoveryLines(std::string_view text);

// Empty when the texts are equal. Very different texts are shown as the first removed and the
// second added where the search for the fewest changes would cost too much.
std::string UnifiedDiff(const std::vector<std::string_view>& before,
                        const std::vector<std::string_view>& after, std::string_view beforeName,
                        std::string_view afterName, int context = 3);
