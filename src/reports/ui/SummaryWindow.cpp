#include "reports/ui/SummaryWindow.h"

#include "platform/ui/WindowParts.h"
#include "reports/PeriodSummary.h"
#include "reports/ui/BandParts.h"
#include "reports/ui/ChartValues.h"
#include "reports/ui/SummaryFigures.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include "reports/ui/chart/ChartView.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

using namespace PeriodSummary;

namespace {

const QString kCaption = QStringLiteral("Summary");
const char *const kShareNames[kTargets] = {"SummaryBelow54", "SummaryBelow70", "SummaryInRange", "SummaryAbove180",
                                           "SummaryAbove250"};

} // namespace

SummaryWindow::SummaryWindow(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , pickers(this, context, [this] { run(); })
    , SummaryInLimits(ReportParts::value(this, "SummaryInLimits", QStringLiteral("- - -")))
    , SummaryBands(BandParts::bandChart(this))
    , chartValues(new ChartValues(SummaryBands, this))
    , SummaryMeals(WindowParts::named<QTableWidget>(this, "SummaryMeals"))
    , m_context(context)
{
    setObjectName(QStringLiteral("SummaryWindow"));
    setWindowTitle(kCaption);
    const GlucoseUnit unit = glucoseUnit(context.user.unit);
    const QString unitText = ReadingTexts::unitText(unit);

    auto *grid = new QGridLayout;
    ReportParts::addRow(grid, 0, heading.idCaption, heading.userId);
    grid->addWidget(heading.dateCaption, 1, 0);
    heading.dateCaption->setBuddy(pickers.fromDate);
    grid->addLayout(pickers.layout(), 1, 1, 1, 4);
    int row = 2;
    const auto addRow =
        [this, grid, &row](const char *name, const QString &caption, QLabel *value, const QString &after = {}) {
        ReportParts::addRow(grid, row++, ReportParts::caption(this, name, caption), value,
                            after.isEmpty() ? nullptr : WindowParts::label(this, nullptr, after));
    };
    for (size_t f = 0; f < figures.size(); ++f) {
        const SummaryFigures::Figure &figure = SummaryFigures::figures()[f];
        figures[f] = ReportParts::value(this, figure.name, QString::fromLatin1(figure.designText));
        addRow(figure.captionName, figure.caption, figures[f], figure.withUnit ? unitText : QString());
    }
    for (int t = 0; t < kTargets; ++t) {
        shares[t] = ReportParts::value(this, kShareNames[t], QStringLiteral("- - -"));
        addRow(nullptr, BandParts::shareCaption(Target(t), unit), shares[t], BandParts::targetText(Target(t)));
        met[t] = WindowParts::label(this, qPrintable(QLatin1String(kShareNames[t]) + QLatin1String("Met")), {});
        grid->addWidget(met[t], row - 1, 3);
    }
    addRow("LabelInLimits", BandParts::limitsCaption(context.user.max, context.user.min, unit), SummaryInLimits);
    grid->setColumnStretch(4, 1);

    SummaryMeals->setColumnCount(4);
    SummaryMeals->setRowCount(SummaryFigures::dayParts().size());
    SummaryMeals->setHorizontalHeaderLabels(SummaryFigures::mealHeaders(unit));
    SummaryMeals->setVerticalHeaderLabels(SummaryFigures::dayParts());
    SummaryMeals->setAccessibleName(QStringLiteral("Before- and after-meal readings by part of the day"));
    SummaryMeals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Headers wrap rather than widen the table past the page.
    SummaryMeals->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    SummaryMeals->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    SummaryMeals->horizontalHeader()->setMinimumHeight(2 * SummaryMeals->fontMetrics().lineSpacing() + 8);

    // The figures across the page; under them the meals table and, beside it,
    // the bar, so that neither makes the page wider than the figures do.
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(SummaryMeals, 3);
    auto *bands = new QVBoxLayout;
    bands->addWidget(SummaryBands, 1);
    bands->addWidget(chartValues);
    bottom->addLayout(bands, 2);
    layout->addLayout(bottom, 1);

    if (pickers.hasReadings())
        run();
}

void SummaryWindow::run()
{
    const GlucoseUnit unit = glucoseUnit(m_context.user.unit);
    const Report r = report(ReportPeriods::readingsIn(m_context.store.tables(), pickers.period()), unit,
                            m_context.user.max, m_context.user.min);
    for (size_t f = 0; f < figures.size(); ++f)
        figures[f]->setText(r.*SummaryFigures::figures()[f].value);
    figures[SummaryFigures::kGmi]->setToolTip(r.gmiReason);
    for (int t = 0; t < kTargets; ++t) {
        shares[t]->setText(r.shares[t]);
        BandParts::showTarget(shares[t], r.met[t]);
        met[t]->setText(metText(r.met[t]));
        BandParts::showTarget(met[t], r.met[t]);
    }
    SummaryInLimits->setText(r.inLimits);
    SummaryBands->setModel(BandParts::bands(r.bandReadings, unit));
    chartValues->show(ChartTexts::bands(r.bandReadings, unit));
    for (int p = 0; p < SummaryFigures::dayParts().size(); ++p) {
        const QStringList cells = SummaryFigures::mealRow(r, p);
        for (int c = 0; c < cells.size(); ++c)
            SummaryMeals->setItem(p, c, new QTableWidgetItem(cells[c]));
    }
}
