#pragma once

#include "reports/ChartText.h"

#include <QWidget>

class ChartView;
class QPushButton;
class QTableWidget;

// What a chart offers besides its picture. The chart carries the chart's name
// and a description of its figures, which a screen reader reads when the chart
// takes the focus; under it, the checkable "Show values" button reveals the
// values drawn as a table, read cell by cell with its headers. The table shows
// a few rows at a time and scrolls, so opening it leaves the chart its room.
class ChartValues : public QWidget
{
    Q_OBJECT

public:
    // Named after the chart: "MSChart1Values", "MSChart1Show", "MSChart1Table".
    ChartValues(ChartView *chart, QWidget *parent);

    // After each drawing of the chart.
    void show(const ChartText &text);

    QPushButton *toggle;
    QTableWidget *table;

private:
    ChartView *m_chart;
};
