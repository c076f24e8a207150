// Fuzzes the recovery file reader: whatever the bytes, it answers with a status and never
// reads outside them, and a file it accepts comes back the same through the writer's layout.
#include "../support/LinesSource.h"
#include "recovery/core/RecoveryFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The text's lines as the writer takes them: separated by CR LF.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (;;) {
        const size_t end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so that a read past the end is caught.
    const std::vector<char> bytes(data, data + size);
    const RecoveryReadResult read = DecodeRecoveryFile({bytes.data(), bytes.size()});
    Check(!RecoveryStatusText(read.status).empty());
    if (!read.Ok())
        return 0;

    const std::vector<std::string_view> lines = SplitLines(read.text);
    const LinesSource source(std::vector<std::string>(lines.begin(), lines.end()));
    const std::string again = EncodeRecoveryFile(read.info, source);
    const RecoveryReadResult reread = DecodeRecoveryFile(again);
    Check(reread.Ok());
    Check(reread.info == read.info);
    Check(reread.text == read.text);
    return 0;
}
