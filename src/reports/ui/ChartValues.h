#pragma once

#include "reports/ChartText.h"

#include <QWidget>

class QChartView;
class QPushButton;
class QTableWidget;

// What a chart offers besides its picture. The chart view carries the chart's
// name and a description of its figures, which a screen reader reads when the
// chart takes the focus; under it, the checkable "Show values" button reveals
// the values drawn as a table, read cell by cell with its headers. The chart's
// axes and legend take the window's palette, so they follow a high-contrast
// desktop; the report's own colours stay on the series.
class ChartValues : public QWidget
{
    Q_OBJECT

public:
    // Named after the chart: "MSChart1Values", "MSChart1Show", "MSChart1Table".
    ChartValues(QChartView *chart, QWidget *parent);

    // After each drawing of the chart.
    void show(const ChartText &text);

    QPushButton *toggle;
    QTableWidget *table;

private:
    QChartView *m_chart;
};
