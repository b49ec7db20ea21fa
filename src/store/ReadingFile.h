#pragma once

#include "store/ReadingTables.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A user's reading file: a header line and one comma-separated reading per line,
// newest download first. The file is read whole at login into the reading
// table and rewritten whole from it after a download.
namespace ReadingFile {

inline constexpr char kHeader[] = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
// The only data line of a file that holds no reading yet.
inline constexpr char kTemplateRow[] = "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000";
// A longer line is damaged, whatever it holds. The longest line this program
// writes is 161 bytes, with every number at its widest; the rest leaves room
// for numbers padded by hand.
inline constexpr qsizetype kLongestLine = 256;

// Header and template row, as a new user's file holds them.
QByteArray newFileContent();
// Creates (or replaces) the file at path with the content of a new file.
bool create(const QString &path, QString *error);

// The whole file: header, then the reading table from entry count() down to
// entry 1, a line each, numbered from T0001 as in
// "T0001,00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30"; every line ends
// with CR LF. lineStarts, when given, gets where each reading's line starts, as
// LoadResult holds them.
QByteArray format(const ReadingTables &tables, QList<qsizetype> *lineStarts = nullptr);

struct LoadResult
{
    bool ok = false;
    QString error;
    ReadingTables tables;
    // The file's bytes, and where the line of each reading starts in them, in
    // file order (so the line of entry i is lineStarts[count() - i]).
    QByteArray content;
    QList<qsizetype> lineStarts;
    int skippedLines = 0;     // data lines that could not be read
    int firstSkippedLine = 0; // line number in the file, the header being line 1
    // Readings whose Event is none of C, PC and QC (nor 0, 1, 2 or empty):
    // written C from then on, so the file is kept before it is rewritten.
    int unknownMarks = 0;
    int firstUnknownMarkLine = 0;
    QByteArray firstUnknownMark; // as the file holds it, "pc"
};

// Reads the file into the reading table (last line first). Lines may end with
// CR LF, LF or a lone CR; a byte-order mark before the header is ignored, and a
// first line that is a reading in place of the header is read. Data lines that
// are longer than kLongestLine or not ten fields with whole numbers where numbers
// belong, and any other first line than the header, are skipped and counted; the
// tables then ask the next rewrite to keep the original, as they do when an Event
// is not a mark the file holds ("pc" is written C). Empty lines are ignored.
// A link or anything else than a plain file is not read (see TextFiles::read).
LoadResult load(const QString &path);
// The same for the file's content.
LoadResult parse(QByteArray content);

// Rewrites the file from the reading table. When the tables ask for it, the
// file's current bytes are first kept as path + ".bak", or, when that name is
// taken, under a name with the moment `now` in it (see BackupNames): no kept
// copy is ever written over. On failure the file is left as it was and error
// says why; on success written and lineStarts, when given, hold the file's new
// bytes and where each reading's line starts in them (see format()).
bool CreateAfile(const QString &path, ReadingTables &tables, const QDateTime &now, QString *error,
                 QByteArray *written = nullptr, QList<qsizetype> *lineStarts = nullptr);

// The path the first untouched original is kept under.
QString backupPath(const QString &path);

// Warning for the user after a load that skipped lines or read marks the file
// cannot hold; empty when there were none.
QString loadWarning(const QString &path, const LoadResult &result);

} // namespace ReadingFile
