#pragma once

#include "reports/PeriodSummary.h"

#include <QString>
#include <QStringList>

#include <array>

// The summary's figures as the summary page and the doctor's page list them:
// caption, value and whether the unit follows; then the before- and
// after-meal table's headers and rows.
namespace SummaryFigures {

struct Figure
{
    const char *name;        // the value label, "SummaryMean"
    const char *captionName; // its caption, "LabelMean"
    const char *caption;     // "Mean :", to be translated in the context SummaryFigures
    QString PeriodSummary::Report::*value;
    bool withUnit;          // the unit follows the value
    const char *designText; // shown until a period is computed
};

const std::array<Figure, 8> &figures();
// The figure's caption in the program's language.
QString caption(const Figure &figure);
// The GMI's place in figures(): its value carries the reason when it is "–".
inline constexpr int kGmi = 7;

// "Whole day", "00–06", … "18–24".
QStringList dayParts();
// "Before meal (C), readings", "Before meal, mean mg/dL", …
QStringList mealHeaders(GlucoseUnit unit);
// Day part p's row: readings and mean before meals, then after meals.
QStringList mealRow(const PeriodSummary::Report &report, int p);

} // namespace SummaryFigures
