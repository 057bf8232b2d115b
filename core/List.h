// List<T>: a doubly-linked list of individually allocated nodes. New nodes become the
// newest; iteration runs from the oldest toward newer ones, so it visits nodes in the
// order they were added. Nodes never move, so pointers to them stay valid until they
// are removed.
//
//   Add() / Add(v)        links a new node in as the newest and returns it
//   Remove(node)          unlinks and releases the node
//   Unlink(node), Link(node)  move a node between lists without reallocating it
//   Forget()              drops every node without releasing it (the caller owns them)
//   First() (oldest), Next(node) (newer), Count(), Clear()
//   FindKey(k)            for lists of Bucket: the oldest node whose key equals k
//
// Bucket<V, K> is the usual payload: a value and its key, value first.
#pragma once

#include <cstdint>
#include <utility>

template <class V, class K>
struct Bucket {
    V value{};
    K key{};
};

template <class T>
struct ListNode {
    ListNode* newer = nullptr;
    ListNode* older = nullptr;
    T payload{};
};

template <class T>
class List {
public:
    using Node = ListNode<T>;

    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    virtual ~List() { Clear(); }

    int32_t Count() const { return count_; }
    Node* First() const { return oldest_; }
    Node* Last() const { return newest_; }
    static Node* Next(const Node* node) { return node->newer; }

    Node* Add() { return Link(new Node); }
    Node* Add(T payload) {
        Node* node = new Node;
        node->payload = std::move(payload);
        return Link(node);
    }
    void Remove(Node* node) { delete Unlink(node); }

    Node* Link(Node* node) {
        node->newer = nullptr;
        node->older = newest_;
        if (newest_)
            newest_->newer = node;
        else
            oldest_ = node;
        newest_ = node;
        ++count_;
        return node;
    }
    Node* Unlink(Node* node) {
        if (node->newer)
            node->newer->older = node->older;
        else
            newest_ = node->older;
        if (node->older)
            node->older->newer = node->newer;
        else
            oldest_ = node->newer;
        node->newer = node->older = nullptr;
        --count_;
        return node;
    }

    void Clear() {
        for (Node* node = oldest_; node;) {
            Node* newer = node->newer;
            delete node;
            node = newer;
        }
        oldest_ = newest_ = nullptr;
        count_ = 0;
    }

    // Empties the list without releasing its nodes, for an owner that has already
    // taken them over.
    void Forget() {
        oldest_ = newest_ = nullptr;
        count_ = 0;
    }

    template <class K>
    Node* FindKey(const K& key) const {
        for (Node* node = oldest_; node; node = node->newer) {
            if (node->payload.key == key) return node;
        }
        return nullptr;
    }

    class Iterator {
    public:
        explicit Iterator(Node* node) : node_(node) {}
        T& operator*() const { return node_->payload; }
        T* operator->() const { return &node_->payload; }
        Iterator& operator++() {
            node_ = node_->newer;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return node_ != other.node_; }
        bool operator==(const Iterator& other) const { return node_ == other.node_; }

    private:
        Node* node_;
    };
    Iterator begin() const { return Iterator(oldest_); }
    Iterator end() const { return Iterator(nullptr); }

private:
    int32_t count_ = 0;
    Node* newest_ = nullptr;
    Node* oldest_ = nullptr;
};
