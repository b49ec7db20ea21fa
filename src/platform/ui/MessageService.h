#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here. A box without a title of
// its own carries the application title. Tests and scripted runs replace the
// boxes with a handler, so nothing ever waits on a modal box there.
namespace Messages {

inline const QString kApplicationTitle = QStringLiteral("Qel");

enum class Icon { None, Information, Warning, Critical, Question };

struct Message
{
    QString text;
    QString title;
    Icon icon = Icon::None;
    bool question = false; // asked with Yes and No
};

void show(QWidget *parent, const QString &text, const QString &title = {}, Icon icon = Icon::None);
// Asks with Yes and No, No the default; true for Yes.
bool ask(QWidget *parent, const QString &text, const QString &title = {});

using Handler = std::function<void(const Message &)>;
// Replaces the message boxes; an empty handler brings them back. While the
// handler is set, every question gets `answer`.
void setHandler(Handler handler, bool answer = false);
// The handler of a run that nobody watches: "title: text" on standard error.
void printToStandardError(const Message &message);

} // namespace Messages
