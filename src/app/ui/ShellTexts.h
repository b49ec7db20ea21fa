#pragma once

#include <QString>

// Texts shown in more than one place of the shell: window captions, labels and
// toolbar keys that name the same thing.
namespace ShellTexts {

inline const QString kViewReports = QStringLiteral("View Reports");

// The four main reports, as the toolbar keys and the menu page's captions name them.
inline const QString kDataList = QStringLiteral("Data List");
inline const QString kStandardDay = QStringLiteral("Standard Day");
inline const QString kLineGraph = QStringLiteral("Line Graph");
inline const QString kHistogram = QStringLiteral("Histogram");
// The caption of both Line Graph items of the Report menu.
inline const QString kLineGraphItem = QStringLiteral("Line Graph(&G)");

// Printing: the printer dialog's title, and what Print Report says.
inline const QString kPrintDialogTitle = QStringLiteral("畫面設定");
inline const QString kPrintToPdf = QStringLiteral("Print to PDF");
inline const QString kCannotPrint = QStringLiteral(
    "The page could not be printed: the printer or file could not be opened.");
// A scripted run asks nothing: it prints to the file the dialog would offer.
inline QString printedTo(const QString &file)
{
    return QStringLiteral("The page was printed to %1.").arg(file);
}
inline const QString kNoPrintSettingScripted = QStringLiteral(
    "Print Setting asks for a printer, which a scripted run cannot answer: nothing was printed.");
// Any other question of a file to save to ("Save Log").
inline QString cannotAskScripted(const QString &title)
{
    return QStringLiteral("%1 asks for a file, which a scripted run cannot answer: nothing was chosen.").arg(title);
}

// Open Data Folder on a computer that cannot show a folder.
inline QString cannotOpenDataFolder(const QString &folder)
{
    return QStringLiteral("No program to show the folder was found. Your readings are in:\n%1").arg(folder);
}

} // namespace ShellTexts
