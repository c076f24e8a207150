// A text buffer as the line source of a parser.
#pragma once

#include "syntax/LineParse.h"
#include "text/KTextBuffer.h"

class CBufferLineSource final : public CLineSource {
public:
    explicit CBufferLineSource(const CKTextBuffer& buffer) : m_buffer(buffer) {}
    int LineLength(int line) const override { return m_buffer.LineLength(line); }
    const char* LineText(int line) const override { return m_buffer.LineText(line); }

private:
    const CKTextBuffer& m_buffer;
};
