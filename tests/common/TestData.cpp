#include "common/TestData.h"

#include <QFile>
#include <QTest>

ScratchFolder::ScratchFolder()
{
    QVERIFY2(m_dir.isValid(), "cannot make a scratch folder");
}

void ScratchFolder::write(const QString &name, const QByteArray &content) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file(name)));
}

QByteArray ScratchFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool ScratchFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}
