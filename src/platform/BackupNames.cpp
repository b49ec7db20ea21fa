#include "platform/BackupNames.h"

namespace BackupNames {

QStringList candidates(const QString &path, const QDateTime &now)
{
    const QString stamped = path + QLatin1Char('.') + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QStringList names{path + QStringLiteral(".bak"), stamped + QStringLiteral(".bak")};
    for (int n = 2; names.size() < kTries; ++n)
        names << stamped + QStringLiteral("-%1.bak").arg(n);
    return names;
}

} // namespace BackupNames
