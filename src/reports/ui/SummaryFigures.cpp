#include "reports/ui/SummaryFigures.h"

using PeriodSummary::Report;

namespace SummaryFigures {

const std::array<Figure, 8> &figures()
{
    static const std::array<Figure, 8> rows{{
        {"SummaryReadings", "LabelReadings", QStringLiteral("Readings :"), &Report::readings, false, "- -"},
        {"SummaryDays", "LabelDays", QStringLiteral("Days with readings :"), &Report::days, false, "- -"},
        {"SummaryPerDay", "LabelPerDay", QStringLiteral("Readings per day :"), &Report::perDay, false, "- -"},
        {"SummaryImpossibleDates", "LabelImpossibleDates", QStringLiteral("Left out, no calendar date :"),
         &Report::impossibleDates, false, "- -"},
        {"SummaryMean", "LabelMean", QStringLiteral("Mean :"), &Report::mean, true, "- - -"},
        {"SummarySD", "LabelSD", QStringLiteral("Standard deviation :"), &Report::sd, true, "- - -"},
        {"SummaryCV", "LabelCV", QStringLiteral("Coefficient of variation :"), &Report::cv, false, "- - -"},
        {"SummaryGMI", "LabelGMI", QStringLiteral("GMI, estimated from meter readings (not a laboratory A1C) :"),
         &Report::gmi, false, "- - -"},
    }};
    return rows;
}

const QStringList &dayParts()
{
    static const QStringList names{QStringLiteral("Whole day"), QStringLiteral("00–06"), QStringLiteral("06–12"),
                                   QStringLiteral("12–18"), QStringLiteral("18–24")};
    return names;
}

QStringList mealHeaders(GlucoseUnit unit)
{
    const QString unitText = ReadingTexts::unitText(unit);
    return {QStringLiteral("Before meal (C), readings"), QStringLiteral("Before meal, mean ") + unitText,
            QStringLiteral("After meal (PC), readings"), QStringLiteral("After meal, mean ") + unitText};
}

QStringList mealRow(const Report &report, int p)
{
    return {report.beforeMeal[p].readings, report.beforeMeal[p].mean, report.afterMeal[p].readings,
            report.afterMeal[p].mean};
}

} // namespace SummaryFigures
