#pragma once

#include "reports/LineGraphPage.h"

#include <optional>

// What the line graph's two pointer boxes do when the pointer moves over the
// chart: the details box (Text4) with the date, time and value of the reading
// under the pointer, and the marker (Text3) over that category's centre.
//
// Geometry: w = width / N; P[0] = left, P[i] = left + i × w rounded to a whole
// unit, halves to even; category i spans P[i-1]..P[i], so a pointer exactly on a
// shared boundary belongs to the later category. In the first half of the page
// the details box opens right of the category centre, in the second half it opens
// boxShift to the left of it.
//
// Example, design layout kTwips (frmR02), a full page of 150: w = 61.9, P[2] = 1249,
// P[3] = 1311; a pointer at (1279.75, 1000) is over position 3: details
// "2006/3/14 8:5  123mg/dL" for that reading, marker " Y", box top 1800, box left
// 1279.95 (the centre), marker left 1204.95.
namespace LineGraphPointer {

// The chart's geometry in the window's own units (twips, pixels).
struct Layout
{
    double left = 0;    // left edge of the first category, P[0]
    double width = 0;   // of all N categories together
    double bandTop = 0; // the pointer is over the plot from bandTop..bandBottom
    double bandBottom = 0;
    double boxDrop = 0;     // details box top below the pointer
    double markerShift = 0; // marker's left edge left of a category centre
    double boxShift = 0;    // details box's left edge left of the centre, second half
};

// The design of frmR02 and the after-meal mg/dL form, in twips, as the worked
// example above uses it. A window derives its own from the plot area.
inline constexpr Layout kTwips{1125, 9285, 300, 4400, 800, 75, 1840};

// P[0..N] for a page of n categories.
QList<double> edges(const Layout &layout, int n);

// Changes to the two boxes; an unset field leaves that property as it was.
struct Update
{
    std::optional<bool> detailsVisible; // Text4 shown or hidden
    std::optional<QString> marker;      // Text3: " Y" or ""
    std::optional<QString> details;     // Text4's text
    qsizetype entry = 0;                // the selection entry described; 0 for none
    double detailsTop = 0;              // pointer y + boxDrop
    std::optional<double> detailsLeft;
    std::optional<double> markerLeft;

    friend bool operator==(const Update &, const Update &) = default;
};

// The details of one reading: "2006/3/14 8:5  123mg/dL" (YearMonthDay),
// "14/3/2006 8:5  6.8mmol/L" (DayMonthYear, mmol/L); none for format Other.
std::optional<QString> detailsText(const Reading &r, GlucoseUnit unit, DateFormat format);

// The pointer at (x, y) over the chart showing page.
Update pointAt(const Layout &layout, const LineGraphPage::Page &page, const LineGraphSelection &selection,
               GlucoseUnit unit, DateFormat format, double x, double y);

} // namespace LineGraphPointer
