#pragma once

#include <QCoreApplication>
#include <QString>

class QObject;

// A text the user reads, written in English and shown in the language chosen:
// it is translated each time it is taken as a QString. Declared with
// QT_TRANSLATE_NOOP so that lupdate finds it under its context:
//   inline constexpr UiText kCaption{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Setting parameters")};
struct UiText
{
    // No empty text: "{}" stays a QString where both would do.
    constexpr UiText(const char *context, const char *source)
        : context(context)
        , source(source)
    {
    }

    const char *context;
    const char *source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }
    QString arg(const QString &a) const { return text().arg(a); }
    QString arg(const QString &a, const QString &b) const { return text().arg(a, b); }
    QString arg(qint64 n) const { return text().arg(n); }
};

// In a member function of a Q_OBJECT class: a text under the class's context,
// where tr() looks it up (lupdate takes UI_TR for QT_TR_NOOP).
#define UI_TR(source) (UiText{staticMetaObject.className(), QT_TR_NOOP(source)})

namespace UiTexts {

// Sets the object's property ("text", "title", "windowTitle", "toolTip",
// "accessibleName" ...) to the text in the language shown now, and again at
// every QEvent::LanguageChange of the application (a translation installed or
// removed), for as long as the object lives.
void show(QObject *object, const char *property, UiText text);

} // namespace UiTexts
