#include "app/ui/PageFactory.h"

#include "app/AppState.h"
#include "reports/ui/ReportContext.h"

#include "app/ui/frmIndex.h"
#include "app/ui/frmMenu.h"
#include "meter/ui/frmMeterRead.h"
#include "reports/ui/frmR01unit.h"
#include "reports/ui/frmR04.h"
#include "reports/ui/frmR05.h"

namespace PageFactory {

QWidget *create(Page page, frmMain &frame, AppState &state)
{
    const ReportContext report{state.user, state.tables, state.dataDir};
    switch (page) {
    case Page::Index: return new frmIndex(frame);
    case Page::Menu: return new frmMenu(frame);
    case Page::MeterRead: return new frmMeterRead(state, frame);
    case Page::R01: return new frmR01(report);
    case Page::R01unit: return new frmR01unit(report);
    case Page::R04: return new frmR04(report);
    case Page::R05: return new frmR05(report);
    case Page::R02:
    case Page::R02unit:
    case Page::R02p:
    case Page::R02unitp: break;
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
