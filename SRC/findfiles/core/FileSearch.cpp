// Searching one file or one open document as Find searches a text.
#include "findfiles/core/FileSearch.h"

#include "edit/core/Replace.h"
#include "findfiles/core/FileLines.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <cstring>
#include <deque>

namespace {

// A NUL among the first bytes marks a file that is no text.
constexpr size_t kBinaryProbe = 8192;
// The bytes of the first files counted to tell which bytes are rare in the files searched.
constexpr size_t kAnchorSample = 256 * 1024;

// A line of a UTF-8 file in Windows-1251, as the editor's load reads it. Only the file's very
// first line may start with a byte order mark; elsewhere one is a character like any other.
std::string DecodeUtf8Line(std::string_view raw, bool fileStart)
{
    Utf8Decoder decoder;
    char primer[Utf8Decoder::OutputRoom(1)];
    if (!fileStart)
        decoder.Decode("\n", 1, primer);
    std::string text(Utf8Decoder::OutputRoom(raw.size()) + 3, '\0');
    size_t n = decoder.Decode(raw.data(), raw.size(), text.data());
    n += decoder.Finish(text.data() + n);
    text.resize(n);
    return text;
}

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0 when the first byte
// begins none (the load reads each such byte as one "?").
size_t Utf8SequenceLength(std::string_view bytes)
{
    const auto at = [&](size_t i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0; };
    const uint8_t b = at(0);
    const auto continuation = [&](size_t i, uint8_t low = 0x80, uint8_t high = 0xBF) {
        return at(i) >= low && at(i) <= high;
    };
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        const uint8_t low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
        return continuation(1, low, high) && continuation(2) ? 3 : 0;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        const uint8_t low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
        return continuation(1, low, high) && continuation(2) && continuation(3) ? 4 : 0;
    }
    return 0;
}

// Where each character of a decoded UTF-8 line starts in its bytes, and where the line ends;
// empty when the bytes do not decode to length characters (then the places cannot be trusted).
std::vector<int32_t> Utf8CharacterStarts(std::string_view raw, bool fileStart, size_t length)
{
    std::vector<int32_t> starts;
    starts.reserve(length + 1);
    size_t i = 0;
    if (fileStart && raw.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        i = kUtf8ByteOrderMark.size();
    for (; i < raw.size(); i += std::max<size_t>(1, Utf8SequenceLength(raw.substr(i))))
        starts.push_back(static_cast<int32_t>(i));
    if (starts.size() != length)
        return {};
    starts.push_back(static_cast<int32_t>(raw.size()));
    return starts;
}

} // namespace

LineEnding DetectFileLineEnding(std::string_view head)
{
    // The editor's load reads on to the first LF; the head read here holds it but for a first
    // line longer than the head.
    const size_t lf = head.find('\n');
    if (lf == std::string_view::npos || (lf > 0 && head[lf - 1] == '\r'))
        return LineEnding::Dos;
    if (lf + 1 < head.size() && head[lf + 1] == '\r')
        return LineEnding::Unix;
    return LineEnding::Macintosh;
}

// The lines of a file from its current line on, in Windows-1251, kept for as long as the
// search may look at them.
class CFileSearcher::FileSource {
public:
    FileSource(CFileLines& lines, CodePage codePage, const CRawLiteral* literal,
               const std::atomic<bool>& stop)
        : m_lines(lines), m_codePage(codePage), m_table(LoadTable(codePage)), m_literal(literal),
          m_stop(stop)
    {
    }

    int Current() const { return m_lines.Current(); }
    bool GoTo(int y) { return m_lines.GoTo(y); }
    // Moves to the first line from y on that may hold a match.
    bool NextCandidate(int y)
    {
        return m_lines.GoTo(y) && (!m_literal || m_lines.GoToCandidate(*m_literal, m_stop));
    }

    // Line Current() + ahead; false when the file has no such line.
    bool Text(int ahead, std::string_view& text)
    {
        const Cached* line = At(ahead);
        if (!line)
            return false;
        text = line->text;
        return true;
    }

    // Where character x of line Current() + ahead lies in the file, or -1.
    int64_t FileOffset(int ahead, int x)
    {
        Cached* line = At(ahead);
        if (!line)
            return -1;
        if (m_codePage != CodePage::Utf8)
            return line->fileOffset + x;
        if (line->starts.empty())
            line->starts = Utf8CharacterStarts(line->raw, line->fileOffset == 0, line->text.size());
        return line->starts.empty() ? -1 : line->fileOffset + line->starts[x];
    }

private:
    struct Cached {
        std::string text;
        int64_t fileOffset = 0;
        // UTF-8 only: the file's bytes, and once asked for, where each character starts.
        std::string raw;
        std::vector<int32_t> starts;
    };

    Cached* At(int ahead)
    {
        const int current = m_lines.Current();
        if (m_first != current) {
            const int gone = current - m_first;
            if (m_first < 0 || gone >= static_cast<int>(m_cache.size()))
                m_cache.clear();
            else
                m_cache.erase(m_cache.begin(), m_cache.begin() + gone);
            m_first = current;
        }
        while (static_cast<int>(m_cache.size()) <= ahead) {
            std::string_view raw;
            Cached line;
            if (!m_lines.Line(static_cast<int>(m_cache.size()), raw, line.fileOffset))
                return nullptr;
            if (m_codePage == CodePage::Utf8) {
                line.raw.assign(raw);
                line.text = DecodeUtf8Line(raw, line.fileOffset == 0);
            } else if (m_table) {
                line.text.resize(raw.size());
                TranslateBytes(line.text.data(), raw.data(), raw.size(), *m_table);
            } else {
                line.text.assign(raw);
            }
            m_cache.push_back(std::move(line));
        }
        return &m_cache[ahead];
    }

    CFileLines& m_lines;
    CodePage m_codePage;
    const ByteTable* m_table;
    const CRawLiteral* m_literal;
    const std::atomic<bool>& m_stop;
    std::deque<Cached> m_cache; // lines m_first, m_first + 1, ...
    int m_first = -1;
};

// The lines of an open document.
class CFileSearcher::DocumentSource {
public:
    explicit DocumentSource(const IDocumentLines& lines) : m_lines(lines) {}

    int Current() const { return m_current; }
    bool GoTo(int y)
    {
        m_current = y;
        return y < m_lines.LineCount();
    }
    bool NextCandidate(int y) { return GoTo(y); }
    bool Text(int ahead, std::string_view& text)
    {
        if (m_current + ahead >= m_lines.LineCount())
            return false;
        text = m_lines.Line(m_current + ahead);
        return true;
    }
    int64_t FileOffset(int, int) { return -1; }

private:
    const IDocumentLines& m_lines;
    int m_current = 0;
};

CFileSearcher::CFileSearcher(const FindFilesOptions& options)
    : m_options(options),
      m_joinLines(options.flags & FIND_REGEXP ? RegexSubjectExtraLines(options.pattern) : 0)
{
}

CFileSearcher::~CFileSearcher() = default;

const CRawLiteral& CFileSearcher::LiteralFor(CodePage codePage)
{
    std::unique_ptr<CRawLiteral>& literal = m_literals[Number(codePage)];
    if (!literal)
        literal = std::make_unique<CRawLiteral>(m_options.pattern, m_options.flags, codePage);
    return *literal;
}

bool CFileSearcher::MayMatchInSomePage(std::string_view bytes)
{
    // The file may be in any page: each page's literal looks first for the bytes rarest in the
    // files searched so far, made anew once a sample of them has been counted.
    if (m_sampled < kAnchorSample) {
        const std::string_view sample = bytes.substr(0, kAnchorSample - m_sampled);
        for (const char c : sample)
            ++m_byteCounts[static_cast<uint8_t>(c)];
        m_sampled += sample.size();
        if (m_sampled == kAnchorSample)
            m_telling.clear();
    }
    if (m_telling.empty()) {
        // Pages that read the pattern's bytes alike (all pages of tables, for ASCII) are
        // looked at once.
        const CRawLiteral::ByteCounts* counts =
            m_sampled == kAnchorSample ? &m_byteCounts : nullptr;
        for (int page = 0; page < kCodePageCount; ++page) {
            auto literal = std::make_unique<CRawLiteral>(m_options.pattern, m_options.flags,
                                                         static_cast<CodePage>(page), counts);
            if (!literal->Usable()) {
                m_telling.clear();
                m_telling.push_back(nullptr);
                break;
            }
            if (std::none_of(m_telling.begin(), m_telling.end(),
                             [&](const auto& other) { return literal->SameAs(*other); }))
                m_telling.push_back(std::move(literal));
        }
    }
    const char* const end = bytes.data() + bytes.size();
    return std::any_of(m_telling.begin(), m_telling.end(), [&](const auto& literal) {
        return !literal || literal->Find(bytes.data(), end);
    });
}

template <typename Source>
void CFileSearcher::Walk(Source& source, const std::atomic<bool>& stop, FileResult& result,
                         std::vector<SearchProblem>& problems)
{
    const bool regex = m_options.flags & FIND_REGEXP;
    int y = 0;
    int x = 0;
    while (!stop.load(std::memory_order_relaxed)) {
        // A search from the start of a line may skip to the next line that can hold a match.
        if (!(x == 0 ? source.NextCandidate(y) : source.GoTo(y)))
            return;
        y = source.Current();
        std::string_view line;
        source.Text(0, line);
        std::string_view subject = line;
        m_lineStarts.assign(1, 0);
        if (m_joinLines > 0) {
            m_subject.assign(line);
            std::string_view next;
            for (int j = 1; j <= m_joinLines && source.Text(j, next); ++j) {
                m_subject += '\n';
                m_lineStarts.push_back(static_cast<int>(m_subject.size()));
                m_subject += next;
            }
            subject = m_subject;
        }

        // As Find goes on from a position: a plain pattern sees the line from there on (a
        // whole word may start right there), an expression sees the whole subject.
        int length = 0;
        int at;
        if (!regex) {
            if (x >= static_cast<int>(line.size())) {
                ++y, x = 0;
                continue;
            }
            at = m_search.MatchInLine(line.substr(x), m_options.pattern, m_options.flags, length);
            if (at >= 0)
                at += x;
        } else {
            at = m_search.MatchInLine(subject, m_options.pattern, m_options.flags, length, x);
            if (m_search.Status() == SearchStatus::TooCostly)
                problems.push_back({result.path, "The regular expression is too costly to search "
                                                 "line "
                                                     + std::to_string(y + 1) + "."});
        }
        if (at < 0) {
            ++y, x = 0;
            continue;
        }

        const auto pointAt = [&](int offset) {
            const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
            const int j = static_cast<int>(after - m_lineStarts.begin()) - 1;
            return TextPoint{offset - m_lineStarts[j], y + j};
        };
        FoundMatch match;
        match.start = pointAt(at);
        match.end = pointAt(at + length);
        // Find takes nothing at the very end of the text: there only an empty match can start.
        std::string_view startLine, following;
        source.Text(match.start.y - y, startLine);
        if (length == 0 && match.start.x == static_cast<int>(startLine.size())
            && !source.Text(match.start.y - y + 1, following))
            return;
        if (result.lines.empty() || result.lines.back().line != match.start.y)
            result.lines.push_back({match.start.y, std::string(startLine)});
        match.lineIndex = static_cast<int>(result.lines.size()) - 1;
        match.fileStart = source.FileOffset(match.start.y - y, match.start.x);
        match.fileEnd = source.FileOffset(match.end.y - y, match.end.x);
        if (m_options.replacement) {
            if (!regex) {
                match.replacement = *m_options.replacement;
            } else if (auto expanded =
                           ExpandReplacement(subject, m_search.Match(), *m_options.replacement)) {
                match.replacement = std::move(*expanded);
            } else {
                match.expanded = false;
            }
        }
        result.matches.push_back(std::move(match));
        const FoundMatch& found = result.matches.back();
        // After an empty match the search goes on at the next line, as Replace All does.
        if (length == 0)
            y = found.start.y + 1, x = 0;
        else
            y = found.end.y, x = found.end.x;
    }
}

CFileSearcher::Outcome CFileSearcher::SearchFile(const std::string& path,
                                                 const std::string& relative,
                                                 const IOpenDocuments* documents,
                                                 const std::atomic<bool>& stop, FileResult& result,
                                                 std::vector<SearchProblem>& problems)
{
    result.path = path;
    result.relativePath = relative;
    CFileLines lines(m_buffer);
    std::string error;
    if (!lines.Open(path, error)) {
        problems.push_back({path, error});
        return Outcome::Failed;
    }
    result.identity = lines.Identity();
    if (documents) {
        if (const OpenDocument* document =
                documents->Find(result.identity.device, result.identity.inode)) {
            SearchDocument(*document, stop, result, problems);
            return Outcome::Searched;
        }
    }
    if (!lines.ReadHead(error)) {
        problems.push_back({path, error});
        return Outcome::Failed;
    }
    const std::string_view head = lines.Head();
    if (std::memchr(head.data(), 0, std::min(head.size(), kBinaryProbe)))
        return Outcome::Binary;

    CodePage page = m_options.codePage.value_or(CodePage::Windows1251);
    if (!m_options.codePage) {
        // Telling the page costs more than the search: a file that holds a match in no page
        // is passed over without it.
        if (lines.HeadIsWhole() && !MayMatchInSomePage(head))
            return Outcome::Searched;
        // A file the detector cannot tell (or one in ASCII) is read as the editor reads files.
        const CodePageGuess guess = DetectCodePage(head, !lines.HeadIsWhole());
        page = guess.page.value_or(CodePage::Windows1251);
        result.pageDetected = true;
    }
    result.codePage = page;
    result.lineEnding = DetectFileLineEnding(head);
    lines.SetLineEnding(result.lineEnding);

    const CRawLiteral* literal = m_joinLines == 0 ? &LiteralFor(page) : nullptr;
    FileSource source(lines, page, literal && literal->Usable() ? literal : nullptr, stop);
    Walk(source, stop, result, problems);
    if (!lines.Error().empty()) {
        problems.push_back({path, lines.Error()});
        return Outcome::Failed;
    }
    return Outcome::Searched;
}

void CFileSearcher::SearchDocument(const OpenDocument& document, const std::atomic<bool>& stop,
                                   FileResult& result, std::vector<SearchProblem>& problems)
{
    result.openDocument = true;
    result.codePage = document.codePage;
    result.lineEnding = document.lineEnding;
    result.documentVersion = document.version;
    DocumentSource source(*document.lines);
    Walk(source, stop, result, problems);
}
