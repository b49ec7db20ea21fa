#include "meter/DownloadLog.h"

DownloadLog::DownloadLog(MeterLink &link, Clock clock)
    : m_link(link)
    , m_clock(std::move(clock))
{
}

void DownloadLog::begin(const QString &dataDir, const QString &userId, const QDateTime &started,
                        const QStringList &header)
{
    m_file.close();
    m_path.clear();
    m_problem.clear();
    if (!m_file.create(dataDir, userId, started, &m_problem))
        return;
    m_path = m_file.path();
    for (const QString &text : header)
        m_file.append(text.toUtf8() + '\n');
    m_file.flush();
}

void DownloadLog::step(const QString &text)
{
    line("--", text.toUtf8());
    m_file.flush();
}

void DownloadLog::end(const QString &text)
{
    step(text);
    m_file.close();
}

void DownloadLog::line(const char *what, const QByteArray &text)
{
    if (m_file.isOpen())
        m_file.append(m_clock().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1() + ' ' + what + ' ' + text + '\n');
}

bool DownloadLog::open()
{
    return m_link.open();
}

void DownloadLog::close()
{
    m_link.close();
}

bool DownloadLog::isOpen() const
{
    return m_link.isOpen();
}

void DownloadLog::setDtr(bool on)
{
    m_link.setDtr(on);
}

qint64 DownloadLog::bytesWaiting()
{
    return m_link.bytesWaiting();
}

QByteArray DownloadLog::readAll()
{
    QByteArray bytes = m_link.readAll();
    if (!bytes.isEmpty())
        line("RX", bytes.toHex(' ').toUpper());
    return bytes;
}

void DownloadLog::write(const QByteArray &bytes)
{
    m_link.write(bytes);
    line("TX", bytes.toHex(' ').toUpper());
}
