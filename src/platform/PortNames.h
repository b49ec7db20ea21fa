#pragma once

#include <QString>

// The device behind serial port 1..5 of the user settings: COMn on Windows,
// /dev/ttyS<n-1> elsewhere, unless the user chose another device for the port
// in the settings (a USB-serial adapter), or DEXTREL_COM<n> names one (the
// meter emulator's pseudo-terminal, a device for one run).
namespace PortNames {

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 5;

// How the device of a port number was chosen, strongest last.
enum class Source { Default, SettingsFile, Environment };

struct Choice
{
    QString device; // empty for a port number outside 1..5 (a hand-edited user list)
    Source source = Source::Default;

    friend bool operator==(const Choice &, const Choice &) = default;
};

// DEXTREL_COM<n> wins over chosen (the device kept in the settings file, empty
// for none), which wins over the default. A device named without its folder
// elsewhere than on Windows is the one in /dev.
Choice choose(int port, const QString &chosen);
// COMn or /dev/ttyS<n-1>.
QString defaultDevice(int port);
// For the download log: "/dev/ttyUSB0 for port 1, from the settings file".
QString describe(int port, const Choice &choice);
// Why a port number outside 1..5 cannot be opened.
QString noSuchPort(int port);

} // namespace PortNames
