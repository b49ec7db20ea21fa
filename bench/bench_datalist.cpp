// Opening the data list on 100 000 stored readings, up to its first paint: the
// page made by the frame over the store's lines, the columns sized and the
// first screenful of rows drawn.

#include "app/AppState.h"
#include "app/ui/frmMain.h"
#include "store/ReadingFile.h"
#include "store/ReadingTexts.h"

#include "SampleReadings.h"
#include "WidgetBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

void BM_OpenDataListToFirstPaint(benchmark::State &state)
{
    QTemporaryDir dir;
    AppState app;
    app.dataDir = dir.path();
    app.user.id = QStringLiteral("anna");
    app.user.unit = int(GlucoseUnit::MgPerDl);
    app.store.setContent(ReadingFile::format(sampleReadingTables()));
    frmMain frame(app);
    frame.open(PageCommands::kIndex);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QWidget *page = frame.open(PageCommands::kDataList);
        if (!page) {
            state.SkipWithError("no data list page");
            return;
        }
        // Paints the page as the screen would show it.
        benchmark::DoNotOptimize(page->grab());
        state.PauseTiming();
        frame.CloseChildForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDataListToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
