#pragma once

#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves the manual's pages and pictures to the help browser (see
// ManualAddress). A page that does not exist, or a picture not made for this
// build, is answered "not found"; the page around it still shows.
class ManualScheme : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    // The scheme must be known before the application object is made.
    static void registerScheme();

    // A profile for one help browser: kept in memory only, so nothing is
    // written to disk, serving the manual and loading nothing else, with what
    // the manual does not need (plug-ins, pages reading files) turned off. It
    // must outlive the browser's page.
    static QWebEngineProfile *newProfile(QObject *parent);

    // Where the pictures of the program's windows are looked for: beside the
    // program, or in the data folder of an installed one.
    static QString picturesFolder();

    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob *job) override;
};
