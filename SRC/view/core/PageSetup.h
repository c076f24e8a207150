// What Page Setup keeps in the settings store: the page margins, in hundredths of a
// millimetre, and the print font's size.
#pragma once

#include "view/core/Pagination.h"

#include <string_view>

class SettingsStore;

inline constexpr std::string_view kPageSetupKey = "Settings/PageSetup";

// Each margin missing from the store is 10 mm.
PageMargins ReadPageMargins(const SettingsStore& store);
// False when the store could not take every value.
bool WritePageMargins(SettingsStore& store, const PageMargins& margins);

// "FontSize": kPrintFontAsScreen unless set, kPrintFontHalfScreen or points.
int32_t ReadPrintFontSize(const SettingsStore& store);
bool WritePrintFontSize(SettingsStore& store, int32_t size);
