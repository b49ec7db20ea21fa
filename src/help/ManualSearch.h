#pragma once

#include "platform/UiLanguage.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The manual's search: the pages that hold every word asked for, from the
// index made when the program is built (MakeManual.cmake). No widgets, so the
// help browser only shows what this finds.
namespace ManualSearch {

// One page of the index: its file, its title and the words of its body.
struct Page
{
    QString file;  // "summary.html"
    QString title; // "Summary"
    QString text;  // "Summary Report, Summary sums up a range of days, ..."
    bool operator==(const Page &) const = default;
};

// The index, one page a line in the manual's order, its file, title and text
// apart by tabs:
//   "summary.html\tSummary\tSummary Report, Summary sums up a range of days, ...\n"
// A line without its three parts is skipped.
QList<Page> readIndex(const QByteArray &index);

// The pages whose title and text, together, hold every word of the query, in
// any case, as part of a longer word too ("port" is found in "report"); in
// the index's order. Words are what spaces part, so a run of Chinese
// characters is found where the page holds it ("血糖機" in "把血糖機接到電腦").
// Full-width letters, digits and signs, as a Chinese input method types them,
// are their plain forms ("ＧＭＩ" finds "GMI"). A query of no words finds nothing.
QList<Page> find(const QList<Page> &index, const QString &query);

// What the search page shows below its heading for the query: a list of links
// to the pages found, "No page holds “…”." (in Chinese "沒有任何一頁含有「…」。")
// when none, nothing for no words.
QString resultsHtml(const QList<Page> &index, const QString &query, UiLanguage language);

} // namespace ManualSearch
