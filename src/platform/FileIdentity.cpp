#include "platform/FileIdentity.h"

#include "platform/LocalBytes.h"

#ifdef Q_OS_WIN
#include "platform/WindowsFiles.h"
#else
#include <sys/stat.h>
#endif

namespace FileIdentity {

QString of(const QString &path)
{
#ifdef Q_OS_WIN
    return WindowsFiles::identity(path);
#else
    struct stat st;
    if (::stat(LocalBytes::encode(path).constData(), &st) != 0)
        return {};
    return QStringLiteral("%1:%2").arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
#endif
}

} // namespace FileIdentity
