#include "reports/ReportPeriod.h"

#include <algorithm>
#include <limits>

namespace {

QDate dateOf(const Reading &r)
{
    return QDate(r.year, r.month, r.day); // invalid unless a calendar date
}

} // namespace

namespace ReportPeriods {

std::optional<ReportPeriod> lastDaysWithReadings(const ReadingTables &tables, int days)
{
    if (tables.holdsNoReadings())
        return std::nullopt;
    QList<qint64> dates;
    for (const Reading &r : tables.readings()) {
        const QDate d = dateOf(r);
        if (d.isValid())
            dates << d.toJulianDay();
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    if (dates.isEmpty())
        return std::nullopt;
    const qsizetype first = qMax<qsizetype>(0, dates.size() - days);
    return ReportPeriod{QDate::fromJulianDay(dates.at(first)), QDate::fromJulianDay(dates.constLast())};
}

std::optional<ReportPeriod> withOpenEnds(const ReadingTables &tables, QDate from, QDate to)
{
    if (!from.isValid() && !to.isValid())
        return std::nullopt;
    const std::optional<ReportPeriod> dated = lastDaysWithReadings(tables, std::numeric_limits<int>::max());
    if (!from.isValid())
        from = dated ? qMin(dated->from, to) : to;
    if (!to.isValid())
        to = dated ? qMax(dated->to, from) : from;
    return ReportPeriod{from, to};
}

PeriodReadings readingsIn(const ReadingTables &tables, const ReportPeriod &period)
{
    PeriodReadings out;
    if (tables.holdsNoReadings())
        return out;
    for (const Reading &r : tables.readings()) {
        const QDate d = dateOf(r);
        if (!d.isValid())
            ++out.impossibleDates;
        else if (d >= period.from && d <= period.to)
            out.readings << &r;
    }
    return out;
}

} // namespace ReportPeriods
