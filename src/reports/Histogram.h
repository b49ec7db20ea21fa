#pragma once

#include "reports/SummaryStatistics.h"
#include "store/ReadingTables.h"
#include "store/ReadingTexts.h"

#include <QStringList>

#include <array>

// The histogram report (frmR05): every reading of the table counted into twelve
// ranges of its mg/dL value, with the count, the dates of entries 1 and count(),
// and highest, lowest and average. The unit changes texts only, never the counting.
//
// Example, mmol/L, date format 2, entries 1..3 = 100 (5 March 2006), 90, 361
// (20 April 2006): counts {0, 1, 1, 0, ... 0, 1}, labels "<3.4", "3.4-5.0", ...
// ">=20.1", readings "3", dateRange "5/3/2006 ~ 20/4/2006", highest "20.1",
// lowest "5.0", average "10.2" (551 / 3 = 183 mg/dL, then divided by 18).
namespace Histogram {

inline constexpr int kRanges = 12;

// Range 0..11 of a glucose value: below 61 (zero and negative included) is 0,
// then 30 mg/dL per range with both ends included (61-90 is 1, ... 331-360 is
// 10), 361 and above is 11.
int range(int glucose);
// Category label of a range: "<61", "61-90", ... ">=361" in mg/dL; "<3.4",
// "3.4-5.0", ... ">=20.1" in mmol/L; empty for Other.
QString label(int range, GlucoseUnit unit);

struct Report
{
    // Only the template row (or no entry at all): the window shows
    // ReportTexts::noGlucoseData(), zero counts, and keeps the statistics' design texts.
    bool noData = false;
    std::array<qint64, kRanges> counts{};
    QStringList labels;      // twelve labels; empty texts for Other
    SummaryStatistics stats; // over every entry, in mg/dL
    // Label texts; an empty text means "keep the design text": the statistics
    // when there is no data or the unit is Other, the dates for date format Other.
    QString readings;                 // Label2
    QString dateRange;                // Label15, "2006/3/5 ~ 2006/4/20"
    QString highest, lowest, average; // Label12..Label14
    QString unit;                     // Label6, Label10, Label11 ("mg/dL" / "mmol/L")
    bool showMmolTitle = false;       // Text2 "Glucose mmol/L"

    friend bool operator==(const Report &, const Report &) = default;
};

Report report(const ReadingTables &tables, GlucoseUnit unit, DateFormat format);

} // namespace Histogram
