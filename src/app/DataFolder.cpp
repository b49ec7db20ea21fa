#include "app/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace DataFolder {

QString resolve(const QString &fromCommandLine)
{
    if (!fromCommandLine.isEmpty())
        return QDir(fromCommandLine).absolutePath();
    const QString fromEnv = qEnvironmentVariable("DEXTREL_DATA_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
#ifdef Q_OS_WIN
    return QStringLiteral("C:/");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

bool ensureExists(const QString &dir, QString *error)
{
    QDir d(dir);
    if (d.exists())
        return true;
    if (!d.mkpath(QStringLiteral("."))) {
        if (error)
            *error = QStringLiteral("Cannot create the data folder %1.").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

QString registryPath(const QString &dir)
{
    return QDir(dir).filePath(QStringLiteral("DXRegister.txt"));
}

QString readingFilePath(const QString &dir, const QString &userId)
{
    return QDir(dir).filePath(userId + QStringLiteral(".txt"));
}

} // namespace DataFolder
