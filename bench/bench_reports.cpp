// The report computations on 100 000 readings: the histogram, one choice of a
// standard day, a line graph's selection with its statistics, one chart page,
// and the summary and the overlay day of a period holding every reading.

#include "reports/Histogram.h"
#include "reports/LineGraphPage.h"
#include "reports/OverlayDay.h"
#include "reports/PeriodSummary.h"
#include "reports/StandardDay.h"

#include "SampleReadings.h"

#include <benchmark/benchmark.h>

namespace {

const ReadingTables &sample()
{
    static const ReadingTables tables = sampleReadingTables();
    return tables;
}

void BM_Histogram(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Histogram::report(sample(), GlucoseUnit::MmolPerL, DateFormat::YearMonthDay));
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_Histogram)->Unit(benchmark::kMillisecond);

void BM_StandardDayChoice(benchmark::State &state)
{
    const QString choice = QStringLiteral("2001/1/1");
    for (auto _ : state)
        benchmark::DoNotOptimize(StandardDay::day(sample(), choice, GlucoseUnit::MmolPerL, 180, 70));
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_StandardDayChoice)->Unit(benchmark::kMillisecond);

// The widest case: every reading inside the range, so all are copied.
void BM_LineGraphSelectionAndStatistics(benchmark::State &state)
{
    const auto rule = state.range(0) ? LineGraphSelection::Rule::MealMarked : LineGraphSelection::Rule::AllReadings;
    LineGraphSelection selection(rule);
    const QString lowest = QStringLiteral("0"), highest = QStringLiteral("24");
    for (auto _ : state) {
        selection.select(sample(), QDate(2000, 1, 1), QDate(2030, 12, 31), lowest, highest);
        benchmark::DoNotOptimize(selectionStatistics(selection.entries()));
    }
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_LineGraphSelectionAndStatistics)->Arg(0)->Arg(1)->ArgName("afterMeal")->Unit(benchmark::kMillisecond);

void BM_LineGraphPage(benchmark::State &state)
{
    LineGraphSelection selection(LineGraphSelection::Rule::AllReadings);
    selection.selectAtLoad(sample());
    const LineGraphPage::Settings settings{GlucoseUnit::MmolPerL, DateFormat::DayMonthYear, 180, 70};
    qsizetype offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LineGraphPage::scrolled(selection, offset, settings));
        offset = (offset + 7919) % (kSampleReadings - LineGraphPage::kMaxPageSize);
    }
}
BENCHMARK(BM_LineGraphPage)->Unit(benchmark::kMicrosecond);

// Selecting the period is part of each: the window does it at every change of range.
const ReportPeriod kEverything{QDate(2000, 1, 1), QDate(2030, 12, 31)};

void BM_Summary(benchmark::State &state)
{
    for (auto _ : state) {
        const PeriodReadings period = ReportPeriods::readingsIn(sample(), kEverything);
        benchmark::DoNotOptimize(PeriodSummary::report(period, GlucoseUnit::MmolPerL, 180, 70));
    }
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_Summary)->Unit(benchmark::kMillisecond);

void BM_OverlayDay(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(OverlayDay::overlay(ReportPeriods::readingsIn(sample(), kEverything)));
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_OverlayDay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
