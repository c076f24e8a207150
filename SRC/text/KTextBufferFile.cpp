// Loading a file into lines and saving lines to a file, with code-page conversion.
#include "text/KTextBuffer.h"

#include "text/CodePages.h"
#include "text/FileDescriptor.h"
#include "text/SafeFileWriter.h"
#include "text/TextBlocks.h"
#include "text/Utf8Page.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kReadBlock = 32768;
constexpr int64_t kGrowthAllowance = int64_t{1} << 20;
// Lines are added in steps of this many while loading rather than by an eighth.
constexpr int kLoadGrowStep = 65536;
const char* const kNotRegularFile = "It is not a regular file.";
const char* const kLineTooLong = "It holds a line longer than the editor can hold (2 GB).";

// Reads up to size bytes, fewer only at the end of the file; -1 on failure.
ssize_t ReadBlock(int fd, char* data, size_t size)
{
    size_t total = 0;
    while (total < size) {
        const ssize_t n = read(fd, data + total, size - total);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        total += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(total);
}

// Brings each block read to Windows-1251 and counts what will not survive a save. A table
// converts a block in place; UTF-8 is decoded into a block of the converter's own, and a
// sequence cut by the end of one block is carried over to the next.
class BlockConverter {
public:
    explicit BlockConverter(CodePage page) : m_page(page)
    {
        if (page == CodePage::Utf8)
            m_decoded = std::make_unique<char[]>(Utf8Decoder::OutputRoom(kReadBlock));
    }

    std::string_view Convert(char* data, size_t size)
    {
        if (m_decoded)
            return {m_decoded.get(), m_utf8.Decode(data, size, m_decoded.get())};
        if (const ByteTable* table = LoadTable(m_page))
            m_lossy += TranslateBytes(data, data, size, *table, &LossyFileBytes(m_page));
        return {data, size};
    }
    // What a sequence cut by the end of the file leaves.
    std::string_view Finish()
    {
        return m_decoded ? std::string_view(m_decoded.get(), m_utf8.Finish(m_decoded.get()))
                         : std::string_view();
    }
    int64_t LossyCount() const { return m_lossy + m_utf8.LossyCount(); }
    bool HadByteOrderMark() const { return m_utf8.HadByteOrderMark(); }

private:
    CodePage m_page;
    int64_t m_lossy = 0;
    Utf8Decoder m_utf8;
    std::unique_ptr<char[]> m_decoded;
};

// Whether the bytes hold the first LF and the byte after it, all that detection looks at.
bool LineEndingKnown(std::string_view text)
{
    const size_t lf = text.find('\n');
    return lf != std::string_view::npos && lf + 1 < text.size();
}

// The first LF decides: none or CR before it gives DOS, CR after it Unix, otherwise Macintosh.
LineEnding DetectLineEnding(const char* data, size_t size)
{
    const char* lf = static_cast<const char*>(std::memchr(data, '\n', size));
    if (!lf || (lf > data && lf[-1] == '\r'))
        return LineEnding::Dos;
    if (lf + 1 < data + size && lf[1] == '\r')
        return LineEnding::Unix;
    return LineEnding::Macintosh;
}

// Splits the converted bytes into lines at the terminator of the mode. With CR LF a CR counts
// as the terminator's first byte only if it is not itself the second CR of a pair: a match
// that fails resets without retrying the byte, so CR CR LF ends no line. Each CR of a run
// therefore toggles the match, and an LF ends the line when an odd run of CRs stands before it.
class LineSplitter {
public:
    using AddLine = void (*)(void* context, const char* bytes, size_t length);

    LineSplitter(bool crlf, AddLine add, void* context)
        : m_crlf(crlf), m_add(add), m_context(context)
    {
    }

    void Feed(const char* p, const char* end)
    {
        while (p < end) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* stop = lf ? lf : end;
            TrackCrRun(p, stop);
            if (!lf) {
                Keep(p, end);
                return;
            }
            if (!m_crlf || m_crMatched) {
                const size_t cut = m_crlf ? 1 : 0;
                if (m_pending.empty()) {
                    m_add(m_context, p, lf - p - cut);
                } else {
                    Keep(p, lf);
                    m_add(m_context, m_pending.data(), m_pending.size() - cut);
                    m_pending.clear();
                }
            } else {
                Keep(p, lf + 1);
            }
            m_crMatched = false;
            p = lf + 1;
        }
    }

    void Finish() { m_add(m_context, m_pending.data(), m_pending.size()); }

private:
    // Holds bytes of a line that is not complete yet; a line too long for the buffer ends
    // the load here rather than after it has filled the memory.
    void Keep(const char* begin, const char* end)
    {
        if (m_pending.size() + (end - begin) > static_cast<size_t>(CKTextBuffer::kMaxLineLength))
            throw std::length_error("line too long");
        m_pending.append(begin, end - begin);
    }

    void TrackCrRun(const char* begin, const char* end)
    {
        if (!m_crlf || begin == end)
            return;
        const char* q = end;
        while (q > begin && q[-1] == '\r')
            --q;
        const bool odd = (end - q) % 2 != 0;
        m_crMatched = (q == begin ? m_crMatched : false) != odd;
    }

    bool m_crlf;
    bool m_crMatched = false; // the bytes so far end in a CR that matched the terminator
    AddLine m_add;
    void* m_context;
    std::string m_pending; // a line that spans blocks
};

} // namespace

std::string CKTextBuffer::LastErrorText() const
{
    return m_lastErrorText.empty() ? SystemErrorText(m_lastError) : m_lastErrorText;
}

bool CKTextBuffer::SetLastError(int error, std::string text)
{
    m_lastError = error;
    m_lastErrorText = std::move(text);
    return false;
}

bool CKTextBuffer::Load(const char* path, ::LineEnding lineEnding, ::CodePage codePage)
{
    SetLastError(0);
    // Only regular files are read: a FIFO or a device may block for ever or never end. The
    // open does not block either, for a file that turns into something else meanwhile.
    struct stat st;
    if (stat(path, &st) != 0)
        return SetLastError(errno);
    if (S_ISDIR(st.st_mode))
        return SetLastError(EISDIR);
    if (!S_ISREG(st.st_mode))
        return SetLastError(EINVAL, kNotRegularFile);
    FileDescriptor fd(open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0)
        return SetLastError(errno);
    if (fstat(fd.Get(), &st) != 0)
        return SetLastError(errno);
    if (!S_ISREG(st.st_mode))
        return SetLastError(EINVAL, kNotRegularFile);
    // The state before reading: a file that changes while it is read then no longer matches.
    const struct stat opened = st;
    ContentHash hash;
    // A file may grow a little while it is read (a log being written); one that keeps
    // growing would fill the memory.
    const int64_t sizeLimit = static_cast<int64_t>(st.st_size) + kGrowthAllowance;
    int64_t total = 0;
    posix_fadvise(fd.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // The text is built aside and takes the buffer's place only when the whole file is read,
    // so a failure at any point leaves the buffer as it was. The lines point into blocks that
    // hold the converted text: one allocation for the whole file rather than one per line.
    struct LoadTarget {
        LineArray lines;
        std::shared_ptr<CTextBlocks> blocks;
    } target;
    BlockConverter converter(codePage);
    auto mode = lineEnding;
    try {
        target.blocks = std::make_shared<CTextBlocks>(static_cast<size_t>(st.st_size) + 1);
        const auto block = std::make_unique<char[]>(kReadBlock);
        ssize_t n = 0;
        std::string_view text;
        // Reads and converts the next block; false (and the error set) when that fails.
        const auto readNext = [&]() {
            n = ReadBlock(fd.Get(), block.get(), kReadBlock);
            if (n < 0)
                return SetLastError(errno);
            total += n;
            if (total > sizeLimit)
                return SetLastError(EFBIG, "The file kept growing while it was read.");
            hash.Add(block.get(), static_cast<size_t>(n));
            text = converter.Convert(block.get(), n);
            return true;
        };
        if (!readNext())
            return false;
        // A first line longer than a block: the blocks are held back until the first LF
        // and the byte after it are read, so that the mode comes from a real line break.
        std::string ahead;
        if (mode == LineEnding::Auto) {
            ahead.assign(text);
            while (n > 0 && !LineEndingKnown(ahead)
                   && ahead.size() <= static_cast<size_t>(kMaxLineLength)) {
                if (!readNext())
                    return false;
                ahead.append(text);
            }
            mode = DetectLineEnding(ahead.data(), ahead.size());
            text = ahead;
        }

        target.lines.SetGrowStep(kLoadGrowStep);
        const auto addLine = [](void* context, const char* bytes, size_t length) {
            if (length > static_cast<size_t>(kMaxLineLength))
                throw std::length_error("line too long");
            auto& into = *static_cast<LoadTarget*>(context);
            into.lines.Append({into.blocks->Add(bytes, length), static_cast<uint32_t>(length), 0});
        };
        LineSplitter splitter(mode == LineEnding::Dos, addLine, &target);
        splitter.Feed(text.data(), text.data() + text.size());
        while (n > 0) {
            if (!readNext())
                return false;
            splitter.Feed(text.data(), text.data() + text.size());
        }
        text = converter.Finish();
        splitter.Feed(text.data(), text.data() + text.size());
        splitter.Finish();
    } catch (const std::bad_alloc&) {
        return SetLastError(ENOMEM);
    } catch (const std::length_error&) {
        return SetLastError(EFBIG, kLineTooLong);
    }

    FreeLines();
    m_lines.Swap(target.lines);
    m_blocks = std::move(target.blocks);
    m_codePage = codePage;
    m_lineEnding = mode;
    m_lossyBytes = converter.LossyCount();
    m_byteOrderMark = converter.HadByteOrderMark();
    m_fileIdentity = IdentityOf(opened, hash.Value());
    m_initialised = true;
    m_readOnly = access(path, W_OK) != 0;
    m_modified = false;
    ResetHistory();
    NotifyChanged(nullptr, nullptr, UPD_RESET, -1);
    return true;
}

bool CKTextBuffer::Save(const char* path, ::LineEnding lineEnding, bool clearModified)
{
    SetLastError(0);
    if (!SaveFile(path, lineEnding == LineEnding::Auto ? m_lineEnding : lineEnding))
        return false;
    if (clearModified) {
        SetModified(false);
        m_savedPosition = m_undoPosition;
    }
    return true;
}

bool CKTextBuffer::SaveFile(const char* path, ::LineEnding lineEnding)
{
    SafeFileWriter writer;
    const std::string_view terminator = lineEnding == LineEnding::Dos ? "\r\n" : "\n";
    // UTF-8 goes through the encoder, terminators included, so that it stays in order.
    const bool utf8 = m_codePage == CodePage::Utf8;
    Utf8Encoder encoder;
    const auto writeRaw = [&](const char* bytes, size_t length) {
        return writer.Write(bytes, length);
    };
    const auto write = [&](const char* bytes, size_t length) {
        return utf8 ? encoder.Put(bytes, length, writeRaw) : writer.Write(bytes, length);
    };
    bool ok = writer.Open(path);
    writer.SetConversion(SaveTable(m_codePage));
    if (ok && utf8 && m_byteOrderMark)
        ok = writer.Write(kUtf8ByteOrderMark.data(), kUtf8ByteOrderMark.size());
    for (int i = 0; ok && i < m_lines.Size(); ++i) {
        const std::string_view line = Line(i);
        ok = write(line.data(), line.size());
        if (ok && i + 1 < m_lines.Size())
            ok = write(terminator.data(), terminator.size());
    }
    if (ok && utf8)
        ok = encoder.Flush(writeRaw);
    if (ok)
        ok = writer.Commit(m_backupOnSave);
    if (ok)
        m_fileIdentity = writer.Written();
    if (!ok)
        SetLastError(writer.Error(), writer.ErrorText());
    return ok;
}
