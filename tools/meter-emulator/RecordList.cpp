#include "meter-emulator/RecordList.h"

#include <QFile>
#include <QRandomGenerator>

#include <array>

namespace RecordList {

namespace {

struct Field
{
    const char *name;
    int max;
    int MeterRecord::*member;
};

const std::array<Field, 5> kFields{{
    {"glucose", 1023, &MeterRecord::glucose},
    {"month", 15, &MeterRecord::month},
    {"day", 31, &MeterRecord::day},
    {"hour", 31, &MeterRecord::hour},
    {"minute", 63, &MeterRecord::minute},
}};

QString lineError(int lineNo, const QString &what)
{
    return QStringLiteral("line %1: %2").arg(lineNo).arg(what);
}

} // namespace

ParseResult parse(const QByteArray &text)
{
    ParseResult result;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QByteArray line = lines.at(i);
        if (const qsizetype hash = line.indexOf('#'); hash >= 0)
            line.truncate(hash);
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 1 && words.first().isEmpty())
            continue;
        if (words.size() != 6) {
            result.error = lineError(lineNo, QStringLiteral("expected 6 numbers "
                                                            "(glucose month day hour minute event), got %1")
                                                 .arg(words.size()));
            return result;
        }
        MeterRecord r;
        for (size_t f = 0; f < kFields.size(); ++f) {
            bool ok = false;
            const int v = words.at(qsizetype(f)).toInt(&ok);
            if (!ok || v < 0 || v > kFields[f].max) {
                result.error = lineError(lineNo, QStringLiteral("%1 must be a whole number 0..%2")
                                                     .arg(QLatin1String(kFields[f].name))
                                                     .arg(kFields[f].max));
                return result;
            }
            r.*kFields[f].member = v;
        }
        const QByteArray &event = words.at(5);
        if (event != "0" && event != "1") {
            result.error = lineError(lineNo, QStringLiteral("event must be 0 or 1"));
            return result;
        }
        r.event = event == "1";
        if (result.records.size() == kMaxRecords) {
            result.error = lineError(lineNo, QStringLiteral("the meter holds at most %1 records").arg(kMaxRecords));
            return result;
        }
        result.records.append(r);
    }
    return result;
}

ParseResult readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ParseResult failed;
        failed.error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return failed;
    }
    ParseResult result = parse(f.readAll());
    if (!result.error.isEmpty())
        result.error = path + QLatin1String(": ") + result.error;
    return result;
}

QList<MeterRecord> generate(int count, quint32 seed, const QDateTime &now)
{
    QRandomGenerator rng(seed);
    QList<MeterRecord> records;
    records.reserve(count);
    // Whole minutes only: the meter keeps no seconds, and a reading in the
    // current minute must still count as past.
    QDateTime at = now.addSecs(-60 * rng.bounded(5, 90));
    for (int i = 0; i < count; ++i) {
        MeterRecord r;
        r.event = rng.bounded(3) == 0;
        r.glucose = r.event ? rng.bounded(120, 301) : rng.bounded(60, 221);
        const QDate d = at.date();
        const QTime t = at.time();
        r.year = d.year();
        r.month = d.month();
        r.day = d.day();
        r.hour = t.hour();
        r.minute = t.minute();
        records.append(r);
        at = at.addSecs(-60 * rng.bounded(3 * 60, 9 * 60));
    }
    return records;
}

} // namespace RecordList
