#include "reports/ui/ChartValues.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLegend>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

void followPalette(QChart *chart, const QPalette &palette)
{
    const QColor text = palette.color(QPalette::WindowText);
    chart->setBackgroundBrush(palette.window());
    chart->setTitleBrush(text);
    chart->legend()->setLabelColor(text);
    for (QAbstractAxis *axis : chart->axes()) {
        axis->setLabelsColor(text);
        // A title the window hid on purpose (the histogram's in mmol/L) stays hidden.
        if (axis->titleBrush().color().alpha() != 0)
            axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        axis->setGridLineColor(palette.color(QPalette::Mid));
    }
}

} // namespace

ChartValues::ChartValues(QChartView *chart, QWidget *parent)
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
    table->hide();
    connect(toggle, &QPushButton::toggled, table, &QWidget::setVisible);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toggle, 0, Qt::AlignLeft);
    layout->addWidget(table);
}

void ChartValues::show(const ChartText &text)
{
    // The view's drawing area is what holds the focus.
    for (QWidget *w : {static_cast<QWidget *>(m_chart), m_chart->viewport()}) {
        w->setAccessibleName(text.name);
        w->setAccessibleDescription(text.description);
    }
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
    followPalette(m_chart->chart(), palette());
}
