#pragma once

#include "users/ui/PageContext.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

class ChartValues;
class QChartView;
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
    QLabel *Label15;              // first ~ last date
    QLabel *Label4, *Label2;      // "Datas covered :", number of readings
    ReportParts::Statistics statistics;
    QChartView *MSChart1;
    ChartValues *chartValues; // the chart's words and values for a screen reader
    // "Glucose mmol/L", over the category-axis title in mmol/L only.
    QLabel *Text2;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMmolTitle();
};
