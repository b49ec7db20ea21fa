#include "platform/FolderCase.h"

#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace FolderCase {

bool ignoresCase(const QString &dir)
{
    QTemporaryFile probe(TemporaryFiles::templateFor(QDir(dir).filePath(kProbeName)));
    if (!probe.open())
        return true;
    const QFileInfo info(probe.fileName());
    const QString other = info.dir().filePath(info.fileName().toUpper());
    return QFileInfo::exists(other);
}

} // namespace FolderCase
