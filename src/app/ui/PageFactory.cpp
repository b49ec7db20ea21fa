#include "app/ui/PageFactory.h"

#include "app/AppState.h"
#include "reports/ui/LineGraphWindow.h"
#include "reports/ui/ReportContext.h"

#include "app/ui/frmIndex.h"
#include "app/ui/frmMenu.h"
#include "meter/ui/frmMeterRead.h"

namespace PageFactory {

QWidget *create(Page page, frmMain &frame, AppState &state)
{
    const ReportContext report{state.user, state.tables, state.dataDir};
    switch (page) {
    case Page::Index: return new frmIndex(frame);
    case Page::Menu: return new frmMenu(frame);
    case Page::MeterRead: return new frmMeterRead(state, frame);
    case Page::R01:
    case Page::R01unit:
    case Page::R02: return new LineGraphWindow(report, LineGraphWindow::Form::R02);
    case Page::R02unit: return new LineGraphWindow(report, LineGraphWindow::Form::R02unit);
    case Page::R02p: return new LineGraphWindow(report, LineGraphWindow::Form::R02p);
    case Page::R02unitp: return new LineGraphWindow(report, LineGraphWindow::Form::R02unitp);
    case Page::R04:
    case Page::R05: break;
    }
    return nullptr;
}

QWidget *createSettingsWindow(frmMain &, AppState &)
{
    return nullptr;
}

QWidget *createHelpBrowser()
{
    return nullptr;
}

} // namespace PageFactory
