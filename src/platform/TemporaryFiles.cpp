#include "platform/TemporaryFiles.h"

#include "platform/RegularFile.h"

#include <QDir>
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

QString fileOf(const QString &temporaryName)
{
    return isTemporary(temporaryName) ? temporaryName.chopped(kLongestSuffix) : QString();
}

void removeLeftovers(const QString &dir, const std::function<bool(const QString &fileName)> &isOwn)
{
    for (const QString &name : RegularFile::namesIn(dir)) {
        const QString of = fileOf(name);
        if (!of.isEmpty() && isOwn(of))
            RegularFile::remove(QDir(dir).filePath(name));
    }
}

} // namespace TemporaryFiles
