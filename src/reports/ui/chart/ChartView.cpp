#include "reports/ui/chart/ChartView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

QAccessibleInterface *accessibleChart(const QString &className, QObject *object)
{
    if (className == QLatin1String("ChartView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

} // namespace

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleChart);
        return true;
    }();
    Q_UNUSED(installed);
    // Tab reaches the chart, so a screen reader reads its description.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setModel(Chart::Model model)
{
    m_model = std::move(model);
    m_hasModel = true;
    relaid();
}

Chart::Style ChartView::chartStyle() const
{
    Chart::Style s;
    s.font = font();
    s.titleFont = font();
    s.titleFont.setBold(true);
    s.chartTitleFont = s.titleFont;
    s.background = palette().color(QPalette::Window);
    s.text = palette().color(QPalette::WindowText);
    s.grid = palette().color(QPalette::Mid);
    return s;
}

Chart::Layout ChartView::layout() const
{
    return Chart::layOut(m_model, chartStyle(), rect(), this);
}

QPointF ChartView::position(QPointF value) const
{
    return layout().position(m_model, value);
}

void ChartView::paint(Chart::Canvas &canvas) const
{
    if (m_hasModel)
        Chart::paint(canvas, m_model, chartStyle(), rect());
}

QSize ChartView::minimumSizeHint() const
{
    return Chart::minimumSize(m_model, chartStyle(), this).toSize();
}

QSize ChartView::sizeHint() const
{
    const QSize least = minimumSizeHint();
    return {least.width() * 3 / 2, least.height() * 3 / 2};
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Chart::PainterCanvas canvas(painter);
    paint(canvas);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ChartView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit laidOut();
}

void ChartView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        relaid();
}

void ChartView::relaid()
{
    updateGeometry();
    update();
    emit laidOut();
}
