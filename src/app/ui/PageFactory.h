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

// A new help browser window, opening on the program's manual, deleting
// itself when closed, like the settings window.
QWidget *createHelpBrowser();

// "Export Readings" (the readings of a date range as CSV) or "Report for My
// Doctor" (its one-page PDF); deleting itself when closed.
QWidget *createExportWindow(AppState &state, ReportFiles::Kind kind);

} // namespace PageFactory
