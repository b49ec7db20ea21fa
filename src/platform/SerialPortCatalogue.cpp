#include "platform/SerialPortCatalogue.h"

#include <QStringList>

QString SerialPortEntry::label() const
{
    return description.isEmpty() ? device : QStringLiteral("%1 (%2)").arg(device, description);
}

QString SerialPortEntry::details() const
{
    const auto hex = [](quint16 id) { return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); };
    QStringList parts;
    if (!description.isEmpty())
        parts << description;
    if (!manufacturer.isEmpty())
        parts << QStringLiteral("maker ") + manufacturer;
    if (vendorId || productId) {
        parts << QStringLiteral("USB %1:%2")
                     .arg(vendorId ? hex(*vendorId) : QStringLiteral("?"),
                          productId ? hex(*productId) : QStringLiteral("?"));
    }
    if (!serialNumber.isEmpty())
        parts << QStringLiteral("serial number ") + serialNumber;
    return parts.isEmpty() ? device : device + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

namespace SerialPorts {

namespace {

class NoPorts : public SerialPortCatalogue
{
public:
    QList<SerialPortEntry> ports() const override { return {}; }
};

const NoPorts kNoPorts;
const SerialPortCatalogue *g_catalogue = &kNoPorts;

} // namespace

const SerialPortCatalogue &catalogue()
{
    return *g_catalogue;
}

void setCatalogue(const SerialPortCatalogue *catalogue)
{
    g_catalogue = catalogue ? catalogue : &kNoPorts;
}

SerialPortEntry find(const QList<SerialPortEntry> &ports, const QString &device)
{
    for (const SerialPortEntry &p : ports) {
        if (p.device == device)
            return p;
    }
    return {device, {}, {}, {}, {}, {}};
}

QList<SerialPortEntry> namedFirst(const QList<SerialPortEntry> &ports, const QString &device)
{
    if (device.isEmpty())
        return ports;
    QList<SerialPortEntry> out{find(ports, device)};
    for (const SerialPortEntry &p : ports) {
        if (p.device != device)
            out << p;
    }
    return out;
}

QString deviceGone(const QString &device, const QList<SerialPortEntry> &present)
{
    QStringList labels;
    for (const SerialPortEntry &p : present)
        labels << p.label();
    const QString there
        = labels.isEmpty()
              ? QStringLiteral("This computer lists no serial ports.")
              : QStringLiteral("The serial ports of this computer: %1.").arg(labels.join(QStringLiteral(", ")));
    return QStringLiteral("%1 is not there. ").arg(device) + there;
}

} // namespace SerialPorts
