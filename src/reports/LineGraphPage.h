#pragma once

#include "reports/ChartReading.h"
#include "reports/LineGraphSelection.h"
#include "store/ReadingTexts.h"

#include <QStringList>

#include <optional>

// One page of a line graph's chart: up to 150 selected readings as categories,
// the limit lines, and the 26 date labels X1..X26 under the categories they name.
//
// Page size N follows the selection: 1-25 -> 25, 26-50 -> 50, ... 126-150 -> 150;
// above 150 the chart pages by 150 and the scroll bar (HScroll1) runs from 0 to
// count - 150, starting at the last page. Label Xk names page position 1 for k = 1
// and s × (k - 1) after it, s = N / 25 (N 50: positions 1, 2, 4, ... 50); a page
// of 25 names positions 1..25 and X26 none.
//
// Example, 26 readings on 1..26 March, format 1: N 50; readings rows 1..26, rows
// 27..50 empty; labels "3/1", "3/2", "3/4", ... "3/26" (X14), then twelve "".
// 151 readings: N 150, paging, lastOffset 1, rows = readings 2..151, X1 = reading 2.
namespace LineGraphPage {

inline constexpr int kLabels = 26;
inline constexpr int kMaxPageSize = 150;

struct Settings
{
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    DateFormat format = DateFormat::YearMonthDay;
    int max = 0; // high limit, mg/dL
    int min = 0; // low limit, mg/dL
};

// N for a number of selected readings; 0 for none (the chart is left as it is).
int pageSize(qsizetype selected);
// The page position label Xk (k = 1..26) names for page size N; 0 for none (X26
// on a page of 25).
int labelPosition(int pageSize, int k);
// A date label: "3/14" (YearMonthDay) or "14/3" (DayMonthYear); an entry with
// month and day 0 (an empty position) gives "" (the text "0/0" is blanked).
QString labelText(const Reading &r, DateFormat format);

struct Page
{
    int size = 0;                 // N
    qsizetype offset = 0;         // the page shows entries offset + 1 .. offset + N
    bool paging = false;          // HScroll1 shown
    qsizetype lastOffset = 0;     // HScroll1's maximum while paging
    QList<ChartReading> readings; // N rows: mg/dL "123", mmol/L "6.8"; "" no point
    double high = 0;              // limit lines (mmol/L: not rounded)
    double low = 0;
    // X1..X26; an empty list for date format Other (the labels keep their texts).
    QStringList labels;

    friend bool operator==(const Page &, const Page &) = default;
};

// The chart after a selection: the whole selection, or its last 150 when paging.
// None when nothing is selected: the window keeps the empty page it drew.
std::optional<Page> draw(const LineGraphSelection &selection, const Settings &settings);
// The page at a scroll-bar value while paging: entries offset + 1 .. offset + 150.
Page scrolled(const LineGraphSelection &selection, qsizetype offset, const Settings &settings);
// The chart with no reading: 150 empty rows, the limits, blank labels.
Page empty(const Settings &settings);

} // namespace LineGraphPage
