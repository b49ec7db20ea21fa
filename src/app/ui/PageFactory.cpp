#include "app/ui/PageFactory.h"

#include "app/AppState.h"
#include "app/ui/frmIndex.h"
#include "app/ui/frmMenu.h"
#include "meter/ui/frmMeterRead.h"

namespace PageFactory {

QWidget *create(Page page, PageHost &host, AppState &state)
{
    const PageContext context{host, state.user, state.tables, state.dataDir};
    switch (page) {
    case Page::Index: return new frmIndex(host);
    case Page::Menu: return new frmMenu(host);
    case Page::MeterRead: return new frmMeterRead(context, state);
    case Page::R01:
    case Page::R01unit:
    case Page::R02:
    case Page::R02unit:
    case Page::R02p:
    case Page::R02unitp:
    case Page::R04:
    case Page::R05: break;
    }
    return nullptr;
}

QWidget *createSettingsWindow(AppState &)
{
    return nullptr;
}

QWidget *createHelpBrowser()
{
    return nullptr;
}

} // namespace PageFactory
