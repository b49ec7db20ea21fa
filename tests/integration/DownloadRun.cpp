#include "DownloadRun.h"

#include "DownloadRig.h"

#include "meter/serial/MeterDownload.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

DownloadRun DownloadRun::run(DownloadRig &rig, int limitMs, int busyMs)
{
    DownloadRun out;
    MeterDownload download(rig.state);
    QElapsedTimer clock;
    QObject::connect(&download, &MeterDownload::labelChanged, [&](const QString &text) {
        out.labels << text;
        if (text.endsWith(QLatin1String(" ) Data in Meter !!")) || text == QLatin1String("There is no new data in meter !!"))
            out.linkSetUpMs = clock.elapsed();
    });
    QObject::connect(&download, &MeterDownload::progressChanged, [&](int v) { out.progress << v; });
    QObject::connect(&download, &MeterDownload::progressMaximumChanged, [&](int m) { out.progressMaximum = m; });
    QObject::connect(&download, &MeterDownload::listLine, [&](const QString &line) { out.listLines << line; });
    QObject::connect(&download, &MeterDownload::message, [&](const QString &text) { out.messages << text; });
    QObject::connect(&download, &MeterDownload::failed, [&](const QString &why) { out.failures << why; });
    QObject::connect(&download, &MeterDownload::finished, [&] {
        out.finished = true;
        out.elapsedMs = clock.elapsed();
    });

    if (!download.openPort()) {
        out.failures << QStringLiteral("cannot open %1").arg(download.deviceName());
        return out;
    }
    // A program that is busy now and then (a slow repaint, a disk that wakes up)
    // falls behind its own timers, which then fire late and back to back.
    QTimer busy;
    busy.setInterval(kBusyEveryMs);
    QObject::connect(&busy, &QTimer::timeout, [busyMs] { QThread::msleep(ulong(busyMs)); });
    if (busyMs > 0)
        busy.start();

    clock.start();
    download.start();
    while (!out.finished && out.failures.isEmpty() && clock.elapsed() < limitMs)
        QTest::qWait(10);
    if (!out.finished)
        out.elapsedMs = clock.elapsed();
    // Answers still on their way, stray bytes, a late acknowledgement.
    QTest::qWait(250);
    return out;
}
