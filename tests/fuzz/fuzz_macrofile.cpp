// Fuzzes the macro file reader: whatever the bytes, it hands out at most ten whole records
// with texts within the limit, and records it accepted come back unchanged through the writer.
#include "edit/core/MacroFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<MacroRecord> Read(std::string_view bytes, MacroFileStatus& status)
{
    std::vector<MacroRecord> records;
    status = DecodeMacroFile(bytes, [&records](const MacroRecord& r) { records.push_back(r); });
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that a read past the end is caught.
    const std::vector<char> bytes(data, data + size);
    MacroFileStatus status;
    const std::vector<MacroRecord> records = Read({bytes.data(), bytes.size()}, status);
    Check(records.size() <= static_cast<size_t>(kMacroCount));
    Check(status == MacroFileStatus::Ok || records.size() < static_cast<size_t>(kMacroCount));
    for (const MacroRecord& r : records)
        Check(r.name.size() <= kMacroTextLimit && r.after.size() <= kMacroTextLimit
              && r.before.size() <= kMacroTextLimit);

    const std::string again = EncodeMacroFile(records);
    MacroFileStatus againStatus;
    const std::vector<MacroRecord> reread = Read(again, againStatus);
    Check(reread == records);
    Check((againStatus == MacroFileStatus::Ok)
          == (records.size() == static_cast<size_t>(kMacroCount)));
    return 0;
}
