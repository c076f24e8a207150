// tw-macrofile read FILE | write OUT: prints the records of a macro file, or writes one from
// such lines through the code of Export.
//
// read prints one line per record, "N name=HEX after=HEX before=HEX" (N from 0, the bytes in
// lower-case hexadecimal), and for a bad file ends with "error: MESSAGE" and exit status 1.
// write reads such lines from standard input and writes the file; it prints nothing and exits
// 0, or 1 with the reason.
#include "edit/core/MacroFile.h"
#include "text/SafeFileWriter.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Hex(std::string_view bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<uint8_t>(c) >> 4];
        out += kDigits[static_cast<uint8_t>(c) & 15];
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The bytes of "label=HEX", or none when the token is not that.
std::optional<std::string> FromHexField(const std::string& token, std::string_view label)
{
    if (token.size() <= label.size() || token.compare(0, label.size(), label) != 0
        || token[label.size()] != '=')
        return std::nullopt;
    const std::string_view hex = std::string_view(token).substr(label.size() + 1);
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]), low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
    }
    return bytes;
}

std::optional<MacroRecord> ParseRecord(const std::string& line)
{
    std::istringstream in(line);
    std::string number, name, after, before, extra;
    if (!(in >> number >> name >> after >> before) || (in >> extra)
        || number.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto n = FromHexField(name, "name"), a = FromHexField(after, "after"),
               b = FromHexField(before, "before");
    if (!n || !a || !b)
        return std::nullopt;
    return MacroRecord{*n, *a, *b};
}

int Read(const std::string& path)
{
    int index = 0;
    const MacroFileStatus status = ReadMacroFile(path, [&index](const MacroRecord& r) {
        std::printf("%d name=%s after=%s before=%s\n", index++, Hex(r.name).c_str(),
                    Hex(r.after).c_str(), Hex(r.before).c_str());
    });
    if (status == MacroFileStatus::Ok)
        return 0;
    std::printf("error: %s\n", MacroReadMessage(status, path).c_str());
    return 1;
}

int Write(const std::string& path)
{
    std::vector<MacroRecord> records;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const std::optional<MacroRecord> record = ParseRecord(line);
        if (!record) {
            std::fprintf(stderr,
                         "tw-macrofile: line %d is not \"N name=HEX after=HEX before=HEX\"\n",
                         number);
            return 1;
        }
        records.push_back(*record);
    }
    const int error = WriteMacroFile(path, records);
    if (error == 0)
        return 0;
    std::fprintf(stderr, "tw-macrofile: %s: %s\n", path.c_str(), SystemErrorText(error).c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // A write beyond the file size limit fails with an error instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc == 3 && std::strcmp(argv[1], "read") == 0)
        return Read(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "write") == 0)
        return Write(argv[2]);
    std::fprintf(stderr, "usage: %s read FILE | write OUT < RECORDS\n", argv[0]);
    return 2;
}
