// An array of plain records that grows by a step rather than by doubling.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

// Grows to the old allocation plus the grow step, or to exactly the needed size if that is
// larger. The step is the explicit one when set, otherwise an eighth of the element count
// clamped to 4..1024. Large blocks are resized with realloc, which the C library serves by
// remapping pages rather than copying them.
template <typename T>
class GrowableArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    GrowableArray() = default;
    GrowableArray(const GrowableArray&) = delete;
    GrowableArray& operator=(const GrowableArray&) = delete;
    ~GrowableArray() { std::free(m_data); }

    void Swap(GrowableArray& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_allocation, other.m_allocation);
        std::swap(m_growStep, other.m_growStep);
    }

    int Size() const { return m_size; }
    int Allocation() const { return m_allocation; }
    void SetGrowStep(int step) { m_growStep = step; }

    T& operator[](int i) { return m_data[i]; }
    const T& operator[](int i) const { return m_data[i]; }
    T* begin() { return m_data; }
    T* end() { return m_data + m_size; }
    const T* begin() const { return m_data; }
    const T* end() const { return m_data + m_size; }

    // New elements are zero-filled. Throws std::bad_alloc when memory runs out.
    void SetSize(int size)
    {
        if (size > m_allocation)
            Reallocate(std::max(m_allocation + GrowStep(), size));
        if (size > m_size)
            std::memset(static_cast<void*>(m_data + m_size), 0, sizeof(T) * (size - m_size));
        m_size = size;
    }

    void Append(const T& value)
    {
        if (m_size == m_allocation)
            Reallocate(m_allocation + GrowStep());
        m_data[m_size++] = value;
    }

    // Opens count zero-filled places at index, moving the following elements up once.
    void InsertGap(int index, int count)
    {
        const int oldSize = m_size;
        SetSize(m_size + count);
        std::memmove(static_cast<void*>(m_data + index + count), m_data + index,
                     sizeof(T) * (oldSize - index));
        std::memset(static_cast<void*>(m_data + index), 0, sizeof(T) * count);
    }

    void RemoveAt(int index, int count)
    {
        std::memmove(static_cast<void*>(m_data + index), m_data + index + count,
                     sizeof(T) * (m_size - index - count));
        m_size -= count;
    }

    void RemoveAll()
    {
        std::free(m_data);
        m_data = nullptr;
        m_size = m_allocation = 0;
    }

private:
    int GrowStep() const
    {
        if (m_growStep > 0)
            return m_growStep;
        return std::clamp(m_size / 8, 4, 1024);
    }

    void Reallocate(int allocation)
    {
        void* p = std::realloc(m_data, sizeof(T) * static_cast<size_t>(allocation));
        if (!p)
            throw std::bad_alloc();
        m_data = static_cast<T*>(p);
        m_allocation = allocation;
    }

    T* m_data = nullptr;
    int m_size = 0;
    int m_allocation = 0;
    int m_growStep = 0;
};
