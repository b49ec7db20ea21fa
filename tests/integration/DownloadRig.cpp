#include "DownloadRig.h"

#include "store/ReadingFile.h"

#include <QFile>
#include <QTest>

DownloadRig::DownloadRig(const QList<MeterRecord> &meterRecords, const FaultOptions &faults,
                         const QByteArray &previousFile)
    : records(meterRecords), m_previous(previousFile), m_meter(meterRecords, faults)
{
    state.dataDir = m_data.path();
    state.user.id = kUser;
    state.user.port = 1;
    state.user.unit = 1;
    state.user.time = 1;
    m_data.write(kUser + QLatin1String(".txt"), previousFile);
    ReadingFile::LoadResult loaded = ReadingFile::load(m_data.file(kUser + QLatin1String(".txt")));
    QVERIFY2(loaded.ok && loaded.skippedLines == 0, qPrintable(loaded.error));
    state.tables = loaded.tables;
    m_previousTables = loaded.tables;

    QString error;
    QVERIFY2(m_meter.logTo(m_logDir.filePath(QStringLiteral("meter.log")), &error), qPrintable(error));
    QVERIFY2(m_meter.open(&error), qPrintable(error));
    qputenv("DEXTREL_COM1", m_meter.devicePath().toLocal8Bit());
}

QByteArray DownloadRig::cleanFile() const
{
    ReadingTables expected = m_previousTables;
    if (expected.holdsNoReadings())
        expected.setCount(0);
    if (records.isEmpty())
        return m_previous;
    for (qsizetype k = records.size(); k >= 1; --k) {
        const MeterRecord &m = records.at(k - 1);
        Reading &r = expected.readingAt(expected.count() + 1);
        r = Reading{m.month, m.day, m.hour, m.minute, m.glucose, m.year,
                    m.event ? QStringLiteral("1") : QStringLiteral("0")};
    }
    return ReadingFile::format(expected);
}

QByteArray DownloadRig::bytesSent() const
{
    QFile log(m_logDir.filePath(QStringLiteral("meter.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QByteArray stream;
    for (const QByteArray &line : log.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() > 2 && words.at(1) == "in")
            stream += QByteArray::fromHex(words.mid(2).join());
    }
    return stream;
}

QList<MeterRecord> recentRecords(int count)
{
    return RecordList::generate(count, 2024, QDateTime::currentDateTime());
}

qsizetype firstAt(const QByteArray &stream, const char *hexRequest)
{
    return stream.indexOf(QByteArray::fromHex(hexRequest));
}
