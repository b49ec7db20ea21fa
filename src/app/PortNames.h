#pragma once

#include <QString>

// The device behind serial port 1..5 of the user settings: COMn on Windows,
// /dev/ttyS<n-1> elsewhere, unless DEXTREL_COM<n> names another device (a
// USB-serial adapter, or the meter emulator's pseudo-terminal).
namespace PortNames {
QString deviceFor(int port);
}
