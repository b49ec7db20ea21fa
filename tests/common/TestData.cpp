#include "common/TestData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <filesystem>

ScratchFolder::ScratchFolder()
{
    QVERIFY2(m_dir.isValid(), "cannot make a scratch folder");
}

ScratchFolder::~ScratchFolder()
{
    // By the names' bytes, which Qt's own removal would take for others.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path()).toStdString(), ignored);
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

QMap<QString, QByteArray> folderContents(const QString &dir)
{
    QMap<QString, QByteArray> out;
    const auto entries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &f : QDir(dir).entryInfoList(entries)) {
        QFile file(f.filePath());
        if (f.isSymLink()) {
            out[f.fileName()] = "-> " + f.symLinkTarget().toLocal8Bit();
        } else if (f.isDir()) {
            out[f.fileName()] = "folder";
            const QMap<QString, QByteArray> inside = folderContents(f.filePath());
            for (auto it = inside.cbegin(); it != inside.cend(); ++it)
                out[f.fileName() + '/' + it.key()] = it.value();
        } else {
            out[f.fileName()] = f.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
    }
    return out;
}

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}
