#include "meter/DownloadLog.h"

DownloadLog::DownloadLog(Clock clock)
    : m_clock(std::move(clock))
{
}

void DownloadLog::begin(const QString &dataDir, const QString &userId, const QDateTime &started,
                        const QStringList &header)
{
    m_problem.clear();
    if (!m_file.create(dataDir, userId, started, &m_problem))
        return;
    for (const QString &text : header)
        m_file.append(text.toUtf8() + '\n');
}

void DownloadLog::step(const QString &text)
{
    line("--", text.toUtf8());
}

void DownloadLog::received(const QByteArray &bytes)
{
    line("RX", bytes.toHex(' ').toUpper());
}

void DownloadLog::sent(const QByteArray &bytes)
{
    line("TX", bytes.toHex(' ').toUpper());
}

void DownloadLog::flush()
{
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
