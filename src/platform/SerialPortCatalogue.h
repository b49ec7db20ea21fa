#pragma once

#include <QList>
#include <QString>

#include <optional>

// One serial port the computer lists, with what the system says about it.
struct SerialPortEntry
{
    QString device;      // what the program opens: /dev/ttyUSB0, COM6
    QString description; // "USB serial adapter"
    QString manufacturer;
    std::optional<quint16> vendorId; // USB adapters only
    std::optional<quint16> productId;
    QString serialNumber;

    // "/dev/ttyUSB0 (USB serial adapter)", or the device alone without a description.
    QString label() const;
    // Everything known, on one line for a support request:
    // "/dev/ttyUSB0: USB serial adapter; maker FTDI; USB 0403:6001; serial number A10K3".
    QString details() const;

    friend bool operator==(const SerialPortEntry &, const SerialPortEntry &) = default;
};

// The serial ports of this computer as they are now. The program lists the
// system's; tests put in their own, since the meter emulator's pseudo-terminals
// are no serial ports the system lists.
class SerialPortCatalogue
{
public:
    virtual ~SerialPortCatalogue() = default;
    virtual QList<SerialPortEntry> ports() const = 0;
};

namespace SerialPorts {

// The catalogue put in place last; one listing nothing until then.
const SerialPortCatalogue &catalogue();
void setCatalogue(const SerialPortCatalogue *catalogue);

// The entry for device, or one with the device alone.
SerialPortEntry find(const QList<SerialPortEntry> &ports, const QString &device);
// The device the user named (typed in, or chosen for a port) first, then the
// other ports; the ports alone when device is empty.
QList<SerialPortEntry> namedFirst(const QList<SerialPortEntry> &ports, const QString &device);
// A device that is not there to be opened, and what is:
// "/dev/ttyUSB0 is not there. The serial ports of this computer: /dev/ttyS0, /dev/ttyUSB1 (USB serial adapter)."
QString deviceGone(const QString &device, const QList<SerialPortEntry> &present);

} // namespace SerialPorts
