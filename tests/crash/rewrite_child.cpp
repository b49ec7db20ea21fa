// The rewrite that the crash-safety test kills: loads the reading file named on
// the command line as a login does and saves a download of 255 records into it
// as the program does. For the Windows build's test, run from a shell:
// `--sample FILE` writes the reading file of 100 000 readings it is tried on,
// `--clean DIR` clears the leftovers as the next start does.

#include "SampleReadings.h"
#include "meter/ReadingMerge.h"
#include "platform/TextFiles.h"
#include "store/ReadingFile.h"
#include "users/OwnFiles.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = app.arguments().value(1);
    QString error, warning;
    if (path == QLatin1String("--sample")) {
        const bool written = TextFiles::writeAtomically(app.arguments().value(2),
                                                        ReadingFile::format(sampleReadingTables()), &error);
        std::fprintf(stderr, "%s", qPrintable(error));
        return written ? 0 : 1;
    }
    if (path == QLatin1String("--clean")) {
        OwnFiles::removeLeftovers(app.arguments().value(2));
        return 0;
    }
    // A download's records as the meter sends them: no year.
    QList<Reading> records;
    for (int k = 1; k <= 255; ++k)
        records << Reading{5, 31 - k % 28, k % 24, k % 60, 100 + k, 0, k % 2 ? EventMark::PC : EventMark::C};
    ReadingStore store;
    const QDateTime now(QDate(2025, 6, 1), QTime(12, 0));
    if (store.load(path, &error, &warning))
        error = ReadingMerge::SaveNewData(store, false, records, now).error;
    if (error.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}
