#include "meter/serial/SystemSerialPorts.h"

#include <QSerialPortInfo>

QList<SerialPortEntry> SystemSerialPorts::ports() const
{
    QList<SerialPortEntry> out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        out << SerialPortEntry{info.systemLocation(),
                               info.description(),
                               info.manufacturer(),
                               info.hasVendorIdentifier() ? std::optional(info.vendorIdentifier()) : std::nullopt,
                               info.hasProductIdentifier() ? std::optional(info.productIdentifier()) : std::nullopt,
                               info.serialNumber()};
    }
    return out;
}
