#include "platform/ui/SaveDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace SaveDialogs {

namespace {
Handler g_handler;
// Where a file was last chosen, for the rest of the run.
QString g_lastFolder;

QString startFolder()
{
    if (!g_lastFolder.isEmpty())
        return g_lastFolder;
    // A new account may have no documents folder yet: a dialog given a missing
    // folder would start wherever the program happened to be started.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

QString offered(const QString &name)
{
    return QDir(startFolder()).filePath(name);
}

QString ask(QWidget *parent, const QString &title, const QString &name, const QString &filter)
{
    const Request request{title, QFileInfo(name).fileName() == name ? offered(name) : name, filter};
    const QString chosen = g_handler ? g_handler(request)
                                     : QFileDialog::getSaveFileName(parent, title, request.offered, filter);
    if (!chosen.isEmpty())
        g_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

void setHandler(Handler handler)
{
    g_handler = std::move(handler);
}

} // namespace SaveDialogs
