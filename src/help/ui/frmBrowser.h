#pragma once

#include <QString>
#include <QWidget>

class ManualBrowser;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QUrl;

// The help browser: a toolbar, the address list and the page. A new window
// for each use, each with its own list of visited addresses (most recent
// first, each once). The caption says "Please wait..." while a page loads,
// then the page's title; a manual page loads at once. Only the manual opens
// in it (see ManualBrowser): web addresses go to the system's browser, and
// any other address is refused with a message, the page staying as it was.
class frmBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit frmBrowser(QWidget *parent = nullptr);

    // A new window on the manual's home page, deleting itself when closed.
    static frmBrowser *openManual();

    // The address opened when the window is shown; none opens an empty page.
    QString StartingAddress;

    QToolBar *tbToolBar;
    QLabel *lblAddress;
    QComboBox *cboAddress;
    ManualBrowser *brwWebBrowser;
    QTimer *timTimer;

    bool isBusy() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void toolbarClick(const QString &key);
    void navigateToAddress();
    void navigate(const QUrl &url);
    void onTick();
    void onNavigated(const QUrl &url);
    void showTitle();

    bool m_started = false;
    // Raised while the program itself changes the address list, so that the
    // change does not count as the user choosing an address.
    bool m_updatingList = false;
};
