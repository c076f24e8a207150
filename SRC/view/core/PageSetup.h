// The page margins of Page Setup in the settings store, in hundredths of a millimetre.
#pragma once

#include "view/core/Pagination.h"

#include <string_view>

class SettingsStore;

inline constexpr std::string_view kPageSetupKey = "Settings/PageSetup";

// Each margin missing from the store is 10 mm.
PageMargins ReadPageMargins(const SettingsStore& store);
// False when the store could not take every value.
bool WritePageMargins(SettingsStore& store, const PageMargins& margins);
