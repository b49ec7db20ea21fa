#include "reports/DataListModel.h"

#include <QFile>

QStringList DataListModel::captions(GlucoseUnit unit)
{
    const QString glucose = unit == GlucoseUnit::MgPerDl ? QStringLiteral("Glucose_mg/dL") : QStringLiteral("Glucose");
    return {QStringLiteral("Test_No"), glucose, QStringLiteral("Month"), QStringLiteral("Day"),
            QStringLiteral("Hour"), QStringLiteral("Minute"), QStringLiteral("Event"),
            QStringLiteral("Glucose_mmol/L"), QStringLiteral("Year"), QStringLiteral("Date & Time")};
}

DataListModel::DataListModel(const QStringList &captions, QObject *parent)
    : QAbstractTableModel(parent)
    , m_captions(captions)
{
}

void DataListModel::setContent(const QByteArray &content)
{
    beginResetModel();
    m_content = content;
    m_lines.clear();
    m_lines.reserve(content.size() / 56 + 1); // a stored line is about 56 bytes
    bool header = true;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        if (end < 0)
            end = content.size();
        if (end > start && content.at(end - 1) == '\r')
            --end;
        if (header)
            header = false;
        else if (end > start)
            m_lines.append({start, end});
        start = next;
    }
    endResetModel();
}

bool DataListModel::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setContent({});
        return false;
    }
    setContent(file.readAll());
    return true;
}

int DataListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int DataListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QByteArrayView DataListModel::field(int row, int column) const
{
    const Line line = m_lines.at(row);
    qsizetype start = line.start;
    for (int c = 0; c < column; ++c) {
        const qsizetype comma = m_content.indexOf(',', start);
        if (comma < 0 || comma >= line.end)
            return {};
        start = comma + 1;
    }
    qsizetype end = m_content.indexOf(',', start);
    if (end < 0 || end > line.end)
        end = line.end;
    return QByteArrayView(m_content).sliced(start, end - start);
}

QVariant DataListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_lines.size() || index.column() >= kColumns)
        return {};
    return QString::fromLocal8Bit(field(index.row(), index.column()));
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < m_captions.size() ? QVariant(m_captions.at(section)) : QVariant();
}
