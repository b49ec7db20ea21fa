#pragma once

#include "store/ReadingTexts.h"

#include <QString>

// One reading's cell in a chart table (column 2), in the unit shown: the text
// the chart is handed and the value it plots. An empty text is no point.
struct ChartReading
{
    QString text;
    double value = 0;

    bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const ChartReading &, const ChartReading &) = default;
};

// A reading in mmol/L as the charts take it: "6.8", plotted at 6.8 (123 mg/dL).
inline ChartReading mmolChartReading(int glucose)
{
    return {ReadingTexts::mmolText(glucose), ReadingTexts::mmolRounded(glucose)};
}

// A limit line (Max or Min) in the unit shown: mg/dL as it is, mmol/L divided and
// not rounded (180 -> 10). Units other than mmol/L are drawn as mg/dL.
inline double chartLimit(int glucose, GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? ReadingTexts::mmolLimit(glucose) : double(glucose);
}
