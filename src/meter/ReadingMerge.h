#pragma once

#include "store/ReadingTables.h"

#include <QDateTime>
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

// Reverses download entries 1..meterCount in place, drops the ones already
// stored, appends the rest to the reading table with an inferred year, and
// replaces a lone template row. The reading table grows as needed.
void NewOldCutCombin(ReadingTables &tables, int meterCount, const QDateTime &now);

// The end of a download: the guest starts afresh, the download is merged and
// the reading file rewritten. When the file cannot be written, the tables are
// left exactly as they were, so memory never shows readings that are not on
// disk, and error says why.
bool SaveNewData(ReadingTables &tables, const QString &userId, int meterCount,
                 const QDateTime &now, const QString &readingFilePath, QString *error);

} // namespace ReadingMerge
