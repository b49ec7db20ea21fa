// From pressing Login to the index page in the frame, for a user with 100 000
// stored readings: the user list read again, the password checked, the reading
// file loaded into the store, and the index page built and shown.

#include "app/AppState.h"
#include "platform/DataFolder.h"
#include "app/ui/frmMain.h"
#include "store/ReadingFile.h"
#include "users/Login.h"
#include "users/UserRegistry.h"

#include "SampleReadings.h"
#include "WidgetBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

const QString kUser = QStringLiteral("anna");
const QString kPassword = QStringLiteral("secret");

bool prepareDataFolder(const QString &dir)
{
    QString error;
    ReadingTables readings = sampleReadingTables();
    return UserRegistry::createDefault(DataFolder::registryPath(dir), &error)
           && UserRegistry::append(DataFolder::registryPath(dir), kUser, kPassword, &error)
           && ReadingFile::CreateAfile(DataFolder::readingFilePath(dir, kUser), readings, QDateTime::currentDateTime(),
                                       &error);
}

void BM_LoginToIndexPage(benchmark::State &state)
{
    QTemporaryDir dir;
    if (!prepareDataFolder(dir.path())) {
        state.SkipWithError("cannot prepare the data folder");
        return;
    }
    for (auto _ : state) {
        AppState app;
        app.dataDir = dir.path();
        frmMain frame(app);
        LoginOutcome outcome = Login::logIn(app.dataDir, kUser, kPassword, app.store);
        app.user = outcome.user;
        if (!outcome.ok || app.store.tables().count() != kSampleReadings) {
            state.SkipWithError("login failed");
            return;
        }
        if (!frame.open(PageCommands::kIndex)) {
            state.SkipWithError("no index page");
            return;
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LoginToIndexPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
