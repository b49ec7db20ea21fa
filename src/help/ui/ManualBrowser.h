#pragma once

#include <QTextBrowser>

class QLineEdit;
class QPushButton;

// The page of the help browser: a text browser showing the manual from the
// program's own resources (ManualAddress). Every address it is asked to open,
// typed or a link followed, goes where ManualAddress routes it: a manual page
// is shown at once, a web address goes to the system's browser (or, when the
// computer has none, a message says so), and anything else is refused with a
// message, the page staying as it was. Nothing but the manual is read: no
// file of the computer, no other resource of the program, no web site.
//
// Its pages are in the language the program speaks (UiLanguages::current()),
// under the same addresses; when the language changes (LanguageChange), the
// page shown is read again in the new one.
//
// The search page has its words box on the page, above the list of pages
// found; Enter or its Search button opens manual:/search.html?q=<the words>.
class ManualBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit ManualBrowser(QWidget *parent = nullptr);

    // The page's title, or its address when it has none.
    QString title() const;
    // True while a page is being put in place: it comes from the program
    // itself, so only for the moment of the call that opens it.
    bool isLoading() const { return m_loading; }

    QVariant loadResource(int type, const QUrl &name) override;

    QLineEdit *txtQuery;
    QPushButton *cmdSearch;

protected:
    void doSetSource(const QUrl &url, QTextDocument::ResourceType type) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeSearchBar();

    QWidget *m_searchBar;
    QUrl m_shown; // the address of the page shown
    bool m_loading = false;
};
