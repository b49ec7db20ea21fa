#pragma once

#include "platform/ui/MessageService.h"
#include "platform/ui/SaveDialogs.h"

#include <QList>

// Records every message box instead of showing it, for as long as it lives;
// and every question of a file to save to, as "title: offered path",
// answering it with the next of saveAnswers (none left: cancelled).
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();

    const QList<Messages::Message> &messages() const { return m_messages; }
    QStringList texts() const;
    // The only message shown since the last clear(); otherwise their count and
    // texts, which a comparison then shows.
    QString single() const;
    void clear() { m_messages.clear(); }
    // The answer every question gets from now on (No until then).
    void answer(bool yes);

    QStringList saveQuestions;
    QStringList saveAnswers;

private:
    QList<Messages::Message> m_messages;
};
