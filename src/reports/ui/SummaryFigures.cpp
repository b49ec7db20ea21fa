#include "reports/ui/SummaryFigures.h"

#include <QCoreApplication>

using PeriodSummary::Report;

namespace SummaryFigures {

const std::array<Figure, 8> &figures()
{
    static const std::array<Figure, 8> rows{{
        {"SummaryReadings", "LabelReadings", QT_TRANSLATE_NOOP("SummaryFigures", "Readings :"), &Report::readings,
         false, "- -"},
        {"SummaryDays", "LabelDays", QT_TRANSLATE_NOOP("SummaryFigures", "Days with readings :"), &Report::days, false,
         "- -"},
        {"SummaryPerDay", "LabelPerDay", QT_TRANSLATE_NOOP("SummaryFigures", "Readings per day :"), &Report::perDay,
         false, "- -"},
        {"SummaryImpossibleDates", "LabelImpossibleDates",
         QT_TRANSLATE_NOOP("SummaryFigures", "Left out, no calendar date :"), &Report::impossibleDates, false, "- -"},
        {"SummaryMean", "LabelMean", QT_TRANSLATE_NOOP("SummaryFigures", "Mean :"), &Report::mean, true, "- - -"},
        {"SummarySD", "LabelSD", QT_TRANSLATE_NOOP("SummaryFigures", "Standard deviation :"), &Report::sd, true,
         "- - -"},
        {"SummaryCV", "LabelCV", QT_TRANSLATE_NOOP("SummaryFigures", "Coefficient of variation :"), &Report::cv, false,
         "- - -"},
        {"SummaryGMI", "LabelGMI",
         QT_TRANSLATE_NOOP("SummaryFigures", "GMI, estimated from meter readings (not a laboratory A1C) :"),
         &Report::gmi, false, "- - -"},
    }};
    return rows;
}

QString caption(const Figure &figure)
{
    return QCoreApplication::translate("SummaryFigures", figure.caption);
}

QStringList dayParts()
{
    return {QCoreApplication::translate("SummaryFigures", "Whole day"), QStringLiteral("00–06"),
            QStringLiteral("06–12"), QStringLiteral("12–18"), QStringLiteral("18–24")};
}

QStringList mealHeaders(GlucoseUnit unit)
{
    const QString unitText = ReadingTexts::unitText(unit);
    return {QCoreApplication::translate("SummaryFigures", "Before meal (C), readings"),
            QCoreApplication::translate("SummaryFigures", "Before meal, mean %1").arg(unitText),
            QCoreApplication::translate("SummaryFigures", "After meal (PC), readings"),
            QCoreApplication::translate("SummaryFigures", "After meal, mean %1").arg(unitText)};
}

QStringList mealRow(const Report &report, int p)
{
    return {report.beforeMeal[p].readings, report.beforeMeal[p].mean, report.afterMeal[p].readings,
            report.afterMeal[p].mean};
}

} // namespace SummaryFigures
