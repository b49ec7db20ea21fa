#pragma once

#include "users/ui/PageContext.h"
#include "reports/ui/PeriodPickers.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

#include <array>

class ChartValues;
class ChartView;
class QLabel;
class QTableWidget;

// The summary of a period: number of readings, mean and spread, the GMI
// estimate, and the share of readings low, in range and high beside the
// consensus targets, with a stacked bar of the five bands and the before- and
// after-meal means by part of the day. Computed again at each change of range.
class SummaryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryWindow(const PageContext &context, QWidget *parent = nullptr);

    ReportParts::Heading heading;
    PeriodPickers pickers;
    // SummaryReadings … SummaryGMI, in the order of SummaryFigures::figures().
    std::array<QLabel *, 8> figures;
    // Below54, Below70, InRange, Above180, Above250, each beside its target.
    std::array<QLabel *, 5> shares;
    // "✓ met" or "✗ not met" after each target: SummaryBelow54Met …
    std::array<QLabel *, 5> met;
    QLabel *SummaryInLimits;
    ChartView *SummaryBands;
    ChartValues *chartValues; // the bar's words and values for a screen reader
    QTableWidget *SummaryMeals;

private:
    void run();

    const PageContext m_context;
};
