#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

// Where a chart is drawn: a painter (window, printed page, PDF) or a recorder
// that keeps each thing drawn with its place and colour, so that tests can
// read a chart without looking at pixels.
namespace Chart {

// What a drawn thing is to the eye: text and marks carry the chart's meaning
// and must stand out from the background; axes frame the plot; grid lines and
// the shading of bands only help the eye.
enum class Role { Text, Mark, Axis, Grid, Fill, Frame };

struct Stroke
{
    QColor colour;
    double width = 1;
    Qt::PenStyle style = Qt::SolidLine;
};

class Canvas
{
public:
    virtual ~Canvas() = default;

    // The device texts are measured for (screen, printer); null for the screen.
    virtual const QPaintDevice *device() const = 0;
    // Text centred in box, box being the text's own size; upright text runs
    // bottom to top (a y axis title), box then being tall and narrow.
    virtual void text(const QRectF &box, const QString &text, const QFont &font, const QColor &colour,
                      bool upright = false)
        = 0;
    // A line through the points, in order.
    virtual void line(const QPolygonF &points, const Stroke &stroke, Role role) = 0;
    // A rectangle filled, outlined when outline is valid.
    virtual void rect(const QRectF &rect, const QColor &fill, const QColor &outline, Role role) = 0;
    virtual void polygon(const QPolygonF &points, const QColor &fill, Role role) = 0;
    // Round dots of one diameter, ringed by outline when valid.
    virtual void dots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline) = 0;
    // What follows is cut to rect; an empty rect cuts nothing.
    virtual void clip(const QRectF &rect) = 0;
};

class PainterCanvas : public Canvas
{
public:
    explicit PainterCanvas(QPainter &painter);

    const QPaintDevice *device() const override;
    void text(const QRectF &box, const QString &text, const QFont &font, const QColor &colour,
              bool upright = false) override;
    void line(const QPolygonF &points, const Stroke &stroke, Role role) override;
    void rect(const QRectF &rect, const QColor &fill, const QColor &outline, Role role) override;
    void polygon(const QPolygonF &points, const QColor &fill, Role role) override;
    void dots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline) override;
    void clip(const QRectF &rect) override;

private:
    void manyDots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline);

    QPainter &m_painter;
};

// Keeps what is drawn, in order. One line each, coordinates to a tenth:
//   text 12,300 24x15 #000000 "<61"       (upright: "text^")
//   line grid #a0a0a0 1 12,30 400,30
//   rect mark 20,40 30x200 #209fdf #0b6fa1
//   dots 7 #0072b2 #ffffff 100,120 130,90
class ChartRecorder : public Canvas
{
public:
    struct Item
    {
        QString kind; // text, line, rect, polygon, dots, clip
        Role role = Role::Text;
        QRectF box = {}; // text, rect, clip; the bounds of the others
        QPolygonF points = {};
        QColor colour = {}; // text, line, the fill of the others
        QColor outline = {};
        QString text = {};
        double size = 0; // line width, dot diameter
    };

    explicit ChartRecorder(const QPaintDevice *device = nullptr);

    const QPaintDevice *device() const override { return m_device; }
    void text(const QRectF &box, const QString &text, const QFont &font, const QColor &colour,
              bool upright = false) override;
    void line(const QPolygonF &points, const Stroke &stroke, Role role) override;
    void rect(const QRectF &rect, const QColor &fill, const QColor &outline, Role role) override;
    void polygon(const QPolygonF &points, const QColor &fill, Role role) override;
    void dots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline) override;
    void clip(const QRectF &rect) override;

    const QList<Item> &items() const { return m_items; }
    QStringList lines() const;

private:
    const QPaintDevice *m_device;
    QList<Item> m_items;
};

} // namespace Chart
