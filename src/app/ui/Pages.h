#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The pages the main frame can hold, one instance of each at most. Declared in
// the order in which closing all pages unloads them.
enum class Page {
    R01,        // data list, mg/dL
    R01unit,    // data list, mmol/L
    R02,        // line graph, mg/dL
    R02unit,    // line graph, mmol/L
    R02p,       // meal-marked line graph, mg/dL
    R02unitp,   // meal-marked line graph, mmol/L
    R04,        // standard day
    R05,        // histogram
    Summary,    // summary of a period
    OverlayDay, // overlay day of a period
    MeterRead,  // meter download
    Menu,
    Index,
};

// What a page-opening command of the frame shows: its menu items, its toolbar,
// the index and menu pages, the download page's report buttons and a scripted
// start all speak in these.
enum class PageCommand {
    Index,
    Menu,
    Download,
    DataList,
    StandardDay,
    LineGraph,
    PcLineGraph,
    Histogram,
    Summary,
    OverlayDay,
    Settings,
    About,
    Web,
};

namespace Pages {

// Every page, in unloading order.
QList<Page> all();

} // namespace Pages

namespace PageCommands {

// The page a command shows for the given unit: the unit-dependent commands follow
// the unit, Settings shows the index page (the settings window opens in front of
// it), About and Web show no page.
std::optional<Page> pageFor(PageCommand command, int unit);

// Names for the command line: "index", "menu", "download", "datalist",
// "standardday", "linegraph", "pclinegraph", "histogram", "summary", "overlayday", "settings",
// "about", "web".
std::optional<PageCommand> fromName(const QString &name);
QString name(PageCommand command);
QStringList names();

} // namespace PageCommands
