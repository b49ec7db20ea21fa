#include "reports/ui/HourRuler.h"

#include "reports/ui/chart/ChartCanvas.h"
#include "reports/ui/chart/Contrast.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

#include <array>

namespace {

struct Band
{
    int fromHour; // the band covers this hour's label and the next one's
    QColor colour;
    const char *name;
    const char *text;
};

const std::array<Band, 3> kBands{{
    {6, QColor(0xff, 0x8c, 0x00), "Text4", "  6     7"},
    {12, QColor(0xd0, 0x10, 0x10), "Text5", "12P     1"},
    {18, QColor(0x80, 0x20, 0xa0), "Text6", "  6     7"},
}};
const QColor kHourColour(0x00, 0x00, 0x80); // dark blue

// 12A, 1 ... 11, 12P, 1 ... 11, 12A
QString hourLabel(int hour)
{
    if (hour % 12 != 0)
        return QString::number(hour % 12);
    return hour == 12 ? QStringLiteral("12P") : QStringLiteral("12A");
}

const Band *bandOf(int hour)
{
    for (const Band &band : kBands)
        if (hour == band.fromHour || hour == band.fromHour + 1)
            return &band;
    return nullptr;
}

// A band is a light tint of its colour over the window.
QColor tint(const QColor &colour, const QColor &window)
{
    constexpr double kTint = 60 / 255.0;
    return QColor::fromRgbF(float(window.redF() + (colour.redF() - window.redF()) * kTint),
                            float(window.greenF() + (colour.greenF() - window.greenF()) * kTint),
                            float(window.blueF() + (colour.blueF() - window.blueF()) * kTint));
}

QLabel *namedLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

HourLabels::HourLabels(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Text3"));
    QStringList labels;
    for (int h = 0; h <= HourRuler::kHours; ++h)
        labels << hourLabel(h);
    setText(labels.join(u' '));
}

void HourLabels::setPositions(const QList<int> &hourX)
{
    m_x = hourX;
    update();
}

void HourLabels::draw(Chart::Canvas &canvas) const
{
    const QFontMetricsF metrics(font(), const_cast<HourLabels *>(this));
    const QColor window = palette().color(QPalette::Window);
    for (int h = 0; h < m_x.size(); ++h) {
        const QString label = hourLabel(h);
        const double width = metrics.horizontalAdvance(label);
        const Band *band = bandOf(h);
        const QColor colour = band ? Contrast::readable(band->colour, tint(band->colour, window))
                                   : Contrast::readable(kHourColour, window);
        canvas.text(QRectF(m_x[h] - width / 2, (height() - metrics.height()) / 2, width, metrics.height()), label,
                    font(), colour);
    }
}

void HourLabels::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Chart::PainterCanvas canvas(painter);
    draw(canvas);
}

HourRuler::HourRuler(QWidget *parent)
    : QWidget(parent)
    , line(new QFrame(this))
    , hours(new HourLabels(this))
    , morning(namedLabel(this, kBands[0].name, QLatin1String(kBands[0].text)))
    , noon(namedLabel(this, kBands[1].name, QLatin1String(kBands[1].text)))
    , evening(namedLabel(this, kBands[2].name, QLatin1String(kBands[2].text)))
    , title(namedLabel(this, "Text1", QStringLiteral("Time of Day")))
    , unit(namedLabel(this, "Text8", QStringLiteral("hr")))
{
    line->setObjectName(QStringLiteral("Text2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    Contrast::setTextColour(line, kHourColour);
    for (QLabel *band : {morning, noon, evening})
        band->setAutoFillBackground(true);
    colourBands();
    hours->raise();
    const int height = fontMetrics().height();
    setFixedHeight(2 * height + 14);
}

// The band is the colour; Text3 writes the hours over it.
void HourRuler::colourBands()
{
    const QColor window = palette().color(QPalette::Window);
    const std::array<QLabel *, 3> bands{morning, noon, evening};
    for (size_t b = 0; b < bands.size(); ++b) {
        QPalette p = bands[b]->palette();
        p.setColor(QPalette::Window, tint(kBands[b].colour, window));
        p.setColor(QPalette::WindowText, Qt::transparent);
        bands[b]->setPalette(p);
    }
}

void HourRuler::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourBands();
}

void HourRuler::place(const QList<int> &hourX)
{
    if (hourX.size() != kHours + 1)
        return;
    const QFontMetrics metrics(font());
    const int height = metrics.height();
    const int labelsTop = 5;
    line->setGeometry(hourX.first(), 0, hourX.last() - hourX.first() + 1, 4);
    // Wide enough for the outer labels, which stand half outside the line.
    const int overhang = metrics.horizontalAdvance(QStringLiteral("12A"));
    hours->setGeometry(0, labelsTop, width(), height + 2);
    hours->setPositions(hourX);
    const std::array<QLabel *, 3> bands{morning, noon, evening};
    for (size_t b = 0; b < bands.size(); ++b) {
        const int from = hourX[kBands[b].fromHour] - overhang / 2 - 2;
        const int to = hourX[kBands[b].fromHour + 1] + overhang / 2 + 2;
        bands[b]->setGeometry(from, labelsTop, to - from, height + 2);
    }
    const int titleTop = labelsTop + height + 4;
    title->adjustSize();
    title->move((hourX.first() + hourX.last() - title->width()) / 2, titleTop);
    unit->adjustSize();
    unit->move(hourX.last() - unit->width() / 2, titleTop);
}
