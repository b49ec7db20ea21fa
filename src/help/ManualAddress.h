#pragma once

#include "platform/UiLanguage.h"

#include <QString>
#include <QUrl>

// Addresses of the manual shipped inside the program. Its pages and pictures
// are resources of the program, served under their own scheme,
// "manual:/index.html", so the help browser shows them with no network.
namespace ManualAddress {

inline constexpr char kScheme[] = "manual";

// Where an address given to the help browser goes: the manual's pages are
// shown, web addresses go to the system's browser, and everything else is
// refused: file:, qrc:, data:, javascript:, view-source:, about:... nothing
// but the manual opens in the window.
enum class Route { Show, SystemBrowser, Refuse };
Route routeOf(const QUrl &url);
// Why an address is refused, naming it.
QString refusal(const QUrl &url);
// Why a web address did not open: the computer has no web browser to hand it to.
QString noSystemBrowser(const QUrl &url);

QUrl home();   // manual:/index.html
QUrl search(); // manual:/search.html

// The search page on these words, as its form sends them:
// "GMI Estimate" gives manual:/search.html?q=GMI+Estimate.
QUrl searchFor(const QString &words);
// The words an address of the search page asks for, as typed: "GMI Estimate"
// from ?q=GMI+Estimate or ?q=GMI%20Estimate; "a+b" from ?q=a%2Bb.
QString searchWords(const QUrl &url);
// True for the search page, whatever it asks for.
bool isSearch(const QUrl &url);

// The resource one manual address is served from in a language: a page from
// the language's folder (":/manual/en/connect.html",
// ":/manual/zh_TW/connect.html"), the style sheet and the pictures shared
// (":/manual/manual.css", ":/manual/pictures/index.png"); empty for anything
// else, such as another scheme, a path leaving the manual ("manual:/../x",
// plain or encoded) or a name in another folder ("manual:/zh_TW/index.html").
QString fileFor(const QUrl &url, UiLanguage language);
// The resource of the language's search index: ":/manual/zh_TW/search-index.txt".
QString searchIndexFile(UiLanguage language);

} // namespace ManualAddress
