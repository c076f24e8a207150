// Little-endian fields of stored binary records: the settings record, the trace records, the
// recovery files. The reader checks every read against the bytes it holds: a read past the end
// yields zeros and marks the record short, so a damaged record is reported, not trusted.
#pragma once

#include <algorithm>
#include <cassert>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>

class CRecordReader {
public:
    explicit CRecordReader(std::string_view bytes) : m_bytes(bytes) {}
    CRecordReader(const uint8_t* data, size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), size)
    {
    }

    template <std::integral T>
    T Number()
    {
        const std::string_view bytes = Bytes(sizeof(T));
        using U = std::make_unsigned_t<T>;
        U bits = 0;
        for (size_t i = 0; i < bytes.size(); ++i)
            bits |= U(static_cast<uint8_t>(bytes[i])) << (8 * i);
        return static_cast<T>(bits);
    }
    // The next length bytes, or none when fewer are left.
    std::string_view Bytes(uint64_t length)
    {
        if (m_bytes.size() - m_pos < length) {
            m_short = true;
            m_pos = m_bytes.size();
            return {};
        }
        const std::string_view out = m_bytes.substr(m_pos, length);
        m_pos += length;
        return out;
    }
    // Fills a field of the record's own size, zeros when the record is short.
    template <typename Field>
    void Copy(Field& field)
    {
        static_assert(sizeof(*std::data(field)) == 1);
        const std::string_view bytes = Bytes(sizeof field);
        std::fill(std::begin(field), std::end(field), 0);
        std::copy(bytes.begin(), bytes.end(), std::begin(field));
    }
    // A zero-terminated text in a field of fieldSize bytes.
    std::string Text(size_t fieldSize)
    {
        const std::string_view field = Bytes(fieldSize);
        return std::string(field.substr(0, field.find('\0')));
    }
    // A text stored as its 32-bit length and its bytes.
    std::string_view String() { return Bytes(Number<uint32_t>()); }

    // Whether a read went past the end.
    bool Short() const { return m_short; }
    size_t Position() const { return m_pos; }
    bool AtEnd() const { return m_pos == m_bytes.size(); }

private:
    std::string_view m_bytes;
    size_t m_pos = 0;
    bool m_short = false;
};

class CRecordWriter {
public:
    template <std::integral T>
    void Number(T value)
    {
        using U = std::make_unsigned_t<T>;
        const U bits = static_cast<U>(value);
        for (size_t i = 0; i < sizeof(T); ++i)
            m_bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    }
    void Bytes(std::string_view bytes) { m_bytes.append(bytes); }
    template <typename Field>
    void Copy(const Field& field)
    {
        static_assert(sizeof(*std::data(field)) == 1);
        Bytes({reinterpret_cast<const char*>(std::data(field)), sizeof field});
    }
    // A text cut to fit a field of fieldSize bytes with its terminating zero, zeros after it.
    void Text(std::string_view text, size_t fieldSize)
    {
        assert(fieldSize > 0);
        const size_t kept = std::min(text.size(), fieldSize - 1);
        m_bytes.append(text.substr(0, kept));
        m_bytes.append(fieldSize - kept, '\0');
    }
    // A text as its 32-bit length and its bytes.
    void String(std::string_view text)
    {
        Number(static_cast<uint32_t>(text.size()));
        Bytes(text);
    }

    const std::string& Record() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

private:
    std::string m_bytes;
};
