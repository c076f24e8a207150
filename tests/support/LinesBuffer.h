// A buffer filled with given lines and an empty history, for tests of code that reads or
// edits a buffer.
#pragma once

#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline void FillBuffer(CKTextBuffer& buffer, const std::vector<std::string>& lines)
{
    buffer.InitEmpty();
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    int endLine, endChar;
    ASSERT_TRUE(buffer.RawInsert(nullptr, 0, 0, text, endLine, endChar));
    buffer.SetModified(false);
}
