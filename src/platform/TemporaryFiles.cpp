#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace TemporaryFiles {

QString templateFor(const QString &path)
{
    return path + QStringLiteral(".XXXXXX") + QLatin1String(kEnding);
}

bool isTemporary(const QString &fileName)
{
    static const QRegularExpression own(
        QStringLiteral("^.+\\.[A-Za-z0-9]{6}%1$").arg(QRegularExpression::escape(QLatin1String(kEnding))));
    return own.match(fileName).hasMatch();
}

void removeLeftovers(const QString &dir)
{
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!entry.isSymLink() && entry.isFile() && isTemporary(entry.fileName()))
            QFile::remove(entry.filePath());
    }
}

} // namespace TemporaryFiles
