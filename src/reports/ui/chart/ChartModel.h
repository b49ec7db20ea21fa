#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPointF>
#include <QString>
#include <QStringList>

// What a chart shows, as plain values: two axes, the series drawn against them
// and where the legend goes. The reports build one, ChartView paints it on the
// screen, the printed page and the PDF alike, and the state dump writes it.
// Nothing here knows of readings or units.
namespace Chart {

// x runs along the bottom, y up the left side.
struct Axis
{
    enum class Kind { Value, Category };

    Kind kind = Kind::Value;
    QString title;
    // False keeps the title's room but draws nothing there: the window lays
    // a label of its own over that place.
    bool titleShown = true;
    double min = 0; // value axis
    double max = 1;
    int ticks = 5;    // value axis: ticks from min to max, both ends included
    int decimals = 0; // value axis labels: "25" with 0, "25.0" with 1
    bool labelsShown = true;
    bool gridShown = true;
    QStringList categories; // category axis: one per bar, left to right

    // Labels of the ticks, lowest first: min + i × (max − min) / (ticks − 1),
    // rounded to the decimals (0 to 100 with 5 ticks: "0", "25", "50", "75", "100").
    QList<double> tickValues() const;
    QString tickText(double value) const;
};

// Widens a value axis to round numbers, with as many ticks as fit them: 0..27
// with 5 ticks becomes 0..30 with 4 (steps of 10), 0..16.7 becomes 0..20 (steps
// of 5). The step is 1, 2 or 5 times a power of ten, about a quarter of the range.
void applyNiceNumbers(Axis &axis);

struct Series
{
    enum class Kind {
        Line,        // points joined in their order
        Points,      // a dot on each point
        Bars,        // x = category index, y = height from 0
        StackedBars, // one segment on category x, on top of the series before
        Band,        // shaded between points (upper edge) and lower, same x
    };

    Kind kind = Kind::Line;
    QString name;
    QList<QPointF> points = {};
    QList<QPointF> lower = {}; // Band only
    // The report's own colour; invalid for the palette's text colour. Drawn
    // darker or lighter where it would not stand out from the background.
    QColor colour = {};
    double width = 1.5; // Line: pen width
    Qt::PenStyle style = Qt::SolidLine;
    double dotSize = 0;   // Points, and a dot on each point of a Line: diameter; 0 none
    bool inLegend = true; // false: a further piece of a series the legend names once
    bool inDump = true;   // false: the state dump leaves it out (bands)
};

struct Model
{
    enum class Legend { None, Top, Right };

    QString title;
    Axis x;
    Axis y;
    QList<Series> series;
    Legend legend = Legend::None;
    // Room kept free around the plot for what the window lays over it.
    QMarginsF room;
};

} // namespace Chart
