#pragma once

#include <QString>

// Whether the file system of a folder takes names that differ only in case for
// the same file (usual on Windows and macOS, possible anywhere). Found out by
// creating a probe file in the folder itself, not guessed from the system.
namespace FolderCase {

// The probe's name, before the ending of a temporary file.
inline const QString kProbeName = QStringLiteral("case-probe");

// True when it ignores case, and also when the probe cannot be made: then two
// IDs that differ only in case are better refused than allowed to share a file.
bool ignoresCase(const QString &dir);

} // namespace FolderCase
