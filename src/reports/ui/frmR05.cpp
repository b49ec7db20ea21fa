#include "reports/ui/frmR05.h"

#include "platform/ui/MessageService.h"
#include "reports/Histogram.h"
#include "reports/ReportTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/HistogramChart.h"
#include "users/UserSettings.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>

namespace {
const QString kCaption = QStringLiteral("Histogram");
const QString kCategoryTitle = QStringLiteral("Glucose mg/dL");
} // namespace

frmR05::frmR05(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , Label15(ReportParts::value(this, "Label15", QStringLiteral("- - - -/ - - / - - ~ - - - - / - - / - -")))
    , Label4(ReportParts::caption(this, "Label4", QStringLiteral("Datas covered :")))
    , Label2(ReportParts::value(this, "Label2", QStringLiteral("- -")))
    , statistics(this)
    , MSChart1(ReportParts::chart(this))
    , chartValues(new ChartValues(MSChart1, this))
    , Text2(new QLabel(QStringLiteral("Glucose mmol/L"), MSChart1))
{
    setObjectName(QStringLiteral("frmR05"));
    setWindowTitle(kCaption);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setAlignment(Qt::AlignCenter);
    Text2->hide();

    auto *grid = new QGridLayout;
    heading.addTo(grid, Label15);
    ReportParts::addRow(grid, 2, Label4, Label2);
    statistics.addTo(grid, 3);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MSChart1, 1);
    layout->addWidget(chartValues);

    const UserSettings &user = context.user;
    const GlucoseUnit unit = glucoseUnit(user.unit);
    const Histogram::Report report = Histogram::report(context.tables, unit, dateFormat(user.time));
    if (report.noData)
        Messages::show(this, ReportTexts::kNoGlucoseData);
    statistics.setUnit(report.unit);
    statistics.show(report.highest, report.lowest, report.average);
    if (!report.readings.isEmpty())
        Label2->setText(report.readings);
    if (!report.dateRange.isEmpty())
        Label15->setText(report.dateRange);
    HistogramChart::draw(MSChart1->chart(), report.counts, report.labels, kCategoryTitle);
    if (report.showMmolTitle) {
        // Text2 stands where the mg/dL title keeps its room, and replaces it.
        QAbstractAxis *categories = MSChart1->chart()->axes(Qt::Horizontal).constFirst();
        Text2->setFont(categories->titleFont());
        categories->setTitleBrush(Qt::transparent);
        Text2->show();
        connect(MSChart1->chart(), &QChart::plotAreaChanged, this, &frmR05::placeMmolTitle);
    }
    chartValues->show(ChartTexts::histogram(report));
}

void frmR05::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeMmolTitle();
}

// Centred under the plot area, at the bottom of the chart where the category
// axis keeps room for its title.
void frmR05::placeMmolTitle()
{
    if (Text2->isHidden())
        return;
    Text2->adjustSize();
    const QRectF plot = MSChart1->chart()->plotArea();
    const QPoint centre = MSChart1->mapFromScene(QPointF(plot.center().x(), 0));
    Text2->move(centre.x() - Text2->width() / 2, MSChart1->height() - Text2->height() - 8);
}
