#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/FormatDates.h"
#include "platform/Clock.h"
#include "platform/headless/HeadlessClock.h"

namespace {

// Pins the time zone, whichever real clock the test main installed.
class ZoneClock : public Clock {
public:
    explicit ZoneClock(Clock* real) : real_(real) {}
    uint32_t TickCount() override { return real_->TickCount(); }
    DateTime LocalNow() override { return real_->LocalNow(); }
    TimeZone LocalTimeZone() override { return zone; }
    void Sleep(uint32_t milliseconds) override { real_->Sleep(milliseconds); }
    TimeZone zone;

private:
    Clock* real_;
};

class FormatDateTimeTest : public testing::Test {
protected:
    void SetUp() override { previous_ = InstallClock(&clock_); }
    void TearDown() override {
        InstallClock(previous_);
        SetDefaultDateTimeFormat("");
    }
    String Zone(int32_t bias, int32_t standardBias, int32_t daylightBias, bool daylight) {
        clock_.zone = TimeZone{bias, standardBias, daylightBias, daylight};
        return FormatDateTime(DateTime::At(2026, 12, 4, 13, 5, 9), "b");
    }

    Clock* previous_ = nullptr;
    ZoneClock clock_{&TheClock()};
};

String At(int hour, const char* format) {
    return FormatDateTime(DateTime::At(2026, 12, 4, hour, 5, 9), format);
}

TEST_F(FormatDateTimeTest, CommonForms) {
    DateTime friday = DateTime::At(2026, 12, 4, 13, 5, 9);
    EXPECT_STREQ(FormatDateTime(friday, "m/d/yy").c_str(), "12/4/2026");
    EXPECT_STREQ(FormatDateTime(friday, "dd M yy").c_str(), "04 Dec 2026");
    EXPECT_STREQ(FormatDateTime(friday, "m/d/y h:ii:ssap").c_str(), "12/4/26 1:05:09p");
    EXPECT_STREQ(FormatDateTime(friday, "m/d/yy HH:ii:ss").c_str(), "12/4/2026 13:05:09");
    EXPECT_STREQ(FormatDateTime(friday, "WW, MM D, YY").c_str(),
                 "Friday, December 4th, Twenty Twenty Six");
}

TEST_F(FormatDateTimeTest, EveryTokenInShortAndLongForm) {
    DateTime saturday = DateTime::At(2026, 3, 7, 8, 4, 5);
    EXPECT_STREQ(FormatDateTime(saturday, "yy|y|mm|m|MM|M|dd|d|DD|D").c_str(),
                 "2026|26|03|3|March|Mar|07|7|Seventh|7th");
    EXPECT_STREQ(FormatDateTime(saturday, "WW|W|ww|w|HH|H|hh|h|ii|i|ss|s").c_str(),
                 "Saturday|Sat|07|7|08|8|08|8|04|4|05|5");
    EXPECT_STREQ(FormatDateTime(DateTime::At(2005, 1, 31, 0, 0, 0), "YY|Y|y|DD").c_str(),
                 "Two Thousand Five|Oh Five|05|Thirty First");
    EXPECT_STREQ(FormatDateTime(DateTime::At(1995, 1, 21, 0, 0, 0), "YY|Y|DD").c_str(),
                 "Nineteen Ninety Five|Ninety Five|Twenty First");
}

TEST_F(FormatDateTimeTest, TwelveHourClockAroundMidnightAndNoon) {
    EXPECT_STREQ(At(0, "hh h AP").c_str(), "12 12 a.m.");
    EXPECT_STREQ(At(1, "hh h AP").c_str(), "01 1 a.m.");
    EXPECT_STREQ(At(11, "hh h ap").c_str(), "11 11 a");
    EXPECT_STREQ(At(12, "hh h AP").c_str(), "12 12 p.m.");
    EXPECT_STREQ(At(13, "hh h ap").c_str(), "01 1 p");
    EXPECT_STREQ(At(23, "hh h AP").c_str(), "11 11 p.m.");
}

TEST_F(FormatDateTimeTest, OtherLettersAreCopied) {
    EXPECT_STREQ(At(9, "A").c_str(), "A");
    EXPECT_STREQ(At(9, "a.").c_str(), "a.");
    EXPECT_STREQ(At(9, "Ax ax").c_str(), "Ax ax");
    EXPECT_STREQ(At(9, "at HH").c_str(), "at 09");
    EXPECT_STREQ(At(9, "[T=%!]").c_str(), "[T=%!]");
    // A letter three times is the long form and then the short one.
    EXPECT_STREQ(At(9, "yyy").c_str(), "202626");
}

TEST_F(FormatDateTimeTest, MissingFormatMeansTheDefault) {
    DateTime friday = DateTime::At(2026, 12, 4, 13, 5, 9);
    EXPECT_STREQ(FormatDateTime(friday).c_str(), "");
    SetDefaultDateTimeFormat("d.m.yy");
    EXPECT_STREQ(FormatDateTime(friday).c_str(), "4.12.2026");
    EXPECT_STREQ(FormatDateTime(friday, "").c_str(), "4.12.2026");
    EXPECT_STREQ(FormatDateTime(friday, String()).c_str(), "4.12.2026");
    EXPECT_STREQ(FormatDateTime(friday, "HH").c_str(), "13");
}

TEST_F(FormatDateTimeTest, ZoneOffsetUsesTheBiasInEffect) {
    // Central Europe: one hour east, two in summer.
    EXPECT_STREQ(Zone(-60, 0, -60, false).c_str(), "+0100");
    EXPECT_STREQ(Zone(-60, 0, -60, true).c_str(), "+0200");
    // US Eastern.
    EXPECT_STREQ(Zone(300, 0, -60, false).c_str(), "-0500");
    EXPECT_STREQ(Zone(300, 0, -60, true).c_str(), "-0400");
    EXPECT_STREQ(Zone(-330, 0, 0, false).c_str(), "+0530");
    EXPECT_STREQ(Zone(0, 0, -60, false).c_str(), "+0000");
    // The standard bias counts outside daylight time, and only then.
    EXPECT_STREQ(Zone(0, 30, -60, false).c_str(), "-0030");
    EXPECT_STREQ(Zone(0, 30, -90, true).c_str(), "+0130");
    EXPECT_STREQ(FormatDateTime(DateTime::Date(2026, 1, 1), "dd M yy b").c_str(),
                 "01 Jan 2026 +0130");
}

TEST(DateTime, CalendarRules) {
    EXPECT_EQ(DayOfWeek(2026, 12, 4), 6);
    EXPECT_EQ(DayOfWeek(2000, 1, 1), 7);
    EXPECT_EQ(DayOfWeek(2024, 2, 29), 5);
    EXPECT_EQ(DayOfWeek(1, 1, 1), 2);
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(2026, 4, 31));
    EXPECT_FALSE(IsValidDate(2026, 13, 1));
    EXPECT_FALSE(IsValidDate(2026, 1, 0));
}

TEST(DateTime, DateAndTimePartsAreSetApart) {
    DateTime date = DateTime::Date(2026, 12, 4);
    EXPECT_TRUE(date.HasDate());
    EXPECT_FALSE(date.HasTime());
    DateTime time = DateTime::Time(0, 0, 0);
    EXPECT_FALSE(time.HasDate());
    EXPECT_TRUE(time.HasTime());
}

TEST(Clock, LocalNowIsACompleteDate) {
    DateTime now = TheClock().LocalNow();
    EXPECT_TRUE(now.HasDate());
    EXPECT_TRUE(now.HasTime());
    EXPECT_EQ(now.dayOfWeek, DayOfWeek(now.year, now.month, now.day));
    TimeZone zone = TheClock().LocalTimeZone();
    EXPECT_LE(zone.OffsetMinutes(), 14 * 60);
    EXPECT_GE(zone.OffsetMinutes(), -12 * 60);
}

// The real clock's contract without a bound on how far it moves: Wine's tick steps
// coarsely and a loaded machine sleeps long, so only "it moves, and never back" holds.
TEST(Clock, TheTickMovesOnAcrossSleeps) {
    uint32_t start = TheClock().TickCount();
    uint32_t last = start;
    for (int i = 0; i < 200 && last == start; ++i) {
        TheClock().Sleep(10);
        uint32_t now = TheClock().TickCount();
        EXPECT_LT(uint32_t(now - last), 0x80000000u) << "the tick went backwards";
        last = now;
    }
    EXPECT_NE(last, start);
}

// Retry loops in other tests lean on this: virtual ticks move only by Sleep, and
// Sleep then does not wait.
TEST(HeadlessClock, PinnedTimeAndVirtualTicks) {
    HeadlessClock clock;
    clock.UseVirtualTicks(0xFFFFFF00u);
    clock.Sleep(100000);
    clock.Sleep(500);
    EXPECT_EQ(clock.TickCount(), 0xFFFFFF00u + 100500u);
    EXPECT_EQ(clock.SleepCount(), 2);
    EXPECT_EQ(clock.SleptMilliseconds(), 100500u);

    clock.SetNow(DateTime::At(2026, 12, 4, 13, 5, 9));
    clock.SetTimeZone(TimeZone{300, 0, -60, true});
    Clock* previous = InstallClock(&clock);
    String stamp = FormatDateTime(clock.LocalNow(), "dd M yy HH:ii:ss b");
    InstallClock(previous);
    EXPECT_STREQ(stamp.c_str(), "04 Dec 2026 13:05:09 -0400");

    clock.UseRealNow();
    clock.UseRealTimeZone();
    EXPECT_TRUE(clock.LocalNow().HasTime());
    TimeZone real = clock.LocalTimeZone();
    EXPECT_EQ(real.standardBias, 0);
    EXPECT_LE(real.daylightBias, 0);
}

}  // namespace
