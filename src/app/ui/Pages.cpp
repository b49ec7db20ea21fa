#include "app/ui/Pages.h"

#include "store/ReadingTexts.h"

#include <array>
#include <utility>

namespace {

std::optional<Page> byUnit(int unit, Page mgPerDl, Page mmolPerL)
{
    switch (glucoseUnit(unit)) {
    case GlucoseUnit::MgPerDl: return mgPerDl;
    case GlucoseUnit::MmolPerL: return mmolPerL;
    case GlucoseUnit::Other: break;
    }
    return std::nullopt;
}

constexpr std::array<std::pair<PageCommand, const char *>, 13> kCommandNames{{
    {PageCommand::Index, "index"},
    {PageCommand::Menu, "menu"},
    {PageCommand::Download, "download"},
    {PageCommand::DataList, "datalist"},
    {PageCommand::StandardDay, "standardday"},
    {PageCommand::LineGraph, "linegraph"},
    {PageCommand::PcLineGraph, "pclinegraph"},
    {PageCommand::Histogram, "histogram"},
    {PageCommand::Summary, "summary"},
    {PageCommand::OverlayDay, "overlayday"},
    {PageCommand::Settings, "settings"},
    {PageCommand::About, "about"},
    {PageCommand::Web, "web"},
}};

} // namespace

namespace Pages {

QList<Page> all()
{
    return {Page::R01, Page::R01unit, Page::R02,        Page::R02unit,   Page::R02p, Page::R02unitp, Page::R04,
            Page::R05, Page::Summary, Page::OverlayDay, Page::MeterRead, Page::Menu, Page::Index};
}

} // namespace Pages

namespace PageCommands {

std::optional<Page> pageFor(PageCommand command, int unit)
{
    switch (command) {
    case PageCommand::Index:
    case PageCommand::Settings: return Page::Index;
    case PageCommand::Menu: return Page::Menu;
    case PageCommand::Download: return Page::MeterRead;
    case PageCommand::DataList: return byUnit(unit, Page::R01, Page::R01unit);
    case PageCommand::StandardDay: return Page::R04;
    case PageCommand::LineGraph: return byUnit(unit, Page::R02, Page::R02unit);
    case PageCommand::PcLineGraph: return byUnit(unit, Page::R02p, Page::R02unitp);
    case PageCommand::Histogram: return Page::R05;
    case PageCommand::Summary: return Page::Summary;
    case PageCommand::OverlayDay: return Page::OverlayDay;
    case PageCommand::About:
    case PageCommand::Web: break;
    }
    return std::nullopt;
}

std::optional<PageCommand> fromName(const QString &name)
{
    for (const auto &[command, text] : kCommandNames) {
        if (name == QLatin1String(text))
            return command;
    }
    return std::nullopt;
}

QString name(PageCommand command)
{
    for (const auto &[c, text] : kCommandNames) {
        if (c == command)
            return QLatin1String(text);
    }
    return {};
}

QStringList names()
{
    QStringList out;
    for (const auto &entry : kCommandNames)
        out << QLatin1String(entry.second);
    return out;
}

} // namespace PageCommands
