#pragma once

#include "store/Reading.h"

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

// How readings are written for people: the glucose unit and date format a user
// chose, mmol/L texts, the event mark and dates. Shared by the reading file and
// every report, so that each text has one definition.

// Unit of the user's settings. A stored value other than 1 or 2 (a hand-edited
// registry) stays Other, and each report does with it what it does for neither unit.
enum class GlucoseUnit { MgPerDl = 1, MmolPerL = 2, Other };
GlucoseUnit glucoseUnit(int stored);

// Date format of the user's settings ("Time"): 1 = year/month/day, 2 = day/month/year.
enum class DateFormat { YearMonthDay = 1, DayMonthYear = 2, Other };
DateFormat dateFormat(int stored);

namespace ReadingTexts {

// Tenths of a mmol/L for a glucose in mg/dL, to the nearest tenth. Exact in
// integers. No whole mg/dL value lies on a half tenth (10·g/18 is a multiple of
// 1/9), so rounding half away from zero (the file) and half to even (the line
// graphs) give the same result: 100 -> 56, 90 -> 50, -1 -> -1.
qint64 mmolTenths(int glucose);

// A report's mmol/L text, format "###0.0": 100 -> "5.6", 90 -> "5.0", 1800 -> "100.0".
QString mmolText(int glucose);
// The value the mmol/L text stands for, as a chart plots it: 100 -> 5.6.
double mmolRounded(int glucose);
// A limit line in mmol/L: divided, never rounded (180 -> 10, 100 -> 5.555...).
double mmolLimit(int glucose);

// A statistic as the reports show it: mg/dL "###0" (123 -> "123"), mmol/L
// "###0.0" (123 -> "6.8"). Other units are shown as mg/dL.
QString glucoseText(int glucose, GlucoseUnit unit);
// "mg/dL" or "mmol/L" (Other: "mg/dL", the design captions).
QString unitText(GlucoseUnit unit);

// The mark for the Event column's text: "1" or "PC" -> PC, "2" or "QC" -> QC,
// anything else ("0", "", "C", "0000", "X") -> C.
EventMark eventMark(QByteArrayView stored);
// Whether an Event text that reads as C is one of its own forms ("C", "0" or
// empty); any other ("pc", "AC", "X") is a mark the file cannot hold.
bool isOrdinaryMark(QByteArrayView stored);
// The file's text of a mark: "C", "PC" or "QC".
QLatin1StringView eventText(EventMark mark);

// A date in report texts: plain numbers joined by "/". YearMonthDay: "2006/3/5",
// DayMonthYear: "5/3/2006"; Other gives an empty text (the report writes nothing).
QString dateText(int year, int month, int day, DateFormat format);

} // namespace ReadingTexts
