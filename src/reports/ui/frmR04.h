#pragma once

#include "reports/StandardDay.h"
#include "users/ui/PageContext.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

class ChartValues;
class ChartView;
class HourRuler;
class QComboBox;
class QLabel;

// The standard day: the readings of one chosen day by time of day, with the
// user's limits as two flat lines and the day's statistics. The date list
// (Combo4) holds the dates of the reading table when the page opens; choosing
// one redraws.
class frmR04 : public QWidget
{
    Q_OBJECT

public:
    explicit frmR04(const PageContext &context, QWidget *parent = nullptr);

    ReportParts::Heading heading; // "ID :" and the user ID, "Report's date :"
    QComboBox *days;              // Combo4: choosing a date shows that day
    QLabel *daysCaption;          // Label4 "Days covered :"
    QLabel *daysCovered;          // Label2, always "1"
    QLabel *readingsCaption;      // Label19 "Datas covered :"
    QLabel *readingsCovered;      // Label18: readings of the day
    ReportParts::Statistics statistics;
    QLabel *valueUnit;        // Text7: the value axis's unit
    ChartView *chart;         // MSChart1
    HourRuler *ruler;         // the hours under the chart
    ChartValues *chartValues; // the chart's words and values for a screen reader

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showDay();
    void draw(const StandardDay::DayTable &table);
    void placeRuler();

    PageContext m_context;
};
