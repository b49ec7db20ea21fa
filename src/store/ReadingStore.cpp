#include "store/ReadingStore.h"

bool ReadingStore::load(const QString &path, QString *error, QString *warning)
{
    ReadingFile::LoadResult loaded = ReadingFile::load(path);
    if (!loaded.ok) {
        *error = loaded.error;
        return false;
    }
    *warning = ReadingFile::skippedLinesWarning(path, loaded);
    m_file = std::move(loaded);
    Q_EMIT changed();
    return true;
}

void ReadingStore::setContent(QByteArray content)
{
    m_file = ReadingFile::parse(std::move(content));
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
