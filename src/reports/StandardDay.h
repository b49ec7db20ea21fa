#pragma once

#include "reports/ChartReading.h"
#include "reports/SummaryStatistics.h"
#include "store/ReadingTables.h"
#include "store/ReadingTexts.h"

#include <QStringList>

#include <optional>

// The standard day report (frmR04): the readings of one chosen day by minute of
// the day, the user's limits as two flat lines, and the day's statistics.
//
// Example, mg/dL, Max 180, Min 70, entries 2006/3/5 07:05 123, 2006/3/6 08:00 99,
// 2006/3/5 19:30 250, choice "2006/3/5" (or "5/3/2006"): rows 425 "123.00" and
// 1170 "250.00", every other row ""; high 180, low 70; matched 2, highest "250",
// lowest "123", average "186". In mmol/L the rows read "6.8" and "13.9" and the
// limits 10 and 3.888...
namespace StandardDay {

inline constexpr int kMinutesPerDay = 1440;

// Combo4's entries: the date of entry 1, then of every entry whose year, month or
// day differs from the entry before it, in table order and unsorted (dates A, B,
// A give three entries). Date format Other gives none.
QStringList dates(const ReadingTables &tables, DateFormat format);

// Row of the day table for a time, hour × 60 + minute; -1 when that lies outside
// 0..1439 (a meter's hour 24..31, a damaged file's hour 99): such a reading
// counts in the statistics but has no place on the chart. 07:05 -> 425.
int minuteOfDay(int hour, int minute);

// The chart table: 1440 rows, row m = minute m of the day.
struct DayTable
{
    QList<ChartReading> readings; // mg/dL "###0.00" ("123.00"), mmol/L "###0.0" ("6.8")
    double high = 0;              // Max; in mmol/L Max / 18, not rounded
    double low = 0;               // Min, the same way

    friend bool operator==(const DayTable &, const DayTable &) = default;
};

// The table before a day is chosen: limits only. Units other than mmol/L are
// drawn as mg/dL.
DayTable emptyTable(GlucoseUnit unit, int max, int min);

struct Day
{
    DayTable table;
    // The day's statistics; none when nothing matched, and the window then keeps
    // the labels it showed.
    std::optional<SummaryStatistics> stats;
    // Label18, Label12..Label14 when stats is set: "2", "250", "123", "186".
    QString readings, highest, lowest, average;

    friend bool operator==(const Day &, const Day &) = default;
};

// The day computation for the text of Combo4. A reading is on the chosen day when
// the text equals its date written day/month/year or year/month/day, whatever
// the user's format. A later entry at the same minute replaces the earlier one in
// the table; both count. An empty choice changes nothing: no result.
std::optional<Day> day(const ReadingTables &tables, const QString &choice, GlucoseUnit unit, int max, int min);

} // namespace StandardDay
