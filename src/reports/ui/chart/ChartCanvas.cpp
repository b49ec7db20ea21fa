#include "reports/ui/chart/ChartCanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

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
    m_painter.setBrush(Qt::NoBrush);
    if (stroke.style != Qt::SolidLine || points.size() < 3) {
        m_painter.setPen(pen(stroke));
        m_painter.drawPolyline(points);
        return;
    }
    // Piece by piece, round at the ends so that the pieces join: a wide line
    // over many points drawn as one outline takes twenty times as long.
    QPen round = pen(stroke);
    round.setCapStyle(Qt::RoundCap);
    m_painter.setPen(round);
    QList<QLineF> pieces;
    pieces.reserve(points.size() - 1);
    for (qsizetype i = 1; i < points.size(); ++i)
        pieces << QLineF(points[i - 1], points[i]);
    m_painter.drawLines(pieces);
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
    constexpr qsizetype kMany = 32;
    if (centres.size() > kMany) {
        manyDots(centres, diameter, fill, outline);
        return;
    }
    // Points with round caps: one call for all of them.
    if (outline.isValid()) {
        m_painter.setPen(QPen(outline, diameter + 2, Qt::SolidLine, Qt::RoundCap));
        m_painter.drawPoints(centres);
    }
    m_painter.setPen(QPen(fill, diameter, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawPoints(centres);
}

// A dot drawn once and stamped at each place, once per whole pixel: an overlay
// day of every reading lays 100 000 dots on a few thousand places.
void PainterCanvas::manyDots(const QPolygonF &centres, double diameter, const QColor &fill, const QColor &outline)
{
    const qreal ratio = m_painter.paintEngine()->paintDevice()->devicePixelRatio();
    const int side = qCeil(diameter + 3);
    QPixmap dot(QSize(side, side) * ratio);
    dot.setDevicePixelRatio(ratio);
    dot.fill(Qt::transparent);
    {
        QPainter p(&dot);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centre(side / 2.0, side / 2.0);
        if (outline.isValid()) {
            p.setPen(QPen(outline, diameter + 2, Qt::SolidLine, Qt::RoundCap));
            p.drawPoint(centre);
        }
        p.setPen(QPen(fill, diameter, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(centre);
    }
    // Dots are drawn within the clip only.
    const QRect area
        = (m_painter.hasClipping() ? m_painter.clipBoundingRect() : centres.boundingRect()).toAlignedRect();
    static thread_local QList<bool> taken;
    static thread_local QList<QPainter::PixmapFragment> stamps;
    taken.fill(false, qsizetype(area.width() + 1) * (area.height() + 1));
    stamps.clear();
    for (const QPointF &c : centres) {
        const QPoint at = c.toPoint();
        if (!area.contains(at))
            continue;
        bool &seen = taken[qsizetype(at.y() - area.top()) * (area.width() + 1) + (at.x() - area.left())];
        if (!seen)
            stamps << QPainter::PixmapFragment::create(at, QRectF(QPointF(0, 0), dot.size()));
        seen = true;
    }
    m_painter.drawPixmapFragments(stamps.constData(), int(stamps.size()), dot);
}

void PainterCanvas::clip(const QRectF &rect)
{
    // Whole pixels: a fractional clip would be a path, costly for every stroke after it.
    if (rect.isEmpty())
        m_painter.setClipping(false);
    else
        m_painter.setClipRect(rect.toAlignedRect());
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
