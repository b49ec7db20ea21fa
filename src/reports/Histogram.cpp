#include "reports/Histogram.h"

namespace Histogram {

namespace {

constexpr const char *kMgLabels[kRanges] = {"<61",     "61-90",   "91-120",  "121-150", "151-180", "181-210",
                                            "211-240", "241-270", "271-300", "301-330", "331-360", ">=361"};
constexpr const char *kMmolLabels[kRanges] = {"<3.4",      "3.4-5.0",   "5.1-6.7",   "6.8-8.3",
                                              "8.4-10.0",  "10.1-11.6", "11.7-13.3", "13.4-15.0",
                                              "15.1-16.6", "16.7-18.3", "18.4-20.0", ">=20.1"};

QString entryDate(const Reading &r, DateFormat format)
{
    return ReadingTexts::dateText(r.year, r.month, r.day, format);
}

} // namespace

int range(int glucose)
{
    if (glucose < 61)
        return 0;
    if (glucose > 360)
        return kRanges - 1;
    return (glucose - 31) / 30;
}

QString label(int range, GlucoseUnit unit)
{
    if (range < 0 || range >= kRanges || unit == GlucoseUnit::Other)
        return {};
    return QString::fromLatin1(unit == GlucoseUnit::MmolPerL ? kMmolLabels[range] : kMgLabels[range]);
}

Report report(const ReadingTables &tables, GlucoseUnit unit, DateFormat format)
{
    Report out;
    for (int k = 0; k < kRanges; ++k)
        out.labels << label(k, unit);
    out.unit = ReadingTexts::unitText(unit);
    out.showMmolTitle = unit == GlucoseUnit::MmolPerL;
    out.noData = tables.holdsNoReadings();
    if (out.noData)
        return out;

    for (const Reading &r : tables.readings()) {
        ++out.counts[range(r.glucose)];
        out.stats.add(r.glucose);
    }
    out.readings = QString::number(out.stats.count);
    if (format != DateFormat::Other) {
        out.dateRange = entryDate(tables.reading(1), format) + QStringLiteral(" ~ ")
                        + entryDate(tables.reading(tables.count()), format);
    }
    if (unit != GlucoseUnit::Other) {
        out.highest = ReadingTexts::glucoseText(out.stats.highest, unit);
        out.lowest = ReadingTexts::glucoseText(out.stats.lowest, unit);
        out.average = ReadingTexts::glucoseText(out.stats.average(), unit);
    }
    return out;
}

} // namespace Histogram
