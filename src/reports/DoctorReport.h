#pragma once

#include "reports/Histogram.h"
#include "reports/OverlayDay.h"
#include "reports/PeriodSummary.h"
#include "users/UserSettings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

// Everything the one-page report for the doctor shows, worked out before a
// line is drawn: who, which days, when it was made, the summary with its
// targets, the overlay day, and the histogram of the period's readings (the
// same twelve ranges as the histogram page, counted over the period only).
// A unit or date format this program does not know is shown as mg/dL and
// year/month/day, so the page is never left blank.
//
// Example, user "ann" in mmol/L with day/month/year, 5 March to 20 April 2006
// holding 123 and 250, made on 1 May 2006: period "5/3/2006 ~ 20/4/2006",
// made "1/5/2006", summary mean "10.4", histogram counts 1 in "6.8-8.3" and 1
// in "13.4-15.0".
namespace DoctorReport {

struct Page
{
    QString userId;
    QString period; // "2006/3/5 ~ 2006/4/20"
    QString made;   // "2006/5/1"
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    int max = 0, min = 0; // the user's limits, mg/dL
    PeriodSummary::Report summary;
    OverlayDay::Result overlay;
    std::array<qint64, Histogram::kRanges> histogram{};
    QStringList histogramLabels;
};

// today is the day the page is made; the core reads no clock.
Page page(const ReadingTables &tables, const ReportPeriod &period, const UserSettings &user, QDate today);

} // namespace DoctorReport
