// Painting a chart page for a user with 100 000 stored readings, as the
// screen and the printer do it: the whole page drawn into an image, labels,
// chart and all. Each page as it opens (the standard day on a chosen day), and
// the overlay day once more over a range holding every reading.

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "store/ReadingFile.h"
#include "store/ReadingTexts.h"

#include "SampleReadings.h"
#include "WidgetBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTemporaryDir>

namespace {

struct Shown
{
    PageCommand command;
    const char *name;
};

const Shown kPages[] = {
    {PageCommand::LineGraph, "linegraph"},   {PageCommand::StandardDay, "standardday"},
    {PageCommand::Histogram, "histogram"},   {PageCommand::Summary, "summary"},
    {PageCommand::OverlayDay, "overlayday"}, {PageCommand::OverlayDay, "overlayday, every reading"},
};

void BM_ChartPagePaint(benchmark::State &state)
{
    const Shown &shown = kPages[state.range(0)];
    state.SetLabel(shown.name);
    QTemporaryDir dir;
    AppState app;
    app.dataDir = dir.path();
    app.user.id = QStringLiteral("anna");
    app.user.unit = int(GlucoseUnit::MmolPerL);
    app.user.dateFormat = 1;
    app.user.max = 180;
    app.user.min = 70;
    app.store.setContent(ReadingFile::format(sampleReadingTables()));
    frmMain frame(app);
    frame.resize(1008, 720);
    frame.show();
    QWidget *page = frame.open(shown.command);
    if (!page) {
        state.SkipWithError("the page did not open");
        return;
    }
    if (auto *days = page->findChild<QComboBox *>(QStringLiteral("Combo4"))) {
        days->setCurrentIndex(days->count() - 1);
        emit days->activated(days->currentIndex());
    }
    if (state.range(0) == std::size(kPages) - 1)
        page->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->setDate(QDate(2000, 1, 1));
    QCoreApplication::processEvents();
    QImage image(page->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        page->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ChartPagePaint)->DenseRange(0, std::size(kPages) - 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
