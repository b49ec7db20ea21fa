#include "meter/serial/SerialLink.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>
#endif

SerialLink::SerialLink(const QString &deviceName, QObject *parent)
    : QObject(parent)
    , m_device(deviceName)
{
    m_port.setObjectName(QStringLiteral("Comm1"));
    m_port.setPortName(deviceName);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

bool SerialLink::open()
{
    if (m_port.isOpen())
        return true;
    m_openError = QSerialPort::NoError;
#ifdef Q_OS_UNIX
    // Bytes for the meter must never land in an ordinary file named by mistake.
    struct stat st;
    // Where the port's name leads, as the serial port itself resolves it.
    const QString name = m_port.portName();
    const QByteArray path = QFile::encodeName(
        name.startsWith(u'/') || name.startsWith(u'.') ? name : QStringLiteral("/dev/") + name);
    if (::stat(path.constData(), &st) == 0) {
        if (!S_ISCHR(st.st_mode)) {
            m_openFailure = QStringLiteral("not a serial port");
            return false;
        }
    } else if (errno == ENOENT || errno == ENOTDIR) {
        // Said before the port takes its lock file: two programs asking at
        // once for the same missing name would otherwise be told of a lock.
        m_openError = QSerialPort::DeviceNotFoundError;
        m_openFailure = QString::fromLocal8Bit(::strerror(errno));
        return false;
    }
#endif
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_openError = m_port.error();
        m_openFailure = m_port.errorString();
        return false;
    }
    const bool configured = m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8)
                            && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop)
                            && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_openFailure = m_port.errorString();
        m_port.close();
        return false;
    }
    // What the meter said while the port was closed is not for this download.
    m_port.clear();
    return true;
}

QString SerialLink::openFailure() const
{
    return QStringLiteral("%1: %2").arg(deviceName(), openProblem());
}

QString SerialLink::openProblem() const
{
    QString reason = m_openFailure;
#ifdef Q_OS_LINUX
    // The usual reason on Linux: serial devices belong to the group dialout.
    const QByteArray device = QFile::encodeName(deviceName());
    if (::access(device.constData(), F_OK) == 0 && ::access(device.constData(), R_OK | W_OK) != 0)
        reason += QStringLiteral(". Add yourself to the group dialout (sudo adduser $USER dialout) and log in again");
#endif
    return reason + QLatin1Char('.');
}

void SerialLink::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

void SerialLink::setDtr(bool on)
{
    // Pseudo-terminals and some adapters have no modem lines; the meter protocol
    // works without DTR, so a refusal here is not an error of the line.
    if (m_port.isOpen())
        m_port.setDataTerminalReady(on);
}

qint64 SerialLink::bytesWaiting()
{
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray SerialLink::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void SerialLink::write(const QByteArray &bytes)
{
    // Sent at once rather than on the next turn of the event loop: the meter
    // is polled on a 20 ms rhythm and every request should leave in its own tick.
    if (m_port.isOpen() && m_port.write(bytes) == bytes.size())
        m_port.flush();
}

QString SerialLink::lostReason(QSerialPort::SerialPortError error) const
{
    switch (error) {
    case QSerialPort::PermissionError: return QStringLiteral("%1 may no longer be used").arg(m_device);
    case QSerialPort::ReadError: return QStringLiteral("%1 could not be read").arg(m_device);
    case QSerialPort::WriteError: return QStringLiteral("%1 could not be written to").arg(m_device);
    default: return QStringLiteral("%1 is gone: unplugged, or closed at the other end").arg(m_device);
    }
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        if (m_port.isOpen()) {
            // Not errorString(): after a failed read it holds whatever the
            // last system call left ("Resource temporarily unavailable").
            m_port.clearError();
            Q_EMIT lost(lostReason(error));
        }
        break;
    default:
        // Unsupported operations (no DTR on a pseudo-terminal), timeouts and
        // similar leave the line usable.
        break;
    }
}
