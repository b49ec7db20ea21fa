#pragma once

#include "app/ui/Pages.h"
#include "reports/ui/ReportFiles.h"

struct AppState;
class PageHost;
class QWidget;

// Where the frame gets its pages and separate windows from. Each function
// returns a new window, or nullptr while this build does not have it.
namespace PageFactory {

// A page for the frame to hold; the frame takes ownership.
QWidget *create(Page page, PageHost &host, AppState &state);

// The settings window: a window of its own, deleting itself when closed.
QWidget *createSettingsWindow(AppState &state);

// A new help browser window, opening on the product's web site, deleting
// itself when closed, like the settings window. The browser brings
// the web engine with it, so only the program links it: it hands its maker
// over at start, and without one there is no browser.
QWidget *createHelpBrowser();
void setHelpBrowserMaker(QWidget *(*maker)());

// "Export Readings" (the readings of a date range as CSV) or "Report for My
// Doctor" (its one-page PDF); deleting itself when closed.
QWidget *createExportWindow(AppState &state, ReportFiles::Kind kind);

} // namespace PageFactory
