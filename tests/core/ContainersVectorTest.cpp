#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "core/Array.h"
#include "core/Fatal.h"
#include "core/String.h"
#include "core/Vector.h"

namespace {

template <class T>
std::vector<T> Items(const Vector<T>& v) {
    return std::vector<T>(v.begin(), v.end());
}

Vector<int> Iota(int32_t n) {
    Vector<int> v;
    v.SetCount(n);
    for (int32_t i = 0; i < n; ++i) v[i] = i;
    return v;
}

const char* gExpected = nullptr;
void ReportIfExpected(const char* message) {
    std::fputs(std::strcmp(message, gExpected) == 0 ? "hook-saw-expected" : message, stderr);
}

}  // namespace

TEST(VectorTest, CapacityFigures) {
    struct Case { int32_t count, capacity; };
    for (Case c : {Case{1, 6}, Case{4, 6}, Case{5, 7}, Case{1365, 2047}, Case{1366, 3414}}) {
        Vector<int> v;
        ASSERT_TRUE(v.SetCount(c.count));
        EXPECT_EQ(v.Capacity(), c.capacity) << c.count << " ints";
    }
    // The 8 KB threshold counts bytes, not slots.
    Vector<int64_t> wide;
    wide.SetCount(683);
    EXPECT_EQ(wide.Capacity(), 1024);
    wide.Clear();
    wide.SetCount(684);
    EXPECT_EQ(wide.Capacity(), 684 + 2048);

    Vector<int> grown;
    std::vector<int32_t> capacities;
    for (int i = 0; i < 12; ++i) {
        grown.Append(i);
        if (capacities.empty() || capacities.back() != grown.Capacity())
            capacities.push_back(grown.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int32_t>{6, 10, 16}));
}

TEST(VectorTest, FrontInsertionsUseAQuarterOfTheSpareSlots) {
    Vector<int> v = Iota(20);
    ASSERT_EQ(v.Capacity(), 30);
    ASSERT_EQ(v.FrontRoom(), 0);
    v.Insert(0, -1);
    EXPECT_EQ(v.FrontRoom(), 2);  // (30 - 20 - 1) / 4
    v.Insert(0, -2);
    v.Insert(0, -3);
    EXPECT_EQ(v.FrontRoom(), 0);
    v.Insert(0, -4);  // (30 - 23 - 1) / 4
    EXPECT_EQ(v.FrontRoom(), 1);
    EXPECT_EQ(v.Count(), 24);
    EXPECT_EQ(v[0], -4);
    EXPECT_EQ(v[3], -1);
    EXPECT_EQ(v[23], 19);

    Vector<int> full;
    for (int i = 0; i < 10; ++i) full.Append(i);
    ASSERT_EQ(full.Capacity(), 10);
    full.Insert(0, -1);  // grows to 16 and keeps (16 - 10 - 1) / 4 slots in front
    EXPECT_EQ(full.Capacity(), 16);
    EXPECT_EQ(full.FrontRoom(), 1);
    EXPECT_EQ(Items(full), (std::vector<int>{-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(VectorTest, AppendingAfterFrontRemovalsRecentres) {
    Vector<int> v = Iota(20);
    for (int i = 0; i < 10; ++i) v.Remove(0);
    EXPECT_EQ(v.FrontRoom(), 10);
    for (int i = 20; i < 30; ++i) v.Append(i);
    EXPECT_EQ(v.FrontRoom(), 10);
    v.Append(30);  // past the last slot: (30 - 20) / 8 slots stay in front
    EXPECT_EQ(v.FrontRoom(), 1);
    EXPECT_EQ(v.Capacity(), 30);
    EXPECT_EQ(v[0], 10);
    EXPECT_EQ(v[20], 30);
}

TEST(VectorTest, InsertionInsideMovesTheCheaperSide) {
    Vector<int> v = Iota(20);
    v.Insert(0, -1);  // front room 2
    ASSERT_EQ(v.FrontRoom(), 2);
    v.Insert(5, 100);  // front half: the front part moves
    EXPECT_EQ(v.FrontRoom(), 1);
    v.Insert(15, 200);  // back half: the tail moves
    EXPECT_EQ(v.FrontRoom(), 1);
    EXPECT_EQ(v[5], 100);
    EXPECT_EQ(v[15], 200);
    EXPECT_EQ(v[4], 3);
    EXPECT_EQ(v[6], 4);
    EXPECT_EQ(v[22], 19);
}

TEST(VectorTest, ShrinkingReallocatesPast8KBOfSlack) {
    Vector<int> v = Iota(10000);
    ASSERT_EQ(v.Capacity(), 12048);
    v.SetCount(9000);  // needs 11048: 4000 bytes of slack are kept
    EXPECT_EQ(v.Capacity(), 12048);
    v.SetCount(100);
    EXPECT_EQ(v.Capacity(), 150);
    EXPECT_EQ(v.FrontRoom(), 12);
    EXPECT_EQ(v[99], 99);
    v.SetCount(103);
    EXPECT_EQ(v[100], 0);  // new elements are zero
    EXPECT_EQ(v[102], 0);
    EXPECT_FALSE(v.SetCount(-1));
    EXPECT_EQ(v.Count(), 103);
}

TEST(VectorTest, BehavesLikeASequenceUnderRandomEdits) {
    std::mt19937 rng(7);
    Vector<int> v;
    std::vector<int> model;
    for (int step = 0; step < 20000; ++step) {
        int op = int(rng() % 10);
        int n = int(model.size());
        if (op < 4) {
            int at = op == 0 ? 0 : (op == 1 ? n : int(rng() % (n + 1)));
            ASSERT_TRUE(v.Insert(at, step));
            model.insert(model.begin() + at, step);
        } else if (op < 8 && n > 0) {
            int at = op == 4 ? 0 : (op == 5 ? n - 1 : int(rng() % n));
            v.Remove(at);
            model.erase(model.begin() + at);
        } else if (op == 8) {
            int count = int(rng() % 3000);
            ASSERT_TRUE(v.SetCount(count));
            model.resize(size_t(count), 0);
        } else if (op == 9 && n > 0) {
            ASSERT_TRUE(v.Append(v[int(rng() % n)]));  // an element of the vector itself
            model.push_back(v[n]);
        }
        ASSERT_EQ(v.Count(), int32_t(model.size()));
        ASSERT_LE(v.FrontRoom() + v.Count(), v.Capacity());
    }
    EXPECT_EQ(Items(v), model);
}

TEST(VectorTest, SortIsStableAndCopiesAreDeep) {
    struct Pair { int key, order; };
    Vector<Pair> v;
    int keys[] = {3, 1, 3, 2, 1};
    for (int i = 0; i < 5; ++i) v.Append(Pair{keys[i], i});
    v.Sort([](const Pair& a, const Pair& b) { return a.key - b.key; });
    int expected[][2] = {{1, 1}, {1, 4}, {2, 3}, {3, 0}, {3, 2}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(v[i].key, expected[i][0]);
        EXPECT_EQ(v[i].order, expected[i][1]);
    }
    Vector<Pair> copy = v;
    copy[0].key = 99;
    EXPECT_EQ(v[0].key, 1);
    EXPECT_EQ(copy.IndexOf(v[4]), 4);
}

TEST(ArrayTest, HoldsStringsByValue) {
    Array<String> a;
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(a.Append(String::Formatted("line %d", i)));
    a.Insert(0, "first");
    a.Insert(20, a[0]);  // an element of the array itself, while it grows
    a.Remove(1);
    EXPECT_EQ(a.Count(), 41);
    EXPECT_TRUE(a[0] == "first");
    EXPECT_TRUE(a[19] == "first");
    EXPECT_TRUE(a[1] == "line 1");
    EXPECT_TRUE(a[40] == "line 39");

    a.Sort([](const String& x, const String& y) { return x.Compare(y, true); });
    EXPECT_TRUE(a[0] == "first");
    EXPECT_TRUE(a[2] == "line 1");
    Array<String> copy = a;
    copy[0] = "changed";
    EXPECT_TRUE(a[0] == "first");
    a.SetCount(3);
    EXPECT_EQ(a.Count(), 3);
    a.SetCount(5);
    EXPECT_TRUE(a[4].IsEmpty());
}

TEST(ArrayTest, ShrinkReleasesSlack) {
    Array<int64_t> a;
    a.SetCount(5000);
    ASSERT_EQ(a.Capacity(), 5000 + 2048);
    a.SetCount(10);
    EXPECT_EQ(a.Capacity(), 15);
}

class VectorDeathTest : public testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(VectorDeathTest, IndexErrorsNameTypeIndexAndMaxIndex) {
    EXPECT_EXIT(
        {
            gExpected = "Vector<int>[3]\r\nmax_index = 2";
            SetFatalHook(ReportIfExpected);
            Vector<int> v = Iota(3);
            v[3] = 0;
        },
        testing::ExitedWithCode(1), "hook-saw-expected");
    EXPECT_EXIT(
        {
            gExpected = "Vector<String*>[0]\r\nmax_index = -1";
            SetFatalHook(ReportIfExpected);
            Vector<String*> v;
            v.Remove(0);
        },
        testing::ExitedWithCode(1), "hook-saw-expected");
    EXPECT_EXIT(
        {
            gExpected = "Vector<String>[-1]\r\nmax_index = 0";
            SetFatalHook(ReportIfExpected);
            Array<String> a;
            a.Append("x");
            (void)a[-1];
        },
        testing::ExitedWithCode(1), "hook-saw-expected");
}
