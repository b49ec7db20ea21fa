#include "common/MessageRecorder.h"

MessageRecorder::MessageRecorder()
{
    answer(false);
    SaveDialogs::setHandler([this](const SaveDialogs::Request &r) {
        saveQuestions << r.title + QStringLiteral(": ") + r.offered;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    });
}

void MessageRecorder::answer(bool yes)
{
    Messages::setHandler([this](const Messages::Message &m) { m_messages.append(m); }, yes);
}

MessageRecorder::~MessageRecorder()
{
    Messages::setHandler({});
    SaveDialogs::setHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const auto &m : m_messages)
        out << m.text;
    return out;
}

QString MessageRecorder::single() const
{
    return m_messages.size() == 1 ? m_messages.first().text
                                  : QStringLiteral("<%1 messages: %2>").arg(m_messages.size()).arg(texts().join(u'|'));
}
