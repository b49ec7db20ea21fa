#include "reports/StandardDay.h"

#include <array>

namespace StandardDay {

namespace {

bool sameDate(const Reading &a, const Reading &b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The three numbers of a date text written as the reports write dates: plain
// decimals joined by "/". A text that no report could have written ("05/3/2006",
// " 5/3/2006", "5/3") has none, so it matches no reading.
std::optional<std::array<int, 3>> parseDateText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (int k = 0; k < 3; ++k) {
        bool ok = false;
        numbers[k] = parts[k].toInt(&ok);
        if (!ok || QString::number(numbers[k]) != parts[k])
            return std::nullopt;
    }
    return numbers;
}

ChartReading dayValue(int glucose, GlucoseUnit unit)
{
    if (unit == GlucoseUnit::MmolPerL)
        return mmolChartReading(glucose);
    return {QString::number(glucose) + QStringLiteral(".00"), double(glucose)};
}

} // namespace

QStringList dates(const ReadingTables &tables, DateFormat format)
{
    QStringList out;
    if (format == DateFormat::Other)
        return out;
    const QList<Reading> &readings = tables.readings();
    for (qsizetype i = 0; i < readings.size(); ++i) {
        const Reading &r = readings.at(i);
        if (i == 0 || !sameDate(r, readings.at(i - 1)))
            out << ReadingTexts::dateText(r.year, r.month, r.day, format);
    }
    return out;
}

int minuteOfDay(int hour, int minute)
{
    const qint64 m = qint64(hour) * 60 + minute;
    return m >= 0 && m < kMinutesPerDay ? int(m) : -1;
}

DayTable emptyTable(GlucoseUnit unit, int max, int min)
{
    DayTable table;
    table.readings.resize(kMinutesPerDay);
    table.high = chartLimit(max, unit);
    table.low = chartLimit(min, unit);
    return table;
}

std::optional<Day> day(const ReadingTables &tables, const QString &choice, GlucoseUnit unit, int max, int min)
{
    if (choice.isEmpty())
        return std::nullopt;
    Day out;
    out.table = emptyTable(unit, max, min);
    const auto chosen = parseDateText(choice);
    if (!chosen)
        return out;
    const auto [a, b, c] = *chosen;

    SummaryStatistics stats;
    for (const Reading &r : tables.readings()) {
        const bool yearMonthDay = r.year == a && r.month == b && r.day == c;
        const bool dayMonthYear = r.day == a && r.month == b && r.year == c;
        if (!yearMonthDay && !dayMonthYear)
            continue;
        stats.add(r.glucose);
        const int row = minuteOfDay(r.hour, r.minute);
        if (row >= 0)
            out.table.readings[row] = dayValue(r.glucose, unit);
    }
    if (stats.count > 0) {
        out.stats = stats;
        out.readings = QString::number(stats.count);
        out.highest = ReadingTexts::glucoseText(stats.highest, unit);
        out.lowest = ReadingTexts::glucoseText(stats.lowest, unit);
        out.average = ReadingTexts::glucoseText(stats.average(), unit);
    }
    return out;
}

} // namespace StandardDay
