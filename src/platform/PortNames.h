#pragma once

#include <QString>

// The device behind serial port 1..5 of the user settings: COMn on Windows,
// /dev/ttyS<n-1> elsewhere, unless DEXTREL_COM<n> names another device (a
// USB-serial adapter, or the meter emulator's pseudo-terminal).
namespace PortNames {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 5;

// Empty for a port number outside 1..5 (a hand-edited user list).
QString deviceFor(int port);
// Why a port number outside 1..5 cannot be opened.
QString noSuchPort(int port);

} // namespace PortNames
