#pragma once

#include "meter/MeterSession.h"

#include <QObject>
#include <QString>

#include <functional>

// What a download shows the user, worded from what its session reports: the
// caption of LabelRead, the progress bar, the line of List3, the message boxes
// and how the download ended. The download page and the command-line download
// show these texts; the session itself words nothing.
//
//   session reports                    LabelRead                                   elsewhere
//   wake-up count 9, 10, ... 40        "", "Meter Wake Up...Waiting(1s)", ...
//   LinkTesting                        "Meter Wake Up...Please Wait!"
//   Linking                            "Linking..."
//   Rewaking                           "Link Testing..."
//   AwaitingCount                      "On Line..."
//   FirstHalves (N records)            " ( N ) Data in Meter !!"                   progress maximum 2N
//   none in the meter                  "There is no new data in meter !!"
//   half i asked                                                                   progress i
//   sleep command                                                                  List3: "Read [N] data from Meter !!"
//   Done                               "Complete! Receive ( N ) Data from Meter !!" finished
//   DoneUnconfirmed                    the same                                    finished, with a warning
//   WakeFailed                         "Meter Wake Up...Failed"                    failed; advice: the cable,
//                                                                                  the meter, Find Meter
//   Failed                                                                         message box, failed; the
//                                                                                  bar emptied when the meter
//                                                                                  garbled or stopped answering
//   Failed: port does not open                                                     the same, naming the device
//                                                                                  and why; advice: Setup, cable
//
// The advice, shown under LabelRead, goes as the next download starts.
class DownloadStatus : public QObject
{
    Q_OBJECT
public:
    // Why the port does not open: the device and the system's reason.
    using PortFailure = std::function<QString()>;

    explicit DownloadStatus(const MeterSession &session, QObject *parent = nullptr);

    // The device the download opens and why it does not open, for the texts
    // that name them.
    void setPort(const QString &device, PortFailure whyNotOpen);

    QString label() const { return m_label; }
    int progress() const { return m_progress; }
    int progressMaximum() const { return m_progressMaximum; }
    // What to do after a download that could not start or got no answer; empty otherwise.
    QString advice() const { return m_advice; }

    // The text of a problem that ended a download in Failed.
    static QString failureText(const MeterSession::Problem &problem);

Q_SIGNALS:
    void labelChanged(const QString &text);
    void progressChanged(int value);
    void progressMaximumChanged(int maximum);
    void adviceChanged(const QString &text);
    // List3 is cleared and this line added.
    void listLine(const QString &line);
    // A message box for the user.
    void message(const QString &text);
    // The download is over with its result in: the readings saved (or none in
    // the meter). A warning, when not empty, says that the meter did not
    // acknowledge the sleep command and may still be on.
    void finished(const QString &warning);
    // The download ended without result: the reason, as shown or as labelled.
    void failed(const QString &reason);

private:
    void stateChanged(MeterSession::State from, MeterSession::State to);
    void wakeTicked(int count);
    void setLabel(const QString &text);
    void setProgress(int value);
    void setProgressMaximum(int maximum);
    void setAdvice(const QString &text);

    const MeterSession &m_session;
    QString m_device;
    PortFailure m_portFailure;
    QString m_label;
    QString m_advice;
    int m_progress = 0;
    int m_progressMaximum = 100;
};
