#pragma once

#include "reports/ui/chart/ChartCanvas.h"
#include "reports/ui/chart/ChartModel.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>

class QPaintDevice;

// Lays a chart out in a rectangle and draws it. The texts are measured first,
// at the fonts given; the plot gets what the axes' labels and titles, the
// legend and the room asked for leave. Category labels too wide for their
// bar are staggered over rows, value labels too close are thinned out, so no
// text is cut or lies over another at any size from minimumSize() up.
namespace Chart {

struct Style
{
    QFont font;           // tick labels, legend
    QFont titleFont;      // axis titles
    QFont chartTitleFont; // the chart's own title
    QColor background;    // filled behind the chart; invalid: nothing filled
    QColor text;
    QColor grid;
    // Colours the marks and texts are drawn in are made readable over this.
    QColor behind() const { return background.isValid() ? background : QColor(Qt::white); }
};

struct Layout
{
    QRectF bounds;
    QRectF plot;
    QRectF title;  // the chart's title
    QRectF xTitle; // the axes' titles; yTitle's text runs upwards
    QRectF yTitle;
    int labelRows = 1;  // category labels staggered over this many rows
    int xLabelStep = 1; // every n-th value label drawn, where they would touch
    int yLabelStep = 1;
    double labelTop = 0;    // top of the x labels' first row
    double belowLegend = 0; // where the title and the legend above the plot end

    struct LegendEntry
    {
        int series;
        QRectF marker;
        QRectF text;
    };
    QList<LegendEntry> legend;

    double toX(const Axis &x, double value) const;
    double toY(const Axis &y, double value) const;
    // A point in the axes' values at its place in the chart (a category axis
    // counts its categories 0, 1, 2 … at their centres).
    QPointF position(const Model &model, QPointF value) const;
};

Layout layOut(const Model &model, const Style &style, const QRectF &bounds, const QPaintDevice *device = nullptr);
// The least size at which everything is drawn whole.
QSizeF minimumSize(const Model &model, const Style &style, const QPaintDevice *device = nullptr);
void paint(Canvas &canvas, const Model &model, const Style &style, const QRectF &bounds);

} // namespace Chart
