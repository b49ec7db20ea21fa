#pragma once

#include <QString>

class QWidget;
class ReadingStore;
struct UserSettings;

// What a page-opening command of the frame shows: its menu items, its toolbar,
// the menu page, the download page's report buttons and a scripted start all
// speak in these.
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

// The frame as its pages see it. Pages never include the frame: a page that
// leads elsewhere asks its host, which unloads every page (the asking one
// only after its handler has returned) and shows the next.
class PageHost
{
public:
    // Returns what is in front afterwards; nullptr when nothing opened.
    virtual QWidget *open(PageCommand command) = 0;

protected:
    ~PageHost() = default;
};

// What the page factory hands each page: its host and what it may read of the
// logged-in user: the settings and the readings, whose changed() a page that
// stays open follows. The data folder is where the user's files live.
struct PageContext
{
    PageHost &host;
    const UserSettings &user;
    const ReadingStore &store;
    QString dataDir;
};
