#include "meter/DownloadStatus.h"

#include "meter/MeterProtocol.h"
#include "meter/MeterTexts.h"

using State = MeterSession::State;
using Kind = MeterSession::Problem::Kind;

DownloadStatus::DownloadStatus(const MeterSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_label(MeterTexts::kLabelBeforeDownload)
{
    connect(&session, &MeterSession::stateChanged, this, &DownloadStatus::stateChanged);
    connect(&session, &MeterSession::wakeTicked, this, &DownloadStatus::wakeTicked);
    connect(&session, &MeterSession::halfAsked, this, &DownloadStatus::setProgress);
    connect(&session, &MeterSession::sleepSent, this,
            [this] { Q_EMIT listLine(MeterTexts::readLine(m_session.meterCount())); });
}

void DownloadStatus::setPort(const QString &device, PortFailure whyNotOpen)
{
    m_device = device;
    m_portFailure = std::move(whyNotOpen);
}

QString DownloadStatus::failureText(const MeterSession::Problem &problem)
{
    switch (problem.kind) {
    case Kind::PortError: return MeterTexts::kPortError;
    case Kind::Garbled:
        return MeterTexts::receiveError(int(problem.bytes.size()), MeterProtocol::bracketedHex(problem.bytes));
    case Kind::Silent: return MeterTexts::noAnswer(problem.seconds);
    case Kind::LinkFailed:
        return MeterTexts::linkFailed(problem.linkRequest ? MeterTexts::kLinkRequestStep : MeterTexts::kLinkTestStep);
    case Kind::LineLost:
        return MeterTexts::linkLost(problem.reason) + (problem.downloading ? MeterTexts::kNothingSaved : QString());
    case Kind::NotSaved: return MeterTexts::notSaved(problem.reason);
    case Kind::None:
    case Kind::Ended: break;
    }
    return {};
}

void DownloadStatus::stateChanged(State from, State to)
{
    const int count = m_session.meterCount();
    const MeterSession::Problem &problem = m_session.problem();
    const bool portError = to == State::Failed && problem.kind == Kind::PortError && m_portFailure;
    const QString whyNotOpen = portError ? m_portFailure() : QString();
    setAdvice(to == State::WakeFailed ? MeterTexts::wakeAdvice(m_device)
              : portError             ? MeterTexts::portAdvice(whyNotOpen)
                                      : QString());
    switch (to) {
    case State::LinkTesting: setLabel(MeterTexts::kWakePleaseWait); break;
    case State::Linking: setLabel(MeterTexts::kLinking); break;
    case State::Rewaking: setLabel(MeterTexts::kLinkTesting); break;
    case State::AwaitingCount: setLabel(MeterTexts::kOnLine); break;
    case State::FirstHalves:
        setLabel(MeterTexts::dataInMeter(count));
        setProgressMaximum(2 * count);
        break;
    case State::Ending:
    case State::SayingGoodbye:
        if (from == State::AwaitingCount)
            setLabel(MeterTexts::kNoNewData);
        break;
    case State::Done:
        setLabel(MeterTexts::complete(count));
        Q_EMIT finished(QString());
        break;
    case State::DoneUnconfirmed: {
        // Only the meter's goodbye went wrong: the readings are saved.
        const QString what = problem.kind == Kind::Silent     ? MeterTexts::silentFor(problem.seconds)
                             : problem.kind == Kind::LineLost ? MeterTexts::linkLost(problem.reason)
                                                              : failureText(problem);
        setLabel(MeterTexts::complete(count));
        Q_EMIT finished(MeterTexts::meterMayBeOn(what));
        break;
    }
    case State::WakeFailed:
        setLabel(MeterTexts::kWakeFailed);
        Q_EMIT failed(MeterTexts::kWakeFailed);
        break;
    case State::Failed: {
        const QString text = portError ? MeterTexts::portError(whyNotOpen) : failureText(problem);
        Q_EMIT message(text);
        // The meter garbled its answers or stopped answering: the bar starts again.
        if (problem.kind == Kind::Garbled || problem.kind == Kind::Silent || problem.kind == Kind::LinkFailed)
            setProgress(0);
        Q_EMIT failed(text);
        break;
    }
    case State::Idle:
    case State::Waking:
    case State::SecondHalves:
    case State::Leaving: break;
    }
}

// Tens of wake-up ticks, that is half-seconds, shown as "(1s)" to "(4s)": the
// count-down reads as it always has, not as a measured time; the label blinks
// one tick before each.
void DownloadStatus::wakeTicked(int count)
{
    if (count % 10 == 0)
        setLabel(MeterTexts::wakeWaiting(count / 10));
    else if (count % 10 == 9)
        setLabel(QString());
}

void DownloadStatus::setLabel(const QString &text)
{
    if (m_label == text)
        return;
    m_label = text;
    Q_EMIT labelChanged(text);
}

void DownloadStatus::setAdvice(const QString &text)
{
    if (m_advice == text)
        return;
    m_advice = text;
    Q_EMIT adviceChanged(text);
}

void DownloadStatus::setProgress(int value)
{
    if (m_progress == value)
        return;
    m_progress = value;
    Q_EMIT progressChanged(value);
}

void DownloadStatus::setProgressMaximum(int maximum)
{
    if (m_progressMaximum == maximum)
        return;
    m_progressMaximum = maximum;
    Q_EMIT progressMaximumChanged(maximum);
}
