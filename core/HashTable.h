// HashTable<V, K>: a chained hash table, value first and key second like Bucket. Each
// bucket is a List created when first needed; a second chain through every entry keeps
// insertion order, which iteration follows and which survives rebuilding.
//
//   Find(k) -> V* or nullptr        FindOrAdd(k) -> V& (new value default-constructed)
//   Remove(k) / Remove(entry)       Count(), BucketCount()
//   First(), Next(entry)            entries in insertion order; also range-for
//   Rebuild()                       the load check (run after every add and remove)
//   Rebuild(n)                      exactly n buckets
//   Clear()
//
// Keys hash through HashKey: String keys by String::Hash, integer keys are their own
// hash. Other key types provide `uint32_t HashKey(const K&)` beside their declaration
// and operator==.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

#include "core/List.h"
#include "core/String.h"
#include "core/Vector.h"

inline uint32_t HashKey(const String& key) { return key.Hash(); }

template <class K>
    requires std::is_integral_v<K> || std::is_enum_v<K>
uint32_t HashKey(K key) {
    return uint32_t(key);
}

template <class V, class K>
struct HashEntry : Bucket<V, K> {
    List<HashEntry>* list = nullptr;  // the bucket list holding this entry
    ListNode<HashEntry>* previous = nullptr;  // insertion order
    ListNode<HashEntry>* next = nullptr;
    uint32_t hash = 0;  // kept so that rebuilding does not rehash every key
};

namespace container_detail {

// The bucket lists of one bucket vector all live and die together (a rebuild replaces
// them all, removal keeps an emptied list), so they are carved from shared chunks:
// a million buckets must not cost a million small allocations and frees.
template <class BucketList>
class BucketListArena {
public:
    BucketListArena() = default;
    BucketListArena(const BucketListArena&) = delete;
    BucketListArena& operator=(const BucketListArena&) = delete;
    ~BucketListArena() { Release(); }

    BucketList* New() {
        if (chunks_.Count() == 0 || usedInLast_ == kChunk) {
            void* chunk = std::malloc(kChunk * sizeof(BucketList));
            if (!chunk || !chunks_.Append(static_cast<BucketList*>(chunk))) {
                std::free(chunk);
                OutOfMemory<BucketList>(kChunk);
            }
            usedInLast_ = 0;
        }
        return new (chunks_[chunks_.Count() - 1] + usedInLast_++) BucketList;
    }
    // The lists' nodes must have been taken over (List::Forget) or released already.
    void Release() {
        for (int32_t c = 0; c < chunks_.Count(); ++c) {
            int32_t used = c == chunks_.Count() - 1 ? usedInLast_ : kChunk;
            for (int32_t i = 0; i < used; ++i) chunks_[c][i].~BucketList();
            std::free(chunks_[c]);
        }
        chunks_.Clear();
        usedInLast_ = 0;
    }
    void Swap(BucketListArena& other) {
        std::swap(chunks_, other.chunks_);
        std::swap(usedInLast_, other.usedInLast_);
    }

private:
    static constexpr int32_t kChunk = 256;
    Vector<BucketList*> chunks_;
    int32_t usedInLast_ = 0;
};

}  // namespace container_detail

template <class V, class K>
class HashTable {
public:
    using Entry = HashEntry<V, K>;
    using Node = ListNode<Entry>;
    using BucketList = List<Entry>;

    HashTable() = default;
    HashTable(const HashTable&) = delete;
    HashTable& operator=(const HashTable&) = delete;
    virtual ~HashTable() { Clear(); }

    int32_t Count() const { return count_; }
    int32_t BucketCount() const { return buckets_.Count(); }

    V* Find(const K& key) const {
        Node* node = FindNode(key, HashKey(key));
        return node ? &node->payload.value : nullptr;
    }
    Entry* FindEntry(const K& key) const {
        Node* node = FindNode(key, HashKey(key));
        return node ? &node->payload : nullptr;
    }

    V& FindOrAdd(const K& key) {
        uint32_t hash = HashKey(key);
        if (Node* found = FindNode(key, hash)) return found->payload.value;
        if (buckets_.Count() == 0) {
            Rebuild(16);
            if (buckets_.Count() == 0) container_detail::OutOfMemory<BucketList*>(16);
        }
        BucketList*& list = buckets_[int32_t(hash % uint32_t(buckets_.Count()))];
        if (!list) list = lists_.New();
        Node* node = list->Add();
        Entry& entry = node->payload;
        entry.key = key;
        entry.list = list;
        entry.hash = hash;
        entry.previous = last_;
        if (last_)
            last_->payload.next = node;
        else
            first_ = node;
        last_ = node;
        ++count_;
        Rebuild();  // nodes never move, so `entry` stays valid
        return entry.value;
    }

    bool Remove(const K& key) {
        Node* node = FindNode(key, HashKey(key));
        if (!node) return false;
        RemoveNode(node);
        return true;
    }
    // For removing while walking: take Next(entry) first.
    void Remove(Entry* entry) {
        RemoveNode(entry->previous ? entry->previous->payload.next : first_);
    }

    Entry* First() const { return first_ ? &first_->payload : nullptr; }
    static Entry* Next(const Entry* entry) {
        return entry->next ? &entry->next->payload : nullptr;
    }

    // Keeps the bucket count while the load stays between one sixteenth (for 400 buckets
    // or more) and four entries per bucket.
    void Rebuild() {
        int64_t buckets = buckets_.Count();
        bool crowded = count_ >= 4 * buckets;
        bool sparse = buckets >= 400 && int64_t(count_) * 16 <= buckets;
        if (!crowded && !sparse) return;
        int32_t wanted = int32_t(count_ * 1.6);
        Rebuild(wanted > 16 ? wanted : 16);
    }

    void Rebuild(int32_t bucketCount) {
        if (bucketCount < 1) bucketCount = 1;
        Vector<BucketList*> fresh;
        if (!fresh.SetCount(bucketCount)) return;  // no memory: the old buckets still work
        container_detail::BucketListArena<BucketList> freshLists;
        // Walking the insertion chain rather than the old buckets visits the nodes
        // roughly in the order they were allocated, which the cache prefers.
        for (Node* node = first_; node; node = node->payload.next) {
            BucketList*& list = fresh[int32_t(node->payload.hash % uint32_t(bucketCount))];
            if (!list) list = freshLists.New();
            list->Link(node);
            node->payload.list = list;
        }
        ReleaseBucketLists();
        buckets_ = std::move(fresh);
        lists_.Swap(freshLists);
    }

    void Clear() {
        for (Node* node = first_; node;) {
            Node* next = node->payload.next;
            delete node;
            node = next;
        }
        ReleaseBucketLists();
        buckets_.Clear();
        first_ = last_ = nullptr;
        count_ = 0;
    }

    class Iterator {
    public:
        explicit Iterator(Node* node) : node_(node) {}
        Entry& operator*() const { return node_->payload; }
        Entry* operator->() const { return &node_->payload; }
        Iterator& operator++() {
            node_ = node_->payload.next;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return node_ != other.node_; }
        bool operator==(const Iterator& other) const { return node_ == other.node_; }

    private:
        Node* node_;
    };
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(nullptr); }

private:
    Node* FindNode(const K& key, uint32_t hash) const {
        if (buckets_.Count() == 0) return nullptr;
        BucketList* list = buckets_[int32_t(hash % uint32_t(buckets_.Count()))];
        if (!list) return nullptr;
        for (Node* node = list->First(); node; node = BucketList::Next(node)) {
            if (node->payload.hash == hash && node->payload.key == key) return node;
        }
        return nullptr;
    }

    // The nodes belong to the insertion chain; the lists only borrow them.
    void ReleaseBucketLists() {
        for (BucketList* list : buckets_) {
            if (list) list->Forget();
        }
        lists_.Release();
    }

    void RemoveNode(Node* node) {
        Entry& entry = node->payload;
        if (entry.previous)
            entry.previous->payload.next = entry.next;
        else
            first_ = entry.next;
        if (entry.next)
            entry.next->payload.previous = entry.previous;
        else
            last_ = entry.previous;
        entry.list->Remove(node);
        --count_;
        Rebuild();
    }

    int32_t count_ = 0;
    Vector<BucketList*> buckets_;
    Node* first_ = nullptr;  // oldest entry
    Node* last_ = nullptr;   // newest entry
    container_detail::BucketListArena<BucketList> lists_;
};
