#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QUrl;
class QWebEngineProfile;
class QWebEngineView;

// The help browser: a toolbar, the address list and the page. A new window
// for each use, each with its own list of visited addresses (most recent
// first, each once). While a page loads the caption says "Please wait...",
// then it shows the page's title. Pages that fail to load show whatever the
// engine shows; nothing is reported. Only the manual loads in it: web
// addresses go to the system's browser, and any other address is refused with
// a message, the page staying as it was.
class frmBrowser : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool busy READ isBusy)

public:
    explicit frmBrowser(QWidget *parent = nullptr);
    ~frmBrowser() override;

    // A new window on the manual's home page, deleting itself when closed.
    static frmBrowser *openManual();

    // The address opened when the window is shown; none opens an empty page.
    QString StartingAddress;

    QToolBar *tbToolBar;
    QLabel *lblAddress;
    QComboBox *cboAddress;
    QWebEngineView *brwWebBrowser;
    QTimer *timTimer;

    // True from a request that leads to a page until that page has loaded.
    bool isBusy() const { return m_requested || m_loading; }

signals:
    // A page has finished loading (or failed to) and the caption shows its title.
    void settled();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void toolbarClick(const QString &key);
    void navigateToAddress();
    void navigate(const QUrl &url);
    void onTick();
    void onLoadFinished();
    void onUrlChanged(const QUrl &url);
    void showTitle();

    QWebEngineProfile *m_profile;
    bool m_started = false;
    // Raised while the program itself changes the address list, so that the
    // change does not count as the user choosing an address.
    bool m_updatingList = false;
    bool m_requested = false;
    bool m_loading = false;
};
