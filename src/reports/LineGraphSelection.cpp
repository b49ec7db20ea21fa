#include "reports/LineGraphSelection.h"

#include "reports/ReportTexts.h"

#include <cmath>
#include <limits>

namespace {

const Reading kZero{};

QDate dateOf(const Reading &r)
{
    return QDate(r.year, r.month, r.day);
}

} // namespace

bool LineGraphSelection::takes(const Reading &r) const
{
    return m_rule == Rule::AllReadings || r.event == EventMark::PC;
}

void LineGraphSelection::selectAtLoad(const ReadingTables &tables)
{
    m_entries.clear();
    for (const Reading &r : tables.readings()) {
        if (takes(r))
            m_entries.append(r);
    }
    if (m_entries.isEmpty())
        m_entries.append(Reading{});
}

LineGraphSelection::Change LineGraphSelection::select(const ReadingTables &tables, QDate from, QDate to,
                                                      const QString &lowestHour, const QString &highestHour)
{
    const bool hours = m_rule == Rule::AllReadings;
    if (from > to) {
        Change change{
            Outcome::DateRangeError, hours ? ReportTexts::rangeOfDateError() : ReportTexts::rangeOfDataError(), {}, {}};
        if (!m_entries.isEmpty()) {
            change.restoredFrom = firstDate();
            change.restoredTo = lastDate();
        }
        return change;
    }

    int lo = std::numeric_limits<int>::min();
    int hi = std::numeric_limits<int>::max();
    if (hours) {
        const std::optional<int> lowest = hourBound(lowestHour);
        const std::optional<int> highest = hourBound(highestHour);
        if (!lowest || !highest)
            return {Outcome::HourNotNumber, {}, {}, {}};
        if (*highest < *lowest)
            return {Outcome::HourRangeError, ReportTexts::rangeOfDateError(), {}, {}};
        lo = *lowest;
        hi = *highest;
    }

    // Calendar days as day numbers: a reading's date that is no calendar date
    // is invalid and compares inside no range.
    m_entries.clear();
    if (!from.isValid() || !to.isValid())
        return {};
    const qint64 first = from.toJulianDay();
    const qint64 last = to.toJulianDay();
    for (const Reading &r : tables.readings()) {
        if (!takes(r) || r.hour < lo || r.hour > hi)
            continue;
        const QDate d = dateOf(r);
        if (d.isValid() && d.toJulianDay() >= first && d.toJulianDay() <= last)
            m_entries.append(r);
    }
    return {};
}

bool LineGraphSelection::holdsReadings() const
{
    return m_entries.size() != 1 || m_entries.first().day != 0;
}

const Reading &LineGraphSelection::entry(qsizetype e) const
{
    return e >= 1 && e <= count() ? m_entries.at(e - 1) : kZero;
}

QDate LineGraphSelection::firstDate() const
{
    return dateOf(entry(1));
}

QDate LineGraphSelection::lastDate() const
{
    return dateOf(entry(count()));
}

std::optional<int> LineGraphSelection::hourBound(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double floored = std::floor(value);
    if (floored <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (floored >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return int(floored);
}
