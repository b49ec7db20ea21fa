#include "platform/DataFolder.h"

#include "platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace DataFolder {

Choice chooseOnWindows(const QString &root, const QString &perUser, const FileCheck &exists,
                       const FileCheck &acceptsNewFile)
{
    if (exists(registryPath(root)) || acceptsNewFile(root))
        return {root, {}};
    Choice out{perUser, {}};
    if (!exists(registryPath(perUser))) {
        out.note = QCoreApplication::translate(
                       "DataFolder",
                       "You may not create files in %1, so the user list and the readings are kept in %2.")
                       .arg(QDir::toNativeSeparators(root), QDir::toNativeSeparators(perUser));
    }
    return out;
}

QString resolve(const QString &fromCommandLine, QString *note)
{
    if (!fromCommandLine.isEmpty())
        return QDir(fromCommandLine).absolutePath();
    const QString fromEnv = qEnvironmentVariable("DEXTREL_DATA_DIR");
    if (!fromEnv.isEmpty())
        return QDir(fromEnv).absolutePath();
#ifdef Q_OS_WIN
    const auto exists = [](const QString &path) { return QFileInfo::exists(path); };
    const auto acceptsNewFile = [](const QString &dir) {
        // Named as the program's temporaries: one a crash leaves is cleared at the next start.
        QTemporaryFile probe(TemporaryFiles::templateFor(QDir(dir).filePath(QStringLiteral("write-probe"))));
        return probe.open();
    };
    const Choice choice = chooseOnWindows(QStringLiteral("C:/"),
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), exists,
                                          acceptsNewFile);
    if (note)
        *note = choice.note;
    return choice.dir;
#else
    Q_UNUSED(note);
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

bool ensureExists(const QString &dir, QString *error)
{
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    if (QDir(clean).exists())
        return true;
    bool made = true;
#ifdef Q_OS_UNIX
    // mkpath would give every new folder 0777 less the umask: writable by all under umask 000.
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (qsizetype i = 0; made && i < parts.size(); ++i) {
        path += QLatin1Char('/') + parts.at(i);
        if (QDir(path).exists())
            continue;
        const mode_t mode = i + 1 == parts.size() ? S_IRWXU : S_IRWXU | S_IRGRP | S_IXGRP | S_IROTH | S_IXOTH;
        made = ::mkdir(QFile::encodeName(path).constData(), mode) == 0 || QDir(path).exists();
    }
#else
    made = QDir().mkpath(clean);
#endif
    if (!made) {
        if (error)
            *error = QCoreApplication::translate("DataFolder", "Cannot create the data folder %1.")
                         .arg(QDir::toNativeSeparators(dir));
        return false;
    }
    return true;
}

QString openToOthersWarning(const QString &dir)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(dir).constData(), &st) == 0 && (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return QCoreApplication::translate(
                   "DataFolder", "Other users of this computer can write in the data folder %1: they could replace "
                                 "your files with their own or with links. Make it writable by you alone, "
                                 "for example with: chmod go-w %1")
            .arg(QDir::toNativeSeparators(dir));
    }
#else
    Q_UNUSED(dir);
#endif
    return {};
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
