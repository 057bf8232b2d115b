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

// Growth is geometric and front insertions find room kept in front, so that neither
// appending nor inserting at the front copies the whole vector each time; a large
// shrink gives the memory back and new elements are zero.
TEST(VectorTest, BothEndsGrowWithoutCopyingEachTime) {
    for (bool front : {false, true}) {
        Vector<int> v;
        int copies = 0;
        for (int i = 0; i < 10000; ++i) {
            int32_t capacity = v.Capacity();
            bool room = front ? v.FrontRoom() > 0 : v.FrontRoom() + v.Count() < capacity;
            ASSERT_TRUE(front ? v.Insert(0, i) : v.Append(i));
            if (!room || v.Capacity() != capacity) ++copies;
        }
        // Each copy moves everything: a few hundred of them, never one per insertion.
        EXPECT_LE(copies, front ? 400 : 40) << (front ? "front" : "back");
        EXPECT_EQ(v[0], front ? 9999 : 0);
        EXPECT_EQ(v[9999], front ? 0 : 9999);
    }
    Vector<int> v = Iota(10000);
    int32_t capacity = v.Capacity();
    v.SetCount(9000);  // a few removals keep the block
    EXPECT_EQ(v.Capacity(), capacity);
    v.SetCount(100);
    EXPECT_LT(v.Capacity(), 1000);
    EXPECT_EQ(v[99], 99);
    v.SetCount(103);
    EXPECT_EQ(v[100], 0);
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
    Array<String> a;
    a.SetCount(5000);
    ASSERT_GE(a.Capacity(), 5000);
    a.SetCount(10);
    EXPECT_LT(a.Capacity(), 100);
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
