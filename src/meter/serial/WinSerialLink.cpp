#include "meter/serial/WinSerialLink.h"

#include "platform/WindowsErrors.h"

#include <QMetaObject>

#include <windows.h>

namespace {

HANDLE handleOf(void *h)
{
    return static_cast<HANDLE>(h);
}

// What CreateFile opens for a port name: COM10 and above only as \\.\COM10,
// so every bare name gets the prefix; a path is opened as given (and then
// refused when it is not a serial port).
QString systemPath(const QString &device)
{
    if (device.startsWith(QLatin1String("\\\\")) || device.contains(u':') || device.contains(u'\\')
        || device.contains(u'/'))
        return device;
    return QStringLiteral("\\\\.\\") + device;
}

// Errors that mean the port itself is gone, not one read or write.
bool portGone(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED: // what a USB adapter pulled out gives
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_GEN_FAILURE:
    case ERROR_INVALID_HANDLE:
    case ERROR_NOT_READY:
    case ERROR_OPERATION_ABORTED:
    case ERROR_IO_DEVICE: return true;
    default: return false;
    }
}

} // namespace

WinSerialLink::WinSerialLink(const QString &deviceName, QObject *parent)
    : QObject(parent)
    , m_device(deviceName)
{
}

WinSerialLink::~WinSerialLink()
{
    close();
}

bool WinSerialLink::failOpen(const QString &reason)
{
    m_openFailure = reason;
    if (m_handle) {
        CloseHandle(handleOf(m_handle));
        m_handle = nullptr;
    }
    return false;
}

bool WinSerialLink::open()
{
    if (m_handle)
        return true;
    m_missing = false;
    m_lost = false;
    const std::wstring path = systemPath(m_device).toStdWString();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        QString reason = WindowsErrors::text(error);
        if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)
            reason += QStringLiteral(" (another program may be using the port)");
        return failOpen(reason);
    }
    m_handle = h;
    // Bytes for the meter must never land in an ordinary file or another
    // device named by mistake.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (GetFileType(h) != FILE_TYPE_CHAR || !GetCommState(h, &dcb))
        return failOpen(QStringLiteral("not a serial port"));
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fAbortOnError = FALSE;
    // A read returns at once with what has come; a write of a request (three
    // bytes, 3 ms on the line) gives up after a second.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = 1000;
    if (!SetCommState(h, &dcb) || !SetCommTimeouts(h, &timeouts)) {
        const DWORD error = GetLastError();
        return failOpen(WindowsErrors::text(error));
    }
    // Whatever an earlier program left on the line is not the meter's answer.
    PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    m_openFailure.clear();
    return true;
}

QString WinSerialLink::openFailure() const
{
    return QStringLiteral("%1: %2").arg(m_device, openProblem());
}

QString WinSerialLink::openProblem() const
{
    return m_openFailure + QLatin1Char('.');
}

void WinSerialLink::close()
{
    if (!m_handle)
        return;
    // The last request (the meter's sleep) leaves before the port closes.
    FlushFileBuffers(handleOf(m_handle));
    CloseHandle(handleOf(m_handle));
    m_handle = nullptr;
}

bool WinSerialLink::isOpen() const
{
    return m_handle != nullptr;
}

void WinSerialLink::setDtr(bool on)
{
    // Some adapters have no modem lines; the meter protocol works without DTR.
    if (m_handle)
        EscapeCommFunction(handleOf(m_handle), on ? SETDTR : CLRDTR);
}

qint64 WinSerialLink::bytesWaiting()
{
    if (!m_handle || m_lost)
        return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handleOf(m_handle), &errors, &status)) {
        fail(GetLastError(), QStringLiteral("could not be read"));
        return 0;
    }
    return qint64(status.cbInQue);
}

QByteArray WinSerialLink::readAll()
{
    QByteArray out;
    while (m_handle && !m_lost) {
        char buffer[512];
        DWORD got = 0;
        if (!ReadFile(handleOf(m_handle), buffer, sizeof buffer, &got, nullptr)) {
            fail(GetLastError(), QStringLiteral("could not be read"));
            break;
        }
        out.append(buffer, qsizetype(got));
        if (got < sizeof buffer)
            break;
    }
    return out;
}

void WinSerialLink::write(const QByteArray &bytes)
{
    if (!m_handle || m_lost || bytes.isEmpty())
        return;
    DWORD written = 0;
    if (!WriteFile(handleOf(m_handle), bytes.constData(), DWORD(bytes.size()), &written, nullptr))
        fail(GetLastError(), QStringLiteral("could not be written to"));
    else if (written != DWORD(bytes.size()))
        fail(ERROR_WRITE_FAULT, QStringLiteral("could not be written to"));
}

void WinSerialLink::fail(unsigned long error, const QString &whatFailed)
{
    if (m_lost)
        return;
    m_lost = true;
    const QString reason = portGone(error)
                               ? QStringLiteral("%1 is gone: unplugged, or closed at the other end").arg(m_device)
                               : QStringLiteral("%1 %2").arg(m_device, whatFailed);
    // Not from inside the session's own call to read or write.
    QMetaObject::invokeMethod(
        this, [this, reason] { Q_EMIT lost(reason); }, Qt::QueuedConnection);
}
