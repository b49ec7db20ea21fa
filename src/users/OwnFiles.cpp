#include "users/OwnFiles.h"

#include "platform/BackupNames.h"
#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "platform/DeviceChoices.h"
#include "platform/FolderCase.h"
#include "platform/DownloadLogFile.h"
#include "platform/FileIdentity.h"
#include "platform/TemporaryFiles.h"
#include "users/UserRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// What makes two paths the same file; empty when nothing is there.
QString identity(const QString &path)
{
    return FileIdentity::of(path);
}

struct OwnFile
{
    QString kind; // "the user list"
    QString path;
};

// The program's files in dataDir that are there now, and the names a new one
// takes (compared without case, as a file system may).
QList<OwnFile> ownFiles(const QString &dataDir)
{
    QList<OwnFile> own{{QCoreApplication::translate("OwnFiles", "the user list"), DataFolder::registryPath(dataDir)},
                       {QCoreApplication::translate("OwnFiles", "the settings file"), DeviceChoices::path(dataDir)},
                       {QCoreApplication::translate("OwnFiles", "the lock file"),
                        QDir(dataDir).filePath(QLatin1String(DataFolderLock::kFileName))}};
    UserTable users;
    if (UserRegistry::read(DataFolder::registryPath(dataDir), &users, nullptr)) {
        for (const UserRecord &r : users.records())
            own.append({QCoreApplication::translate("OwnFiles", "the reading file"),
                        DataFolder::readingFilePath(dataDir, r.id)});
    }
    const auto files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QFileInfo &entry : QDir(dataDir).entryInfoList(files)) {
        if (TemporaryFiles::isTemporary(entry.fileName()))
            own.append({QCoreApplication::translate("OwnFiles", "the temporary file"), entry.filePath()});
        else if (BackupNames::isKeptCopy(entry.fileName()))
            own.append({QCoreApplication::translate("OwnFiles", "the kept copy"), entry.filePath()});
    }
    if (DownloadLogFile::folderProblem(dataDir).isEmpty()) {
        for (const QFileInfo &entry : QDir(DownloadLogFile::folder(dataDir)).entryInfoList(files))
            own.append({QCoreApplication::translate("OwnFiles", "the download log"), entry.filePath()});
    }
    return own;
}

QString refusal(const QString &path, const OwnFile &own)
{
    return QCoreApplication::translate(
               "OwnFiles", "Cannot write %1: it is %2 %3, one of the program's own files. Choose another file.")
        .arg(QDir::toNativeSeparators(path), own.kind, QDir::toNativeSeparators(own.path));
}

} // namespace

namespace OwnFiles {

QString exportRefusal(const QString &dataDir, const QString &path)
{
    const QList<OwnFile> own = ownFiles(dataDir);
    if (const QString target = identity(path); !target.isEmpty()) {
        for (const OwnFile &file : own) {
            if (identity(file.path) == target)
                return refusal(path, file);
        }
    }
    // A file is the program's, also one not made yet or not listed (a name of
    // another encoding), when its folder is the data folder and its name one
    // the program uses, or when its folder is the logs folder.
    const QFileInfo info(path);
    const QString folder = identity(info.absolutePath());
    if (folder.isEmpty())
        return {};
    if (folder == identity(DownloadLogFile::folder(dataDir)) && DownloadLogFile::folderProblem(dataDir).isEmpty())
        return refusal(path, {QCoreApplication::translate("OwnFiles", "the download log"), path});
    if (folder != identity(dataDir))
        return {};
    const QString name = info.fileName();
    for (const OwnFile &file : own) {
        if (QFileInfo(file.path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return refusal(path, file);
    }
    if (TemporaryFiles::isTemporary(name))
        return refusal(path, {QCoreApplication::translate("OwnFiles", "the temporary file"), path});
    if (BackupNames::isKeptCopy(name))
        return refusal(path, {QCoreApplication::translate("OwnFiles", "the kept copy"), path});
    return {};
}

void removeLeftovers(const QString &dataDir)
{
    const auto nameOf = [](const QString &path) { return QFileInfo(path).fileName(); };
    QSet<QString> readingFiles;
    UserTable users;
    if (UserRegistry::read(DataFolder::registryPath(dataDir), &users, nullptr)) {
        for (const UserRecord &r : users.records())
            readingFiles.insert(nameOf(DataFolder::readingFilePath(dataDir, r.id)));
    }
    const QSet<QString> rewritten{nameOf(DataFolder::registryPath(dataDir)), nameOf(DeviceChoices::path(dataDir)),
                                  FolderCase::kProbeName};
    TemporaryFiles::removeLeftovers(dataDir, [&](const QString &name) {
        return rewritten.contains(name) || readingFiles.contains(name)
               || readingFiles.contains(BackupNames::originalOf(name));
    });
}

} // namespace OwnFiles
