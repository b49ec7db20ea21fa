#include "reports/LineGraphPage.h"

namespace LineGraphPage {

namespace {

ChartReading chartReading(int glucose, GlucoseUnit unit)
{
    if (unit == GlucoseUnit::MmolPerL)
        return mmolChartReading(glucose);
    return {QString::number(glucose), double(glucose)};
}

// Page of size n at offset; entries past the selection are empty positions.
Page build(const LineGraphSelection &selection, int n, qsizetype offset, const Settings &settings)
{
    Page page;
    page.size = n;
    page.offset = offset;
    page.high = chartLimit(settings.max, settings.unit);
    page.low = chartLimit(settings.min, settings.unit);
    page.readings.resize(n);
    for (int r = 1; r <= n; ++r) {
        const qsizetype e = offset + r;
        if (e >= 1 && e <= selection.count())
            page.readings[r - 1] = chartReading(selection.entry(e).glucose, settings.unit);
    }
    if (settings.format != DateFormat::Other) {
        for (int k = 1; k <= kLabels; ++k) {
            const int position = labelPosition(n, k);
            // X26 of a page of 25 names no position: it reads "0/0", so blank.
            page.labels << (position == 0 ? QString() : labelText(selection.entry(offset + position), settings.format));
        }
    }
    return page;
}

} // namespace

int pageSize(qsizetype selected)
{
    if (selected <= 0)
        return 0;
    if (selected >= kMaxPageSize)
        return kMaxPageSize;
    return int((selected + 24) / 25 * 25);
}

int labelPosition(int pageSize, int k)
{
    if (k < 1 || k > kLabels || pageSize < 25)
        return 0;
    if (k == 1)
        return 1;
    // A page of 25 names its positions one by one, and X26 none.
    if (pageSize == 25)
        return k < kLabels ? k : 0;
    return pageSize / 25 * (k - 1);
}

QString labelText(const Reading &r, DateFormat format)
{
    if (r.month == 0 && r.day == 0)
        return {};
    switch (format) {
    case DateFormat::YearMonthDay: return QStringLiteral("%1/%2").arg(r.month).arg(r.day);
    case DateFormat::DayMonthYear: return QStringLiteral("%1/%2").arg(r.day).arg(r.month);
    case DateFormat::Other: break;
    }
    return {};
}

std::optional<Page> draw(const LineGraphSelection &selection, const Settings &settings)
{
    const qsizetype count = selection.count();
    if (count == 0)
        return std::nullopt;
    if (count <= kMaxPageSize)
        return build(selection, pageSize(count), 0, settings);
    return scrolled(selection, count - kMaxPageSize, settings);
}

Page scrolled(const LineGraphSelection &selection, qsizetype offset, const Settings &settings)
{
    Page page = build(selection, kMaxPageSize, offset, settings);
    page.paging = selection.count() > kMaxPageSize;
    page.lastOffset = page.paging ? selection.count() - kMaxPageSize : 0;
    return page;
}

Page empty(const Settings &settings)
{
    return build(LineGraphSelection(LineGraphSelection::Rule::AllReadings), kMaxPageSize, 0, settings);
}

} // namespace LineGraphPage
