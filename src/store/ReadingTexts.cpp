#include "store/ReadingTexts.h"

GlucoseUnit glucoseUnit(int stored)
{
    switch (stored) {
    case 1: return GlucoseUnit::MgPerDl;
    case 2: return GlucoseUnit::MmolPerL;
    default: return GlucoseUnit::Other;
    }
}

DateFormat dateFormat(int stored)
{
    switch (stored) {
    case 1: return DateFormat::YearMonthDay;
    case 2: return DateFormat::DayMonthYear;
    default: return DateFormat::Other;
    }
}

namespace ReadingTexts {

qint64 mmolTenths(int glucose)
{
    const qint64 scaled = 10 * qint64(glucose);
    return scaled >= 0 ? (scaled + 9) / 18 : -((-scaled + 9) / 18);
}

QString mmolText(int glucose)
{
    const qint64 tenths = mmolTenths(glucose);
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    return QStringLiteral("%1%2.%3")
        .arg(tenths < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10)
        .arg(magnitude % 10);
}

double mmolRounded(int glucose)
{
    return double(mmolTenths(glucose)) / 10;
}

double mmolLimit(int glucose)
{
    return glucose / 18.0;
}

QString glucoseText(int glucose, GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? mmolText(glucose) : QString::number(glucose);
}

QString unitText(GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? QStringLiteral("mmol/L") : QStringLiteral("mg/dL");
}

EventMark eventMark(QByteArrayView stored)
{
    // Compared by hand: the file asks this of every reading it reads.
    const qsizetype n = stored.size();
    if ((n == 1 && stored[0] == '1') || (n == 2 && stored[0] == 'P' && stored[1] == 'C'))
        return EventMark::PC;
    if ((n == 1 && stored[0] == '2') || (n == 2 && stored[0] == 'Q' && stored[1] == 'C'))
        return EventMark::QC;
    return EventMark::C;
}

bool isOrdinaryMark(QByteArrayView stored)
{
    return stored.isEmpty() || stored == "C" || stored == "0";
}

QLatin1StringView eventText(EventMark mark)
{
    switch (mark) {
    case EventMark::PC: return QLatin1StringView("PC");
    case EventMark::QC: return QLatin1StringView("QC");
    case EventMark::C: break;
    }
    return QLatin1StringView("C");
}

QString dateText(int year, int month, int day, DateFormat format)
{
    switch (format) {
    case DateFormat::YearMonthDay: return QStringLiteral("%1/%2/%3").arg(year).arg(month).arg(day);
    case DateFormat::DayMonthYear: return QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
    case DateFormat::Other: break;
    }
    return {};
}

} // namespace ReadingTexts
