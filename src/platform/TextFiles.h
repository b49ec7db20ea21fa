#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whole-file reads and writes for the registry and reading files. A rewrite goes
// through a temporary file that replaces the old one only when completely written,
// so after a crash or power cut the file holds the old or the new content. Files
// are created owner-only on POSIX: they hold passwords and health data. Only
// ordinary files are read or written: a link or special file in the place of one
// is refused with a reason naming it (see RegularFile).
namespace TextFiles {

// Something, even a dangling link, is at path.
bool exists(const QString &path);
bool read(const QString &path, QByteArray *content, QString *error);
bool writeAtomically(const QString &path, const QByteArray &content, QString *error);
// Writes a file that must not exist yet, flushed to disk: through a temporary
// file that takes the name only when completely written, so that a full disk
// or a size limit leaves no cut-short file under the name. *taken is set when
// the name is already in use (nothing is written then).
bool writeNew(const QString &path, const QByteArray &content, QString *error, bool *taken);
// Appends and flushes to disk before returning; false (nothing written) when the
// file does not exist.
bool append(const QString &path, const QByteArray &content, QString *error);
// Takes the group's and others' access away from an existing file.
void keepOwnerOnly(const QString &path);

// Text of the system's 8-bit encoding; lines end with CR LF on disk.
QByteArray encodeLine(const QString &line);

// The lines of file content, without their ends: CR LF, LF or a lone CR (as an
// old editor may have saved them) each end a line.
class LineSplitter
{
public:
    explicit LineSplitter(QByteArrayView content)
        : m_content(content)
    {
    }
    bool next(QByteArrayView *line);
    // What ended the line next() gave last: CR LF, LF, a lone CR, or nothing
    // after an unfinished last line.
    QByteArrayView lineEnd() const { return m_content.sliced(m_lineEnd, qMin(m_pos, m_content.size()) - m_lineEnd); }

private:
    QByteArrayView m_content;
    qsizetype m_pos = 0;
    qsizetype m_lineEnd = 0;
    qsizetype m_nextLf = -1; // where the next LF is (size when none), found once per LF
};

} // namespace TextFiles
