// Storage for the text a file brought in: a few large blocks that lines point into.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Bytes are only ever added, never changed or freed one by one: a line that changes moves to
// storage of its own, and the blocks go when the buffer's text is replaced and no snapshot
// reads them any more.
class CTextBlocks {
public:
    // The first block holds expectedBytes, so a file that does not grow while it is read
    // fills one block. Pages never written are not taken from the system.
    explicit CTextBlocks(size_t expectedBytes) : m_nextSize(expectedBytes) {}
    CTextBlocks(const CTextBlocks&) = delete;
    CTextBlocks& operator=(const CTextBlocks&) = delete;

    // Copies the bytes in; throws std::bad_alloc when memory runs out.
    char* Add(const char* bytes, size_t length);
    // Whether p points into one of the blocks.
    bool Holds(const char* p) const;
    size_t Bytes() const;

private:
    // Pages of their own, so that a large block can be asked to use the processor's large
    // pages: a file of 100 MB is then read into a few dozen pages rather than 25,000.
    struct Unmap {
        size_t size;
        void operator()(char* p) const;
    };
    struct Block {
        std::unique_ptr<char, Unmap> data;
        size_t size;
        size_t used;
    };
    static Block NewBlock(size_t size);
    std::vector<Block> m_blocks;
    size_t m_nextSize;
};
