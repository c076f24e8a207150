// The session's documents in the store: each value is "PAGE LINE-ENDING CARET-X CARET-Y
// SELECTION-START-X SELECTION-START-Y SELECTION-END-X SELECTION-END-Y FIRST-LINE SPLIT PATH".
#include "session/core/SessionDocuments.h"

#include "session/core/StoredNumbers.h"
#include "settings/core/SettingsStore.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kSessionKey = "Session";
constexpr std::string_view kActiveName = "Active";
constexpr std::string_view kCountName = "Count";
constexpr size_t kNumbers = 10;

std::string ValueName(int index) { return "Document" + std::to_string(index + 1); }

std::optional<SessionDocument> Parse(std::string_view text)
{
    std::array<int32_t, kNumbers> n{};
    for (int32_t& number : n) {
        const std::optional<int32_t> taken = TakeNumber(text);
        if (!taken)
            return std::nullopt;
        number = *taken;
    }
    SessionDocument document;
    document.format = {static_cast<CodePage>(n[0]), static_cast<LineEnding>(n[1])};
    const bool fileEnding = Number(document.format.lineEnding) >= 0
                            && Number(document.format.lineEnding) < kLineEndingCount;
    const bool positions = std::all_of(n.begin() + 2, n.end(), [](int32_t v) { return v >= 0; });
    if (text.empty() || !IsKnown(document.format.codePage) || !fileEnding || !positions || n[9] > 1)
        return std::nullopt;
    document.place = {{n[2], n[3]}, {n[4], n[5]}, {n[6], n[7]}, n[8]};
    document.split = n[9] == 1;
    document.path = text;
    return document;
}

std::string Format(const SessionDocument& d)
{
    const ViewPlace& p = d.place;
    std::string value;
    for (const int32_t number :
         {Number(d.format.codePage), Number(d.format.lineEnding), p.caret.x, p.caret.y,
          p.selectionStart.x, p.selectionStart.y, p.selectionEnd.x, p.selectionEnd.y, p.firstLine,
          static_cast<int32_t>(d.split ? 1 : 0)})
        value += std::to_string(number) + ' ';
    return value + d.path;
}

} // namespace

void SessionDocuments::Load(const SettingsStore& store)
{
    documents.clear();
    active = -1;
    const int count =
        std::clamp<int32_t>(store.ReadNumber(kSessionKey, kCountName, 0), 0, kMaxDocuments);
    const int storedActive = store.ReadNumber(kSessionKey, kActiveName, -1);
    for (int i = 0; i < count; ++i) {
        const std::optional<SessionDocument> document =
            Parse(store.ReadString(kSessionKey, ValueName(i)));
        if (!document)
            continue;
        if (i == storedActive)
            active = static_cast<int>(documents.size());
        documents.push_back(*document);
    }
}

void SessionDocuments::Save(SettingsStore& store) const
{
    const int count = std::min(static_cast<int>(documents.size()), kMaxDocuments);
    const int stored =
        std::clamp<int32_t>(store.ReadNumber(kSessionKey, kCountName, 0), 0, kMaxDocuments);
    for (int i = 0; i < std::max(count, stored); ++i)
        store.WriteString(kSessionKey, ValueName(i),
                          i < count ? Format(documents[i]) : std::string());
    store.WriteNumber(kSessionKey, kCountName, count);
    store.WriteNumber(kSessionKey, kActiveName, active < count ? active : -1);
}
