#include "store/ReadingStore.h"

#include "platform/TextFiles.h"

bool ReadingStore::load(const QString &path, QString *error, QString *warning)
{
    ReadingFile::LoadResult loaded = ReadingFile::load(path);
    if (!loaded.ok) {
        *error = loaded.error;
        return false;
    }
    *warning = ReadingFile::loadWarning(path, loaded);
    m_file = std::move(loaded);
    m_path = path;
    Q_EMIT changed();
    return true;
}

void ReadingStore::setContent(QByteArray content)
{
    m_file = ReadingFile::parse(std::move(content));
    m_path.clear();
    Q_EMIT changed();
}

QByteArrayView ReadingStore::line(int row) const
{
    const QByteArrayView rest = QByteArrayView(m_file.content).sliced(m_file.lineStarts.at(row));
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
        ++end;
    return rest.first(end);
}

bool ReadingStore::rewrite(const QString &path, ReadingTables tables, const QDateTime &now, QString *error)
{
    ReadingFile::LoadResult written;
    if (!ReadingFile::CreateAfile(path, tables, now, error, &written.content, &written.lineStarts))
        return false;
    // The lines written are the lines the data list shows from now on. The
    // program formatted them from these very tables, so reading them back
    // would give the tables again: they are kept as they are.
    written.ok = true;
    written.tables = std::move(tables);
    m_file = std::move(written);
    Q_EMIT changed();
    return true;
}

bool ReadingStore::update(const Change &change, int more, const QDateTime &now, QString *error, QString *notice)
{
    notice->clear();
    if (m_path.isEmpty()) {
        *error = QStringLiteral("No reading file is open.");
        return false;
    }
    QByteArray onDisk;
    if (!TextFiles::read(m_path, &onDisk, error))
        return false;
    ReadingTables tables;
    if (onDisk == m_file.content) {
        tables = m_file.tables.copyWithRoom(more);
    } else {
        // Changed behind the program's back (an editor, a copy put back): what
        // is on disk now is what the change starts from, never a stale copy.
        const ReadingFile::LoadResult fresh = ReadingFile::parse(std::move(onDisk));
        *notice = ReadingFile::loadWarning(m_path, fresh);
        tables = fresh.tables.copyWithRoom(more);
    }
    change(tables);
    return rewrite(m_path, std::move(tables), now, error);
}
