#include "reports/ReadingsCsv.h"

#include "store/ReadingTexts.h"

#include <algorithm>
#include <tuple>

namespace ReadingsCsv {

namespace {

// Numbers as stored, zero-padded; a damaged value (wider, negative) is written in full.
QByteArray padded(int value, int width)
{
    const QByteArray digits = QByteArray::number(value);
    return value < 0 ? digits : digits.rightJustified(width, '0');
}

} // namespace

QByteArray csv(const ReadingTables &tables, const std::optional<ReportPeriod> &period)
{
    QList<const Reading *> rows;
    if (period) {
        rows = ReportPeriods::readingsIn(tables, *period).readings;
    } else if (!tables.holdsNoReadings()) {
        for (const Reading &r : tables.readings())
            rows << &r;
    }
    // Entry 1 is normally the oldest already; a stable sort keeps readings of
    // the same minute in table order.
    std::stable_sort(rows.begin(), rows.end(), [](const Reading *a, const Reading *b) {
        return std::tie(a->year, a->month, a->day, a->hour, a->minute)
               < std::tie(b->year, b->month, b->day, b->hour, b->minute);
    });

    QByteArray out = QByteArray(kHeader) + "\r\n";
    out.reserve(out.size() + rows.size() * 36);
    for (const Reading *r : rows) {
        const QLatin1StringView mark = ReadingTexts::eventText(r->event);
        const bool valid = QDate(r->year, r->month, r->day).isValid();
        out += padded(r->year, 4) + '-' + padded(r->month, 2) + '-' + padded(r->day, 2) + ',' + padded(r->hour, 2) + ':'
               + padded(r->minute, 2) + ',' + QByteArray::number(r->glucose) + ','
               + ReadingTexts::mmolText(r->glucose).toLatin1() + ',' + QByteArray(mark.data(), mark.size()) + ','
               + (valid ? '1' : '0') + "\r\n";
    }
    return out;
}

} // namespace ReadingsCsv
