#include "reports/ui/OverlayDayWindow.h"

#include "reports/ui/ChartValues.h"
#include "reports/ui/OverlayChart.h"
#include "store/ReadingStore.h"
#include "users/UserSettings.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLegend>

OverlayDayWindow::OverlayDayWindow(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , heading(this, context.user.id)
    , pickers(this, context, [this] { run(); })
    , MSChart1(ReportParts::chart(this))
    , chartValues(new ChartValues(MSChart1, this))
    , m_context(context)
{
    setObjectName(QStringLiteral("OverlayDayWindow"));
    setWindowTitle(QStringLiteral("Overlay Day"));
    MSChart1->chart()->legend()->show();

    auto *grid = new QGridLayout;
    ReportParts::addRow(grid, 0, heading.Label1, heading.Label5);
    grid->addWidget(heading.Label3, 1, 0);
    heading.Label3->setBuddy(pickers.DTPicker1);
    grid->addLayout(pickers.layout(), 1, 1);
    grid->setColumnStretch(2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(MSChart1, 1);
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
    OverlayChart::draw(MSChart1->chart(), overlay, unit, m_context.user.max, m_context.user.min);
    chartValues->show(ChartTexts::overlayDay(overlay, unit));
}
