#include "meter-emulator/MeterEmulator.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

} // namespace

MeterEmulator::MeterEmulator(const QList<MeterRecord> &records, const FaultOptions &faults, quint32 seed,
                             QObject *parent)
    : QObject(parent)
    , m_meter(records, faults, seed)
{
    m_clock.start();
}

MeterEmulator::~MeterEmulator()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool MeterEmulator::open(QString *error)
{
    Q_ASSERT(m_master < 0);
    const auto fail = [&](const char *what) {
        if (error)
            *error = systemError(what);
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
        m_master = m_slave = -1;
        return false;
    };

    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return fail("posix_openpt");
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail("ptsname_r");
    if (::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0
        || ::fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0)
        return fail("fcntl");

    // Raw on the program's side: no echo, no line editing, no CR/LF or XON/XOFF
    // translation, so every byte passes unchanged in both directions.
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return fail("open the terminal side");
    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return fail("tcgetattr");
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail("tcsetattr");

    m_devicePath = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &MeterEmulator::onReadable);
    return true;
}

bool MeterEmulator::logTo(const QString &path, QString *error)
{
    m_log.setFileName(path);
    if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, m_log.errorString());
        return false;
    }
    m_log.write("# ms since start, in = program to meter, out = meter to program\n");
    m_log.flush();
    return true;
}

void MeterEmulator::log(const char *direction, const QByteArray &text)
{
    if (!m_log.isOpen())
        return;
    m_log.write(QByteArray::number(double(m_clock.nsecsElapsed()) / 1e6, 'f', 3).rightJustified(10) + ' '
                + QByteArray(direction).leftJustified(5) + text + '\n');
    m_log.flush(); // readable while the emulator runs
}

void MeterEmulator::onReadable()
{
    char buf[256];
    while (m_master >= 0) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (n <= 0) {
            // The line itself failed; a meter whose cable is gone answers nothing.
            hangUp();
            return;
        }
        const QByteArray bytes(buf, n);
        log("in", hex(bytes));
        for (const MeterResponder::Output &output : m_meter.hear(bytes, m_clock.elapsed()))
            deliver(output);
    }
}

void MeterEmulator::deliver(const MeterResponder::Output &output)
{
    const qint64 wait = output.atMs - m_clock.elapsed();
    if (wait > 0) {
        QTimer::singleShot(int(wait), Qt::PreciseTimer, this, [this, output] {
            deliver({0, output.bytes, output.kind});
        });
        return;
    }
    switch (output.kind) {
    case MeterResponder::Output::Sent: send(output.bytes); break;
    case MeterResponder::Output::Lost: log("lost", hex(output.bytes)); break;
    case MeterResponder::Output::HangUp: hangUp(); break;
    }
}

void MeterEmulator::send(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // nobody reads and the buffer is full: the bytes are lost, as on a wire
        done += n;
    }
    if (done > 0)
        log("out", hex(bytes.left(done)));
    if (done < bytes.size())
        log("lost", hex(bytes.mid(done)));
}

void MeterEmulator::hangUp()
{
    if (m_master < 0)
        return;
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_master);
    ::close(m_slave);
    m_master = m_slave = -1;
    log("--", "hang-up");
    Q_EMIT hungUp();
}
