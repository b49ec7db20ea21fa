#include "platform/LocalBytes.h"

#include <QFile>

namespace {

constexpr char16_t kHeldBase = 0xDC00;

bool isHeldByte(QChar c)
{
    return c.unicode() >= kHeldBase + 0x80 && c.unicode() <= kHeldBase + 0xFF;
}

} // namespace

namespace LocalBytes {

QString decode(QByteArrayView bytes)
{
    const QString local = QString::fromLocal8Bit(bytes);
    if (local.toLocal8Bit() == bytes)
        return local;
    QString held;
    held.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        held += b < 0x80 ? QChar(b) : QChar(char16_t(kHeldBase + b));
    }
    return held;
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    qsizetype run = 0; // where the current run of ordinary text began
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isHeldByte(text.at(i)))
            continue;
        out += QFile::encodeName(text.mid(run, i - run));
        if (i < text.size())
            out += char(text.at(i).unicode() - kHeldBase);
        run = i + 1;
    }
    return out;
}

QString shown(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (isHeldByte(c))
            c = QChar(char16_t(c.unicode() - kHeldBase));
    }
    return out;
}

} // namespace LocalBytes
