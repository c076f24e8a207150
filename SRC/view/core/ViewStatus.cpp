// The status texts of a view.
#include "view/core/ViewStatus.h"

#include <iterator>

namespace {

const char* const kLineEndingTexts[] = {"CRLF: DOS", "CRLF: UNIX", "CRLF: UNIX"};
const char* const kCodePageTexts[] = {"ENC: WIN", "ENC: DOS", "ENC: KOI",
                                      "ENC: ISO", "ENC: MAC", "ENC: UTF8"};

template <size_t N>
std::string TextAt(const char* const (&texts)[N], int index)
{
    return index >= 0 && index < static_cast<int>(std::size(texts)) ? texts[index] : std::string();
}

} // namespace

std::string PositionText(int column, int line)
{
    return "Col " + std::to_string(column) + ",Ln " + std::to_string(line);
}

std::string LineEndingText(LineEnding mode) { return TextAt(kLineEndingTexts, Number(mode)); }

std::string CodePageText(CodePage page) { return TextAt(kCodePageTexts, Number(page)); }

std::string OverwriteText(bool on) { return on ? "OVR" : ""; }

std::string ReadOnlyText(bool on) { return on ? "READ" : ""; }
