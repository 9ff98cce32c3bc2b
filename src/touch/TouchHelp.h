#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class AlertPresenter;
class TouchWebPage;
class UserDefaults;

// The web page viewer of the help pages, the about page, the newsletter
// and news items: one page for all of them, as in playerlink. A page that
// fails gives way to its bundled copy; links of the program's own scheme
// ask for their action (setupWanted), mail and software-centre links open
// outside.
class TouchHelp : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The help viewer is made by the program")
    Q_MOC_INCLUDE("touch/TouchWebPage.h")
    Q_PROPERTY(TouchWebPage* page READ page CONSTANT)
public:
    TouchHelp(UserDefaults& defaults, AlertPresenter& alerts, QObject* parent = nullptr);
    ~TouchHelp() override;

    TouchWebPage* page() const { return m_page; }

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
    TouchWebPage* m_page; // child
    QUrl m_backup;
};
