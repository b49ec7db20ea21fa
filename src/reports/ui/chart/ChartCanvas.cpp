#include "reports/ui/chart/ChartCanvas.h"

#include <QPainter>

namespace Chart {

namespace {

QString number(double v)
{
    return QString::number(qRound(v * 10) / 10.0);
}

QString at(QPointF p)
{
    return number(p.x()) + u',' + number(p.y());
}

QString box(const QRectF &r)
{
    return at(r.topLeft()) + u' ' + number(r.width()) + u'x' + number(r.height());
}

QString colourName(const QColor &c)
{
    if (!c.isValid())
        return QStringLiteral("none");
    return c.alpha() == 255 ? c.name() : c.name(QColor::HexArgb);
}

QString roleName(Role role)
{
    switch (role) {
    case Role::Text: return QStringLiteral("text");
    case Role::Mark: return QStringLiteral("mark");
    case Role::Axis: return QStringLiteral("axis");
    case Role::Grid: return QStringLiteral("grid");
    case Role::Fill: return QStringLiteral("fill");
    case Role::Frame: return QStringLiteral("frame");
    }
    return {};
}

QPen pen(const Stroke &stroke)
{
    QPen p(stroke.colour, stroke.width, stroke.style);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter)
    : m_painter(painter)
{
}

const QPaintDevice *PainterCanvas::device() const
{
    return m_painter.device();
}

void PainterCanvas::text(const QRectF &box, const QString &text, const QFont &font, const QColor &colour, bool upright)
{
    m_painter.setFont(font);
    m_painter.setPen(colour);
    if (!upright) {
        m_painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, text);
        return;
    }
    m_painter.save();
    m_painter.translate(box.center());
    m_painter.rotate(-90);
    m_painter.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
                       Qt::AlignCenter | Qt::TextDontClip, text);
    m_painter.restore();
}

void PainterCanvas::line(const QPolygonF &points, const Stroke &stroke, Role)
{
    m_painter.setPen(pen(stroke));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(points);
}

void PainterCanvas::rect(const QRectF &rect, const QColor &fill, const QColor &outline, Role)
{
    m_painter.setPen(outline.isValid() ? QPen(outline, 1) : QPen(Qt::NoPen));
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush());
    // The outline's middle on the rectangle's edge.
    m_painter.drawRect(outline.isValid() ? rect.adjusted(0.5, 0.5, -0.5, -0.5) : rect);
}

void PainterCanvas::polygon(const QPolygonF &points, const QColor &fill, Role)
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    m_painter.drawPolygon(points);
}

void PainterCanvas::dots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline)
{
    // Points with round caps: one call for all of them, quick for thousands.
    if (outline.isValid()) {
        m_painter.setPen(QPen(outline, diameter + 2, Qt::SolidLine, Qt::RoundCap));
        m_painter.drawPoints(centres);
    }
    m_painter.setPen(QPen(fill, diameter, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawPoints(centres);
}

void PainterCanvas::clip(const QRectF &rect)
{
    if (rect.isEmpty())
        m_painter.setClipping(false);
    else
        m_painter.setClipRect(rect);
}

ChartRecorder::ChartRecorder(const QPaintDevice *device)
    : m_device(device)
{
}

void ChartRecorder::text(const QRectF &box, const QString &text, const QFont &, const QColor &colour, bool upright)
{
    m_items << Item{upright ? QStringLiteral("text^") : QStringLiteral("text"), Role::Text, box, {}, colour, {}, text};
}

void ChartRecorder::line(const QPolygonF &points, const Stroke &stroke, Role role)
{
    m_items << Item{QStringLiteral("line"), role, points.boundingRect(), points, stroke.colour, {}, {}, stroke.width};
}

void ChartRecorder::rect(const QRectF &rect, const QColor &fill, const QColor &outline, Role role)
{
    m_items << Item{QStringLiteral("rect"), role, rect, {}, fill, outline};
}

void ChartRecorder::polygon(const QPolygonF &points, const QColor &fill, Role role)
{
    m_items << Item{QStringLiteral("polygon"), role, points.boundingRect(), points, fill};
}

void ChartRecorder::dots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline)
{
    m_items << Item{QStringLiteral("dots"), Role::Mark, centres.boundingRect(), centres, fill, outline, {}, diameter};
}

void ChartRecorder::clip(const QRectF &rect)
{
    m_items << Item{QStringLiteral("clip"), Role::Frame, rect};
}

QStringList ChartRecorder::lines() const
{
    QStringList out;
    for (const Item &item : m_items) {
        QString line = item.kind + u' ';
        if (item.kind.startsWith(u"text")) {
            line += box(item.box) + u' ' + colourName(item.colour) + QStringLiteral(" \"") + item.text + u'"';
        } else if (item.kind == u"clip") {
            line += item.box.isEmpty() ? QStringLiteral("none") : box(item.box);
        } else if (item.kind == u"rect") {
            line += roleName(item.role) + u' ' + box(item.box) + u' ' + colourName(item.colour) + u' '
                    + colourName(item.outline);
        } else {
            line += roleName(item.role) + u' ';
            if (item.kind == u"dots")
                line += number(item.size) + u' ' + colourName(item.colour) + u' ' + colourName(item.outline);
            else if (item.kind == u"line")
                line += colourName(item.colour) + u' ' + number(item.size);
            else
                line += colourName(item.colour);
            for (const QPointF &p : item.points)
                line += u' ' + at(p);
        }
        out << line;
    }
    return out;
}

} // namespace Chart
