#include "platform/PortNames.h"

namespace PortNames {

QString defaultDevice(int port)
{
    if (port < kFirstPort || port > kLastPort)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

namespace {

// A device named without its folder ("ttyUSB0", "pts/3") is opened in /dev,
// and named so in what the user reads.
QString systemPath(const QString &device)
{
#ifdef Q_OS_WIN
    return device;
#else
    return device.startsWith(u'/') || device.startsWith(u'.') ? device : QStringLiteral("/dev/") + device;
#endif
}

} // namespace

Choice choose(int port, const QString &chosen)
{
    if (port < kFirstPort || port > kLastPort)
        return {};
    const QString override = qEnvironmentVariable(qPrintable(QStringLiteral("DEXTREL_COM%1").arg(port)));
    if (!override.isEmpty())
        return {systemPath(override), Source::Environment};
    if (!chosen.isEmpty())
        return {systemPath(chosen), Source::SettingsFile};
    return {defaultDevice(port), Source::Default};
}

QString describe(int port, const Choice &choice)
{
    QString how;
    switch (choice.source) {
    case Source::Default: how = QStringLiteral("the default"); break;
    case Source::SettingsFile: how = QStringLiteral("from the settings file"); break;
    case Source::Environment: how = QStringLiteral("from DEXTREL_COM%1").arg(port); break;
    }
    return QStringLiteral("%1 for port %2, %3").arg(choice.device).arg(port).arg(how);
}

QString noSuchPort(int port)
{
    return QStringLiteral("Serial port %1 does not exist: choose a port from %2 to %3 in the settings.")
        .arg(port)
        .arg(kFirstPort)
        .arg(kLastPort);
}

} // namespace PortNames
