#pragma once

#include <QString>
#include <QUrl>

// Addresses of the manual shipped inside the program. Its pages are served
// under their own scheme, "manual:/index.html", so the help browser shows them
// with no network; the pictures of the program's windows are made by the
// program itself when it is built and lie in a folder beside it.
namespace ManualAddress {

inline constexpr char kScheme[] = "manual";

// Where an address given to the help browser goes: the manual's pages (and
// the engine's empty page) are shown, web addresses go to the system's browser,
// and everything else is refused: file:, data:, javascript:, view-source:,
// chrome:, other about: pages... nothing but the manual runs in the window.
enum class Route { Show, SystemBrowser, Refuse };
Route routeOf(const QUrl &url);
// Why an address is refused, naming it.
QString refusal(const QUrl &url);

QUrl home();   // manual:/index.html
QUrl search(); // manual:/search.html

// What one manual address is served from: a file of the program's resources
// (":/manual/connect.html") or a picture in the pictures folder
// (folder + "/index.png"); empty for anything else, such as a path leaving
// either, or a picture name with a folder in it.
QString fileFor(const QUrl &url, const QString &picturesFolder);

// The MIME type the page is served as, from its name's ending.
QByteArray mimeTypeOf(const QString &file);

} // namespace ManualAddress
