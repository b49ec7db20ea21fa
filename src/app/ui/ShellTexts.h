#pragma once

#include "platform/UiText.h"

#include <QString>

// Texts shown in more than one place of the shell: window captions, labels and
// toolbar keys that name the same thing.
namespace ShellTexts {

inline constexpr UiText kViewReports{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "View Reports")};

// The four main reports, as the toolbar keys and the menu page's captions name them.
inline constexpr UiText kDataList{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Data List")};
inline constexpr UiText kStandardDay{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Standard Day")};
inline constexpr UiText kLineGraph{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Line Graph")};
inline constexpr UiText kHistogram{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Histogram")};
// The caption of both Line Graph items of the Report menu.
inline constexpr UiText kLineGraphItem{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Line Graph(&G)")};

// Printing: the printer dialog's title, and what Print Report says.
inline const QString kPrintDialogTitle = QStringLiteral("畫面設定"); // the same in every language
inline constexpr UiText kPrintToPdf{"ShellTexts", QT_TRANSLATE_NOOP("ShellTexts", "Print to PDF")};
inline constexpr UiText kCannotPrint{
    "ShellTexts",
    QT_TRANSLATE_NOOP("ShellTexts", "The page could not be printed: the printer or file could not be opened.")};
// A scripted run asks nothing: it prints to the file the dialog would offer.
inline QString printedTo(const QString &file)
{
    return QCoreApplication::translate("ShellTexts", "The page was printed to %1.").arg(file);
}
inline constexpr UiText kNoPrintSettingScripted{
    "ShellTexts",
    QT_TRANSLATE_NOOP("ShellTexts",
                      "Print Setting asks for a printer, which a scripted run cannot answer: nothing was printed.")};
// Any other question of a file to save to ("Save Log").
inline QString cannotAskScripted(const QString &title)
{
    return QCoreApplication::translate("ShellTexts",
                                       "%1 asks for a file, which a scripted run cannot answer: nothing was chosen.")
        .arg(title);
}

// Open Data Folder on a computer that cannot show a folder.
inline QString cannotOpenDataFolder(const QString &folder)
{
    return QCoreApplication::translate("ShellTexts",
                                       "No program to show the folder was found. Your readings are in:\n%1")
        .arg(folder);
}

} // namespace ShellTexts
