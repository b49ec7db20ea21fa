#include "app/PortNames.h"

namespace PortNames {

QString deviceFor(int port)
{
    const QString override = qEnvironmentVariable(qPrintable(QStringLiteral("DEXTREL_COM%1").arg(port)));
    if (!override.isEmpty())
        return override;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

} // namespace PortNames
