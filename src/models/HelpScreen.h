#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class AlertPresenter;
class LinkOpener;
class WebPageScreen;
class UserDefaults;

// The web page viewer of the help pages, the about page, the newsletter
// and news items: one page for all of them, as in playerlink. A page that
// fails gives way to its bundled copy; links of the program's own scheme
// ask for their action (setupWanted), mail and software-centre links open
// outside.
class HelpScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The help viewer is made by the program")
    Q_MOC_INCLUDE("models/WebPageScreen.h")
    Q_PROPERTY(WebPageScreen* page READ page CONSTANT)
public:
    HelpScreen(UserDefaults& defaults, AlertPresenter& alerts, LinkOpener& links, QObject* parent = nullptr);
    ~HelpScreen() override;

    WebPageScreen* page() const { return m_page; }

    void showHelp(const QString& name);
    void showBundledPage(const QString& name);
    void showAbout();
    void showNewsletter();
    // A page given as text, its addresses inside the bundle.
    void showHtml(const QString& html);

signals:
    // A page's link asked for the setup helper.
    void setupWanted();

private:
    void load(const QUrl& url, const QUrl& backup);

    UserDefaults& m_defaults;
    AlertPresenter& m_alerts;
    WebPageScreen* m_page; // child
    QUrl m_backup;
};
