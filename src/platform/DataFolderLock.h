#pragma once

#include <QLockFile>
#include <QString>

// One running program per data folder: two would overwrite each other's files.
// The lock is the file "dextrel.lock" in the folder, held for as long as this
// object lives.
class DataFolderLock
{
public:
    static constexpr char kFileName[] = "dextrel.lock";

    explicit DataFolderLock(const QString &dir);

    // Takes the lock. Something other than an ordinary file in the lock's place
    // (a link, a FIFO, a folder) is refused, naming it, and left alone. A lock whose owner is provably gone (a process of this
    // computer that has ended) or whose file cannot be read (empty, garbage) is
    // taken over. Otherwise false, with a message that names the lock file and
    // says how to clear it.
    bool acquire(QString *error);

    QString path() const { return m_path; }

private:
    QString m_dir;
    QString m_path;
    QLockFile m_lock;
};
