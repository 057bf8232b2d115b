// Vector<T>: a growable array of trivially copyable slots (pointers, integers, plain
// structs). Free slots are kept at both ends, so a queue or a run of front insertions
// costs no more than appending.
//
//   Count()               number of elements
//   operator[](i)         checked: an index outside 0..Count()-1 is a fatal error
//   Insert(i, v)          0 <= i <= Count(); false when memory is exhausted
//   Append(v)             Insert(Count(), v)
//   Remove(i)             checked like operator[]
//   SetCount(n)           new elements are zero; false for n < 0 or no memory
//   Clear()               releases the block
//   Sort(cmp)             stable; cmp(a, b) returns <0, 0 or >0
//   IndexOf(v)            first index whose bytes equal v's, or -1
//   Data(), begin(), end()  element 0 onwards, contiguous
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "core/Fatal.h"

namespace container_detail {

// The element type's name as the compiler spells it, for the index-error message.
template <class T>
constexpr std::string_view TypeName() {
    std::string_view signature = __PRETTY_FUNCTION__;
    size_t start = signature.find("T = ");
    if (start == std::string_view::npos) return "?";
    start += 4;
    size_t end = signature.find_first_of(";]", start);
    return signature.substr(start, end - start);
}

// Half again as many slots as asked for, at least 6, and past 8 KB a fixed 2048 more:
// big arrays must not double.
inline int32_t CapacityFor(int32_t n, size_t elementSize) {
    int64_t c = int64_t(n) * 3 / 2;
    if (c < 7) return 6;
    if (uint64_t(c) * elementSize <= 8192) return int32_t(c);
    return n + 2048;
}

// For the operations that cannot report failure (copies, a first bucket vector).
template <class T>
[[noreturn]] void OutOfMemory(int32_t count) {
    constexpr std::string_view name = TypeName<T>();
    Fatal("Out of memory for %d elements of Vector<%.*s>", int(count), int(name.size()),
          name.data());
}

template <class T>
[[noreturn]] void IndexFatal(int32_t index, int32_t maxIndex) {
    constexpr std::string_view name = TypeName<T>();
    Fatal("Vector<%.*s>[%d]\r\nmax_index = %d", int(name.size()), name.data(), int(index),
          int(maxIndex));
}

}  // namespace container_detail

template <class T>
class Vector {
    static_assert(std::is_trivially_copyable_v<T>, "Vector holds plain slots; use Array");

public:
    Vector() = default;
    Vector(const Vector& other) { CopyFrom(other); }
    Vector(Vector&& other) noexcept { Take(other); }
    Vector& operator=(const Vector& other) {
        if (this != &other) {
            Clear();
            CopyFrom(other);
        }
        return *this;
    }
    Vector& operator=(Vector&& other) noexcept {
        if (this != &other) {
            Clear();
            Take(other);
        }
        return *this;
    }
    virtual ~Vector() { std::free(block_); }

    int32_t Count() const { return count_; }
    int32_t Capacity() const { return capacity_; }
    // Free slots in front of element 0.
    int32_t FrontRoom() const { return first_; }

    T& operator[](int32_t index) {
        if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
        return block_[first_ + index];
    }
    const T& operator[](int32_t index) const {
        if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
        return block_[first_ + index];
    }

    bool Insert(int32_t index, const T& value);
    bool Append(const T& value) { return Insert(count_, value); }
    void Remove(int32_t index);
    bool SetCount(int32_t n);
    void Clear() {
        std::free(block_);
        block_ = nullptr;
        count_ = first_ = capacity_ = 0;
    }

    template <class Compare>
    void Sort(Compare compare) {
        std::stable_sort(begin(), end(),
                         [&](const T& a, const T& b) { return compare(a, b) < 0; });
    }
    int32_t IndexOf(const T& value) const {
        for (int32_t i = 0; i < count_; ++i) {
            if (std::memcmp(&block_[first_ + i], &value, sizeof(T)) == 0) return i;
        }
        return -1;
    }

    T* Data() { return block_ ? block_ + first_ : nullptr; }
    const T* Data() const { return block_ ? block_ + first_ : nullptr; }
    T* begin() { return Data(); }
    T* end() { return Data() + count_; }
    const T* begin() const { return Data(); }
    const T* end() const { return Data() + count_; }

private:
    static int32_t CapacityFor(int32_t n) { return container_detail::CapacityFor(n, sizeof(T)); }

    // Moves to a block of `capacity` slots with the elements starting at slot `front`.
    bool Relocate(int32_t capacity, int32_t front) {
        T* block;
        if (front == first_ && block_) {
            block = static_cast<T*>(std::realloc(block_, size_t(capacity) * sizeof(T)));
            if (!block) return false;
        } else {
            block = static_cast<T*>(std::malloc(size_t(capacity) * sizeof(T)));
            if (!block) return false;
            if (count_) std::memcpy(block + front, block_ + first_, size_t(count_) * sizeof(T));
            std::free(block_);
        }
        block_ = block;
        capacity_ = capacity;
        first_ = front;
        return true;
    }
    // Slides the elements within the block so that element 0 lands on slot `front`.
    void Slide(int32_t front) {
        std::memmove(block_ + front, block_ + first_, size_t(count_) * sizeof(T));
        first_ = front;
    }
    // Room at the front for an insertion at index 0: a quarter of the spare slots stay
    // in front of the new element.
    int32_t FrontInsertRoom(int32_t capacity) const {
        int32_t spare = capacity - count_ - 1;
        int32_t front = spare / 4;
        return std::clamp(front, 0, spare < 0 ? 0 : spare);
    }
    void CopyFrom(const Vector& other) {
        if (!other.count_) return;
        int32_t capacity = CapacityFor(other.count_);
        block_ = static_cast<T*>(std::malloc(size_t(capacity) * sizeof(T)));
        if (!block_) container_detail::OutOfMemory<T>(other.count_);
        std::memcpy(block_, other.block_ + other.first_, size_t(other.count_) * sizeof(T));
        count_ = other.count_;
        capacity_ = capacity;
    }
    void Take(Vector& other) {
        block_ = other.block_;
        count_ = other.count_;
        first_ = other.first_;
        capacity_ = other.capacity_;
        other.block_ = nullptr;
        other.count_ = other.first_ = other.capacity_ = 0;
    }

    int32_t count_ = 0;
    T* block_ = nullptr;
    int32_t first_ = 0;
    int32_t capacity_ = 0;
};

template <class T>
bool Vector<T>::Insert(int32_t index, const T& value) {
    if (index < 0 || index > count_) container_detail::IndexFatal<T>(index, count_);
    const T v = value;  // `value` may live in the block that is about to move
    if (index == count_) {
        if (first_ + count_ == capacity_) {
            if (first_ > 0)
                Slide((capacity_ - count_) / 8);
            else if (!Relocate(CapacityFor(count_ + 1), 0))
                return false;
        }
    } else if (index == 0) {
        if (first_ == 0) {
            if (count_ < capacity_) {
                Slide(FrontInsertRoom(capacity_) + 1);
            } else {
                int32_t capacity = CapacityFor(count_ + 1);
                if (!Relocate(capacity, FrontInsertRoom(capacity) + 1)) return false;
            }
        }
        --first_;
    } else if (first_ > 0 && index < count_ / 2) {
        std::memmove(block_ + first_ - 1, block_ + first_, size_t(index) * sizeof(T));
        --first_;
    } else if (first_ + count_ < capacity_) {
        std::memmove(block_ + first_ + index + 1, block_ + first_ + index,
                     size_t(count_ - index) * sizeof(T));
    } else if (first_ > 0) {
        // No room behind: the front part moves up instead.
        std::memmove(block_ + first_ - 1, block_ + first_, size_t(index) * sizeof(T));
        --first_;
    } else {
        if (!Relocate(CapacityFor(count_ + 1), 0)) return false;
        std::memmove(block_ + index + 1, block_ + index, size_t(count_ - index) * sizeof(T));
    }
    block_[first_ + index] = v;
    ++count_;
    return true;
}

template <class T>
void Vector<T>::Remove(int32_t index) {
    if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
    if (index < count_ / 2) {
        std::memmove(block_ + first_ + 1, block_ + first_, size_t(index) * sizeof(T));
        ++first_;
    } else {
        std::memmove(block_ + first_ + index, block_ + first_ + index + 1,
                     size_t(count_ - index - 1) * sizeof(T));
    }
    --count_;
}

template <class T>
bool Vector<T>::SetCount(int32_t n) {
    if (n < 0) return false;
    if (n > count_) {
        if (first_ + n > capacity_) {
            if (n <= capacity_)
                Slide(0);
            else if (!Relocate(CapacityFor(n), 0))
                return false;
        }
        std::memset(static_cast<void*>(block_ + first_ + count_), 0, size_t(n - count_) * sizeof(T));
    } else if (n < count_) {
        int32_t needed = CapacityFor(n);
        if (uint64_t(capacity_ - needed) * sizeof(T) >= 8192) {
            count_ = n;
            Relocate(needed, (needed - n) / 4);  // on failure the larger block serves on
        }
    }
    count_ = n;
    return true;
}
