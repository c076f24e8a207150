// Reading and writing the page margins and the print font's size.
#include "view/core/PageSetup.h"

#include "settings/core/SettingsStore.h"

PageMargins ReadPageMargins(const SettingsStore& store)
{
    PageMargins m;
    m.left = store.ReadNumber(kPageSetupKey, "LeftMargin", PageMargins::kDefault);
    m.right = store.ReadNumber(kPageSetupKey, "RightMargin", PageMargins::kDefault);
    m.top = store.ReadNumber(kPageSetupKey, "TopMargin", PageMargins::kDefault);
    m.bottom = store.ReadNumber(kPageSetupKey, "BottomMargin", PageMargins::kDefault);
    return m;
}

bool WritePageMargins(SettingsStore& store, const PageMargins& m)
{
    bool ok = store.WriteNumber(kPageSetupKey, "LeftMargin", m.left);
    ok = store.WriteNumber(kPageSetupKey, "RightMargin", m.right) && ok;
    ok = store.WriteNumber(kPageSetupKey, "TopMargin", m.top) && ok;
    return store.WriteNumber(kPageSetupKey, "BottomMargin", m.bottom) && ok;
}

int32_t ReadPrintFontSize(const SettingsStore& store)
{
    return store.ReadNumber(kPageSetupKey, "FontSize", kPrintFontAsScreen);
}

bool WritePrintFontSize(SettingsStore& store, int32_t size)
{
    return store.WriteNumber(kPageSetupKey, "FontSize", size);
}
