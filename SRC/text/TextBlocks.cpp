// Adding to and looking up the text blocks.
#include "text/TextBlocks.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>
#include <sys/mman.h>

namespace {
// Room for a file that grows while it is read, or for a line longer than what is left.
constexpr size_t kMinBlock = size_t{1} << 20;
} // namespace

void CTextBlocks::Unmap::operator()(char* p) const { munmap(p, size); }

CTextBlocks::Block CTextBlocks::NewBlock(size_t size)
{
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    // Only a hint: without large pages the block works the same.
    madvise(p, size, MADV_HUGEPAGE);
    return {std::unique_ptr<char, Unmap>(static_cast<char*>(p), Unmap{size}), size, 0};
}

char* CTextBlocks::Add(const char* bytes, size_t length)
{
    // The bytes end strictly inside their block, so even an empty line at the end points
    // into it and Holds() recognises it.
    if (m_blocks.empty() || m_blocks.back().size - m_blocks.back().used <= length) {
        const size_t size = std::max({m_nextSize, kMinBlock, length + 1});
        m_blocks.push_back(NewBlock(size));
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
