#pragma once

#include "reports/StandardDay.h"
#include "users/ui/PageContext.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

class ChartValues;
class HourRuler;
class QChartView;
class QComboBox;
class QLabel;
class QScatterSeries;

// The standard day: the readings of one chosen day by time of day, with the
// user's limits as two flat lines and the day's statistics. Combo4 lists the
// dates of the reading table when the page opens; choosing one redraws.
class frmR04 : public QWidget
{
    Q_OBJECT

public:
    explicit frmR04(const PageContext &context, QWidget *parent = nullptr);

    ReportParts::Heading heading; // "ID :" and the user ID, "Report's date :"
    QComboBox *Combo4;            // the dates; choosing one shows that day
    QLabel *Label4, *Label2;      // "Days covered :", always "1"
    QLabel *Label19, *Label18;    // "Datas covered :", readings of the day
    ReportParts::Statistics statistics;
    QLabel *Text7; // the value axis's unit
    QChartView *MSChart1;
    HourRuler *ruler;         // Text1..Text6, Text8
    ChartValues *chartValues; // the chart's words and values for a screen reader

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showDay();
    void draw(const StandardDay::DayTable &table);
    void placeRuler();

    PageContext m_context;
    QScatterSeries *m_readings = nullptr;
};
