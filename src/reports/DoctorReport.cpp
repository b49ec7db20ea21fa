#include "reports/DoctorReport.h"

namespace DoctorReport {

namespace {

QString dayText(QDate d, DateFormat format)
{
    return ReadingTexts::dateText(d.year(), d.month(), d.day(), format);
}

} // namespace

Page page(const ReadingTables &tables, const ReportPeriod &period, const UserSettings &user, QDate today)
{
    Page out;
    out.unit = glucoseUnit(user.unit) == GlucoseUnit::MmolPerL ? GlucoseUnit::MmolPerL : GlucoseUnit::MgPerDl;
    const DateFormat format = dateFormat(user.dateFormat) == DateFormat::DayMonthYear ? DateFormat::DayMonthYear
                                                                                      : DateFormat::YearMonthDay;
    out.userId = user.id;
    out.period = dayText(period.from, format) + QStringLiteral(" ~ ") + dayText(period.to, format);
    out.made = dayText(today, format);
    out.max = user.max;
    out.min = user.min;

    const PeriodReadings readings = ReportPeriods::readingsIn(tables, period);
    out.summary = PeriodSummary::report(readings, out.unit, user.max, user.min);
    out.overlay = OverlayDay::overlay(readings);
    for (const Reading *r : readings.readings)
        ++out.histogram[Histogram::range(r->glucose)];
    for (int k = 0; k < Histogram::kRanges; ++k)
        out.histogramLabels << Histogram::label(k, out.unit);
    return out;
}

} // namespace DoctorReport
