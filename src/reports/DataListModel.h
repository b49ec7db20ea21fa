#pragma once

#include "store/ReadingTexts.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QStringList>

class ReadingStore;

// The data list's table: the store's reading lines exactly as the file holds
// them, one row per reading in file order and ten columns, under the list's
// captions. It reads no file: the lines are the ones the store read as
// readings, so the list shows what every other page counts. Each cell is cut
// from its line when asked for, so 100 000 lines open without a million strings,
// and the list follows the store when a download changes it.
//
// Example: the line "T0001,00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30"
// is the row "T0001" "00120" "03" "14" "08" "30" "PC" "06.7" "2005"
// "2005/03/14 - 08:30".
class DataListModel : public QAbstractTableModel
{
    Q_DECLARE_TR_FUNCTIONS(DataListModel)

public:
    static constexpr int kColumns = 10;

    // Captions of the ten columns; mg/dL names column 1 "Glucose_mg/dL", mmol/L
    // (and any other unit) plain "Glucose".
    static QStringList captions(GlucoseUnit unit);

    // With emptyWithoutReadings, a store that holds only the template row
    // shows no row at all.
    DataListModel(const ReadingStore &store, const QStringList &captions, bool emptyWithoutReadings,
                  QObject *parent = nullptr);

    // Captions in another language.
    void setCaptions(const QStringList &captions);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ReadingStore &m_store;
    QStringList m_captions;
    bool m_emptyWithoutReadings;
};
