#include "reports/LineGraphPointer.h"

#include <cmath>

namespace LineGraphPointer {

namespace {

const QString kMarker = QStringLiteral(" Y");

} // namespace

QList<double> edges(const Layout &layout, int n)
{
    QList<double> p;
    if (n <= 0)
        return p;
    const double w = layout.width / n;
    p.reserve(n + 1);
    p << layout.left;
    // nearbyint rounds halves to even in the default rounding mode.
    for (int i = 1; i <= n; ++i)
        p << std::nearbyint(layout.left + i * w);
    return p;
}

std::optional<QString> detailsText(const Reading &r, GlucoseUnit unit, DateFormat format)
{
    if (format == DateFormat::Other)
        return std::nullopt;
    return ReadingTexts::dateText(r.year, r.month, r.day, format) + QStringLiteral(" %1:%2  ").arg(r.hour).arg(r.minute)
           + ReadingTexts::glucoseText(r.glucose, unit) + ReadingTexts::unitText(unit);
}

Update pointAt(const Layout &layout, const LineGraphPage::Page &page, const LineGraphSelection &selection,
               GlucoseUnit unit, DateFormat format, double x, double y)
{
    Update out;
    const int n = page.size;
    const QList<double> p = edges(layout, n);
    if (p.isEmpty())
        return out;
    const double w = layout.width / n;

    if (!(p[0] <= x && x <= p[n] && layout.bandTop <= y && y <= layout.bandBottom)) {
        out.detailsVisible = false;
        out.marker = QString();
    }
    // The last matching category wins: a boundary belongs to the later one.
    int category = 0;
    if (layout.bandTop < y && y < layout.bandBottom) {
        for (int i = 1; i <= n; ++i) {
            if (p[i - 1] <= x && x <= p[i])
                category = i;
        }
    }
    if (category > 0) {
        const qsizetype e = page.offset + category;
        // A position past the selection, or an entry without a month (the zero
        // entry of an empty selection), holds no reading.
        if (e > selection.count() || selection.entry(e).month == 0) {
            out.detailsVisible = false;
            out.marker = QString();
        } else {
            out.detailsVisible = true;
            out.marker = kMarker;
            out.details = detailsText(selection.entry(e), unit, format);
            out.entry = e;
        }
    }
    out.detailsTop = y + layout.boxDrop;

    if (x < p[0]) {
        out.detailsLeft = p[0];
        out.markerLeft = p[0] - layout.markerShift;
    } else if (x > p[n]) {
        out.detailsLeft = p[n] - layout.boxShift;
        out.markerLeft = p[n] - layout.markerShift;
    } else {
        // Category j with P[j-1] <= x < P[j]; x on P[n] itself places nothing.
        for (int j = 1; j <= n; ++j) {
            if (p[j - 1] <= x && x < p[j]) {
                const double centre = p[j - 1] + w / 2;
                out.detailsLeft = j <= n / 2 ? centre : centre - layout.boxShift;
                out.markerLeft = centre - layout.markerShift;
            }
        }
    }
    return out;
}

} // namespace LineGraphPointer
