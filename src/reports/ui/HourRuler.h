#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

class QFrame;

namespace Chart {
class Canvas;
}

// Text3: the hour labels in one text, each drawn centred on its hour.
class HourLabels : public QLabel
{
    Q_OBJECT

public:
    explicit HourLabels(QWidget *parent = nullptr);
    void setPositions(const QList<int> &hourX);
    // The hours as the screen shows them (a recorder, in tests).
    void draw(Chart::Canvas &canvas) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_x;
};

// The standard day's time axis, drawn under the chart instead of the chart's
// own labels: a ruler line (Text2), the hours 12A, 1 ... 11, 12P, 1 ... 11, 12A
// (Text3) with 6-7 a.m. (Text4, orange), noon-1 p.m. (Text5, red) and
// 6-7 p.m. (Text6, purple) in coloured bands, "Time of Day" (Text1) and
// "hr" (Text8). The window tells it where each hour lies on the chart. The
// hours take the band's colour, darker or lighter where they would not stand
// out from it.
class HourRuler : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHours = 24;

    explicit HourRuler(QWidget *parent = nullptr);

    // x of 0:00, 1:00 ... 24:00 in this widget's coordinates (25 positions).
    void place(const QList<int> &hourX);

    QFrame *line;         // Text2
    HourLabels *hours;    // Text3
    QLabel *morning;      // Text4, 6-7 a.m.
    QLabel *noon;         // Text5, 12-1 p.m.
    QLabel *evening;      // Text6, 6-7 p.m.
    QLabel *title, *unit; // Text1 "Time of Day", Text8 "hr"

protected:
    void changeEvent(QEvent *event) override;

private:
    void colourBands();
};
