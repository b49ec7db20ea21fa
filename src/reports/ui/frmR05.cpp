#include "reports/ui/frmR05.h"

#include "platform/ui/MessageService.h"
#include "reports/Histogram.h"
#include "reports/ReportTexts.h"
#include "users/UserSettings.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLabel>
#include <QValueAxis>

namespace {
const QString kCaption = QStringLiteral("Histogram");
const QString kCategoryTitle = QStringLiteral("Glucose mg/dL");
const QString kValueTitle = QStringLiteral("# of Blood Glucose Readings");

// The chart draws categories as rich text, so "<61" is escaped to show. A bar
// axis also needs distinct categories: blank labels (a unit that is neither
// mg/dL nor mmol/L) differ in their number of spaces.
QStringList categoryTexts(const QStringList &labels)
{
    QStringList out;
    for (qsizetype k = 0; k < labels.size(); ++k)
        out << (labels[k].isEmpty() ? QString(k, u' ') : labels[k].toHtmlEscaped());
    return out;
}

void drawBars(QChart *chart, const Histogram::Report &report)
{
    auto *bars = new QBarSet(QStringLiteral("Readings"));
    qint64 most = 0;
    for (qint64 n : report.counts) {
        *bars << double(n);
        most = qMax(most, n);
    }
    auto *series = new QBarSeries;
    series->append(bars);
    chart->addSeries(series);

    auto *categories = new QBarCategoryAxis;
    categories->setTitleText(kCategoryTitle);
    categories->append(categoryTexts(report.labels));
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto *counts = new QValueAxis;
    counts->setTitleText(kValueTitle);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setRange(0, qMax<qint64>(most, 4));
    counts->applyNiceNumbers();
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);
}
} // namespace

frmR05::frmR05(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , Label15(ReportParts::value(this, "Label15", QStringLiteral("- - - -/ - - / - - ~ - - - - / - - / - -")))
    , Label4(ReportParts::caption(this, "Label4", QStringLiteral("Datas covered :")))
    , Label2(ReportParts::value(this, "Label2", QStringLiteral("- -")))
    , statistics(this)
    , MSChart1(ReportParts::chart(this))
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
    drawBars(MSChart1->chart(), report);
    if (report.showMmolTitle) {
        // Text2 stands where the mg/dL title keeps its room, and replaces it.
        QAbstractAxis *categories = MSChart1->chart()->axes(Qt::Horizontal).constFirst();
        Text2->setFont(categories->titleFont());
        categories->setTitleBrush(Qt::transparent);
        Text2->show();
        connect(MSChart1->chart(), &QChart::plotAreaChanged, this, &frmR05::placeMmolTitle);
    }
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
