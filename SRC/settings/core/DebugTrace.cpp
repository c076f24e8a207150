// The trace ring and the report of an unclean end.
#include "settings/core/DebugTrace.h"

#include "res/VersionInfo.h"
#include "settings/core/RecordFields.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

std::vector<uint8_t> TraceRecord::Encode() const
{
    CRecordWriter w;
    w.Number(code);
    w.Number(line);
    w.Text(file, kTextSize);
    w.Text(info, kTextSize);
    assert(w.Size() == kSize);
    return std::vector<uint8_t>(w.Record().begin(), w.Record().end());
}

TraceRecord TraceRecord::Decode(const uint8_t* data, size_t size)
{
    CRecordReader r(data, size);
    TraceRecord record;
    record.code = r.Number<int32_t>();
    record.line = r.Number<int32_t>();
    record.file = r.Text(kTextSize);
    record.info = r.Text(kTextSize);
    return record;
}

std::string debug_values::ItemName(int slot) { return "Item " + std::to_string(slot); }

void DebugTracer::Trace(int32_t code, int32_t line, std::string_view file, std::string_view info)
{
    using namespace debug_values;
    const TraceRecord record{code, line, std::string(file), std::string(info)};
    const std::vector<uint8_t> bytes = record.Encode();
    m_store.WriteNumber(kDebugKey, kLastItem, m_slot);
    m_store.WriteNumber(kDebugKey, kNumberOfItems, m_count);
    m_store.WriteNumber(kDebugKey, kErrorCode, code);
    m_store.WriteBinary(kDebugKey, ItemName(m_slot), bytes.data(), bytes.size());
    m_slot = (m_slot + 1) % kTraceSlots;
    if (m_count < kTraceSlots)
        ++m_count;
}

std::string TakeDebugReport(SettingsStore& store)
{
    using namespace debug_values;
    if (store.ReadNumber(kDebugKey, kErrorCode, -1) == -1)
        return {};
    store.WriteNumber(kDebugKey, kErrorCode, -1);
    const int count = std::clamp(store.ReadNumber(kDebugKey, kNumberOfItems, 0), 0, kTraceSlots);
    int slot = store.ReadNumber(kDebugKey, kLastItem, 0);

    char line[64];
    std::snprintf(line, sizeof line, "Version %d.%02d.%d\r\n", kVersionMajor, kVersionMinor,
                  kVersionBuild);
    std::string report = "Program info\r\nRelease mode\r\n";
    report += line;
    report += "Errors info:\r\n\r\n";
    for (int i = 0; i < count; ++i) {
        slot = ((slot % kTraceSlots) + kTraceSlots) % kTraceSlots;
        uint8_t bytes[TraceRecord::kSize];
        store.ReadBinary(kDebugKey, ItemName(slot), bytes, sizeof bytes);
        const TraceRecord record = TraceRecord::Decode(bytes, sizeof bytes);
        report += "Error code: " + std::to_string(record.code) + "\r\nFile: " + record.file
                  + "\r\nLine: " + std::to_string(record.line) + "\r\nAdditional Info:\r\n"
                  + record.info + "\r\n\r\n";
        --slot;
    }
    return report;
}

DebugCheckOutcome ApplyDebugChoice(SettingsStore& store, DebugChoice choice, int32_t debugMode)
{
    switch (choice) {
    case DebugChoice::Reset:
        store.DeleteAll();
        return {false, 0};
    case DebugChoice::Disable:
        store.WriteNumber(kDebugKey, debug_values::kDebugMode, 0);
        return {false, 0};
    case DebugChoice::Close:
        return {true, debugMode};
    case DebugChoice::Ignore:
        break;
    }
    return {false, debugMode};
}
