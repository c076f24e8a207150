// The macros in the settings store, exported to and imported from macro files.
#include "edit/core/Macros.h"

#include "edit/core/EditRules.h"
#include "edit/core/MacroFile.h"
#include "res/Strings.h"
#include "settings/core/SettingsStore.h"
#include "text/Cp1251.h"
#include "text/SafeFileWriter.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return cp1251::ToLower(static_cast<uint8_t>(x)) == cp1251::ToLower(static_cast<uint8_t>(y));
    });
}

std::optional<int> MacroIndexOf(std::string_view name)
{
    for (int k = 0; k < kMacroCount; ++k)
        if (SameIgnoringCase(name, MacroName(k)))
            return k;
    return std::nullopt;
}

} // namespace

std::string MacroName(int index) { return "Macros " + std::to_string(index); }

MacroTexts ReadMacro(const SettingsStore& store, int index)
{
    const std::string name = MacroName(index);
    return {Utf8ToCp1251(store.ReadString(kMacrosBeforeKey, name)),
            Utf8ToCp1251(store.ReadString(kMacrosAfterKey, name))};
}

EditCaret InsertMacro(CEditRules& rules, const SettingsStore& store, const EditCaret& in, int index)
{
    const MacroTexts texts = ReadMacro(store, index);
    return rules.InsertTag(in, texts.before, texts.after);
}

MacroTransfer ExportMacros(const SettingsStore& store, const std::string& path)
{
    std::vector<MacroRecord> records;
    for (int k = 0; k < kMacroCount; ++k) {
        const MacroTexts texts = ReadMacro(store, k);
        records.push_back({MacroName(k), texts.after, texts.before});
    }
    const int error = WriteMacroFile(path, records);
    if (error == 0)
        return {true, {}};
    return {false, std::string(ResString(IDS_MACRO_CANNOT_WRITE)) + "\n\n" + path + "\n"
                       + SystemErrorText(error)};
}

MacroTransfer ImportMacros(SettingsStore& store, const std::string& path)
{
    std::string reason;
    const MacroFileStatus status = ReadMacroFile(
        path,
        [&store](const MacroRecord& record) {
            // Stored under the list's own name: the store tells letter case apart, and a name
            // that differs only in case would otherwise land where no macro command looks.
            if (const std::optional<int> k = MacroIndexOf(record.name)) {
                store.WriteString(kMacrosAfterKey, MacroName(*k), Cp1251ToUtf8(record.after));
                store.WriteString(kMacrosBeforeKey, MacroName(*k), Cp1251ToUtf8(record.before));
            }
        },
        &reason);
    if (status == MacroFileStatus::Ok)
        return {true, {}};
    return {false, MacroReadMessage(status, path, reason)};
}
