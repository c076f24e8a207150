// The file filter text of the open and save dialogs: "name|patterns|name|patterns||".
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct FileFilterEntry {
    std::string name;                  // "HTML Files (.html;.htm;.shtml;.xhtml;.ihtml)"
    std::vector<std::string> patterns; // "*.htm", "*.html", ...
    std::string patternText;           // as written: "*.htm;*.html;..."
};

// The entries in order; a pattern "*.*" stands for every file and becomes "*".
std::vector<FileFilterEntry> ParseFileFilter(std::string_view text);
