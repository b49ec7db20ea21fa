#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The language the program's windows, messages, reports and manual speak.
// English is the language its texts are written in; Traditional Chinese comes
// from the translation built into the program. Files (the user list, reading
// files, CSV headers) never change with it: other programs read them.
enum class UiLanguage { English, TraditionalChinese };

namespace UiLanguages {

// What a system locale asks for: Chinese written in the traditional script
// (Taiwan, Hong Kong, Macau, or "zh_Hant" itself) is Traditional Chinese;
// every other locale, simplified Chinese included, is English.
UiLanguage forLocale(const QLocale &locale);

// The language shown now: English until the program chooses.
UiLanguage current();
void setCurrent(UiLanguage language);

// "en" and "zh_TW": the names of the translation and the manual's folders, and
// what --lang and the settings file say.
QString code(UiLanguage language);
std::optional<UiLanguage> fromCode(const QString &code);

// The language to show: the one the command line names (--lang), else the
// user's choice ("en", "zh_TW"; empty or unknown: none), else the system's.
UiLanguage chosen(std::optional<UiLanguage> commandLine, const QString &userChoice, const QLocale &system);

// Shows the program in the language from now on: installs the program's
// translation and Qt's own (standard buttons, the command line's help) or
// removes them for English, which sends the application and every window
// QEvent::LanguageChange. Needs the application object.
void apply(UiLanguage language);

} // namespace UiLanguages
