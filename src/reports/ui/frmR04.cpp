#include "reports/ui/frmR04.h"

#include "platform/ui/MessageService.h"
#include "reports/ReportTexts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/HourRuler.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStringListModel>
#include <QValueAxis>

namespace {
const QString kCaption = QStringLiteral("Standard Day");
const QString kSearch = QStringLiteral("Search");

QLineSeries *limitLine(const QString &name, double value, const QColor &colour)
{
    auto *line = new QLineSeries;
    line->setName(name);
    line->append(0, value);
    line->append(StandardDay::kMinutesPerDay, value);
    line->setPen(QPen(colour, 2));
    return line;
}
} // namespace

frmR04::frmR04(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , Combo4(new QComboBox(this))
    , Label4(ReportParts::caption(this, "Label4", QStringLiteral("Days covered :")))
    , Label2(ReportParts::value(this, "Label2", QStringLiteral("1")))
    , Label19(ReportParts::caption(this, "Label19", QStringLiteral("Datas covered :")))
    , Label18(ReportParts::value(this, "Label18", QStringLiteral("- -")))
    , statistics(this)
    , Text7(new QLabel(ReadingTexts::unitText(GlucoseUnit::MgPerDl), this))
    , MSChart1(ReportParts::chart(this))
    , ruler(new HourRuler(this))
    , chartValues(new ChartValues(MSChart1, this))
    , m_context(context)
{
    setObjectName(QStringLiteral("frmR04"));
    setWindowTitle(kCaption);
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Text7->setObjectName(QStringLiteral("Text7"));
    // Typed text chooses nothing; only an entry picked from the list does.
    Combo4->setEditable(true);
    Combo4->setInsertPolicy(QComboBox::NoInsert);
    Combo4->setMinimumContentsLength(12);
    Combo4->setAccessibleName(ReportTexts::kDay);
    Combo4->lineEdit()->setAccessibleName(ReportTexts::kDay);

    auto *grid = new QGridLayout;
    heading.addTo(grid, Combo4);
    ReportParts::addRow(grid, 2, Label4, Label2);
    ReportParts::addRow(grid, 3, Label19, Label18);
    statistics.addTo(grid, 4);
    grid->setColumnStretch(3, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Text7);
    layout->addWidget(MSChart1, 1);
    layout->addWidget(ruler);
    layout->addWidget(chartValues);
    MSChart1->chart()->legend()->show();
    MSChart1->chart()->legend()->setAlignment(Qt::AlignTop);

    const UserSettings &user = context.user;
    if (context.store.tables().holdsNoReadings()) {
        Messages::show(this, ReportTexts::kNoGlucoseData);
        Combo4->setEnabled(false);
    }
    const GlucoseUnit unit = glucoseUnit(user.unit);
    if (unit == GlucoseUnit::MmolPerL) {
        statistics.setUnit(ReadingTexts::unitText(unit));
        Text7->setText(ReadingTexts::unitText(unit));
    }
    // Plain texts: a long-time user's file can list 100 000 dates, too many for
    // an item object each in the combo box's own model.
    Combo4->setModel(
        new QStringListModel(StandardDay::dates(context.store.tables(), dateFormat(user.dateFormat)), Combo4));
    Combo4->setCurrentIndex(-1);
    Combo4->setEditText(kSearch);
    connect(Combo4, &QComboBox::activated, this, &frmR04::showDay);
    // Queued: the view takes the chart's new size only after the plot area moves.
    connect(MSChart1->chart(), &QChart::plotAreaChanged, this, &frmR04::placeRuler, Qt::QueuedConnection);
    draw(StandardDay::emptyTable(unit, user.max, user.min));
    chartValues->show(ChartTexts::standardDay({}, nullptr, unit));
}

// Unit and limits are read again at each choice: the settings window may have
// changed them while the page is open.
void frmR04::showDay()
{
    const UserSettings &user = m_context.user;
    const std::optional<StandardDay::Day> day = StandardDay::day(m_context.store.tables(), Combo4->currentText(),
                                                                 glucoseUnit(user.unit), user.max, user.min);
    if (!day)
        return;
    if (day->stats) {
        statistics.show(day->highest, day->lowest, day->average);
        Label18->setText(day->readings);
    }
    draw(day->table);
    chartValues->show(ChartTexts::standardDay(Combo4->currentText(), &*day, glucoseUnit(user.unit)));
}

void frmR04::draw(const StandardDay::DayTable &table)
{
    QChart *chart = MSChart1->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);

    m_readings = new QScatterSeries;
    m_readings->setName(QStringLiteral("Glucose"));
    m_readings->setMarkerSize(12);
    m_readings->setColor(QColor(0x00, 0x72, 0xb2));
    m_readings->setBorderColor(Qt::white);
    double top = qMax(table.high, table.low);
    double bottom = qMin(0.0, qMin(table.high, table.low));
    for (int m = 0; m < table.readings.size(); ++m) {
        const ChartReading &reading = table.readings.at(m);
        if (reading.isEmpty())
            continue;
        m_readings->append(m, reading.value);
        top = qMax(top, reading.value);
        bottom = qMin(bottom, reading.value);
    }
    chart->addSeries(m_readings);
    // Blue, vermillion and bluish green: apart for every common colour-vision deficiency.
    chart->addSeries(limitLine(QStringLiteral("Max"), table.high, QColor(0xd5, 0x5e, 0x00)));
    chart->addSeries(limitLine(QStringLiteral("Min"), table.low, QColor(0x00, 0x9e, 0x73)));

    // Minutes of the day; the hours are written by the ruler under the chart.
    auto *minutes = new QValueAxis;
    minutes->setRange(0, StandardDay::kMinutesPerDay);
    minutes->setTickCount(HourRuler::kHours + 1);
    minutes->setLabelsVisible(false);
    auto *glucose = new QValueAxis;
    glucose->setTitleText(QStringLiteral("Glucose"));
    glucose->setRange(bottom, top > 0 ? top * 1.1 : 10);
    glucose->applyNiceNumbers();
    glucose->setLabelFormat(glucoseUnit(m_context.user.unit) == GlucoseUnit::MmolPerL ? QStringLiteral("%.1f")
                                                                                      : QStringLiteral("%d"));
    chart->addAxis(minutes, Qt::AlignBottom);
    chart->addAxis(glucose, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(minutes);
        series->attachAxis(glucose);
    }
    placeRuler();
}

void frmR04::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeRuler();
}

// Each hour under its place on the chart's real plot area.
void frmR04::placeRuler()
{
    if (!m_readings)
        return;
    QList<int> hourX;
    for (int h = 0; h <= HourRuler::kHours; ++h) {
        const QPointF onChart = MSChart1->chart()->mapToPosition(QPointF(60.0 * h, 0), m_readings);
        const QPoint inView = MSChart1->mapFromScene(MSChart1->chart()->mapToScene(onChart));
        hourX << ruler->mapFrom(this, MSChart1->viewport()->mapTo(this, inView)).x();
    }
    ruler->place(hourX);
}
