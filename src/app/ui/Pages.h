#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

struct AppState;
class PageHost;
class QWidget;

// A command that opens a page in the frame or a window of its own. The frame's
// menu items and toolbar, the index and menu pages, the download page's report
// buttons and a scripted start all speak in these. A command is named as the
// command line names it ("datalist"); its row of the page table says the rest.
class PageCommand
{
public:
    constexpr explicit PageCommand(std::string_view name)
        : m_name(name)
    {
    }
    QString name() const { return QString::fromLatin1(m_name.data(), qsizetype(m_name.size())); }
    friend constexpr bool operator==(const PageCommand &, const PageCommand &) = default;

private:
    std::string_view m_name;
};

// The commands that the program's own windows give.
namespace PageCommands {
inline constexpr PageCommand kIndex{"index"};
inline constexpr PageCommand kMenu{"menu"};
inline constexpr PageCommand kDownload{"download"};
inline constexpr PageCommand kDataList{"datalist"};
inline constexpr PageCommand kStandardDay{"standardday"};
inline constexpr PageCommand kLineGraph{"linegraph"};
inline constexpr PageCommand kPcLineGraph{"pclinegraph"};
inline constexpr PageCommand kHistogram{"histogram"};
inline constexpr PageCommand kSettings{"settings"};
inline constexpr PageCommand kAbout{"about"};
inline constexpr PageCommand kWeb{"web"};

// The command of that command-line name; none for a name without a row.
std::optional<PageCommand> fromName(const QString &name);
// Every command's name, in the order of the page table.
QStringList names();
} // namespace PageCommands

// Makes a new page (the frame takes it) or a window of its own.
using WindowMaker = QWidget *(*)(PageHost &host, AppState &state);

// The frame's menus that page commands have items in. Their toolbar buttons
// stand in groups that follow the menus.
enum class PageMenu { None, Main, Meter, Report };

// One row of the page table: a command and all it takes.
struct PageRow
{
    struct MenuItem
    {
        PageMenu menu = PageMenu::None;
        const char *name = nullptr;
        QString caption;
        bool available = true;
    };
    struct ToolButton
    {
        QString key; // also its tooltip; none when empty
        QString icon;
    };

    PageCommand command;
    // The page it shows after closing the one shown. A page with a mmol/L twin
    // is the mg/dL one: the glucose unit picks, and any other unit shows none.
    WindowMaker page = nullptr;
    WindowMaker mmolTwin = nullptr;
    // A window of its own, in front of the page; alone, it leaves the page shown.
    WindowMaker window = nullptr;
    bool newWindowEachTime = false; // else the one already open comes to the front
    MenuItem item;
    ToolButton tool;

    // The page for the unit; nullptr for none.
    WindowMaker pageFor(int unit) const;
};

namespace Pages {

// One row per command, in the order the command line lists them; the order of
// the items within a menu and of the buttons within a toolbar group too.
const QList<PageRow> &table();
// nullptr for a command without a row.
const PageRow *row(PageCommand command);

} // namespace Pages
