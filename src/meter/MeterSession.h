#pragma once

#include "meter/MeterLink.h"
#include "meter/MeterTexts.h"
#include "store/ReadingTables.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The seven timers that drive a download, named as the download window names
// them. The session only says which of them run; whoever owns real timers
// starts and stops them and calls tick() when one fires.
enum class SessionTimer { Rt, OP, T1, T2, T3, T4, Sleep };
inline constexpr int kSessionTimerCount = 7;

// One download from the meter, as a state machine driven by timer ticks.
//
// TimerRt polls the line every 20 ms and interprets what arrived according to
// LinkStep; the other timers repeat the current request until its answer comes:
// wake-up (TimerOP), link probe (Timer1), link request (Timer2), first halves
// (Timer3), second halves (Timer4), and finally the sleep command and the save
// step (TimerSleep). Received record halves go into the download table.
//
// The session owns no timer, no port and no clock, so tests drive it tick by
// tick through a fake link.
class MeterSession : public QObject
{
    Q_OBJECT
public:
    // Merges the download and rewrites the reading file; false with a reason
    // when the file could not be written.
    using SaveStep = std::function<bool(QString *error)>;

    // A pass request unanswered for this many ticks (two seconds) ends the download.
    static constexpr int kMaxUnansweredTicks = 40;
    // The count request, or the sleep command after a download, unanswered for
    // this many polls (two seconds).
    static constexpr int kMaxUnansweredPolls = 100;
    static constexpr int kWakeTicksBeforeFailure = 50;

    MeterSession(MeterLink &link, ReadingTables &tables, SaveStep save, QObject *parent = nullptr);

    // Opening the window: the port is opened with DTR off and the progress
    // bar emptied. False when the port cannot be opened.
    bool openPort();
    // Start Reading. Stops whatever a previous press left running, then wakes
    // the meter. False (with the port error message) when the port cannot be opened.
    bool start();
    void tick(SessionTimer timer);
    // The line failed under the download (cable pulled, adapter gone).
    void linkLost(const QString &reason);
    // Leaving the window: every timer off, port closed, nothing saved.
    void stop();

    int linkStep() const { return m_linkStep; }
    int wakeTicks() const { return m_wakeTicks; }
    int probeTries() const { return m_probeTries; }
    int helloTries() const { return m_helloTries; }
    int firstIndex() const { return m_firstIndex; }
    int secondIndex() const { return m_secondIndex; }
    int sleepTicks() const { return m_sleepTicks; }
    int meterCount() const { return m_meterCount; }

    QString label() const { return m_label; }
    int progress() const { return m_progress; }
    int progressMaximum() const { return m_progressMaximum; }
    bool isTimerActive(SessionTimer timer) const { return m_timers[index(timer)]; }
    bool isAnyTimerActive() const;

Q_SIGNALS:
    void labelChanged(const QString &text);
    void progressChanged(int value);
    void progressMaximumChanged(int maximum);
    // List3 is cleared and this line added.
    void listLine(const QString &line);
    // A message box for the user.
    void message(const QString &text);
    void timerActiveChanged(SessionTimer timer, bool active);
    // The meter acknowledged the sleep command after a saved (or empty) download.
    void finished();
    // The download ended without result: the reason, as shown or as labelled.
    void failed(const QString &reason);

private:
    static int index(SessionTimer timer) { return int(timer); }

    void poll();
    void watchUnansweredPoll();
    void wakeTick();
    void probeTick();
    void linkRequestTick();
    void firstPassTick();
    void secondPassTick();
    void sleepTick();

    void interpret(const QByteArray &rx);
    void countAnswered(int count);
    void storeHalf(quint8 b0, quint8 b1);
    bool settlingAfterRepeats();
    bool passRequestStalled();
    void receiveError(const QByteArray &rx);
    void abandon(const QString &text);

    void GetData();
    void Sleep();

    void setTimer(SessionTimer timer, bool active);
    void stopAllTimers();
    void setLabel(const QString &text);
    void setProgress(int value);
    void setProgressMaximum(int maximum);

    MeterLink &m_link;
    ReadingTables &m_tables;
    SaveStep m_save;

    int m_linkStep = 0;
    int m_wakeTicks = 0;
    int m_probeTries = 0;
    int m_helloTries = 0;
    int m_firstIndex = 0;
    int m_secondIndex = 0;
    int m_sleepTicks = 0;
    int m_meterCount = 0;
    int m_unansweredTicks = 0;
    int m_unansweredPolls = 0;
    // Pass requests sent for the current record since its answer was taken, and
    // the answers to repeated requests that may still be on their way. Halves
    // carry no record number, so a late answer must never be taken for the next
    // record's.
    int m_requestsOutstanding = 0;
    bool m_lateAnswersPossible = false;
    bool m_saved = false;
    bool m_complete = false;

    QString m_label = MeterTexts::kLabelBeforeDownload;
    int m_progress = 0;
    int m_progressMaximum = 100;
    std::array<bool, kSessionTimerCount> m_timers{};
};
