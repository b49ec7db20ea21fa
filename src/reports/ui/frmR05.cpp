#include "reports/ui/frmR05.h"

#include "platform/ui/MessageService.h"
#include "reports/Histogram.h"
#include "reports/ReportTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/HistogramChart.h"
#include "reports/ui/chart/ChartView.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QGridLayout>
#include <QLabel>

namespace {
const QString kCaption = QStringLiteral("Histogram");
const QString kCategoryTitle = QStringLiteral("Glucose mg/dL");
} // namespace

frmR05::frmR05(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , dateRange(ReportParts::value(this, "Label15", QStringLiteral("- - - -/ - - / - - ~ - - - - / - - / - -")))
    , readingsCaption(ReportParts::caption(this, "Label4", QStringLiteral("Datas covered :")))
    , readingsCovered(ReportParts::value(this, "Label2", QStringLiteral("- -")))
    , statistics(this)
    , chart(ReportParts::chart(this))
    , chartValues(new ChartValues(chart, this))
    , mmolTitle(new QLabel(QStringLiteral("Glucose mmol/L"), chart))
{
    setObjectName(QStringLiteral("frmR05"));
    setWindowTitle(kCaption);
    mmolTitle->setObjectName(QStringLiteral("Text2"));
    mmolTitle->setAlignment(Qt::AlignCenter);
    mmolTitle->hide();

    auto *grid = new QGridLayout;
    heading.addTo(grid, dateRange);
    ReportParts::addRow(grid, 2, readingsCaption, readingsCovered);
    statistics.addTo(grid, 3);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chart, 1);
    layout->addWidget(chartValues);

    const UserSettings &user = context.user;
    const GlucoseUnit unit = glucoseUnit(user.unit);
    const Histogram::Report report = Histogram::report(context.store.tables(), unit, dateFormat(user.dateFormat));
    if (report.noData)
        Messages::show(this, ReportTexts::kNoGlucoseData);
    statistics.setUnit(report.unit);
    statistics.show(report.highest, report.lowest, report.average);
    if (!report.readings.isEmpty())
        readingsCovered->setText(report.readings);
    if (!report.dateRange.isEmpty())
        dateRange->setText(report.dateRange);
    Chart::Model model = HistogramChart::model(report.counts, report.labels, kCategoryTitle);
    if (report.showMmolTitle) {
        // Drawn as the chart draws its titles.
        model.x.titleShown = false;
        mmolTitle->setFont(chart->chartStyle().titleFont);
        mmolTitle->show();
        connect(chart, &ChartView::laidOut, this, &frmR05::placeMmolTitle);
    }
    chart->setModel(model);
    placeMmolTitle();
    chartValues->show(ChartTexts::histogram(report));
}

// Centred where the chart keeps room for the category title, within the chart.
void frmR05::placeMmolTitle()
{
    if (mmolTitle->isHidden())
        return;
    mmolTitle->adjustSize();
    const QRectF title = chart->layout().xTitle;
    const int left = qBound(0, qRound(title.center().x() - mmolTitle->width() / 2.0),
                            chart->width() - mmolTitle->width());
    mmolTitle->move(left, qRound(title.center().y() - mmolTitle->height() / 2.0));
}
