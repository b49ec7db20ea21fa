#include "platform/PortNames.h"

namespace PortNames {

QString deviceFor(int port)
{
    if (port < kFirstPort || port > kLastPort)
        return {};
    const QString override = qEnvironmentVariable(qPrintable(QStringLiteral("DEXTREL_COM%1").arg(port)));
    if (!override.isEmpty())
        return override;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

QString noSuchPort(int port)
{
    return QStringLiteral("Serial port %1 does not exist: choose a port from %2 to %3 in the settings.")
        .arg(port)
        .arg(kFirstPort)
        .arg(kLastPort);
}

} // namespace PortNames
