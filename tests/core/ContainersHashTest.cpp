#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/HashTable.h"
#include "core/List.h"
#include "core/String.h"

TEST(ListTest, IteratesOldestFirstAndUnlinksAnywhere) {
    List<Bucket<int, String>> list;
    auto* a = list.Add({1, "a"});
    auto* b = list.Add({2, "b"});
    auto* c = list.Add({3, "c"});
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.First(), a);
    EXPECT_EQ(list.Last(), c);
    EXPECT_EQ(list.FindKey(String("b")), b);
    EXPECT_EQ(list.FindKey(String("z")), nullptr);

    list.Remove(b);
    std::vector<int> values;
    for (auto& bucket : list) values.push_back(bucket.value);
    EXPECT_EQ(values, (std::vector<int>{1, 3}));
    list.Remove(a);
    list.Remove(c);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    list.Add({4, "d"});
    EXPECT_EQ(list.First(), list.Last());
}

TEST(HashTableTest, FindAddRemove) {
    HashTable<int, String> table;
    EXPECT_EQ(table.Find("x"), nullptr);  // no buckets yet
    table.FindOrAdd("one") = 1;
    table.FindOrAdd("two") = 2;
    int& again = table.FindOrAdd("one");
    EXPECT_EQ(again, 1);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(table.BucketCount(), 16);
    ASSERT_NE(table.Find("two"), nullptr);
    EXPECT_EQ(*table.Find("two"), 2);
    EXPECT_EQ(table.Find("TWO"), nullptr);  // keys compare with case
    EXPECT_TRUE(table.Remove("one"));
    EXPECT_FALSE(table.Remove("one"));
    EXPECT_EQ(table.Count(), 1);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.First(), nullptr);
    table.FindOrAdd("after clear") = 3;
    EXPECT_EQ(*table.Find("after clear"), 3);

    // Values that own memory are released with their entries (the sanitizer build
    // reports a leak otherwise).
    HashTable<String, int> texts;
    for (int i = 0; i < 100; ++i) texts.FindOrAdd(i) = String::Formatted("value %d", i);
    texts.Remove(5);
    EXPECT_TRUE(*texts.Find(99) == "value 99");
}

TEST(HashTableTest, BucketIsTheHashModuloTheCountTakenUnsigned) {
    HashTable<int, int32_t> ints;
    for (int32_t k : {3, 19, 4, -1, 15}) ints.FindOrAdd(k) = k;
    ASSERT_EQ(ints.BucketCount(), 16);
    EXPECT_EQ(ints.FindEntry(3)->list, ints.FindEntry(19)->list);
    EXPECT_NE(ints.FindEntry(3)->list, ints.FindEntry(4)->list);
    EXPECT_EQ(ints.FindEntry(-1)->list, ints.FindEntry(15)->list);  // 0xFFFFFFFF % 16

    HashTable<int, String> strings;
    // "a" and "q" hash 16 apart; "b" lands one bucket on.
    for (const char* k : {"a", "q", "b"}) strings.FindOrAdd(k);
    EXPECT_EQ(strings.FindEntry("a")->list, strings.FindEntry("q")->list);
    EXPECT_NE(strings.FindEntry("a")->list, strings.FindEntry("b")->list);
}

TEST(HashTableTest, GrowsAtFourEntriesPerBucket) {
    HashTable<int, int> table;
    for (int i = 0; i < 63; ++i) table.FindOrAdd(i);
    EXPECT_EQ(table.BucketCount(), 16);
    table.FindOrAdd(63);
    EXPECT_EQ(table.BucketCount(), 102);  // 64 * 1.6
    for (int i = 64; i < 407; ++i) table.FindOrAdd(i);
    EXPECT_EQ(table.BucketCount(), 102);
    table.FindOrAdd(407);
    EXPECT_EQ(table.BucketCount(), 652);
    for (int i = 0; i < 408; ++i) ASSERT_NE(table.Find(i), nullptr) << i;
}

TEST(HashTableTest, ShrinksWhenASixteenthFullFrom400Buckets) {
    HashTable<int, int> table;
    for (int i = 0; i < 100; ++i) table.FindOrAdd(i);
    table.Rebuild(400);
    EXPECT_EQ(table.BucketCount(), 400);
    for (int i = 99; i >= 26; --i) table.Remove(i);
    EXPECT_EQ(table.BucketCount(), 400);
    table.Remove(25);  // 25 entries: one sixteenth of 400
    EXPECT_EQ(table.BucketCount(), 40);

    HashTable<int, int> small;
    for (int i = 0; i < 10; ++i) small.FindOrAdd(i);
    small.Rebuild(399);
    small.Remove(0);
    EXPECT_EQ(small.BucketCount(), 399);
    for (int i = 1; i < 10; ++i) small.Remove(i);
    EXPECT_EQ(small.BucketCount(), 399);
}

TEST(HashTableTest, InsertionOrderSurvivesRebuildsAndRemovals) {
    std::mt19937 rng(11);
    HashTable<int, String> table;
    std::vector<String> order;
    for (int i = 0; i < 3000; ++i) {
        String key = String::Formatted("key%u", unsigned(rng()));
        if (table.Find(key)) continue;
        table.FindOrAdd(key) = i;
        order.push_back(key);
    }
    ASSERT_GT(table.BucketCount(), 1000);
    // Removing every other entry while walking also shrinks the table on the way.
    std::vector<String> kept;
    int index = 0;
    for (auto* e = table.First(); e;) {
        auto* next = table.Next(e);
        if (index++ % 2) table.Remove(e);
        else kept.push_back(e->key);
        e = next;
    }
    table.Rebuild(7);
    std::vector<String> walked;
    for (auto& entry : table) walked.push_back(entry.key);
    ASSERT_EQ(walked.size(), kept.size());
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_TRUE(walked[i] == kept[i]) << i;
    for (size_t i = 0; i < order.size(); i += 2) ASSERT_NE(table.Find(order[i]), nullptr);
    for (size_t i = 1; i < order.size(); i += 2) ASSERT_EQ(table.Find(order[i]), nullptr);
}
