#include "reports/DataListModel.h"

#include "store/ReadingStore.h"

QStringList DataListModel::captions(GlucoseUnit unit)
{
    const QString glucose = unit == GlucoseUnit::MgPerDl ? tr("Glucose_mg/dL") : tr("Glucose");
    return {tr("Test_No"), glucose,     tr("Month"),          tr("Day"),  tr("Hour"),
            tr("Minute"),  tr("Event"), tr("Glucose_mmol/L"), tr("Year"), tr("Date & Time")};
}

DataListModel::DataListModel(const ReadingStore &store, const QStringList &captions, bool emptyWithoutReadings,
                             QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
    , m_captions(captions)
    , m_emptyWithoutReadings(emptyWithoutReadings)
{
    connect(&store, &ReadingStore::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

void DataListModel::setCaptions(const QStringList &captions)
{
    m_captions = captions;
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

int DataListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || (m_emptyWithoutReadings && m_store.tables().holdsNoReadings()))
        return 0;
    return m_store.lineCount();
}

int DataListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant DataListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() || index.column() >= kColumns)
        return {};
    // A reading's line has exactly ten fields.
    QByteArrayView rest = m_store.line(index.row());
    for (int c = 0; c < index.column(); ++c)
        rest = rest.sliced(rest.indexOf(',') + 1);
    const qsizetype comma = rest.indexOf(',');
    return QString::fromLocal8Bit(comma < 0 ? rest : rest.first(comma));
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < m_captions.size() ? QVariant(m_captions.at(section)) : QVariant();
}
