// Accepted words and the personal word list file.
#include "spell/core/WordSet.h"

#include "text/Cp1251.h"
#include "text/Utf8Page.h"
#include "text/Utf8Text.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Lower(std::string_view word)
{
    std::string lower(word);
    for (char& c : lower)
        c = static_cast<char>(cp1251::ToLower(static_cast<uint8_t>(c)));
    return lower;
}

bool HasLower(std::string_view word)
{
    for (const char c : word)
        if (cp1251::IsLower(static_cast<uint8_t>(c)))
            return true;
    return false;
}

// A UTF-8 line as Windows-1251; false when it has a character the code page lacks.
bool FromUtf8(std::string_view line, std::string& out)
{
    Utf8Decoder decoder;
    std::vector<char> bytes(Utf8Decoder::OutputRoom(line.size()) + 3);
    size_t n = decoder.Decode(line.data(), line.size(), bytes.data());
    n += decoder.Finish(bytes.data() + n);
    out.assign(bytes.data(), n);
    return decoder.LossyCount() == 0;
}

bool SetError(std::string& error, const std::string& path)
{
    error = path + ": " + std::strerror(errno);
    return false;
}

} // namespace

bool CWordSet::Contains(std::string_view word) const
{
    if (word.empty())
        return false;
    if (m_words.contains(std::string(word)))
        return true;
    const std::string lower = Lower(word);
    if (lower == word)
        return false;
    // "Word" and "WORD" for "word"; "WORD" for "Word".
    const bool capitals = !HasLower(word);
    const bool capitalised = std::string_view(lower).substr(1) == word.substr(1);
    if ((capitals || capitalised) && m_words.contains(lower))
        return true;
    if (!capitals)
        return false;
    std::string firstCapital = lower;
    firstCapital[0] = word[0];
    return m_words.contains(firstCapital);
}

std::string DefaultPersonalWordsPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (data && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.local/share";
    }
    return base + "/tagwright/personal-words.txt";
}

bool LoadPersonalWords(const std::string& path, CWordSet& set, std::string& error)
{
    if (access(path.c_str(), F_OK) != 0 && errno == ENOENT)
        return true;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return SetError(error, path);
    std::string line, word;
    while (std::getline(file, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        if (FromUtf8(std::string_view(line).substr(first), word))
            set.Add(word);
    }
    if (file.bad())
        return SetError(error, path);
    return true;
}

bool AppendPersonalWord(const std::string& path, std::string_view word, std::string& error)
{
    std::error_code code;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), code);
    if (code) {
        error = path + ": " + code.message();
        return false;
    }
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return SetError(error, path);
    // A list whose last line has no line end (edited by hand) gets one first.
    std::string text;
    struct stat info {};
    char last = '\n';
    if (fstat(fd, &info) == 0 && info.st_size > 0 && pread(fd, &last, 1, info.st_size - 1) != 1)
        last = '\n';
    if (last != '\n')
        text += '\n';
    text += Cp1251ToUtf8(word);
    text += '\n';
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    if (!written) {
        const int saved = errno;
        close(fd);
        errno = saved;
        return SetError(error, path);
    }
    if (close(fd) != 0)
        return SetError(error, path);
    return true;
}
