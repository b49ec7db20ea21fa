#include "reports/ui/chart/Contrast.h"

#include <QEvent>
#include <QWidget>

#include <cmath>

namespace Contrast {

namespace {

const char *const kWanted = "dextrelWantedTextColour";

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void apply(QWidget *widget)
{
    const QColor wanted = widget->property(kWanted).value<QColor>();
    const QColor shown = readable(wanted, widget->palette().color(widget->backgroundRole()));
    if (widget->palette().color(widget->foregroundRole()) == shown)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), shown);
    widget->setPalette(palette);
}

// Applies the colour again when the background may have changed.
class Keeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

double luminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readable(const QColor &wanted, const QColor &background, double minimum)
{
    QColor opaqueBackground = background.toRgb();
    opaqueBackground.setAlpha(255);
    const QColor colour = wanted.alpha() == 255 ? wanted : mixed(opaqueBackground, wanted, wanted.alphaF());
    if (ratio(colour, opaqueBackground) >= minimum)
        return colour;
    // Away from the background: black on light, white on dark.
    const QColor target = luminance(opaqueBackground) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    double low = 0, high = 1;
    for (int step = 0; step < 16; ++step) {
        const double t = (low + high) / 2;
        (ratio(mixed(colour, target, t), opaqueBackground) >= minimum ? high : low) = t;
    }
    return mixed(colour, target, high);
}

void setTextColour(QWidget *widget, const QColor &wanted)
{
    const bool kept = widget->property(kWanted).isValid();
    widget->setProperty(kWanted, wanted);
    apply(widget);
    if (!kept)
        widget->installEventFilter(new Keeper(widget));
}

} // namespace Contrast
