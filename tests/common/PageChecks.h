#pragma once

#include <QStringList>

class ChartView;
class QWidget;

// What a reader would find wrong with a report page's texts, read from what
// the page draws rather than from its pixels.
namespace PageChecks {

// Texts of the chart cut off at its edges or lying over one another.
QStringList cutTexts(const ChartView *chart);
// Texts and marks with less than 4.5:1 contrast against what they are drawn
// on: the page's labels, its charts and the standard day's hours. A label
// coloured by a style sheet is named too: its colour cannot be measured.
QStringList faintTexts(QWidget *page);

} // namespace PageChecks
