#pragma once

#include <QString>

class QChartView;
class QGridLayout;
class QLabel;
class QWidget;

// What the histogram and the standard day have alike: the captions and values
// above the chart, each label named as the reports have always named it, and
// the chart itself.
namespace ReportParts {

// The chart MSChart1: an empty chart without a legend, drawn smoothly.
QChartView *chart(QWidget *parent);

// A label in a report's dark caption style.
QLabel *caption(QWidget *parent, const char *name, const QString &text);
// A value label: its design text until the report fills it.
QLabel *value(QWidget *parent, const char *name, const QString &text);

// One row of the grid: caption, value and, when given, the unit after it.
void addRow(QGridLayout *grid, int row, QLabel *caption, QWidget *value, QLabel *unit = nullptr);

// "ID :" with the user ID (Label1, Label5), and the caption "Report's date :"
// (Label3) whose value each report makes its own.
struct Heading
{
    Heading(QWidget *parent, const QString &userId);
    // Rows 0 and 1: the ID, then the report's date.
    void addTo(QGridLayout *grid, QWidget *date);

    QLabel *Label1, *Label5, *Label3;
};

// "Highest value :", "Lowest value :" and "Average :" with their values
// (Label12..Label14, "- - -") and units (Label6, Label10, Label11, "mg/dL").
struct Statistics
{
    explicit Statistics(QWidget *parent);
    // Three rows from firstRow on.
    void addTo(QGridLayout *grid, int firstRow);
    void setUnit(const QString &unit);
    // Empty texts keep what the labels show.
    void show(const QString &highest, const QString &lowest, const QString &average);

    QLabel *Label7, *Label12, *Label6;
    QLabel *Label8, *Label13, *Label10;
    QLabel *Label9, *Label14, *Label11;
};

} // namespace ReportParts
