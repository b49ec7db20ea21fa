#pragma once

#include "platform/SerialPortCatalogue.h"

// The serial ports the system lists now: built-in ports, USB-serial adapters.
class SystemSerialPorts : public SerialPortCatalogue
{
public:
    QList<SerialPortEntry> ports() const override;
};
