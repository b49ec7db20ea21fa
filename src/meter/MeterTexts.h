#pragma once

#include <QString>

// What a download shows the user, each text in one place. The spelling is the
// meter software's own and is kept as it is.
namespace MeterTexts {

inline const QString kPortError = QStringLiteral("RS232 Setting Error !");
// The port's fixed error, then the device and the reason on a line of their own.
inline QString portError(const QString &reason)
{
    return kPortError + QLatin1Char('\n') + reason;
}
// Under LabelRead while Start Reading waits for a port that does not open.
inline QString portAdvice(const QString &reason)
{
    return reason
           + QStringLiteral(" Choose the meter's device in Setup (Find Meter looks for it), or plug in the "
                            "meter's cable: Start Reading comes back as soon as the device can be opened.");
}
// Under LabelRead once waking the meter has failed.
inline QString wakeAdvice(const QString &device)
{
    return QStringLiteral("No answer from the meter on %1. Check the cable at both ends, switch the meter on, "
                          "or look for it with Find Meter in Setup; then press Start Reading again.")
        .arg(device);
}
// Asked before a page with a download that runs is closed (another page, Exit).
inline const QString kLeaveDownload = QStringLiteral(
    "A download from the meter is running. Stop it and go on? "
    "Readings not saved yet are lost; the meter is told to go to sleep.");
// LabelRead before the first download of the window (spelled so on purpose).
inline const QString kLabelBeforeDownload = QStringLiteral("Reading Massage...");

// The count-down while waking: tens of wake-up ticks, not seconds.
inline QString wakeWaiting(int count)
{
    return QStringLiteral("Meter Wake Up...Waiting(%1s)").arg(count);
}
inline const QString kWakeFailed = QStringLiteral("Meter Wake Up...Failed");
inline const QString kWakePleaseWait = QStringLiteral("Meter Wake Up...Please Wait!");
inline const QString kLinking = QStringLiteral("Linking...");
inline const QString kLinkTesting = QStringLiteral("Link Testing...");
inline const QString kOnLine = QStringLiteral("On Line...");
inline const QString kNoNewData = QStringLiteral("There is no new data in meter !!");

inline QString dataInMeter(int count)
{
    return QStringLiteral(" ( %1 ) Data in Meter !!").arg(count);
}
inline QString complete(int count)
{
    return QStringLiteral("Complete! Receive ( %1 ) Data from Meter !!").arg(count);
}
// The log line of List3 written whenever the sleep command goes out.
inline QString readLine(int count)
{
    return QStringLiteral("Read [%1] data from Meter !!").arg(count);
}
inline QString receiveError(int byteCount, const QString &bytesText)
{
    return QStringLiteral("Data Receiving Error!") + QStringLiteral(" Got ") + QString::number(byteCount)
           + QStringLiteral(" byte--it's ") + bytesText;
}

// A download that stops before it is complete leaves the reading file as it was.
inline const QString kNothingSaved = QStringLiteral(" The download was abandoned and nothing was saved.");
inline QString noAnswer(int seconds)
{
    return QStringLiteral("The meter did not answer for %1 seconds.").arg(seconds) + kNothingSaved
           + QStringLiteral(" Check the cable and press Start Reading again.");
}
inline QString silentFor(int seconds)
{
    return QStringLiteral("no answer for %1 seconds").arg(seconds);
}
// The link steps after the meter woke: the probe 55 and the request BA A5 A9.
inline const QString kLinkTestStep = QStringLiteral("link test");
inline const QString kLinkRequestStep = QStringLiteral("link request");
inline QString linkFailed(const QString &step)
{
    return QStringLiteral("The meter woke up but did not answer the %1.").arg(step)
           + QStringLiteral(" Check the cable and press Start Reading again.");
}
// After the readings were saved (or the meter held none), only the meter's
// acknowledgement of the sleep command went wrong.
inline QString meterMayBeOn(const QString &problem)
{
    return QStringLiteral("The download is complete, but the meter did not confirm that it went to sleep (%1). "
                          "It may still be on.")
        .arg(problem);
}
inline QString linkLost(const QString &reason)
{
    return QStringLiteral("The connection to the meter was lost (%1).").arg(reason);
}
inline QString notSaved(const QString &reason)
{
    return QStringLiteral("The readings from the meter were not saved: %1").arg(reason);
}

} // namespace MeterTexts
