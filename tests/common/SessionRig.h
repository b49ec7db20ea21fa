#pragma once

#include "meter/DownloadStatus.h"
#include "meter/MeterSession.h"

#include "meter-emulator/MeterResponder.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

// The fake line and the program's timers. Bytes written reach the meter at
// once; what it sends back arrives at the moment it says; a read takes every
// byte arrived by then. What arrives while the port is closed, or was not read
// when it closed, stays on the line and arrives just after the next opening,
// as on a pseudo-terminal or an adapter that buffers. With busyMs the program
// is kept busy that long every 170 ms, so that its timers fire late.
struct SessionRig : MeterLink
{
    using Output = MeterResponder::Output;
    // The meter's side: what goes back, and when, for bytes heard at a moment.
    using Meter = std::function<QList<Output>(const QByteArray &bytes, qint64 nowMs)>;

    bool open() override
    {
        if (!opened && !held.isEmpty())
            arrive(std::exchange(held, {}), now);
        return opened = true;
    }
    void close() override
    {
        opened = false;
        held += std::exchange(inbox, {});
    }
    bool isOpen() const override { return opened; }
    void setDtr(bool) override { }
    qint64 bytesWaiting() override { return inbox.size(); }
    QByteArray readAll() override { return std::exchange(inbox, {}); }
    void write(const QByteArray &bytes) override
    {
        written << bytes;
        writtenMs << now;
        if (!opened)
            return;
        for (const Output &o : meter(bytes, now))
            if (o.kind != Output::Lost)
                arrive(o.bytes, o.atMs, o.kind == Output::HangUp);
    }

    explicit SessionRig(Meter answers, int busy = 0)
        : meter(std::move(answers))
        , busyMs(busy)
    {
        due.fill(-1);
        QObject::connect(&session, &MeterSession::timerActiveChanged,
                         [this](SessionTimer t, bool on) { due[int(t)] = on ? now + sessionTimer(t).intervalMs : -1; });
        QObject::connect(&status, &DownloadStatus::labelChanged, [this](const QString &t) { labels << t; });
        QObject::connect(&status, &DownloadStatus::failed, [this](const QString &t) { failures << t; });
        QObject::connect(&status, &DownloadStatus::finished, [this](const QString &w) { warnings << w; });
    }
    virtual ~SessionRig() = default;
    // The save step; it fails with saveError when that is set.
    virtual bool save(const QList<Reading> &, QString *error)
    {
        *error = saveError;
        return saveError.isEmpty();
    }

    // Bytes (or, with hangUp, the end of the line) reaching the program at atMs.
    void arrive(const QByteArray &bytes, qint64 atMs, bool hangUp = false)
    {
        const auto at = std::upper_bound(incoming.begin(), incoming.end(), atMs,
                                         [](qint64 t, const Output &o) { return t < o.atMs; });
        incoming.insert(at, Output{atMs, bytes, hangUp ? Output::HangUp : Output::Sent});
    }

    // Runs the line and the timers until the download ends (or `stop` holds),
    // nothing more can happen, or forMs have passed.
    void run(qint64 forMs, const std::function<bool()> &stop = {})
    {
        const qint64 end = now + forMs;
        const qsizetype endings = failures.size() + warnings.size();
        const auto over = [&] { return stop ? stop() : failures.size() + warnings.size() > endings; };
        while (!over()) {
            const auto next = std::min_element(due.begin(), due.end(),
                                               [](qint64 a, qint64 b) { return b < 0 || (a >= 0 && a < b); });
            qint64 timerAt = *next;
            if (timerAt >= 0 && busyMs > 0 && timerAt % 170 < busyMs)
                timerAt += busyMs - timerAt % 170; // the program was busy
            if (!incoming.isEmpty() && (timerAt < 0 || incoming.first().atMs <= timerAt)) {
                if (incoming.first().atMs > end)
                    break;
                const Output o = incoming.takeFirst();
                now = std::max(now, o.atMs);
                if (o.kind == Output::HangUp) {
                    // A port that is closed has no line to lose.
                    incoming.clear();
                    if (std::exchange(opened, false))
                        session.linkLost(QStringLiteral("cable pulled"));
                } else {
                    (opened ? inbox : held) += o.bytes;
                }
                continue;
            }
            if (timerAt < 0 || timerAt > end)
                break;
            now = timerAt;
            const SessionTimer timer = SessionTimer(next - due.begin());
            due[int(timer)] = now + sessionTimer(timer).intervalMs;
            session.tick(timer);
        }
    }
    // Start Reading, then run until the download ends.
    void download(qint64 forMs = 600000)
    {
        session.start();
        run(forMs);
    }
    QString timersOn() const
    {
        QStringList on;
        for (const SessionTimerRow &row : kSessionTimers)
            if (session.isTimerActive(row.timer))
                on << QLatin1String(row.name);
        return on.join(u' ');
    }
    Meter meter;
    int busyMs;
    bool opened = true;
    qint64 now = 0;
    QList<Output> incoming;
    QByteArray inbox;
    QByteArray held; // on the line while the port is closed
    QByteArrayList written;
    QList<qint64> writtenMs;
    std::array<qint64, kSessionTimerCount> due{};

    QString saveError; // the save step fails with it, when set
    MeterSession session{*this, [this] { return now; },
                         [this](const QList<Reading> &r, QString *error) { return save(r, error); }};
    DownloadStatus status{session};
    QStringList labels, failures, warnings;
};

// The session's records as the meter's fill them (the meter sends no year).
inline QList<Reading> asDownloaded(const QList<MeterRecord> &meter)
{
    QList<Reading> out;
    for (const MeterRecord &r : meter)
        out << Reading{r.month, r.day, r.hour, r.minute, r.glucose, 0, r.event ? EventMark::PC : EventMark::C};
    return out;
}

// The session against the emulated meter, with its latency and faults.
struct FakeMeterLine : SessionRig
{
    explicit FakeMeterLine(const QList<MeterRecord> &inMeter, const FaultOptions &faults = {}, int busy = 0)
        : SessionRig([this](const QByteArray &bytes, qint64 nowMs) { return responder.hear(bytes, nowMs); }, busy)
        , responder(inMeter, faults)
    {
    }
    MeterResponder responder;
};
