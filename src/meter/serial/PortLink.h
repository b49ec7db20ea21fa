#pragma once

// The serial line of this system: the program's own over the Win32
// communications API on Windows, Qt's serial port elsewhere.
#ifdef Q_OS_WIN
#include "meter/serial/WinSerialLink.h"
using PortLink = WinSerialLink;
#else
#include "meter/serial/SerialLink.h"
using PortLink = SerialLink;
#endif
