#pragma once

#include <QStringList>

class DownloadRig;

// What one download showed, as the real driver reported it.
struct DownloadRun
{
    bool finished = false;      // the meter acknowledged the end of the download
    QStringList failures;       // why it ended without a result
    QStringList messages;       // message boxes
    QStringList labels;         // every text of the status label, in order
    QStringList listLines;
    QList<int> progress;
    int progressMaximum = -1;
    qint64 elapsedMs = 0;       // Start Reading to the end
    qint64 linkSetUpMs = -1;    // Start Reading to the record count

    static constexpr int kBusyEveryMs = 170;

    // Runs the real download driver on the rig's port until it finishes, fails
    // or limitMs pass, then lets late bytes arrive. With busyMs, the thread is
    // kept busy that long every kBusyEveryMs.
    static DownloadRun run(DownloadRig &rig, int limitMs, int busyMs = 0);
};
