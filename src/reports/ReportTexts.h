#pragma once

#include <QCoreApplication>
#include <QString>

// Texts the reports show, each in one place, spelled as the meter software
// always has, in the language the program speaks.
namespace ReportTexts {

inline QString noGlucoseData()
{
    return QCoreApplication::translate("ReportTexts", "This ID have no Glucose data !! Please read from Meter!!");
}
// The line graph's LabelError, for a wrong date range and a wrong hour range alike.
inline QString rangeOfDateError()
{
    return QCoreApplication::translate("ReportTexts", "Range of date Error!");
}
inline QString noData()
{
    return QCoreApplication::translate("ReportTexts", "No data !");
}
// The after-meal line graph's message box for a wrong date range.
inline QString rangeOfDataError()
{
    return QCoreApplication::translate("ReportTexts", "There's an error in your range of data !");
}

// What a screen reader calls the report controls whose captions do not name them.
inline QString fromDate()
{
    return QCoreApplication::translate("ReportTexts", "From date");
}
inline QString toDate()
{
    return QCoreApplication::translate("ReportTexts", "To date");
}
inline QString fromHour()
{
    return QCoreApplication::translate("ReportTexts", "From hour");
}
inline QString toHour()
{
    return QCoreApplication::translate("ReportTexts", "To hour");
}
inline QString readingsPage()
{
    return QCoreApplication::translate("ReportTexts", "Readings page");
}
inline QString day()
{
    return QCoreApplication::translate("ReportTexts", "Day");
}

} // namespace ReportTexts
