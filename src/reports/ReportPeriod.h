#pragma once

#include "store/ReadingTables.h"

#include <QDate>
#include <QList>

// A period of calendar days, both ends included, and the readings that fall in
// it. A reading whose year, month and day make no calendar date (a meter's
// 31 April, a template row) belongs to no period: it is left out and counted.
struct ReportPeriod
{
    QDate from, to;

    friend bool operator==(const ReportPeriod &, const ReportPeriod &) = default;
};

struct PeriodReadings
{
    QList<const Reading *> readings; // in table order, pointing into the table
    qint64 impossibleDates = 0;      // readings of any date that is not a calendar date
};

namespace ReportPeriods {

// The last 14 calendar days that hold readings: from the 14th latest date with
// a reading to the latest (all of them when fewer). None when no reading has a
// calendar date.
std::optional<ReportPeriod> lastDaysWithReadings(const ReadingTables &tables, int days = 14);

// The days from..to where an invalid end stands open: it closes at the first
// or last calendar date that holds a reading, never short of the given end.
// None when both ends are invalid. With readings from 5 March to 20 April
// 2006, (invalid, 2006-03-10) gives 5 March ~ 10 March and (2006-05-01,
// invalid) gives 1 May ~ 1 May.
std::optional<ReportPeriod> withOpenEnds(const ReadingTables &tables, QDate from, QDate to);

// The readings of the period. The template row of an empty file is none.
PeriodReadings readingsIn(const ReadingTables &tables, const ReportPeriod &period);

} // namespace ReportPeriods
