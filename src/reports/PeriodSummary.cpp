#include "reports/PeriodSummary.h"

#include <QSet>

#include <cmath>

namespace PeriodSummary {

namespace {

const QString kNone = QStringLiteral("–");

Band bandOf(int glucose)
{
    if (glucose < 54)
        return Below54;
    if (glucose < 70)
        return From54To69;
    if (glucose <= 180)
        return From70To180;
    if (glucose <= 250)
        return From181To250;
    return Above250;
}

// A mean or a spread of mg/dL values: whole mg/dL, or mmol/L to one decimal.
QString valueText(double mgPerDl, GlucoseUnit unit)
{
    if (unit == GlucoseUnit::MmolPerL)
        return QString::number(mgPerDl / 18.0, 'f', 1);
    return QString::number(std::llround(mgPerDl));
}

struct Sums
{
    qint64 n = 0;
    double sum = 0;
    void add(int g)
    {
        ++n;
        sum += g;
    }
    MealFigure figure(GlucoseUnit unit) const
    {
        return {QString::number(n), n == 0 ? kNone : valueText(sum / double(n), unit)};
    }
};

// 00-06, 06-12, 12-18, 18-24 as 1..4; 0 for an hour outside the day.
int dayPart(int hour)
{
    return hour >= 0 && hour < 24 ? 1 + hour / 6 : 0;
}

} // namespace

bool meets(Target target, qint64 readings, qint64 total)
{
    const TargetRule rule = kTargetRules[target];
    const qint64 scaled = readings * 100, limit = rule.percent * total;
    return rule.under ? scaled < limit : scaled > limit;
}

QString shareText(qint64 readings, qint64 total)
{
    if (total == 0)
        return kNone;
    return QString::number(100.0 * double(readings) / double(total), 'f', 1) + QStringLiteral(" %");
}

Report report(const PeriodReadings &period, GlucoseUnit unit, int max, int min)
{
    Report out;
    const qint64 n = period.readings.size();
    QSet<qint64> days;
    double sum = 0;
    qint64 inLimits = 0;
    std::array<Sums, kDayParts> before, after;
    for (const Reading *r : period.readings) {
        days.insert(QDate(r->year, r->month, r->day).toJulianDay());
        sum += r->glucose;
        ++out.bandReadings[bandOf(r->glucose)];
        if (r->glucose >= min && r->glucose <= max)
            ++inLimits;
        auto *sums = r->event == EventMark::C ? &before : r->event == EventMark::PC ? &after : nullptr;
        if (sums) {
            (*sums)[0].add(r->glucose);
            if (const int part = dayPart(r->hour))
                (*sums)[part].add(r->glucose);
        }
    }
    const double mean = n ? sum / double(n) : 0;
    double squares = 0;
    for (const Reading *r : period.readings)
        squares += (r->glucose - mean) * (r->glucose - mean);
    const double sd = n >= 2 ? std::sqrt(squares / double(n - 1)) : 0;

    out.readings = QString::number(n);
    out.impossibleDates = QString::number(period.impossibleDates);
    out.days = QString::number(days.size());
    out.perDay = days.isEmpty() ? kNone : QString::number(double(n) / double(days.size()), 'f', 1);
    out.mean = n ? valueText(mean, unit) : kNone;
    out.sd = n >= 2 ? valueText(sd, unit) : kNone;
    out.cv = n >= 2 && mean > 0 ? QString::number(100.0 * sd / mean, 'f', 1) + QStringLiteral(" %") : kNone;
    if (days.size() >= kGmiMinDays && n >= kGmiMinReadings) {
        out.gmi = QString::number(3.31 + 0.02392 * mean, 'f', 1) + QStringLiteral(" %");
    } else {
        out.gmi = kNone;
        out.gmiReason = QCoreApplication::translate("PeriodSummary",
                                                    "The estimate needs readings on at least %1 days and at least %2 "
                                                    "readings; this period has %3 days and %4 readings.")
                            .arg(kGmiMinDays)
                            .arg(kGmiMinReadings)
                            .arg(days.size())
                            .arg(n);
    }

    const auto &b = out.bandReadings;
    const std::array<qint64, kTargets> counts{b[Below54], b[Below54] + b[From54To69], b[From70To180],
                                              b[From181To250] + b[Above250], b[Above250]};
    for (int t = 0; t < kTargets; ++t) {
        out.shares[t] = shareText(counts[t], n);
        out.met[t] = n > 0 && meets(Target(t), counts[t], n);
    }
    out.inLimits = shareText(inLimits, n);
    for (int p = 0; p < kDayParts; ++p) {
        out.beforeMeal[p] = before[p].figure(unit);
        out.afterMeal[p] = after[p].figure(unit);
    }
    return out;
}

} // namespace PeriodSummary
