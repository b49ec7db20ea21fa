#include "platform/BackupNames.h"

#include <QRegularExpression>

namespace BackupNames {

QStringList candidates(const QString &path, const QDateTime &now)
{
    const QString stamped = path + QLatin1Char('.') + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QStringList names{path + QStringLiteral(".bak"), stamped + QStringLiteral(".bak")};
    for (int n = 2; names.size() < kTries; ++n)
        names << stamped + QStringLiteral("-%1.bak").arg(n);
    return names;
}

bool isKeptCopy(const QString &fileName)
{
    return !originalOf(fileName).isEmpty();
}

QString originalOf(const QString &fileName)
{
    static const QRegularExpression kept(QStringLiteral("^(.+\\.txt)(\\.\\d{8}-\\d{6}(-\\d+)?)?\\.bak$"));
    return kept.match(fileName).captured(1);
}

} // namespace BackupNames
