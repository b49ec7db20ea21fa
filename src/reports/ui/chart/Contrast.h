#pragma once

#include <QColor>

class QWidget;

// Text and marks that stand out from what they are drawn on, on a light
// palette and a dark one alike, measured as the contrast ratio of relative
// luminances (1:1 for equal colours, 21:1 for black on white).
namespace Contrast {

// What text and the marks of a chart need at least.
inline constexpr double kMinimum = 4.5;

// 0 for black to 1 for white; a colour's own transparency is left aside.
double luminance(const QColor &colour);
double ratio(const QColor &a, const QColor &b);

// wanted where it stands out from background by minimum; otherwise wanted
// mixed with black (on a light background) or white (on a dark one), as
// little as it takes. A transparent colour is first laid over the background.
// Navy #0a2a8a stays navy on a light grey and becomes a light blue on #353535.
QColor readable(const QColor &wanted, const QColor &background, double minimum = kMinimum);

// The widget's text in wanted, made readable over its background, and again
// whenever its palette changes (a dark desktop theme chosen meanwhile).
void setTextColour(QWidget *widget, const QColor &wanted);

} // namespace Contrast
