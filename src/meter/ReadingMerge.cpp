#include "meter/ReadingMerge.h"

#include "store/ReadingFile.h"
#include "users/UserRegistry.h"

#include <algorithm>

namespace ReadingMerge {

int inferYear(const Reading &record, const QDateTime &now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const int nowKey = timeKey(date.month(), date.day(), time.hour(), time.minute());
    return timeKey(record) <= nowKey ? date.year() : date.year() - 1;
}

void NewOldCutCombin(ReadingTables &tables, int meterCount, const QDateTime &now)
{
    const int n = qMax(0, meterCount);
    if (n == 0)
        return;
    const int c = tables.count();

    // Make sure entries 1..n exist, then reverse them: entry j becomes meter
    // record n - j + 1, the oldest first.
    tables.downloadAt(n);
    QList<Reading> &downloads = tables.downloads();
    std::reverse(downloads.begin(), downloads.begin() + n);

    // A table without readings has nothing to overlap with: an erased memory
    // slot (glucose, month, day, hour and minute all 0) would match the template
    // row or the zeros of entry 0 and drop every older record.
    const bool noReadings = c == 0 || tables.holdsTemplateRowToReplace();
    int alreadyStored = 0;
    if (!noReadings) {
        // The highest-numbered meter record equal to the previous file's first
        // line (entry c): the smallest matching index after the reversal.
        const Reading &newestStored = tables.reading(c);
        const int storedKey = timeKey(newestStored);
        for (int p = 1; p <= n; ++p) {
            const Reading &d = downloads.at(p - 1);
            if (timeKey(d) == storedKey && d.glucose == newestStored.glucose) {
                alreadyStored = p;
                break;
            }
        }
    }
    // The only entry of a new file is its template row: the records replace it.
    const int insertAt = noReadings ? 0 : c;

    const int added = n - alreadyStored;
    tables.setCount(insertAt + added);
    for (int q = 1; q <= added; ++q) {
        Reading &entry = tables.readingAt(insertAt + q);
        const Reading &d = downloads.at(q + alreadyStored - 1);
        entry.month = d.month;
        entry.day = d.day;
        entry.hour = d.hour;
        entry.minute = d.minute;
        entry.glucose = d.glucose;
        entry.event = d.event;
        entry.year = inferYear(entry, now);
    }
}

bool SaveNewData(ReadingTables &tables, const QString &userId, int meterCount,
                 const QDateTime &now, const QString &readingFilePath, QString *error)
{
    ReadingTables merged = tables;
    if (userId == UserRegistry::kGuestId)
        merged.setCount(0);
    NewOldCutCombin(merged, meterCount, now);
    if (!ReadingFile::CreateAfile(readingFilePath, merged, now, error))
        return false;
    tables = std::move(merged);
    return true;
}

} // namespace ReadingMerge
