#pragma once

#include <QString>

// Windows only: the system's words for an error code (GetLastError()), except
// where plainer ones say what to do about it ("no space left on the disk").
// Without a full stop, to go inside a sentence of the program's own.
namespace WindowsErrors {

QString text(unsigned long error);

} // namespace WindowsErrors
