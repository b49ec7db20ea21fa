#pragma once

#include <QString>

class ChartView;
class QGridLayout;
class QLabel;
class QWidget;

// What the report pages have alike: the captions and values above the chart,
// each label named as the reports have always named it, and the chart itself.
namespace ReportParts {

// The chart MSChart1, empty.
ChartView *chart(QWidget *parent);

// A label in a report's dark caption style.
QLabel *caption(QWidget *parent, const char *name, const QString &text);
// A value label: its design text until the report fills it, in navy where
// that stands out from the page, lighter on a dark one.
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

    QLabel *idCaption, *userId, *dateCaption;
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

    QLabel *highestCaption, *highestValue, *highestUnit;
    QLabel *lowestCaption, *lowestValue, *lowestUnit;
    QLabel *averageCaption, *averageValue, *averageUnit;
};

} // namespace ReportParts
