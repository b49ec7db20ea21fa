#include "reports/ui/OverlayDayWindow.h"

#include "reports/ui/ChartValues.h"
#include "reports/ui/OverlayChart.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include "reports/ui/chart/ChartView.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

OverlayDayWindow::OverlayDayWindow(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , pickers(this, context, [this] { run(); })
    , chart(ReportParts::chart(this))
    , chartValues(new ChartValues(chart, this))
    , m_context(context)
{
    setObjectName(QStringLiteral("OverlayDayWindow"));
    setWindowTitle(QStringLiteral("Overlay Day"));

    auto *grid = new QGridLayout;
    ReportParts::addRow(grid, 0, heading.idCaption, heading.userId);
    grid->addWidget(heading.dateCaption, 1, 0);
    heading.dateCaption->setBuddy(pickers.fromDate);
    grid->addLayout(pickers.layout(), 1, 1);
    grid->setColumnStretch(2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chart, 1);
    layout->addWidget(chartValues);

    if (pickers.hasReadings())
        run();
    else
        draw({});
}

void OverlayDayWindow::run()
{
    draw(OverlayDay::overlay(ReportPeriods::readingsIn(m_context.store.tables(), pickers.period())));
}

void OverlayDayWindow::draw(const OverlayDay::Result &overlay)
{
    const GlucoseUnit unit = glucoseUnit(m_context.user.unit);
    Chart::Model model = OverlayChart::model(overlay, unit, m_context.user.max, m_context.user.min);
    model.legend = Chart::Model::Legend::Top;
    chart->setModel(model);
    chartValues->show(ChartTexts::overlayDay(overlay, unit));
}
