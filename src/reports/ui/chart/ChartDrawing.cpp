#include "reports/ui/chart/ChartDrawing.h"

#include "reports/ui/chart/Contrast.h"

#include <QFontMetricsF>
#include <QtMath>

namespace Chart {

namespace {

// Sizes that follow the font, so a larger desktop font gets a larger chart.
struct Measures
{
    Measures(const Style &style, const QPaintDevice *device)
        : label(style.font, const_cast<QPaintDevice *>(device))
        , title(style.titleFont, const_cast<QPaintDevice *>(device))
        , chartTitle(style.chartTitleFont, const_cast<QPaintDevice *>(device))
        , line(label.height())
        , pad(qCeil(label.height() * 0.3))
        , tick(pad)
        , marker(qRound(label.height() * 0.7))
    {
    }

    QFontMetricsF label, title, chartTitle;
    double line, pad, tick, marker;

    double width(const QString &text) const { return label.horizontalAdvance(text); }
};

QList<QString> labelTexts(const Axis &axis)
{
    if (!axis.labelsShown)
        return {};
    if (axis.kind == Axis::Kind::Category)
        return axis.categories;
    QList<QString> out;
    for (double v : axis.tickValues())
        out << axis.tickText(v);
    return out;
}

double widest(const Measures &m, const QList<QString> &texts)
{
    double w = 0;
    for (const QString &t : texts)
        w = qMax(w, m.width(t));
    return w;
}

QList<int> legendSeries(const Model &model)
{
    QList<int> out;
    if (model.legend == Model::Legend::None)
        return out;
    for (int s = 0; s < model.series.size(); ++s) {
        if (model.series[s].inLegend && !model.series[s].name.isEmpty())
            out << s;
    }
    return out;
}

double legendEntryWidth(const Measures &m, const QString &name)
{
    return m.marker + m.pad + m.width(name);
}

double rightLegendWidth(const Model &model, const Measures &m)
{
    if (model.legend != Model::Legend::Right)
        return 0;
    double w = 0;
    for (int s : legendSeries(model))
        w = qMax(w, legendEntryWidth(m, model.series[s].name));
    return w > 0 ? w + 2 * m.pad : 0;
}

// Entries of a legend above the plot, in rows that fit width; their top left
// corners, starting at y 0.
QList<Layout::LegendEntry> topLegend(const Model &model, const Measures &m, const QRectF &area)
{
    QList<Layout::LegendEntry> out;
    QList<QList<int>> rows{{}};
    double used = 0;
    const double gap = 2 * m.pad;
    for (int s : legendSeries(model)) {
        const double w = legendEntryWidth(m, model.series[s].name);
        if (!rows.last().isEmpty() && used + gap + w > area.width()) {
            rows << QList<int>();
            used = 0;
        }
        used += (rows.last().isEmpty() ? 0 : gap) + w;
        rows.last() << s;
    }
    double y = area.top();
    for (const QList<int> &row : rows) {
        double rowWidth = 0;
        for (int s : row)
            rowWidth += legendEntryWidth(m, model.series[s].name) + (s == row.first() ? 0 : gap);
        double x = area.left() + (area.width() - rowWidth) / 2;
        for (int s : row) {
            const QRectF text(x + m.marker + m.pad, y, m.width(model.series[s].name), m.line);
            out << Layout::LegendEntry{s, QRectF(x, y + (m.line - m.marker) / 2, m.marker, m.marker), text};
            x = text.right() + gap;
        }
        if (!row.isEmpty())
            y += m.line + m.pad;
    }
    return out;
}

double topLegendHeight(const QList<Layout::LegendEntry> &entries, const Measures &m)
{
    if (entries.isEmpty())
        return 0;
    return entries.last().text.bottom() - entries.first().text.top() + m.pad;
}

QColor markColour(const Series &series, const Style &style)
{
    return Contrast::readable(series.colour.isValid() ? series.colour : style.text, style.behind());
}

QColor fillColour(const Series &series, const Style &style)
{
    return series.colour.isValid() ? series.colour : style.text;
}

} // namespace

double Layout::toX(const Axis &x, double value) const
{
    if (x.kind == Axis::Kind::Category) {
        const qsizetype n = qMax<qsizetype>(1, x.categories.size());
        return plot.left() + (value + 0.5) * plot.width() / n;
    }
    return plot.left() + (value - x.min) / (x.max - x.min) * plot.width();
}

double Layout::toY(const Axis &y, double value) const
{
    return plot.bottom() - (value - y.min) / (y.max - y.min) * plot.height();
}

QPointF Layout::position(const Model &model, QPointF value) const
{
    return {toX(model.x, value.x()), toY(model.y, value.y())};
}

Layout layOut(const Model &model, const Style &style, const QRectF &bounds, const QPaintDevice *device)
{
    const Measures m(style, device);
    Layout out;
    out.bounds = bounds;
    const QRectF inner = bounds.marginsRemoved(QMarginsF(m.pad, m.pad, m.pad, m.pad));

    // Across: the y axis's title and labels, the plot, the legend on the right.
    const bool yTitle = !model.y.title.isEmpty();
    const QList<QString> yTexts = labelTexts(model.y);
    const double yLabels = yTexts.isEmpty() ? m.tick : widest(m, yTexts) + m.tick + m.pad;
    const double left = inner.left() + model.room.left() + (yTitle ? m.title.height() + m.pad : 0) + yLabels;
    const double legendWidth = rightLegendWidth(model, m);
    const double right = inner.right() - model.room.right() - legendWidth - (legendWidth > 0 ? m.pad : 0);

    // Labels along the bottom are centred on their tick or category, so the
    // first and last stand out past the plot's ends by up to half their width.
    const QList<QString> xTexts = labelTexts(model.x);
    const bool categories = model.x.kind == Axis::Kind::Category;
    const qsizetype n = qMax<qsizetype>(1, model.x.categories.size());
    double plotLeft = left, plotRight = right;
    for (int pass = 0; pass < 3 && !xTexts.isEmpty(); ++pass) {
        const double slot = categories ? (plotRight - plotLeft) / n : 0;
        plotRight = right - qMax(0.0, m.width(xTexts.last()) / 2 - slot / 2);
        plotLeft = qMax(left, inner.left() + m.width(xTexts.first()) / 2 - slot / 2);
    }

    // Category labels wider than their slot take turns on several rows.
    if (categories && !xTexts.isEmpty()) {
        const double slot = (plotRight - plotLeft) / n;
        const double needed = widest(m, xTexts) + m.pad;
        out.labelRows = 1;
        while (out.labelRows < n && out.labelRows * slot < needed)
            ++out.labelRows;
    } else if (!xTexts.isEmpty() && model.x.ticks > 1) {
        const double spacing = (plotRight - plotLeft) / (model.x.ticks - 1);
        out.xLabelStep = qMax(1, qCeil((widest(m, xTexts) + 2 * m.pad) / qMax(spacing, 1.0)));
    }

    // Down: title, legend, the plot, the x labels and title.
    double top = inner.top() + model.room.top();
    if (!model.title.isEmpty()) {
        const double w = m.chartTitle.horizontalAdvance(model.title);
        out.title = QRectF(inner.center().x() - w / 2, top, w, m.chartTitle.height());
        top += m.chartTitle.height() + m.pad;
    }
    if (model.legend == Model::Legend::Top) {
        out.legend = topLegend(model, m, QRectF(inner.left(), top, inner.width(), 0));
        top += topLegendHeight(out.legend, m);
    }
    out.belowLegend = top;
    if (!yTexts.isEmpty())
        top += m.line / 2;
    double bottom = inner.bottom() - model.room.bottom();
    const bool xTitle = !model.x.title.isEmpty();
    if (xTitle)
        bottom -= m.title.height() + m.pad;
    // The first x label sits below the lowest y label, which is centred on the axis.
    const double labelGap = qMax(m.tick, yTexts.isEmpty() ? 0.0 : m.line / 2) + 1;
    bottom -= xTexts.isEmpty() ? m.tick : labelGap + out.labelRows * m.line;
    out.plot = QRectF(QPointF(plotLeft, top), QPointF(plotRight, bottom));
    out.labelTop = out.plot.bottom() + labelGap;

    if (!yTexts.isEmpty() && model.y.ticks > 1) {
        const double spacing = out.plot.height() / (model.y.ticks - 1);
        out.yLabelStep = qMax(1, qCeil((m.line + 1) / qMax(spacing, 1.0)));
    }
    if (xTitle) {
        const double w = m.title.horizontalAdvance(model.x.title);
        const double x = qBound(inner.left(), out.plot.center().x() - w / 2, right - w);
        out.xTitle = QRectF(x, out.labelTop + (xTexts.isEmpty() ? 0 : out.labelRows * m.line) + m.pad / 2, w,
                            m.title.height());
    }
    if (yTitle) {
        const double h = m.title.horizontalAdvance(model.y.title);
        const double y = qBound(out.belowLegend, out.plot.center().y() - h / 2, inner.bottom() - h);
        out.yTitle = QRectF(inner.left() + model.room.left(), y, m.title.height(), h);
    }
    if (model.legend == Model::Legend::Right) {
        const QList<int> entries = legendSeries(model);
        const double height = entries.size() * m.line + (entries.size() - 1) * m.pad;
        double y = qBound(inner.top(), out.plot.center().y() - height / 2, qMax(inner.top(), inner.bottom() - height));
        const double x = inner.right() - model.room.right() - legendWidth + m.pad;
        for (int s : entries) {
            out.legend << Layout::LegendEntry{s, QRectF(x, y + (m.line - m.marker) / 2, m.marker, m.marker),
                                              QRectF(x + m.marker + m.pad, y, m.width(model.series[s].name), m.line)};
            y += m.line + m.pad;
        }
    }
    return out;
}

QSizeF minimumSize(const Model &model, const Style &style, const QPaintDevice *device)
{
    const Measures m(style, device);
    // Categories may take two rows at the least; values need room for a few labels.
    const QList<QString> xTexts = labelTexts(model.x);
    double plotWidth = 8 * m.line;
    if (model.x.kind == Axis::Kind::Category)
        plotWidth = qMax(4 * m.line, model.x.categories.size() * (widest(m, xTexts) + m.pad) / 2);
    const double plotHeight = 5 * m.line;

    const Layout wide = layOut(model, style, QRectF(0, 0, 1e5, 1e5), device);
    double width = 1e5 - wide.plot.width() + plotWidth;
    if (!xTexts.isEmpty())
        width += widest(m, xTexts) / 2; // labels out past the plot's ends, at the least width
    if (model.legend == Model::Legend::Top) {
        for (int s : legendSeries(model))
            width = qMax(width, legendEntryWidth(m, model.series[s].name) + 2 * m.pad);
    }
    width = qMax(width, m.chartTitle.horizontalAdvance(model.title) + 2 * m.pad);
    width = qCeil(width);

    const Layout narrow = layOut(model, style, QRectF(0, 0, width, 1e5), device);
    double height = 1e5 - narrow.plot.height() + plotHeight;
    if (model.legend == Model::Legend::Right && !narrow.legend.isEmpty())
        height = qMax(height, 1e5 - narrow.plot.height()
                                  + (narrow.legend.last().text.bottom() - narrow.legend.first().text.top()));
    if (!model.y.title.isEmpty())
        height = qMax(height, narrow.belowLegend + m.title.horizontalAdvance(model.y.title) + m.pad);
    return QSizeF(width, qCeil(height));
}

void paint(Canvas &canvas, const Model &model, const Style &style, const QRectF &bounds)
{
    const Layout layout = layOut(model, style, bounds, canvas.device());
    const Measures m(style, canvas.device());
    const QRectF &plot = layout.plot;
    const QColor background = style.behind();
    const QColor text = Contrast::readable(style.text, background);
    if (style.background.isValid())
        canvas.rect(bounds, style.background, {}, Role::Frame);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    // Grid, then the series, inside the plot.
    canvas.clip(plot);
    const Stroke grid{style.grid, 1};
    const QList<double> yTicks = model.y.tickValues();
    if (model.y.gridShown) {
        for (double v : yTicks) {
            const double y = layout.toY(model.y, v);
            canvas.line({QPointF(plot.left(), y), QPointF(plot.right(), y)}, grid, Role::Grid);
        }
    }
    QList<double> xTicks; // positions, in pixels
    if (model.x.kind == Axis::Kind::Category) {
        const qsizetype n = model.x.categories.size();
        for (qsizetype i = 0; i <= n && n > 0; ++i)
            xTicks << plot.left() + i * plot.width() / n;
    } else {
        for (double v : model.x.tickValues())
            xTicks << layout.toX(model.x, v);
    }
    if (model.x.gridShown) {
        for (double x : xTicks)
            canvas.line({QPointF(x, plot.top()), QPointF(x, plot.bottom())}, grid, Role::Grid);
    }

    QList<double> stacked(qMax<qsizetype>(1, model.x.categories.size()), 0.0);
    const double slot = model.x.kind == Axis::Kind::Category
                            ? plot.width() / qMax<qsizetype>(1, model.x.categories.size())
                            : 0;
    for (const Series &series : model.series) {
        const auto at = [&](QPointF p) { return layout.position(model, p); };
        switch (series.kind) {
        case Series::Kind::Line:
        case Series::Kind::Points: {
            const QColor colour = markColour(series, style);
            if (series.kind == Series::Kind::Line && series.points.size() > 1) {
                QPolygonF points;
                points.reserve(series.points.size());
                for (const QPointF &p : series.points)
                    points << at(p);
                canvas.line(points, Stroke{colour, series.width, series.style}, Role::Mark);
            }
            if (series.dotSize > 0 && !series.points.isEmpty()) {
                // Dots on the plot's edge are drawn whole; those beyond it not at all.
                // Kept from one drawing to the next: its megabytes for 100 000
                // readings cost more to map afresh than to fill.
                static thread_local QPolygonF inside;
                inside.clear();
                inside.reserve(series.points.size());
                const QPointF origin = at(QPointF(0, 0));
                const QPointF unit = at(QPointF(1, 1)) - origin;
                const double left = plot.left() - 0.5, right = plot.right() + 0.5;
                const double top = plot.top() - 0.5, bottom = plot.bottom() + 0.5;
                for (const QPointF &p : series.points) {
                    const double x = origin.x() + p.x() * unit.x(), y = origin.y() + p.y() * unit.y();
                    if (x >= left && x <= right && y >= top && y <= bottom)
                        inside.emplace_back(x, y);
                }
                const double r = series.dotSize / 2 + 1;
                canvas.clip(plot.adjusted(-r, -r, r, r));
                canvas.dots(inside, series.dotSize, colour,
                            series.kind == Series::Kind::Points ? background : QColor());
                canvas.clip(plot);
            }
            break;
        }
        case Series::Kind::Bars:
        case Series::Kind::StackedBars:
            for (const QPointF &p : series.points) {
                const qsizetype i = qsizetype(p.x());
                const double base = series.kind == Series::Kind::StackedBars && i >= 0 && i < stacked.size()
                                        ? stacked[i]
                                        : 0;
                const double x = layout.toX(model.x, p.x());
                const QRectF bar(QPointF(x - slot / 4, layout.toY(model.y, base + p.y())),
                                 QPointF(x + slot / 4, layout.toY(model.y, base)));
                if (series.kind == Series::Kind::StackedBars && i >= 0 && i < stacked.size())
                    stacked[i] += p.y();
                if (bar.height() > 0)
                    canvas.rect(bar, fillColour(series, style), markColour(series, style), Role::Mark);
            }
            break;
        case Series::Kind::Band: {
            if (series.points.size() < 2 || series.lower.size() != series.points.size())
                break;
            QPolygonF upper, lower;
            for (qsizetype i = 0; i < series.points.size(); ++i) {
                upper << at(series.points[i]);
                lower << at(series.lower[i]);
            }
            QPolygonF area = upper;
            for (qsizetype i = lower.size() - 1; i >= 0; --i)
                area << lower[i];
            canvas.polygon(area, fillColour(series, style), Role::Fill);
            const Stroke edge{markColour(series, style), 1};
            canvas.line(upper, edge, Role::Mark);
            canvas.line(lower, edge, Role::Mark);
            break;
        }
        }
    }
    canvas.clip({});

    // Axes with their ticks, labels and titles.
    const Stroke axis{text, 1};
    canvas.line({plot.topLeft(), plot.bottomLeft()}, axis, Role::Axis);
    canvas.line({plot.bottomLeft(), plot.bottomRight()}, axis, Role::Axis);
    for (double v : yTicks) {
        const double y = layout.toY(model.y, v);
        canvas.line({QPointF(plot.left() - m.tick, y), QPointF(plot.left(), y)}, axis, Role::Axis);
    }
    for (double x : xTicks)
        canvas.line({QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + m.tick)}, axis, Role::Axis);

    if (model.y.labelsShown) {
        for (qsizetype i = 0; i < yTicks.size(); i += layout.yLabelStep) {
            const QString label = model.y.tickText(yTicks[i]);
            const double w = m.width(label), y = layout.toY(model.y, yTicks[i]);
            canvas.text(QRectF(plot.left() - m.tick - m.pad - w, y - m.line / 2, w, m.line), label, style.font, text);
        }
    }
    const QList<QString> xTexts = labelTexts(model.x);
    if (model.x.kind == Axis::Kind::Category) {
        for (qsizetype i = 0; i < xTexts.size(); ++i) {
            const double w = m.width(xTexts[i]), x = layout.toX(model.x, double(i));
            const double y = layout.labelTop + (i % layout.labelRows) * m.line;
            canvas.text(QRectF(x - w / 2, y, w, m.line), xTexts[i], style.font, text);
        }
    } else {
        const QList<double> values = model.x.tickValues();
        for (qsizetype i = 0; i < xTexts.size(); i += layout.xLabelStep) {
            const double w = m.width(xTexts[i]), x = layout.toX(model.x, values[i]);
            canvas.text(QRectF(x - w / 2, layout.labelTop, w, m.line), xTexts[i], style.font, text);
        }
    }
    if (!model.title.isEmpty())
        canvas.text(layout.title, model.title, style.chartTitleFont, text);
    if (!layout.xTitle.isEmpty() && model.x.titleShown)
        canvas.text(layout.xTitle, model.x.title, style.titleFont, text);
    if (!layout.yTitle.isEmpty() && model.y.titleShown)
        canvas.text(layout.yTitle, model.y.title, style.titleFont, text, true);

    for (const Layout::LegendEntry &entry : layout.legend) {
        const Series &series = model.series[entry.series];
        const bool filled = series.kind != Series::Kind::Line && series.kind != Series::Kind::Points;
        canvas.rect(entry.marker, filled ? fillColour(series, style) : markColour(series, style),
                    markColour(series, style), Role::Mark);
        canvas.text(entry.text, series.name, style.font, text);
    }
}

} // namespace Chart
