#pragma once

#include "reports/ReportPeriod.h"
#include "store/ReadingTexts.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// The summary of a period, as clinics now ask for it: how many readings, how
// variable, and what share of the readings lies low, in range and high, beside
// the published consensus targets. The shares are of readings, not of time:
// a meter measures now and then, not continuously.
//
// Example, mg/dL, Max 180, Min 70, one day with 53, 54, 69, 70, 180, 181, 250,
// 251: 8 readings on 1 day, 8.0 a day, mean 139, SD 87, CV 62.6 %; below 54
// 12.5 %, below 70 37.5 %, 70-180 25.0 %, above 180 37.5 %, above 250 12.5 %;
// GMI "–" (needs 14 days and 28 readings).
namespace PeriodSummary {

// The five bands of the stacked bar, on the mg/dL value.
enum Band { Below54, From54To69, From70To180, From181To250, Above250, kBands };
// The figures compared with a target: cumulative where the targets are.
enum Target { Under54, Under70, InRange, Over180, Over250, kTargets };

// A target and whether a share meets it: < 54 under 1 %, < 70 under 4 %,
// 70-180 over 70 %, > 180 under 25 %, > 250 under 5 %.
struct TargetRule
{
    int percent;
    bool under; // the share must stay below the percentage, else exceed it
};
inline constexpr std::array<TargetRule, kTargets> kTargetRules{
    {{1, true}, {4, true}, {70, false}, {25, true}, {5, true}}};
bool meets(Target target, qint64 readings, qint64 total);
// Beside each share, so that meeting a target is said in words and not by colour alone.
inline QString metText(bool met)
{
    return met ? QCoreApplication::translate("PeriodSummary", "✓ met")
               : QCoreApplication::translate("PeriodSummary", "✗ not met");
}

// The GMI needs this much data to mean anything.
inline constexpr int kGmiMinDays = 14;
inline constexpr int kGmiMinReadings = 28;

// Readings and mean of one kind of reading (before or after meals) in a part of the day.
struct MealFigure
{
    QString readings; // "3"
    QString mean;     // "123" / "6.8", "–" when none

    friend bool operator==(const MealFigure &, const MealFigure &) = default;
};

// Whole day, then 00-06, 06-12, 12-18, 18-24.
inline constexpr int kDayParts = 5;

struct Report
{
    // What is shown, in the user's unit (mg/dL whole numbers, mmol/L one
    // decimal); "–" where there is nothing to show.
    QString readings, impossibleDates, days, perDay;
    QString mean, sd, cv, gmi;
    QString gmiReason;                    // why the GMI is "–", else empty
    std::array<QString, kTargets> shares; // "12.5 %"
    QString inLimits;                     // the user's own Min-Max
    std::array<bool, kTargets> met{};     // each share against its target
    std::array<qint64, kBands> bandReadings{};
    std::array<MealFigure, kDayParts> beforeMeal, afterMeal; // C and PC readings

    friend bool operator==(const Report &, const Report &) = default;
};

Report report(const PeriodReadings &period, GlucoseUnit unit, int max, int min);

// "12.5 %": readings / total in percent, one decimal; "–" for no total.
QString shareText(qint64 readings, qint64 total);

} // namespace PeriodSummary
