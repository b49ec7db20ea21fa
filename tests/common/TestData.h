#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch data folder for one test, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Joins lines with CR LF, each line ended, as the program writes its files.
QByteArray crlf(const QList<QByteArray> &lines);
