#pragma once

#include "store/ReadingFile.h"

#include <QByteArrayView>
#include <QObject>

#include <functional>

// The logged-in user's readings, for the whole run of the program: filled at
// each login, changed only by a download's save, read by every page.
//
// The reading file is read once and split once: the reading table and the data
// list's lines come from that one read, so no page can disagree with another
// about which lines are readings. Pages get the store read-only and follow
// changed(); only the application (login, the download's save) changes it.
class ReadingStore : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Reads the reading file at path in place of what the store held. False,
    // with error saying why and the store unchanged, when it cannot be read;
    // warning tells the user about skipped lines and marks the file cannot
    // hold (empty when there were none).
    bool load(const QString &path, QString *error, QString *warning);
    // Holds the readings of a reading file's bytes, as load() does for a file.
    void setContent(QByteArray content);
    // The reading file the store was loaded from; empty after setContent().
    QString path() const { return m_path; }

    const ReadingTables &tables() const { return m_file.tables; }

    // The readings' lines as the file holds them, in file order and without
    // their line ends: row 0 is the first reading of the file, entry count().
    int lineCount() const { return int(m_file.lineStarts.size()); }
    QByteArrayView line(int row) const;

    // Rewrites the file at path from tables (see ReadingFile::CreateAfile) and
    // holds them from then on. False, with error saying why and the store and
    // the file unchanged, when the file cannot be written.
    bool rewrite(const QString &path, ReadingTables tables, const QDateTime &now, QString *error);

    // Changes the reading file the store was loaded from and holds the result.
    // The change starts from the file as it is on disk now: from the store's
    // own tables while the file still holds the bytes they came from, from the
    // file read afresh when someone changed it meanwhile (then notice says what
    // of it the rewrite cannot keep as it is, or stays empty). change gets the
    // tables with room for `more` entries. False, with error saying why and the
    // store and the file unchanged, when the file cannot be read or written.
    using Change = std::function<void(ReadingTables &tables)>;
    bool update(const Change &change, int more, const QDateTime &now, QString *error, QString *notice);

Q_SIGNALS:
    // The readings are others now: a login or a download's save.
    void changed();

private:
    ReadingFile::LoadResult m_file;
    QString m_path;
};
