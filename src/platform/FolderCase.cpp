#include "platform/FolderCase.h"

#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

namespace {
std::optional<bool> g_pretend;
}

namespace FolderCase {

bool ignoresCase(const QString &dir)
{
    if (g_pretend)
        return *g_pretend;
    QTemporaryFile probe(TemporaryFiles::templateFor(QDir(dir).filePath(QStringLiteral("case-probe"))));
    if (!probe.open())
        return true;
    const QFileInfo info(probe.fileName());
    const QString other = info.dir().filePath(info.fileName().toUpper());
    return QFileInfo::exists(other);
}

} // namespace FolderCase

namespace FolderCase::testing {
void pretendIgnoresCase(std::optional<bool> ignores)
{
    g_pretend = ignores;
}
} // namespace FolderCase::testing
