#pragma once

#include <QString>

// Where the registry file and the reading files live. A command-line folder wins,
// then DEXTREL_DATA_DIR, then the platform's own folder (C:\ on Windows, the
// per-user application data folder elsewhere).
namespace DataFolder {

QString resolve(const QString &fromCommandLine);

// Creates the folder when missing (owner-only on POSIX). False when it cannot.
bool ensureExists(const QString &dir, QString *error);

QString registryPath(const QString &dir);
// The reading file of a user. The ID must have passed the user-ID checks first.
QString readingFilePath(const QString &dir, const QString &userId);

} // namespace DataFolder
