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

} // namespace UiLanguages
