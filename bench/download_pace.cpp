// The pace of a whole download: 255 records from the emulated meter on a
// pseudo-terminal, through the real driver, its timers and serial port,
// against the protocol's own pace (the link set-up, then one request every
// 50 ms for each half of each record). Run by `make bench`; not a test, since
// it takes real time and its numbers depend on the machine.

#include "app/AppState.h"
#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"
#include "meter/serial/MeterDownload.h"
#include "store/ReadingFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kRecords = RecordList::kMaxRecords;
constexpr int kRequestMs = sessionTimer(SessionTimer::T3).intervalMs;

// One download from a meter answering every request in delayMs; false when it did not complete.
bool measure(int delayMs)
{
    QTemporaryDir data;
    MeterEmulator meter(RecordList::generate(kRecords, 2024, QDateTime::currentDateTime()),
                        FaultOptions{.delayMs = delayMs});
    QString error;
    if (!data.isValid() || !meter.open(&error)) {
        std::fprintf(stderr, "download pace: %s\n", qPrintable(error));
        return false;
    }
    qputenv("DEXTREL_COM1", meter.devicePath().toLocal8Bit());
    AppState state;
    state.dataDir = data.path();
    state.user = {QStringLiteral("pace"), 1, 1, 1};
    // A new user's file: every record is new.
    QFile file(data.filePath(QStringLiteral("pace.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(ReadingFile::newFileContent()) < 0)
        return false;
    file.close();
    QString warning;
    if (!state.store.load(file.fileName(), &error, &warning))
        return false;

    MeterDownload download(state.dataDir, state.user, state.store);
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 linkSetUpMs = -1, totalMs = -1;
    QObject::connect(&download.status(), &DownloadStatus::labelChanged, [&](const QString &text) {
        if (text.endsWith(QLatin1String(" ) Data in Meter !!")))
            linkSetUpMs = clock.elapsed();
    });
    QObject::connect(&download.status(), &DownloadStatus::finished, [&] {
        totalMs = clock.elapsed();
        loop.quit();
    });
    QObject::connect(&download.status(), &DownloadStatus::failed, &loop, &QEventLoop::quit);
    if (!download.openPort())
        return false;
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    clock.start();
    download.start();
    loop.exec();
    if (totalMs < 0 || linkSetUpMs < 0) {
        std::fprintf(stderr, "download pace: the download from a %d ms meter did not complete\n", delayMs);
        return false;
    }
    const qint64 pace = linkSetUpMs + 2 * kRecords * kRequestMs;
    std::printf("%d records, meter answering in %4d ms: %6.1f s; protocol pace %6.1f s "
                "(link set-up %.1f s + %d requests x %d ms): %+.1f %%\n",
                kRecords, delayMs, totalMs / 1000.0, pace / 1000.0, linkSetUpMs / 1000.0, 2 * kRecords, kRequestMs,
                100.0 * double(totalMs - pace) / double(pace));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = true;
    for (const int delayMs : {0, 45})
        ok = measure(delayMs) && ok;
    return ok ? 0 : 1;
}
