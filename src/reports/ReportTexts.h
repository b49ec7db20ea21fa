#pragma once

#include <QString>

// Texts the reports show, each in one place, spelled as the meter software
// always has.
namespace ReportTexts {

inline const QString kNoGlucoseData = QStringLiteral("This ID have no Glucose data !! Please read from Meter!!");
// The line graph's LabelError, for a wrong date range and a wrong hour range alike.
inline const QString kRangeOfDateError = QStringLiteral("Range of date Error!");
inline const QString kNoData = QStringLiteral("No data !");
// The after-meal line graph's message box for a wrong date range.
inline const QString kRangeOfDataError = QStringLiteral("There's an error in your range of data !");

// What a screen reader calls the report controls whose captions do not name them.
inline const QString kFromDate = QStringLiteral("From date");
inline const QString kToDate = QStringLiteral("To date");
inline const QString kFromHour = QStringLiteral("From hour");
inline const QString kToHour = QStringLiteral("To hour");
inline const QString kReadingsPage = QStringLiteral("Readings page");
inline const QString kDay = QStringLiteral("Day");

} // namespace ReportTexts
