#pragma once

#include "store/ReadingTexts.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QStringList>

// The data list's table: the data lines of a reading file exactly as the file
// holds them, one row per line and ten columns in file order, under the list's
// captions. The file is kept whole and each cell is cut from its line when it is
// asked for, so 100 000 lines open without building a million strings.
//
// Example: the line "T0001,00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30"
// is the row "T0001" "00120" "03" "14" "08" "30" "PC" "06.7" "2005"
// "2005/03/14 - 08:30". The first line is the header and never a row; empty lines
// are no rows; a line with fewer fields shows empty cells, extra fields are not shown.
class DataListModel : public QAbstractTableModel
{
public:
    static constexpr int kColumns = 10;

    // Captions of the ten columns; mg/dL names column 1 "Glucose_mg/dL", mmol/L
    // (and any other unit) plain "Glucose".
    static QStringList captions(GlucoseUnit unit);

    // An empty list under the captions.
    explicit DataListModel(const QStringList &captions, QObject *parent = nullptr);

    // Shows the data lines of the file's bytes (local 8-bit, CR LF or LF lines).
    void setContent(const QByteArray &content);
    // Reads the file and shows its data lines; false (and an empty list) when it
    // cannot be read.
    bool read(const QString &path);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Line
    {
        qsizetype start;
        qsizetype end;
    };

    QByteArrayView field(int row, int column) const;

    QStringList m_captions;
    QByteArray m_content;
    QList<Line> m_lines;
};
