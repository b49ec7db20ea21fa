#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace TemporaryFiles {

QString templateFor(const QString &path)
{
    return path + QStringLiteral(".XXXXXX");
}

void removeLeftovers(const QString &dir)
{
    // Every file the program rewrites ends in ".txt"; backups end in ".bak".
    static const QRegularExpression leftover(QStringLiteral("\\.txt\\.[A-Za-z0-9]{6}$"));
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!entry.isSymLink() && entry.isFile() && leftover.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
    }
}

} // namespace TemporaryFiles
