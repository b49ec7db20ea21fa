#pragma once

#include <QtGlobal>

class QByteArray;
class QString;

// The step of a rewrite that puts the new content, already written in full and
// on the disk, in the place of the old file (see TextFiles::writeAtomically).
// It has a file of its own so that a test can link one in its place that fails
// this step on request, as a full disk or a pulled USB stick would, and see
// that such a failure changes nothing.
namespace FileCommit {

#ifdef Q_OS_UNIX
// rename() of the temporary file to the file: 0, else the error number.
int rename(const QByteArray &temporary, const QByteArray &path);
// link() of the temporary file to a name that must not exist yet (a kept
// copy): 0, else the error number; EEXIST when the name is taken.
int link(const QByteArray &temporary, const QByteArray &path);
#else
// MoveFileEx() of the temporary file to the file: 0, else the error code.
unsigned long rename(const QString &temporary, const QString &path);
// The same to a name that must not exist yet (a kept copy), never replacing
// what took it: 0, else the error code; ERROR_ALREADY_EXISTS when it is taken.
unsigned long moveNew(const QString &temporary, const QString &path);
#endif

} // namespace FileCommit
