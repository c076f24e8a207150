// UTF-8 files: decoding them to Windows-1251 on load and encoding the text back on save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

// The byte order mark a UTF-8 file may start with.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// How a run of bytes reads as UTF-8.
struct Utf8Scan {
    bool valid = true;     // every sequence well formed
    bool nonAscii = false; // some byte from 0x80
};
// Scans bytes; with endMayBeCut (the first part of a longer file) a sequence cut by the end
// of the bytes does not count against validity.
Utf8Scan ScanUtf8(std::string_view bytes, bool endMayBeCut);

// Decodes a UTF-8 byte stream handed over in pieces. A sequence cut by the end of one piece is
// completed by the next, so the result does not depend on where the pieces are cut. A character
// that Windows-1251 lacks becomes "?", and so does every byte that is not part of a valid
// sequence (a lone continuation byte, an overlong form, a surrogate, a code point above
// U+10FFFF, a sequence cut short); each such "?" is counted. A byte order mark at the very start
// is dropped and remembered.
class Utf8Decoder {
public:
    // Output room Decode needs for a piece of size bytes: a cut sequence carried over from the
    // previous piece may turn into up to three more "?".
    static constexpr size_t OutputRoom(size_t size) { return size + 3; }

    // Decodes a piece into out; returns the number of bytes written.
    size_t Decode(const char* in, size_t size, char* out);
    // Ends the stream: a sequence still cut becomes one "?" per byte. Returns the bytes written
    // into out (at most 3).
    size_t Finish(char* out);

    int64_t LossyCount() const { return m_lossy; }
    bool HadByteOrderMark() const { return m_byteOrderMark; }

private:
    // Carries a cut sequence over from the previous piece; returns the input bytes it used.
    size_t CompletePending(const uint8_t* in, size_t size, char*& out);
    const uint8_t* DecodeSequence(const uint8_t* in, const uint8_t* end, char*& out);
    void Emit(char32_t codePoint, char*& out);
    void EmitInvalid(size_t count, char*& out);

    uint8_t m_pending[4] = {};
    int m_pendingSize = 0;
    bool m_atStart = true;
    bool m_byteOrderMark = false;
    int64_t m_lossy = 0;
};

// Encodes Windows-1251 text as UTF-8. Every byte has a code point (the unassigned 0x98 is
// U+0098), so nothing is lost. The text is gathered into pieces of 16 KB, which keeps the
// pieces long for the vector path however short the lines are, and each piece's UTF-8 is handed
// to write(const char*, size_t) -> bool.
class Utf8Encoder {
public:
    Utf8Encoder();

    // False as soon as a write fails.
    template <typename Write>
    bool Put(const char* text, size_t size, Write&& write)
    {
        while (size > 0) {
            const size_t n = size < kPiece - m_used ? size : kPiece - m_used;
            std::memcpy(m_input.get() + m_used, text, n);
            m_used += n;
            text += n;
            size -= n;
            if (m_used == kPiece && !Flush(write))
                return false;
        }
        return true;
    }
    // Hands over what is gathered; call it after the last Put.
    template <typename Write>
    bool Flush(Write&& write)
    {
        const size_t size = m_used;
        m_used = 0;
        return size == 0 || write(m_output.get(), EncodeUtf8(m_input.get(), size, m_output.get()));
    }

    // Encodes size bytes into out, which has room for 3 * size + 1 bytes; returns the bytes
    // written.
    static size_t EncodeUtf8(const char* in, size_t size, char* out);

private:
    static constexpr size_t kPiece = 16384;
    std::unique_ptr<char[]> m_input;
    std::unique_ptr<char[]> m_output;
    size_t m_used = 0;
};
