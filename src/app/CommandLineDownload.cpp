#include "app/CommandLineDownload.h"

#include "app/AppState.h"
#include "meter/MeterTexts.h"
#include "meter/serial/MeterDownload.h"

#include "platform/LocalBytes.h"

#include <QDir>
#include <QEventLoop>
#include <QTextStream>

#include <optional>

namespace {

// The path's own bytes, so that it names the file also when the user's ID
// holds bytes not valid in the local encoding.
void printPath(QTextStream &stream, const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
#ifdef Q_OS_UNIX
    if (QIODevice *device = stream.device()) {
        stream.flush();
        device->write(LocalBytes::encode(native));
        return;
    }
#endif
    stream << native;
}

} // namespace

int runCommandLineDownload(AppState &state, QTextStream &out, QTextStream &err)
{
    MeterDownload download(state.dataDir, state.user, state.store);
    if (!download.openPort()) {
        err << MeterTexts::kPortError << " (" << LocalBytes::shown(download.deviceName()) << ")\n"
            << LocalBytes::shown(download.portFailure()) << Qt::endl;
        return 1;
    }

    QEventLoop loop;
    int maximum = download.status().progressMaximum();
    QObject::connect(&download.status(), &DownloadStatus::labelChanged, &loop, [&out](const QString &text) {
        // An empty label is the blink of the waiting count-down.
        if (!text.isEmpty())
            out << text << Qt::endl;
    });
    QObject::connect(&download.status(), &DownloadStatus::progressMaximumChanged, &loop,
                     [&maximum](int value) { maximum = value; });
    QObject::connect(&download.status(), &DownloadStatus::progressChanged, &loop,
                     [&out, &maximum](int value) { out << "Progress " << value << '/' << maximum << Qt::endl; });
    QObject::connect(&download, &MeterDownload::notice, &loop,
                     [&err](const QString &text) { err << text << Qt::endl; });
    std::optional<int> result;
    QObject::connect(&download.status(), &DownloadStatus::finished, &loop, [&](const QString &warning) {
        if (!warning.isEmpty())
            err << warning << Qt::endl;
        result = 0;
        loop.quit();
    });
    QObject::connect(&download.status(), &DownloadStatus::failed, &loop, [&](const QString &reason) {
        err << LocalBytes::shown(reason) << Qt::endl;
        // A log that could not be written whole says so instead.
        if (!download.logProblem().isEmpty() && !download.logPath().isEmpty()) {
            err << LocalBytes::shown(download.logProblem()) << Qt::endl;
        } else if (!download.logPath().isEmpty()) {
            err << "Download log: ";
            printPath(err, download.logPath());
            err << Qt::endl;
        }
        result = 1;
        loop.quit();
    });

    download.start();
    if (const QString problem = download.logProblem(); !problem.isEmpty())
        err << LocalBytes::shown(problem) << Qt::endl;
    if (!result)
        loop.exec();
    return result.value_or(1);
}
