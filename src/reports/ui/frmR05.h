#pragma once

#include "users/ui/PageContext.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

class ChartValues;
class ChartView;
class QLabel;

// The histogram: every reading counted into twelve ranges of its value, shown
// as bars, with the number of readings, the dates of the first and last entry,
// and highest, lowest and average. Computed once, when the page opens.
class frmR05 : public QWidget
{
    Q_OBJECT

public:
    explicit frmR05(const PageContext &context, QWidget *parent = nullptr);

    ReportParts::Heading heading; // "ID :" and the user ID, "Report's date :"
    QLabel *dateRange;            // Label15: first ~ last date
    QLabel *readingsCaption;      // Label4 "Datas covered :"
    QLabel *readingsCovered;      // Label2: number of readings
    ReportParts::Statistics statistics;
    ChartView *chart;         // MSChart1
    ChartValues *chartValues; // the chart's words and values for a screen reader
    // Text2 "Glucose mmol/L", in mmol/L only: it stands where the chart keeps
    // room for its category title, which it replaces.
    QLabel *mmolTitle;

private:
    void placeMmolTitle();
};
