// Fuzzes the UTF-8 decoder and encoder. Input: byte 0 and byte 1 pick two cuts that split the
// rest into three pieces; the rest is the file. Checks that the pieces decode as the whole does,
// that every "?" of the result is either a "?" of the file or a counted loss, that the output
// stays inside its room, that the text encodes and decodes back to itself without loss, and
// that the hint's decision runs on the same bytes.
#include "text/EncodingHint.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Decoded {
    std::string text;
    int64_t lossy = 0;
    bool mark = false;
};

// Exact-size buffers, so that a write past the promised room is caught.
Decoded Decode(const char* data, const std::vector<size_t>& cuts)
{
    Utf8Decoder decoder;
    Decoded result;
    size_t from = 0;
    for (size_t to : cuts) {
        std::vector<char> out(Utf8Decoder::OutputRoom(to - from));
        const size_t n = decoder.Decode(data + from, to - from, out.data());
        Check(n <= out.size());
        result.text.append(out.data(), n);
        from = to;
    }
    std::vector<char> tail(3);
    result.text.append(tail.data(), decoder.Finish(tail.data()));
    result.lossy = decoder.LossyCount();
    result.mark = decoder.HadByteOrderMark();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const std::string file(reinterpret_cast<const char*>(data) + 2, size - 2);
    size_t a = data[0] % (file.size() + 1), b = data[1] % (file.size() + 1);
    if (a > b)
        std::swap(a, b);

    const Decoded whole = Decode(file.data(), {file.size()});
    const Decoded cut = Decode(file.data(), {a, b, file.size()});
    Check(cut.text == whole.text && cut.lossy == whole.lossy && cut.mark == whole.mark);
    Check(whole.text.size() <= file.size());
    Check(std::count(whole.text.begin(), whole.text.end(), '?')
          == whole.lossy + std::count(file.begin(), file.end(), '?'));

    std::vector<char> encoded(3 * whole.text.size() + 1);
    encoded.resize(Utf8Encoder::EncodeUtf8(whole.text.data(), whole.text.size(), encoded.data()));
    const std::string again(encoded.begin(), encoded.end());
    const Decoded back = Decode(again.data(), {again.size()});
    // A text that began with the mark's character cannot: it was a "?" (U+FEFF is no
    // Windows-1251 character), so the mark never comes back from the text.
    Check(back.text == whole.text && back.lossy == 0 && !back.mark);
    Check(ScanUtf8(again, false).valid);

    for (CodePage page : {CodePage::Windows1251, CodePage::Utf8}) {
        const std::optional<CodePage> suggested = SuggestedCodePage(file, data[0] & 1, page).page;
        Check(!suggested || (IsKnown(*suggested) && *suggested != page));
    }
    return 0;
}
