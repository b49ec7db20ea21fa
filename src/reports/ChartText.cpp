#include "reports/ChartText.h"

using namespace PeriodSummary;

namespace ChartTexts {

namespace {

// Format Other writes no dates in the reports; the descriptions still need them.
QString date(const Reading &r, DateFormat format)
{
    return ReadingTexts::dateText(r.year, r.month, r.day,
                                  format == DateFormat::Other ? DateFormat::YearMonthDay : format);
}

QString clock(int hour, int minute)
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

// A percentile (mg/dL, maybe fractional) as the overlay day plots it.
QString shown(double mgPerDl, GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? QString::number(mgPerDl / 18.0, 'f', 1) : QString::number(mgPerDl, 'g', 6);
}

QString readingsText(qint64 n)
{
    return n == 1 ? ChartText::tr("1 reading") : ChartText::tr("%1 readings").arg(n);
}

// "Glucose mg/dL": a column of values in the unit.
QString glucoseHeader(const QString &unit)
{
    return ChartText::tr("Glucose %1").arg(unit);
}

QString noReadings(const QString &chart)
{
    return ChartText::tr("%1, no readings").arg(chart);
}

QString hourText(int h)
{
    return QStringLiteral("%1–%2").arg(h, 2, 10, QLatin1Char('0')).arg(h + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

ChartText lineGraph(bool mealMarked, const LineGraphSelection &selection, const LineGraphPage::Page &page,
                    GlucoseUnit unit, DateFormat format)
{
    ChartText out;
    out.name = mealMarked ? ChartText::tr("PC line graph") : ChartText::tr("Line graph");
    out.headers = {ChartText::tr("Date"), ChartText::tr("Time"), glucoseHeader(ReadingTexts::unitText(unit))};
    const SummaryStatistics s = selectionStatistics(selection.entries());
    if (s.count == 0) {
        out.description = noReadings(out.name);
        return out;
    }
    out.description = ChartText::tr("%1, %2 from %3 to %4, highest %5, lowest %6 %7")
                          .arg(out.name, readingsText(s.count), date(selection.entry(1), format),
                               date(selection.entry(selection.count()), format),
                               ReadingTexts::glucoseText(s.highest, unit), ReadingTexts::glucoseText(s.lowest, unit),
                               ReadingTexts::unitText(unit));
    for (int r = 1; r <= page.readings.size(); ++r) {
        if (page.readings[r - 1].isEmpty())
            continue;
        const Reading &e = selection.entry(page.offset + r);
        out.rows << QStringList{date(e, format), clock(e.hour, e.minute), page.readings[r - 1].text};
    }
    return out;
}

ChartText standardDay(const QString &choice, const StandardDay::Day *day, GlucoseUnit unit)
{
    ChartText out;
    out.name = ChartText::tr("Standard day");
    out.headers = {ChartText::tr("Time"), glucoseHeader(ReadingTexts::unitText(unit))};
    if (!day) {
        out.description = ChartText::tr("Standard day, no day chosen");
        return out;
    }
    if (!day->stats) {
        out.description = noReadings(ChartText::tr("Standard day, %1").arg(choice));
        return out;
    }
    out.description = ChartText::tr("Standard day, %1, %2, highest %3, lowest %4, average %5 %6")
                          .arg(choice, readingsText(day->stats->count), day->highest, day->lowest, day->average,
                               ReadingTexts::unitText(unit));
    for (int m = 0; m < day->table.readings.size(); ++m) {
        if (!day->table.readings[m].isEmpty())
            out.rows << QStringList{clock(m / 60, m % 60), QString::number(day->table.readings[m].value)};
    }
    return out;
}

ChartText histogram(const Histogram::Report &report)
{
    ChartText out;
    out.name = ChartText::tr("Histogram");
    out.headers = {glucoseHeader(report.unit), ChartText::tr("Readings")};
    int most = 0;
    for (int k = 0; k < Histogram::kRanges; ++k) {
        out.rows << QStringList{report.labels.value(k), QString::number(report.counts[k])};
        if (report.counts[k] > report.counts[most])
            most = k;
    }
    if (report.noData) {
        out.description = noReadings(out.name);
        return out;
    }
    out.description = ChartText::tr("%1, %2").arg(out.name, readingsText(report.stats.count));
    if (!report.dateRange.isEmpty())
        out.description += ChartText::tr(" from %1 to %2")
                               .arg(report.dateRange.section(QStringLiteral(" ~ "), 0, 0),
                                    report.dateRange.section(QStringLiteral(" ~ "), 1));
    if (!report.highest.isEmpty())
        out.description += ChartText::tr(", highest %1, lowest %2 %3").arg(report.highest, report.lowest, report.unit);
    if (!report.labels.value(most).isEmpty())
        out.description += ChartText::tr(", most in %1 (%2)").arg(report.labels[most]).arg(report.counts[most]);
    return out;
}

QString bandName(Band band, GlucoseUnit unit)
{
    const auto edge = [unit](int mgPerDl) { return ReadingTexts::glucoseText(mgPerDl, unit); };
    const QString u = QLatin1Char(' ') + ReadingTexts::unitText(unit);
    switch (band) {
    case Below54: return ChartText::tr("Below %1").arg(edge(54) + u);
    case From54To69: return edge(54) + u'–' + edge(69) + u;
    case From70To180: return edge(70) + u'–' + edge(180) + u;
    case From181To250: return edge(181) + u'–' + edge(250) + u;
    case Above250: return ChartText::tr("Above %1").arg(edge(250) + u);
    case kBands: break;
    }
    return {};
}

ChartText bands(const std::array<qint64, kBands> &readings, GlucoseUnit unit)
{
    ChartText out;
    out.name = ChartText::tr("Band bar");
    out.headers = {ChartText::tr("Band"), ChartText::tr("Readings"), ChartText::tr("% of readings")};
    qint64 total = 0;
    for (qint64 n : readings)
        total += n;
    QStringList shares;
    for (int b = 0; b < kBands; ++b) {
        const QString share = shareText(readings[b], total);
        out.rows << QStringList{bandName(Band(b), unit), QString::number(readings[b]), share};
        shares << bandName(Band(b), unit) + QLatin1Char(' ') + share;
    }
    out.description
        = total == 0 ? noReadings(out.name)
                     : ChartText::tr("%1, %2: %3").arg(out.name, readingsText(total), shares.join(ChartText::tr(", ")));
    return out;
}

ChartText overlayDay(const OverlayDay::Result &overlay, GlucoseUnit unit)
{
    ChartText out;
    out.name = ChartText::tr("Overlay day");
    const QString u = QLatin1Char(' ') + ReadingTexts::unitText(unit);
    out.headers = {ChartText::tr("Hour"), ChartText::tr("Readings"), ChartText::tr("Median") + u,
                   QStringLiteral("25–75 %") + u, QStringLiteral("10–90 %") + u};
    std::array<qint64, 24> perHour{};
    for (const QPointF &p : overlay.points) {
        if (const int h = int(p.x()) / 60; h >= 0 && h < 24)
            ++perHour[h];
    }
    int hours = 0, lowest = -1, highest = -1;
    for (int h = 0; h < 24; ++h) {
        const auto &p = overlay.hours[h];
        const QString none = QStringLiteral("–");
        out.rows << QStringList{hourText(h), QString::number(perHour[h]), p ? shown(p->median, unit) : none,
                                p ? shown(p->p25, unit) + u'–' + shown(p->p75, unit) : none,
                                p ? shown(p->p10, unit) + u'–' + shown(p->p90, unit) : none};
        if (!p)
            continue;
        ++hours;
        if (lowest < 0 || p->median < overlay.hours[lowest]->median)
            lowest = h;
        if (highest < 0 || p->median > overlay.hours[highest]->median)
            highest = h;
    }
    if (overlay.points.isEmpty()) {
        out.description = noReadings(out.name);
        return out;
    }
    out.description = ChartText::tr("%1, %2, a median for %3 of 24 hours")
                          .arg(out.name, readingsText(overlay.points.size()))
                          .arg(hours);
    if (hours > 0)
        out.description += ChartText::tr(", lowest %1 at %2, highest %3 at %4%5")
                               .arg(shown(overlay.hours[lowest]->median, unit), hourText(lowest),
                                    shown(overlay.hours[highest]->median, unit), hourText(highest), u);
    return out;
}

} // namespace ChartTexts
