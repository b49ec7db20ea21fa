#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the registry and reading files. A rewrite goes
// through a temporary file that replaces the old one only when completely written,
// so after a crash or power cut the file holds the old or the new content. Files
// are created owner-only on POSIX: they hold passwords and health data.
namespace TextFiles {

bool exists(const QString &path);
bool read(const QString &path, QByteArray *content, QString *error);
bool writeAtomically(const QString &path, const QByteArray &content, QString *error);
// Appends and flushes to disk before returning; false (nothing written) when the
// file does not exist.
bool append(const QString &path, const QByteArray &content, QString *error);

// Text of the system's 8-bit encoding; lines end with CR LF on disk.
QByteArray encodeLine(const QString &line);
// Splits file content into lines, accepting CR LF or LF endings.
QList<QByteArray> splitLines(const QByteArray &content);

} // namespace TextFiles

namespace TextFiles::testing {
// Makes the next atomic write fail just before it would replace the file, as a
// full disk or a pulled USB stick would. Tests use it; the program never does.
void failNextCommit();
}
