#include "platform/DataFolderLock.h"

#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

namespace {

// The name the lock file gives this computer.
QString computerName()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

} // namespace

DataFolderLock::DataFolderLock(const QString &dir)
    : m_dir(dir)
    , m_path(QDir(dir).filePath(QLatin1String(kFileName)))
    , m_lock(m_path)
{
    // A long run must not look abandoned: only a provably gone owner loses it.
    m_lock.setStaleLockTime(0);
}

bool DataFolderLock::acquire(QString *error)
{
    const QString folder = QDir::toNativeSeparators(m_dir);
    const QString file = QDir::toNativeSeparators(m_path);
    // The lock file reads its owner with a plain open, which would wait for
    // ever on a FIFO and follow a link: whatever is there is looked at first
    // without blocking and without following.
    QFile existing;
    QString why;
    if (RegularFile::exists(m_path) && !RegularFile::open(existing, m_path, QIODevice::ReadOnly, &why)) {
        *error = QCoreApplication::translate("DataFolderLock",
                                             "Cannot lock the data folder %1: the lock file %2 cannot be used: %3.")
                     .arg(folder, file, why);
        return false;
    }
    existing.close();
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError) {
        const QString reason
            = m_lock.error() == QLockFile::PermissionError
                  ? QCoreApplication::translate("DataFolderLock", "you may not write in the folder")
                  : QCoreApplication::translate("DataFolderLock", "the lock file %1 cannot be created").arg(file);
        *error
            = QCoreApplication::translate("DataFolderLock", "Cannot lock the data folder %1: %2.").arg(folder, reason);
        return false;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    // QLockFile already takes over the lock of an ended process of this computer;
    // a file it cannot read names no owner at all.
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        if (m_lock.removeStaleLockFile() && m_lock.tryLock(0))
            return true;
        *error = QCoreApplication::translate("DataFolderLock",
                                             "The lock file %1 of the data folder %2 cannot be read or taken over. "
                                             "Delete it and start again.")
                     .arg(file, folder);
        return false;
    }
    const QString owner
        = host.isEmpty() || host == computerName()
              ? QCoreApplication::translate("DataFolderLock", "process %1").arg(pid)
              : QCoreApplication::translate("DataFolderLock", "process %1 on the computer %2").arg(pid).arg(host);
    *error = QCoreApplication::translate("DataFolderLock",
                                         "Dextrel Management Software is already running with the data folder %1 (%2). "
                                         "If it is not, delete the file %3 and start again.")
                 .arg(folder, owner, file);
    return false;
}
