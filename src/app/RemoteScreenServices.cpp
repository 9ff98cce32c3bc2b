#include "app/CurrentAlertPresenter.h"
#include "core/Clock.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "screens/MainView/MainViewController.h"
#include "ui/UrlOpener.h"

namespace {
// Shows no screen; only pages outside the program open.
struct OutsideOnly : Navigator {
    void openExternalUrl(const QUrl& url) override { UrlOpener::open(url); }
};

// A remote screen made on its own (by a test, a benchmark) shows no other
// screen, and speaks through whatever presenter is installed.
AppContext standaloneContext()
{
    static CurrentAlertPresenter alerts;
    static OutsideOnly nowhere;
    return { nullptr, UserDefaults::standard(), alerts, Clock::current(), nowhere };
}
}

// With a session of its own, on the preferences and the clock in force.
MainViewController::MainViewController(QWidget* parent)
    : MainViewController(standaloneContext(), *new RemoteSession(standaloneContext()), nullptr, parent)
{
    m_session.setParent(this);
}
