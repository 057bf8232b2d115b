// Array<T>: Vector's contract for elements stored by value (String, records with
// Strings) in one block with no room in front; an insertion moves the elements behind
// it one place back. Same capacity figures and index errors as Vector.
//
//   Count(), operator[](i) (checked), Insert(i, v), Append(v), Remove(i),
//   SetCount(n) (new elements default-constructed), Clear(), Sort(cmp),
//   Data(), begin(), end()
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#include "core/Vector.h"

template <class T>
class Array {
public:
    Array() = default;
    Array(const Array& other) { CopyFrom(other); }
    Array(Array&& other) noexcept { Take(other); }
    Array& operator=(const Array& other) {
        if (this != &other) {
            Clear();
            CopyFrom(other);
        }
        return *this;
    }
    Array& operator=(Array&& other) noexcept {
        if (this != &other) {
            Clear();
            Take(other);
        }
        return *this;
    }
    virtual ~Array() { Clear(); }

    int32_t Count() const { return count_; }
    int32_t Capacity() const { return capacity_; }

    T& operator[](int32_t index) {
        if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
        return block_[index];
    }
    const T& operator[](int32_t index) const {
        if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
        return block_[index];
    }

    // Taken by value: the argument may be an element of this array.
    bool Insert(int32_t index, T value) {
        if (index < 0 || index > count_) container_detail::IndexFatal<T>(index, count_);
        if (count_ == capacity_ && !Relocate(CapacityFor(count_ + 1))) return false;
        if (index == count_) {
            new (block_ + count_) T(std::move(value));
        } else {
            new (block_ + count_) T(std::move(block_[count_ - 1]));
            for (int32_t i = count_ - 1; i > index; --i) block_[i] = std::move(block_[i - 1]);
            block_[index] = std::move(value);
        }
        ++count_;
        return true;
    }
    bool Append(T value) { return Insert(count_, std::move(value)); }
    void Remove(int32_t index) {
        if (uint32_t(index) >= uint32_t(count_)) container_detail::IndexFatal<T>(index, count_ - 1);
        for (int32_t i = index; i < count_ - 1; ++i) block_[i] = std::move(block_[i + 1]);
        block_[--count_].~T();
    }
    bool SetCount(int32_t n) {
        if (n < 0) return false;
        if (n > count_) {
            if (n > capacity_ && !Relocate(CapacityFor(n))) return false;
            while (count_ < n) new (block_ + count_++) T();
        } else if (n < count_) {
            for (int32_t i = n; i < count_; ++i) block_[i].~T();
            count_ = n;
            int32_t needed = CapacityFor(n);
            if (uint64_t(capacity_ - needed) * sizeof(T) >= 8192) Relocate(needed);
        }
        return true;
    }
    void Clear() {
        while (count_ > 0) block_[--count_].~T();
        std::free(block_);
        block_ = nullptr;
        capacity_ = 0;
    }

    template <class Compare>
    void Sort(Compare compare) {
        std::stable_sort(begin(), end(),
                         [&](const T& a, const T& b) { return compare(a, b) < 0; });
    }

    T* Data() { return block_; }
    const T* Data() const { return block_; }
    T* begin() { return block_; }
    T* end() { return block_ + count_; }
    const T* begin() const { return block_; }
    const T* end() const { return block_ + count_; }

private:
    static int32_t CapacityFor(int32_t n) { return container_detail::CapacityFor(n, sizeof(T)); }

    bool Relocate(int32_t capacity) {
        T* block = static_cast<T*>(std::malloc(size_t(capacity) * sizeof(T)));
        if (!block) return false;
        for (int32_t i = 0; i < count_; ++i) {
            new (block + i) T(std::move(block_[i]));
            block_[i].~T();
        }
        std::free(block_);
        block_ = block;
        capacity_ = capacity;
        return true;
    }
    void CopyFrom(const Array& other) {
        if (!other.count_) return;
        if (!Relocate(CapacityFor(other.count_))) container_detail::OutOfMemory<T>(other.count_);
        for (; count_ < other.count_; ++count_) new (block_ + count_) T(other.block_[count_]);
    }
    void Take(Array& other) {
        block_ = other.block_;
        count_ = other.count_;
        capacity_ = other.capacity_;
        other.block_ = nullptr;
        other.count_ = other.capacity_ = 0;
    }

    int32_t count_ = 0;
    T* block_ = nullptr;
    int32_t capacity_ = 0;
};
