// The ten text macros kept in the settings store, and their export to and import from a
// macro file.
#pragma once

#include <string>
#include <string_view>

class CEditRules;
class SettingsStore;
struct EditCaret;

inline constexpr std::string_view kMacrosBeforeKey = "Settings/Macros/Before";
inline constexpr std::string_view kMacrosAfterKey = "Settings/Macros/After";

// "Macros 0" to "Macros 9": the value names and the names in the macro file.
std::string MacroName(int index);

// The store keeps the texts in UTF-8; here they are the buffer's Windows-1251, as in the file.
struct MacroTexts {
    std::string before; // inserted before the caret or selection
    std::string after;  // inserted after it
};
// Read afresh at each use; missing values are empty.
MacroTexts ReadMacro(const SettingsStore& store, int index);

// Macro index (Ctrl+0 to Ctrl+9): its Before text before the selection or caret and its After
// text after it, as one undo step; nothing when both are empty.
EditCaret InsertMacro(CEditRules& rules, const SettingsStore& store, const EditCaret& in,
                      int index);

// What an export or import came to; message is empty on success.
struct MacroTransfer {
    bool ok = false;
    std::string message;
};

// Writes the ten macros to the file (message 8658 and the system's reason when it fails).
MacroTransfer ExportMacros(const SettingsStore& store, const std::string& path);
// Stores each record of the file whose name is one of the ten, as soon as it is read, so a
// file that turns out bad keeps the records before the fault imported.
MacroTransfer ImportMacros(SettingsStore& store, const std::string& path);
