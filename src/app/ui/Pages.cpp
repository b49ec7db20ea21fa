#include "app/ui/Pages.h"

#include "app/AppState.h"
#include "app/ui/PageHost.h"
#include "app/ui/ShellTexts.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmIndex.h"
#include "app/ui/frmMenu.h"
#include "help/ui/frmBrowser.h"
#include "meter/ui/frmFindMeter.h"
#include "meter/ui/frmMeterRead.h"
#include "platform/ui/WindowParts.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/OverlayDayWindow.h"
#include "reports/ui/SummaryWindow.h"
#include "reports/ui/frmR01unit.h"
#include "reports/ui/frmR04.h"
#include "reports/ui/frmR05.h"
#include "store/ReadingTexts.h"
#include "users/ui/frmSet.h"

namespace {

PageContext contextOf(const AppState &state)
{
    return {state.user, state.store, state.dataDir};
}

template<typename Report>
QWidget *report(PageHost &, AppState &state)
{
    return new Report(contextOf(state));
}

template<LineGraphWindow::Form form>
QWidget *lineGraph(PageHost &, AppState &state)
{
    return new LineGraphWindow(contextOf(state), form);
}

QWidget *index(PageHost &host, AppState &)
{
    return new frmIndex(host);
}

QWidget *menu(PageHost &host, AppState &)
{
    return new frmMenu(host);
}

// The download page says where its report buttons lead; the frame opens that.
QWidget *meterRead(PageHost &host, AppState &state)
{
    auto *page = new frmMeterRead(contextOf(state), state.store);
    QObject::connect(page, &frmMeterRead::leaving, page, [&host](frmMeterRead::Next next) {
        switch (next) {
        case frmMeterRead::Next::LineGraph: host.open(PageCommands::kLineGraph); return;
        case frmMeterRead::Next::PcLineGraph: host.open(PageCommands::kPcLineGraph); return;
        case frmMeterRead::Next::Menu: break;
        }
        host.open(PageCommands::kMenu);
    });
    return page;
}

// Deletes itself when closed. Find Meter is a dialog of it, one at a time:
// asked again, the search under way comes to the front.
QWidget *settings(PageHost &, AppState &state)
{
    const auto findMeter =
        [](QWidget *parent, int port, const QString &shown, std::function<void(const QString &)> use) {
        for (frmFindMeter *open : parent->findChildren<frmFindMeter *>(Qt::FindDirectChildrenOnly)) {
            if (open->isVisible())
                return WindowParts::showOver(open, parent);
        }
        const QList<SerialPortEntry> candidates = SerialPorts::namedFirst(SerialPorts::catalogue().ports(), shown);
        WindowParts::showOver(new frmFindMeter(candidates, port, std::move(use), parent), parent);
    };
    return new frmSet(state.user, state.users, state.dataDir, findMeter);
}

QWidget *about(PageHost &, AppState &)
{
    return new frmAbout;
}

// Opens on the program's manual; deletes itself when closed.
QWidget *helpBrowser(PageHost &, AppState &)
{
    return frmBrowser::openManual();
}

using Item = PageRow::MenuItem;
using Tool = PageRow::ToolButton;

} // namespace

WindowMaker PageRow::pageFor(int unit) const
{
    if (!mmolTwin)
        return page;
    switch (glucoseUnit(unit)) {
    case GlucoseUnit::MgPerDl: return page;
    case GlucoseUnit::MmolPerL: return mmolTwin;
    case GlucoseUnit::Other: break;
    }
    return nullptr;
}

namespace Pages {

const QList<PageRow> &table()
{
    using namespace PageCommands;
    using Form = LineGraphWindow::Form;
    static const QList<PageRow> rows{
        {.command = kIndex,
         .page = index,
         .item = Item{PageMenu::Main, "mnuIndex", QStringLiteral("Index(&I)")},
         .tool = Tool{QStringLiteral("Index"), QStringLiteral("tb-index")}},
        {.command = kMenu, .page = menu},
        {.command = kDownload,
         .page = meterRead,
         .item = Item{PageMenu::Meter, "mnuMeterRead", QStringLiteral("Download Meter Readings(&D)")},
         .tool = Tool{QStringLiteral("Download Meter Readings"), QStringLiteral("tb-download")}},
        {.command = kDataList,
         .page = report<frmR01>,
         .mmolTwin = report<frmR01unit>,
         .item = Item{PageMenu::Report, "mnuReport1", QStringLiteral("Data List(&L)")},
         .tool = Tool{ShellTexts::kDataList, QStringLiteral("tb-datalist")}},
        {.command = kStandardDay,
         .page = report<frmR04>,
         .item = Item{PageMenu::Report, "mnuReport2", QStringLiteral("Standard Day(&D)")},
         .tool = Tool{ShellTexts::kStandardDay, QStringLiteral("tb-standardday")}},
        {.command = kLineGraph,
         .page = lineGraph<Form::R02>,
         .mmolTwin = lineGraph<Form::R02unit>,
         .item = Item{PageMenu::Report, "mnuReport5", ShellTexts::kLineGraphItem},
         .tool = Tool{ShellTexts::kLineGraph, QStringLiteral("tb-linegraph")}},
        {.command = kPcLineGraph,
         .page = lineGraph<Form::R02p>,
         .mmolTwin = lineGraph<Form::R02unitp>,
         .item = Item{PageMenu::Report, "mnuReport6", QStringLiteral("PC Line Graph(&P)"), false}},
        {.command = kHistogram,
         .page = report<frmR05>,
         .item = Item{PageMenu::Report, "mnuReport4", QStringLiteral("Histogram(&H)")},
         .tool = Tool{ShellTexts::kHistogram, QStringLiteral("tb-histogram")}},
        {.command = PageCommand("summary"),
         .page = report<SummaryWindow>,
         .item = Item{PageMenu::Report, "mnuSummary", QStringLiteral("Summary(&U)")}},
        {.command = PageCommand("overlayday"),
         .page = report<OverlayDayWindow>,
         .item = Item{PageMenu::Report, "mnuOverlayDay", QStringLiteral("Overlay Day(&O)")}},
        // The settings window opens in front of the index page.
        {.command = kSettings,
         .page = index,
         .window = settings,
         .item = Item{PageMenu::Main, "mnuSetup", QStringLiteral("Setup(&S)...")},
         .tool = Tool{QStringLiteral("Setup"), QStringLiteral("tb-setup")}},
        {.command = kAbout, .window = about},
        {.command = kWeb, .window = helpBrowser, .newWindowEachTime = true},
    };
    return rows;
}

const PageRow *row(PageCommand command)
{
    for (const PageRow &r : table()) {
        if (r.command == command)
            return &r;
    }
    return nullptr;
}

} // namespace Pages

namespace PageCommands {

std::optional<PageCommand> fromName(const QString &name)
{
    for (const PageRow &r : Pages::table()) {
        if (r.command.name() == name)
            return r.command;
    }
    return std::nullopt;
}

QStringList names()
{
    QStringList out;
    for (const PageRow &r : Pages::table())
        out << r.command.name();
    return out;
}

} // namespace PageCommands
