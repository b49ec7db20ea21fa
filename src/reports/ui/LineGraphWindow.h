#pragma once

#include "reports/LineGraphPage.h"
#include "reports/LineGraphPointer.h"
#include "reports/LineGraphSelection.h"
#include "users/ui/PageContext.h"

#include <QWidget>

#include <utility>

class ChartValues;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
class QLineSeries;
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

    QLabel *Label1, *Label5, *Label3, *Label15, *Label4, *Label2;
    QDateEdit *DTPicker1, *DTPicker2;
    // The hour range and LabelError: frmR02 and frmR02unit only (null otherwise).
    QLabel *Label16 = nullptr, *Label17 = nullptr, *LabelError = nullptr;
    QComboBox *ComboLO = nullptr, *ComboHI = nullptr;
    QLabel *Label7, *Label12, *Label6, *Label8, *Label13, *Label10, *Label9, *Label14, *Label11;
    QChartView *MSChart1;
    ChartValues *chartValues; // the chart's words and values for a screen reader
    QWidget *Text2;           // the band under the chart holding the date labels
    QList<QLabel *> X;        // X1..X26
    QScrollBar *HScroll1;
    QLabel *Text1, *Text5, *Text7, *HIGH, *LOW;
    QLabel *Text4, *Text3; // details box and marker, over the chart

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
    void pointerMoved(QPointF inView);
    void setPickers(QDate from, QDate to);

    const PageContext m_context;
    const GlucoseUnit m_unit;
    LineGraphSelection m_selection;
    LineGraphPage::Page m_page;
    QChart *m_chart;
    QLineSeries *m_readings, *m_high, *m_low;
    bool m_pointerSeen = false;          // until then the boxes keep their design place
    std::pair<QString, QString> m_hours; // the hour range last committed
};
