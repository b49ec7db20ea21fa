#include "app/ui/PageFactory.h"

#include "app/AppState.h"
#include "app/ui/PageHost.h"
#include "app/ui/frmIndex.h"
#include "app/ui/frmMenu.h"
#include "help/ui/frmBrowser.h"
#include "meter/ui/frmFindMeter.h"
#include "meter/ui/frmMeterRead.h"
#include "reports/ui/ExportWindow.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/OverlayDayWindow.h"
#include "reports/ui/SummaryWindow.h"
#include "reports/ui/frmR01unit.h"
#include "reports/ui/frmR04.h"
#include "reports/ui/frmR05.h"
#include "users/ui/frmSet.h"

namespace {

PageCommand commandFor(frmMeterRead::Next next)
{
    switch (next) {
    case frmMeterRead::Next::LineGraph: return PageCommand::LineGraph;
    case frmMeterRead::Next::PcLineGraph: return PageCommand::PcLineGraph;
    case frmMeterRead::Next::Menu: break;
    }
    return PageCommand::Menu;
}

QWidget *meterRead(const PageContext &context, PageHost &host, AppState &state)
{
    auto *page = new frmMeterRead(context, state.store);
    QObject::connect(page, &frmMeterRead::leaving, page,
                     [&host](frmMeterRead::Next next) { host.open(commandFor(next)); });
    return page;
}

} // namespace

namespace PageFactory {

QWidget *create(Page page, PageHost &host, AppState &state)
{
    const PageContext context{state.user, state.store, state.dataDir};
    switch (page) {
    case Page::Index: return new frmIndex(host);
    case Page::Menu: return new frmMenu(host);
    case Page::MeterRead: return meterRead(context, host, state);
    case Page::R01: return new frmR01(context);
    case Page::R01unit: return new frmR01unit(context);
    case Page::R02: return new LineGraphWindow(context, LineGraphWindow::Form::R02);
    case Page::R02unit: return new LineGraphWindow(context, LineGraphWindow::Form::R02unit);
    case Page::R02p: return new LineGraphWindow(context, LineGraphWindow::Form::R02p);
    case Page::R02unitp: return new LineGraphWindow(context, LineGraphWindow::Form::R02unitp);
    case Page::R04: return new frmR04(context);
    case Page::R05: return new frmR05(context);
    case Page::Summary: return new SummaryWindow(context);
    case Page::OverlayDay: return new OverlayDayWindow(context);
    }
    return nullptr;
}

QWidget *createSettingsWindow(AppState &state)
{
    const auto findMeter =
        [](QWidget *parent, int port, const QString &shown, std::function<void(const QString &)> use) {
        const QList<SerialPortEntry> candidates = SerialPorts::namedFirst(SerialPorts::catalogue().ports(), shown);
        (new frmFindMeter(candidates, port, std::move(use), parent))->show();
    };
    return new frmSet(state.user, state.users, state.dataDir, findMeter);
}

QWidget *createHelpBrowser()
{
    return frmBrowser::openManual();
}

QWidget *createExportWindow(AppState &state, ReportFiles::Kind kind)
{
    return new ExportWindow(PageContext{state.user, state.store, state.dataDir}, kind);
}

} // namespace PageFactory
