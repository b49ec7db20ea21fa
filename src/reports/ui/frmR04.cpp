#include "reports/ui/frmR04.h"

#include "platform/ui/MessageService.h"
#include "reports/ReportTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/HourRuler.h"
#include "reports/ui/chart/ChartView.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

namespace {
const QString kCaption = QStringLiteral("Standard Day");
const QString kSearch = QStringLiteral("Search");

Chart::Series limitLine(const QString &name, double value, const QColor &colour)
{
    Chart::Series line{
        Chart::Series::Kind::Line, name, {QPointF(0, value), QPointF(StandardDay::kMinutesPerDay, value)}};
    line.colour = colour;
    line.width = 2;
    return line;
}
} // namespace

frmR04::frmR04(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , days(new QComboBox(this))
    , daysCaption(ReportParts::caption(this, "Label4", QStringLiteral("Days covered :")))
    , daysCovered(ReportParts::value(this, "Label2", QStringLiteral("1")))
    , readingsCaption(ReportParts::caption(this, "Label19", QStringLiteral("Datas covered :")))
    , readingsCovered(ReportParts::value(this, "Label18", QStringLiteral("- -")))
    , statistics(this)
    , valueUnit(new QLabel(ReadingTexts::unitText(GlucoseUnit::MgPerDl), this))
    , chart(ReportParts::chart(this))
    , ruler(new HourRuler(this))
    , chartValues(new ChartValues(chart, this))
    , m_context(context)
{
    setObjectName(QStringLiteral("frmR04"));
    setWindowTitle(kCaption);
    days->setObjectName(QStringLiteral("Combo4"));
    valueUnit->setObjectName(QStringLiteral("Text7"));
    // Typed text chooses nothing; only an entry picked from the list does.
    days->setEditable(true);
    days->setInsertPolicy(QComboBox::NoInsert);
    days->setMinimumContentsLength(12);
    days->setAccessibleName(ReportTexts::kDay);
    days->lineEdit()->setAccessibleName(ReportTexts::kDay);

    auto *grid = new QGridLayout;
    heading.addTo(grid, days);
    ReportParts::addRow(grid, 2, daysCaption, daysCovered);
    ReportParts::addRow(grid, 3, readingsCaption, readingsCovered);
    statistics.addTo(grid, 4);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(valueUnit);
    layout->addWidget(chart, 1);
    layout->addWidget(ruler);
    layout->addWidget(chartValues);

    const UserSettings &user = context.user;
    if (context.store.tables().holdsNoReadings()) {
        Messages::show(this, ReportTexts::kNoGlucoseData);
        days->setEnabled(false);
    }
    const GlucoseUnit unit = glucoseUnit(user.unit);
    if (unit == GlucoseUnit::MmolPerL) {
        statistics.setUnit(ReadingTexts::unitText(unit));
        valueUnit->setText(ReadingTexts::unitText(unit));
    }
    // Plain texts: a long-time user's file can list 100 000 dates, too many for
    // an item object each in the combo box's own model.
    days->setModel(new QStringListModel(StandardDay::dates(context.store.tables(), dateFormat(user.dateFormat)), days));
    days->setCurrentIndex(-1);
    days->setEditText(kSearch);
    connect(days, &QComboBox::activated, this, &frmR04::showDay);
    connect(chart, &ChartView::laidOut, this, &frmR04::placeRuler);
    draw(StandardDay::emptyTable(unit, user.max, user.min));
    chartValues->show(ChartTexts::standardDay({}, nullptr, unit));
}

// Unit and limits are read again at each choice: the settings window may have
// changed them while the page is open.
void frmR04::showDay()
{
    const UserSettings &user = m_context.user;
    const std::optional<StandardDay::Day> day = StandardDay::day(m_context.store.tables(), days->currentText(),
                                                                 glucoseUnit(user.unit), user.max, user.min);
    if (!day)
        return;
    if (day->stats) {
        statistics.show(day->highest, day->lowest, day->average);
        readingsCovered->setText(day->readings);
    }
    draw(day->table);
    chartValues->show(ChartTexts::standardDay(days->currentText(), &*day, glucoseUnit(user.unit)));
}

void frmR04::draw(const StandardDay::DayTable &table)
{
    Chart::Model model;
    model.legend = Chart::Model::Legend::Top;
    Chart::Series readings{Chart::Series::Kind::Points, QStringLiteral("Glucose")};
    readings.colour = QColor(0x00, 0x72, 0xb2);
    readings.dotSize = 10;
    double top = qMax(table.high, table.low);
    double bottom = qMin(0.0, qMin(table.high, table.low));
    for (int m = 0; m < table.readings.size(); ++m) {
        const ChartReading &reading = table.readings.at(m);
        if (reading.isEmpty())
            continue;
        readings.points << QPointF(m, reading.value);
        top = qMax(top, reading.value);
        bottom = qMin(bottom, reading.value);
    }
    // Blue, vermillion and bluish green: apart for every common colour-vision deficiency.
    model.series << readings << limitLine(QStringLiteral("Max"), table.high, QColor(0xd5, 0x5e, 0x00))
                 << limitLine(QStringLiteral("Min"), table.low, QColor(0x00, 0x9e, 0x73));

    // Minutes of the day; the hours are written by the ruler under the chart.
    model.x.max = StandardDay::kMinutesPerDay;
    model.x.ticks = HourRuler::kHours + 1;
    model.x.labelsShown = false;
    model.y.title = QStringLiteral("Glucose");
    model.y.min = bottom;
    model.y.max = top > 0 ? top * 1.1 : 10;
    Chart::applyNiceNumbers(model.y);
    model.y.decimals = glucoseUnit(m_context.user.unit) == GlucoseUnit::MmolPerL ? 1 : 0;
    // The outer hours' labels stand half outside the plot.
    model.room.setRight(ruler->fontMetrics().horizontalAdvance(QStringLiteral("12A")) / 2.0);
    chart->setModel(model);
}

void frmR04::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeRuler();
}

// Each hour under its place on the chart's plot.
void frmR04::placeRuler()
{
    QList<int> hourX;
    for (int h = 0; h <= HourRuler::kHours; ++h) {
        const QPointF onChart = chart->position(QPointF(60.0 * h, 0));
        hourX << ruler->mapFrom(this, chart->mapTo(this, onChart.toPoint())).x();
    }
    ruler->place(hourX);
}
