#include "reports/ui/ChartValues.h"

#include "reports/ui/chart/ChartView.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Rows the opened table shows before it scrolls.
constexpr int kShownRows = 6;

} // namespace

ChartValues::ChartValues(ChartView *chart, QWidget *parent)
    : QWidget(parent)
    , toggle(new QPushButton(QStringLiteral("Show values"), this))
    , table(new QTableWidget(this))
    , m_chart(chart)
{
    const QString name = chart->objectName();
    setObjectName(name + QStringLiteral("Values"));
    toggle->setObjectName(name + QStringLiteral("Show"));
    table->setObjectName(name + QStringLiteral("Table"));
    toggle->setCheckable(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setMaximumHeight(table->horizontalHeader()->sizeHint().height()
                            + kShownRows * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth());
    table->hide();
    connect(toggle, &QPushButton::toggled, table, &QWidget::setVisible);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toggle, 0, Qt::AlignLeft);
    layout->addWidget(table);
}

void ChartValues::show(const ChartText &text)
{
    m_chart->setAccessibleName(text.name);
    m_chart->setAccessibleDescription(text.description);
    toggle->setAccessibleName(QStringLiteral("Show values of the ") + text.name.toLower());
    table->setAccessibleName(text.name + QStringLiteral(" values"));
    table->setAccessibleDescription(text.description);
    table->clear();
    table->setColumnCount(text.headers.size());
    table->setHorizontalHeaderLabels(text.headers);
    table->setRowCount(text.rows.size());
    for (int r = 0; r < text.rows.size(); ++r) {
        for (int c = 0; c < text.rows[r].size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(text.rows[r][c]));
    }
}
