#pragma once

#include "reports/Histogram.h"
#include "reports/ui/chart/ChartModel.h"

#include <QString>
#include <QStringList>

#include <array>

// The histogram's twelve ranges as bars: the counts over the category labels,
// with the value axis "# of Blood Glucose Readings". The histogram page and the
// doctor's page draw it alike.
namespace HistogramChart {

inline const QString kValueTitle = QStringLiteral("# of Blood Glucose Readings");

Chart::Model model(const std::array<qint64, Histogram::kRanges> &counts, const QStringList &labels,
                   const QString &categoryTitle);

} // namespace HistogramChart
