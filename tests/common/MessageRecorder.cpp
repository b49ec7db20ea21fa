#include "common/MessageRecorder.h"

#include <QTest>

MessageRecorder::MessageRecorder()
{
    Messages::setHandler([this](const Messages::Message &m) { m_messages.append(m); });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setHandler({});
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
    if (m_messages.size() != 1) {
        qWarning() << "expected one message, got" << texts();
        return QStringLiteral("<%1 messages>").arg(m_messages.size());
    }
    return m_messages.first().text;
}
