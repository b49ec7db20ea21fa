#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A scratch data folder for one test, removed afterwards with everything in
// it, names of another encoding too.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Every entry under dir with what it holds: a file its bytes, a link "-> target"
// (not followed), a folder "folder" (its entries follow as "folder/name"), and
// anything else (a FIFO) "?".
QMap<QString, QByteArray> folderContents(const QString &dir);

// Joins lines with CR LF, each line ended, as the program writes its files.
QByteArray crlf(const QList<QByteArray> &lines);
