#pragma once

#include "reports/Histogram.h"
#include "reports/LineGraphPage.h"
#include "reports/OverlayDay.h"
#include "reports/PeriodSummary.h"
#include "reports/StandardDay.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// What a screen reader says of a chart: its name, a description stating the
// figures the page shows beside it, and the values it draws as a table (the
// "Show values" table under each chart). Worked out from the same results the
// chart is drawn from, so the words never disagree with the picture.
//
// Example, mg/dL, line graph of 63 readings from 2006/3/1 to 2006/3/21 with
// highest 200 and lowest 60: name "Line graph", description "Line graph, 63
// readings from 2006/3/1 to 2006/3/21, highest 200, lowest 60 mg/dL", one row
// per reading of the page shown: "2006/3/1", "08:30", "123".
struct ChartText
{
    Q_DECLARE_TR_FUNCTIONS(ChartText)

public:
    QString name;
    QString description;
    QStringList headers;
    QList<QStringList> rows;

    friend bool operator==(const ChartText &, const ChartText &) = default;
};

namespace ChartTexts {

// A line graph: the statistics of the whole selection, the rows of the page shown.
ChartText lineGraph(bool mealMarked, const LineGraphSelection &selection, const LineGraphPage::Page &page,
                    GlucoseUnit unit, DateFormat format);
// The standard day of the chosen date text; none chosen yet when day is null.
ChartText standardDay(const QString &choice, const StandardDay::Day *day, GlucoseUnit unit);
ChartText histogram(const Histogram::Report &report);
// The summary's stacked bar of the five bands.
ChartText bands(const std::array<qint64, PeriodSummary::kBands> &readings, GlucoseUnit unit);
ChartText overlayDay(const OverlayDay::Result &overlay, GlucoseUnit unit);

// "Below 54 mg/dL", "54–69 mg/dL", "70–180 mg/dL", "181–250 mg/dL", "Above 250 mg/dL".
QString bandName(PeriodSummary::Band band, GlucoseUnit unit);

} // namespace ChartTexts
