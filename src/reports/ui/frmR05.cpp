#include "reports/ui/frmR05.h"

#include "platform/ui/MessageService.h"
#include "reports/Histogram.h"
#include "reports/ReportTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/HistogramChart.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
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
    const Histogram::Report report = Histogram::report(context.store.tables(), unit, dateFormat(user.dateFormat));
    if (report.noData)
        Messages::show(this, ReportTexts::kNoGlucoseData);
    statistics.setUnit(report.unit);
    statistics.show(report.highest, report.lowest, report.average);
    if (!report.readings.isEmpty())
        Label2->setText(report.readings);
    if (!report.dateRange.isEmpty())
        Label15->setText(report.dateRange);
    HistogramChart::draw(MSChart1->chart(), report.counts, report.labels, kCategoryTitle);
    QAbstractAxis *categories = MSChart1->chart()->axes(Qt::Horizontal).constFirst();
    // Wide and tall enough that no range label and neither axis title is cut short.
    const QFontMetrics labels(categories->labelsFont());
    int widest = 0;
    for (const QString &label : report.labels)
        widest = qMax(widest, labels.horizontalAdvance(label));
    const QFontMetrics titles(categories->titleFont());
    MSChart1->setMinimumSize(int(report.labels.size()) * (widest + 24) + 8 * titles.height(),
                             titles.horizontalAdvance(HistogramChart::kValueTitle) + 6 * titles.height());
    if (report.showMmolTitle) {
        // Text2 stands where the mg/dL title keeps its room, and replaces it,
        // drawn as the chart draws that title.
        Text2->setFont(categories->titleFont());
        QPalette palette = Text2->palette();
        palette.setBrush(QPalette::WindowText, categories->titleBrush());
        Text2->setPalette(palette);
        categories->setTitleBrush(Qt::transparent);
        Text2->show();
        // Queued: the view maps the new plot area only after the chart has told of it.
        connect(MSChart1->chart(), &QChart::plotAreaChanged, this, &frmR05::placeMmolTitle, Qt::QueuedConnection);
    }
    chartValues->show(ChartTexts::histogram(report));
}

void frmR05::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    QMetaObject::invokeMethod(this, &frmR05::placeMmolTitle, Qt::QueuedConnection);
}

// Centred under the plot area, at the bottom of the chart where the category
// axis keeps room for its title.
void frmR05::placeMmolTitle()
{
    if (Text2->isHidden())
        return;
    Text2->adjustSize();
    QChart *chart = MSChart1->chart();
    const QPoint centre = MSChart1->viewport()->mapTo(
        MSChart1, MSChart1->mapFromScene(chart->mapToScene(chart->plotArea().center())));
    Text2->move(centre.x() - Text2->width() / 2, MSChart1->height() - Text2->height() - 8);
}
