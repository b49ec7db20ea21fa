// Whole simulated downloads, compared with the transcripts they gave when they
// were recorded: every byte on the line with its virtual time, every text the
// download page shows, the save, the port, and how it all ended. Each download
// comes from a seed: how many records the meter holds, how it answers (late,
// split, garbled, lost, quiet), what the line and the user do meanwhile. The
// file holds one line per seed with a digest of its transcript; a download that
// differs is printed whole. DEXTREL_RECORD_TRANSCRIPTS=1 writes the file anew;
// DEXTREL_TRANSCRIPT=seed prints that download's transcript. Whatever the
// transcripts, every save carries the meter's records, a complete download has
// saved them, and a meter answering within 45 ms is asked at the protocol's pace.

#include "common/SessionRig.h"
#include "meter-emulator/RecordList.h"
#include "meter/MeterProtocol.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr int kDownloads = 320;

// One download's story, and the words that sum it up.
struct Scenario
{
    QList<MeterRecord> records;
    FaultOptions faults;
    int busyMs = 0;
    int mangleAnswer = -1, mangleKind = 0; // the answer changed, and how
    int quietAfter = -1;                   // answers before the meter goes quiet
    QList<std::pair<qint64, QByteArray>> garbage;
    QList<std::pair<qint64, bool>> presses; // Start Reading (true) or leaving the page, at a moment
    bool saveFails = false;
    int goodbye = -1;             // from the first sleep command on: 0 lost, 1 garbled, 2 the line hangs up
    bool wakesWhileAwake = false; // answers every wake-up byte, as some meters do
    qint64 lineLostAt = -1;
    QStringList said;
    bool plain() const { return faults == FaultOptions{.delayMs = faults.delayMs} && said.size() == 1 && !busyMs; }
};

Scenario scenario(quint32 seed)
{
    QRandomGenerator rng(seed);
    const auto chance = [&rng](int percent) { return int(rng.bounded(100)) < percent; };
    Scenario s;
    const int pick = int(rng.bounded(100));
    const int n = pick < 8 ? 0 : pick < 20 ? 1 : pick < 32 ? 2 : pick < 38 ? 255 : 3 + int(rng.bounded(10));
    s.records = RecordList::generate(n, seed, QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
    const int delays[] = {0, 0, 0, 10, 45, 45, 80, 150, 400, 1000};
    FaultOptions &f = s.faults;
    f.delayMs = delays[rng.bounded(n == 255 ? 8 : 10)];
    s.said << QStringLiteral("%1 records, %2 ms").arg(n).arg(f.delayMs);
    const std::pair<bool *, const char *> faults[] = {
        {&f.noWakeup, "no wake-up"}, {&f.dropFirst, "first answers lost"}, {&f.dropLast, "last answers lost"},
        {&f.split, "split"},         {&f.doubleAnswer, "two in one"},      {&f.lateAnswer, "late"},
        {&f.noise, "noise"},         {&f.portVanishes, "port gone"},       {&s.saveFails, "save fails"}};
    const int percent[] = {4, 12, 12, 12, 8, 10, 12, 2, 8};
    for (int i = 0; i < 9; ++i)
        if ((*faults[i].first = chance(percent[i])))
            s.said << QLatin1String(faults[i].second);
    if (chance(6))
        s.said << QStringLiteral("hang-up after %1").arg(f.hangupAfter = int(rng.bounded(2 * n + 1)));
    if (chance(15))
        s.said << QStringLiteral("busy %1 ms").arg(s.busyMs = chance(50) ? 25 : 60);
    if (chance(15)) {
        s.mangleAnswer = int(rng.bounded(4 + 2 * n));
        s.mangleKind = int(rng.bounded(4));
        s.said << QStringLiteral("answer %1 %2")
                      .arg(s.mangleAnswer)
                      .arg(QStringList{"cut to 1", "cut to 2", "one byte more", "end byte lost"}[s.mangleKind]);
    }
    if (chance(8))
        s.said << QStringLiteral("quiet after answer %1").arg(s.quietAfter = int(rng.bounded(6 + 2 * n)));
    for (int g = chance(10) ? 1 + int(rng.bounded(3)) : 0; g > 0; --g) {
        QByteArray bytes(1 + int(rng.bounded(5)), 0);
        for (char &b : bytes)
            b = char(rng.bounded(256));
        s.garbage.append({qint64(rng.bounded(4000)), bytes});
        s.said << QStringLiteral("%1 at %2").arg(QString::fromLatin1(bytes.toHex())).arg(s.garbage.last().first);
    }
    if (chance(12)) {
        s.presses.append({qint64(rng.bounded(3000)), true});
        s.said << QStringLiteral("Start again at %1").arg(s.presses.last().first);
    } else if (chance(9)) {
        const qint64 at = rng.bounded(3000);
        s.presses.append({at, false});
        s.presses.append({at + 1 + rng.bounded(1000), true});
        s.said << QStringLiteral("left at %1, Start at %2").arg(at).arg(s.presses.last().first);
    }
    if (chance(10))
        s.said << "goodbye " + QStringList{"lost", "garbled", "hung up"}[s.goodbye = int(rng.bounded(3))];
    if ((s.wakesWhileAwake = chance(8)))
        s.said << QStringLiteral("answers every wake-up");
    if (chance(6)) {
        s.garbage.append({2600 + rng.bounded(3000), QByteArray(1, '\0')});
        s.said << QStringLiteral("a late 00 at %1").arg(s.garbage.last().first);
    }
    if (chance(8))
        s.said << QStringLiteral("line lost at %1").arg(s.lineLostAt = rng.bounded(n == 255 ? 30000 : 5000));
    return s;
}

// The fake line, with each read and write and each text of the page written down.
struct TranscriptRig : SessionRig
{
    explicit TranscriptRig(const Scenario &s)
        : SessionRig([this](const QByteArray &b, qint64 t) { return answer(b, t); }, s.busyMs)
        , meterSide(s.records, s.faults, 7)
        , story(s)
    {
        saveError = s.saveFails ? QStringLiteral("disk full") : QString();
        const auto text = [this](const char *what) { return [this, what](const QString &t) { log(what, t); }; };
        const auto number = [this](const char *what) { return [this, what](int n) { log(what, QString::number(n)); }; };
        QObject::connect(&status, &DownloadStatus::labelChanged, text("label"));
        QObject::connect(&status, &DownloadStatus::progressChanged, number("progress"));
        QObject::connect(&status, &DownloadStatus::progressMaximumChanged, number("maximum"));
        QObject::connect(&status, &DownloadStatus::listLine, text("List3"));
        QObject::connect(&status, &DownloadStatus::message, text("message"));
        QObject::connect(&status, &DownloadStatus::finished, text("finished"));
        QObject::connect(&status, &DownloadStatus::failed, text("failed"));
    }
    // The save step, as the owner runs it: written down, then done or failed.
    bool save(const QList<Reading> &records, QString *error) override
    {
        QStringList r;
        for (const Reading &x : records)
            r << QString::asprintf("%d/%d %d:%d %d%s", x.month, x.day, x.hour, x.minute, x.glucose,
                                   x.event == EventMark::PC ? "PC" : "");
        log("save", r.join(u','));
        saved << records;
        return SessionRig::save(records, error);
    }
    // The meter's answers, one of them changed, none once it went quiet.
    QList<Output> answer(const QByteArray &bytes, qint64 nowMs)
    {
        QList<Output> out;
        if (story.wakesWhileAwake && bytes == MeterProtocol::kWakeUp && meterSide.isAwake())
            out << Output{nowMs + 5, bytes};
        if (story.goodbye >= 0 && bytes == MeterProtocol::kSleep && !quiet) {
            quiet = true;
            if (story.goodbye == 1)
                out << Output{nowMs + 5, QByteArray::fromHex("AA5A01020FAA")};
            else if (story.goodbye == 2)
                out << Output{nowMs + 5, {}, Output::HangUp};
        }
        for (Output o : meterSide.hear(bytes, nowMs)) {
            quiet = quiet || answers == story.quietAfter;
            if (answers++ == story.mangleAnswer && !o.bytes.isEmpty()) {
                const int kind = story.mangleKind;
                o.bytes = kind < 2    ? o.bytes.left(kind + 1)
                          : kind == 2 ? o.bytes + '\x01'
                                      : o.bytes.chopped(1) + '\x55';
            }
            if (!quiet)
                out << o;
        }
        return out;
    }
    QByteArray readAll() override
    {
        const QByteArray bytes = SessionRig::readAll();
        log("RX", QString::fromLatin1(bytes.toHex(' ')));
        return bytes;
    }
    void write(const QByteArray &bytes) override
    {
        log("TX", QString::fromLatin1(bytes.toHex(' ')));
        SessionRig::write(bytes);
    }
    void close() override
    {
        if (opened)
            log("port", "closed");
        SessionRig::close();
    }
    void log(const char *what, const QString &text)
    {
        lines << QStringLiteral("%1 %2 %3").arg(now, 6).arg(QLatin1String(what), text);
    }

    MeterResponder meterSide;
    const Scenario &story;
    int answers = 0;
    bool quiet = false;
    QList<QList<Reading>> saved;
    QStringList lines;
};

// The transcript of download `seed`, the line of the file for it, and what
// it breaks of the rules every download keeps (empty when nothing).
QStringList transcript(quint32 seed, QString *fileLine, QString *broken)
{
    const Scenario s = scenario(seed);
    TranscriptRig rig(s);
    for (const auto &[at, bytes] : s.garbage)
        rig.arrive(bytes, at);
    if (s.lineLostAt >= 0)
        rig.arrive({}, s.lineLostAt, true);
    rig.log("press", "Start Reading");
    rig.session.start();
    for (const auto &[at, start] : s.presses) {
        rig.run(at - rig.now, [] { return false; });
        rig.log("press", start ? "Start Reading" : "leave");
        start ? void(rig.session.start()) : rig.session.stop();
    }
    // Until it ended, and five seconds more for what comes late.
    qint64 endedAt = -1;
    rig.run(3600000, [&] {
        if (endedAt < 0 && !(rig.failures.isEmpty() && rig.warnings.isEmpty()))
            endedAt = rig.now;
        return endedAt >= 0 && rig.now > endedAt + 5000;
    });
    const QString label = rig.labels.value(rig.labels.size() - 1);
    rig.log("end",
            QStringLiteral("label \"%1\", progress %2/%3, timers \"%4\", port %5")
                .arg(label, QString::number(rig.status.progress()), QString::number(rig.status.progressMaximum()),
                     rig.timersOn(), rig.opened ? "open" : "closed"));
    const QString digest = QString::fromLatin1(
        QCryptographicHash::hash(rig.lines.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    *fileLine = QStringLiteral("%1 %2 %3: %4")
                    .arg(seed)
                    .arg(digest, s.said.join(QStringLiteral(", ")),
                         (rig.failures.isEmpty() ? label : rig.failures.last()).left(60));

    // Garbage can look like a record half: the protocol cannot tell.
    const QList<Reading> meter = asDownloaded(s.records);
    const int n = int(meter.size());
    broken->clear();
    if (s.garbage.isEmpty() && rig.saved.count(meter) != rig.saved.size())
        *broken = "saved other records than the meter's";
    if (rig.failures.isEmpty() && !rig.warnings.isEmpty() && n > 0 && rig.saved.isEmpty())
        *broken = "complete, but nothing saved";
    const qsizetype first = rig.written.indexOf(MeterProtocol::firstHalfRequest(1));
    const qsizetype last = rig.written.indexOf(MeterProtocol::secondHalfRequest(n));
    if (s.plain() && s.faults.delayMs <= 45 && n > 0
        && (last - first != 2 * n - 1 || rig.writtenMs.value(last) - rig.writtenMs.value(first) > 2 * n * 50))
        *broken = "slower than one request per 50 ms";
    return rig.lines;
}

} // namespace

class SessionTranscriptsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sameAsRecorded()
    {
        QString line, broken;
        if (qEnvironmentVariableIsSet("DEXTREL_TRANSCRIPT")) {
            const int seed = qEnvironmentVariableIntValue("DEXTREL_TRANSCRIPT");
            qInfo().noquote() << transcript(quint32(seed), &line, &broken).join(u'\n');
            QSKIP(qPrintable(line));
        }
        QStringList lines;
        for (quint32 seed = 0; seed < kDownloads; ++seed) {
            transcript(seed, &line, &broken);
            QVERIFY2(broken.isEmpty(), qPrintable(line + ": " + broken));
            lines << line;
        }
        if (qEnvironmentVariableIsSet("DEXTREL_RECORD_TRANSCRIPTS")) {
            QFile out(QStringLiteral(TRANSCRIPTS_SOURCE));
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(lines.join(u'\n').toUtf8() + '\n');
            QSKIP("transcripts recorded");
        }
        QFile in(QStringLiteral(":/session_transcripts.txt"));
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QStringList recorded = QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i) == recorded.value(i))
                continue;
            qInfo().noquote() << transcript(quint32(i), &line, &broken).join(u'\n');
            QFAIL(qPrintable("download " + QString::number(i) + " differs (printed above)\n   now: " + lines.at(i)
                             + "\n   was: " + recorded.value(i)));
        }
        QCOMPARE(recorded.size(), lines.size());
    }
};

QTEST_GUILESS_MAIN(SessionTranscriptsTest)
#include "tst_session_transcripts.moc"
