// Little-endian field readers and writers for the stored binary records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteWriter {
public:
    explicit ByteWriter(uint8_t* out) : m_out(out) {}
    void Byte(uint8_t v) { *m_out++ = v; }
    void Uint32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            Byte(static_cast<uint8_t>(v >> (8 * i)));
    }
    void Int32(int32_t v) { Uint32(static_cast<uint32_t>(v)); }
    void Bytes(const void* data, size_t size)
    {
        std::memcpy(m_out, data, size);
        m_out += size;
    }

private:
    uint8_t* m_out;
};

class ByteReader {
public:
    explicit ByteReader(const uint8_t* in) : m_in(in) {}
    uint8_t Byte() { return *m_in++; }
    uint32_t Uint32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= uint32_t{Byte()} << (8 * i);
        return v;
    }
    int32_t Int32() { return static_cast<int32_t>(Uint32()); }
    void Bytes(void* data, size_t size)
    {
        std::memcpy(data, m_in, size);
        m_in += size;
    }

private:
    const uint8_t* m_in;
};
