// The rewrite that the crash-safety test kills: loads the reading file named on
// the command line as a login does and saves a download of 255 records into it
// as the program does.

#include "meter/ReadingMerge.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = app.arguments().value(1);
    // A download's records as the meter sends them: no year.
    QList<Reading> records;
    for (int k = 1; k <= 255; ++k)
        records << Reading{5, 31 - k % 28, k % 24, k % 60, 100 + k, 0, k % 2 ? EventMark::PC : EventMark::C};
    ReadingStore store;
    QString error, warning;
    const QDateTime now(QDate(2025, 6, 1), QTime(12, 0));
    if (store.load(path, &error, &warning))
        error = ReadingMerge::SaveNewData(store, false, records, now).error;
    if (error.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}
