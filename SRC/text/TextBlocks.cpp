// Adding to and looking up the text blocks.
#include "text/TextBlocks.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {
// Room for a file that grows while it is read, or for a line longer than what is left.
constexpr size_t kMinBlock = size_t{1} << 20;
} // namespace

char* CTextBlocks::Add(const char* bytes, size_t length)
{
    // The bytes end strictly inside their block, so even an empty line at the end points
    // into it and Holds() recognises it.
    if (m_blocks.empty() || m_blocks.back().size - m_blocks.back().used <= length) {
        const size_t size = std::max({m_nextSize, kMinBlock, length + 1});
        m_blocks.push_back({std::unique_ptr<char[]>(new char[size]), size, 0});
        m_nextSize = kMinBlock;
    }
    Block& block = m_blocks.back();
    char* at = block.data.get() + block.used;
    if (length > 0)
        std::memcpy(at, bytes, length);
    block.used += length;
    return at;
}

bool CTextBlocks::Holds(const char* p) const
{
    // Storage of other allocations may lie anywhere, so the addresses are compared through
    // std::less.
    const std::less<const char*> before;
    for (const Block& block : m_blocks)
        if (!before(p, block.data.get()) && before(p, block.data.get() + block.size))
            return true;
    return false;
}

size_t CTextBlocks::Bytes() const
{
    size_t total = 0;
    for (const Block& block : m_blocks)
        total += block.used;
    return total;
}
