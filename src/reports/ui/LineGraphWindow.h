#pragma once

#include "reports/LineGraphPage.h"
#include "reports/LineGraphPointer.h"
#include "reports/LineGraphSelection.h"
#include "reports/ui/chart/ChartModel.h"
#include "users/ui/PageContext.h"

#include <QWidget>

#include <utility>

class ChartValues;
class ChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QScrollBar;

// The line graph pages: frmR02 (mg/dL) and frmR02unit (mmol/L) chart every
// reading within a date range and an hour range; frmR02p and frmR02unitp chart
// the readings marked "PC" within a date range, and say so in message boxes
// instead of LabelError. The window only reads its controls, asks
// LineGraphSelection and LineGraphPage, and writes the answers back.
//
// The chart's categories are at x = 1..N; the date labels X1..X26 and the
// pointer boxes Text4 (details) and Text3 (marker) are placed from the chart's
// plot area, so they stay under and over the categories they name at any size.
class LineGraphWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Form { R02, R02unit, R02p, R02unitp };

    LineGraphWindow(const PageContext &context, Form form, QWidget *parent = nullptr);

    QLabel *idCaption, *userId;                // Label1 "ID :", Label5
    QLabel *dateCaption;                       // Label3 "Report's date :"
    QDateEdit *fromDate, *toDate;              // DTPicker1, DTPicker2
    QLabel *dateTilde;                         // Label15 " ~"
    QLabel *readingsCaption, *readingsCovered; // Label4 "Datas covered :", Label2
    // The hour range and LabelError: frmR02 and frmR02unit only (null otherwise).
    QLabel *hourCaption = nullptr;                    // Label16 "Hour :"
    QComboBox *fromHour = nullptr, *toHour = nullptr; // ComboLO, ComboHI
    QLabel *hourTilde = nullptr;                      // Label17 " ~"
    QLabel *LabelError = nullptr;
    QLabel *highestCaption, *highestValue, *highestUnit; // Label7, Label12, Label6
    QLabel *lowestCaption, *lowestValue, *lowestUnit;    // Label8, Label13, Label10
    QLabel *averageCaption, *averageValue, *averageUnit; // Label9, Label14, Label11
    ChartView *chart;                                    // MSChart1
    ChartValues *chartValues;                            // the chart's words and values for a screen reader
    QWidget *dateBand;                                   // Text2: the band under the chart holding the date labels
    QList<QLabel *> dateLabels;                          // X1..X26
    QScrollBar *pageScroll;                              // HScroll1
    QLabel *dateTitle, *dateUnit;                        // Text1 "Date", Text5 "month/day"
    QLabel *valueUnit;                                   // Text7
    QLabel *highLabel, *lowLabel;                        // HIGH, LOW
    QLabel *details, *marker;                            // Text4 and Text3, over the chart

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLayout *buildHeader(bool hourRange);
    QLayout *buildChartArea();

    LineGraphPage::Settings settings() const;
    void formLoad();
    void hoursCommitted();
    LineGraphSelection::Change selectFromControls();
    void rangeChanged();
    void showStatistics();
    void drawChart();
    void scrollTo(int offset);
    void showPage(const LineGraphPage::Page &page);
    void placeOverlays();
    void pointerMoved(QPointF at);
    void setPickers(QDate from, QDate to);

    const PageContext m_context;
    const GlucoseUnit m_unit;
    LineGraphSelection m_selection;
    LineGraphPage::Page m_page;
    Chart::Model m_model;
    bool m_pointerSeen = false;          // until then the boxes keep their design place
    std::pair<QString, QString> m_hours; // the hour range last committed
};
