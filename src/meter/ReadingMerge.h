#pragma once

#include "store/ReadingStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Merging a download into the reading table and saving the result.
//
// The meter numbers its records from 1 (newest) and keeps records that earlier
// downloads already took. The previous file's first line is the newest reading
// stored so far; the downloaded records numbered below the one equal to it are
// new and go in front of it, the rest are dropped as already stored.
namespace ReadingMerge {

// The year a downloaded record gets: the current year when its moment is not
// later than now within the year, the year before otherwise.
int inferYear(const Reading &record, const QDateTime &now);

// Takes the meter's records (records[k - 1] is meter record k) oldest first,
// drops the ones already stored, appends the rest to the reading table with an
// inferred year, and replaces a lone template row. The table grows as needed.
void NewOldCutCombin(ReadingTables &tables, const QList<Reading> &records, const QDateTime &now);

// The end of a download: the guest starts afresh, the records are merged and
// the reading file rewritten through the store. When the file cannot be
// written, the store is left exactly as it was, so memory never shows
// readings that are not on disk, and error says why.
bool SaveNewData(ReadingStore &store, const QString &userId, const QList<Reading> &records, const QDateTime &now,
                 const QString &readingFilePath, QString *error);

} // namespace ReadingMerge
