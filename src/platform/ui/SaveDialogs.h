#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every "save as" question of the program goes through here, so that all of
// them start alike: in the folder where the user last chose a file during
// this run, else in their documents folder (their home folder when they have
// none). Tests and scripted runs answer them with a handler, so nothing ever
// waits on a modal dialog there.
namespace SaveDialogs {

struct Request
{
    QString title;
    QString offered; // the folder and the suggested name
    QString filter;
};

// The name in the folder a save dialog starts in.
QString offered(const QString &name);

// Asks where to save, suggesting name: a bare name goes into the starting
// folder, a path stays as it is. The chosen path, or empty when cancelled;
// its folder is where the next question starts.
QString ask(QWidget *parent, const QString &title, const QString &name, const QString &filter);

using Handler = std::function<QString(const Request &)>;
// Answers the questions instead of the dialog; an empty handler brings it back.
void setHandler(Handler handler);

} // namespace SaveDialogs
