#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Names a kept copy of a file may take, in the order they are tried; a copy is
// never written over another. The first is the file's name + ".bak"
// ("anna.txt.bak"), later ones carry the moment of saving
// ("anna.txt.20050314-083000.bak", then "anna.txt.20050314-083000-2.bak" ...).
namespace BackupNames {

// The most names tried for one copy: more than anyone saves in one second.
inline constexpr int kTries = 10;
// The longest a name gets beyond the file's own name, in bytes.
inline constexpr int kLongestSuffix = int(sizeof ".20050314-083000-9.bak") - 1;

QStringList candidates(const QString &path, const QDateTime &now);
// Whether a file name is a kept copy of a ".txt" file, as candidates() names them.
bool isKeptCopy(const QString &fileName);
// The name of the file a kept copy is of ("anna.txt"); empty for another name.
QString originalOf(const QString &fileName);

} // namespace BackupNames
