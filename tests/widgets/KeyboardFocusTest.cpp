#include "FakeHttpServer.h"
#include "LaunchedApp.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "TestSupport.h"
#include "ui/BarButton.h"
#include "ui/NavigationBar.h"
#include "ui/PickerView.h"
#include "ui/Rotator.h"
#include "ui/TableView.h"
#include "ui/Toolbar.h"
#include "ui/TrackSlider.h"
#include "ui/ZoomSlider.h"
#include "vlc/VLCController.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool isControl(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<TrackSlider*>(w) || qobject_cast<TableView*>(w)
        || qobject_cast<PickerView*>(w) || qobject_cast<Rotator*>(w) || qobject_cast<ZoomSlider*>(w);
}

// Every control a person can use in the window now; buttons inside a list's
// rows are the rows' (the list takes the keys for them).
QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w) || !w->isVisible() || !w->isEnabled())
            continue;
        bool inList = false;
        for (QWidget* p = w->parentWidget(); p && !inList; p = p->parentWidget())
            inList = qobject_cast<TableView*>(p);
        if (!inList)
            out << w;
    }
    return out;
}

QString describe(QWidget* w)
{
    const auto* button = qobject_cast<QAbstractButton*>(w);
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()),
                                        button && !button->text().isEmpty() ? button->text() : w->accessibleName());
}

// Presses Tab (or Shift+Tab) once where the focus is, as the keyboard would.
QWidget* tab(QWidget* window, bool back = false)
{
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    return QApplication::focusWidget();
}

// Tabs round the window once and checks that every control is reached, in
// the order bar, screen, toolbar, each showing the ring while it has the
// focus and not after it moved on.
QStringList tabRound(QWidget* window, NavigationBar* bar, Toolbar* toolbar)
{
    const QList<QWidget*> controls = controlsOf(window);
    EXPECT_FALSE(controls.isEmpty());
    QList<QWidget*> visited;
    QList<QImage> focused;
    for (int i = 0; i < controls.size() * 2 + 2; ++i) {
        QWidget* now = tab(window);
        if (!now)
            break;
        if (visited.contains(now))
            break;
        visited << now;
        focused << now->grab().toImage();
    }
    for (QWidget* control : controls)
        EXPECT_TRUE(visited.contains(control)) << "Tab never reaches " << describe(control).toStdString();
    // Round from where the focus was: one wrap from the toolbar to the bar.
    auto region = [&](QWidget* w) { return bar->isAncestorOf(w) ? 0 : toolbar->isAncestorOf(w) ? 2 : 1; };
    int wraps = 0;
    for (qsizetype i = 0; i < visited.size(); ++i)
        wraps += region(visited[i]) < region(visited[(i + visited.size() - 1) % visited.size()]);
    EXPECT_LE(wraps, 1);
    // Shift+Tab steps back.
    if (visited.size() < 2)
        return {};
    EXPECT_EQ(tab(window, true), visited.last());
    EXPECT_EQ(tab(window, true), visited[visited.size() - 2]);
    // The focus elsewhere, each control looks different from when it had it.
    for (qsizetype i = 0; i < visited.size(); ++i) {
        if (visited[i]->hasFocus())
            tab(window);
        EXPECT_NE(visited[i]->grab().toImage(), focused[i]) << "no ring on " << describe(visited[i]).toStdString();
    }
    QStringList names;
    for (QWidget* w : visited)
        names << describe(w);
    return names;
}
}

TEST(KeyboardFocus, TabReachesEveryControlOfTheRemotesListAndTheRemoteScreenAndTheFocusShows)
{
    ScopedHome home;
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request& r) {
        if (r.target.startsWith("/requests/playlist.xml"))
            return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    });
    LaunchedApp app;
    QWidget* window = app.app->window();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    spinEventLoop(200);
    {
        SCOPED_TRACE("remotes list");
        tabRound(window, app.navigation()->navigationBar(), app.navigation()->toolbar());
    }
    // The list takes Enter wherever the focus is, but not from a button
    // reached by Tab: Enter presses that.
    auto* remotes = qobject_cast<RemotesViewController*>(app.top());
    ASSERT_TRUE(remotes);
    QWidget* edit = nullptr;
    for (int i = 0; i < 20 && !edit; ++i)
        if (auto* button = qobject_cast<BarButton*>(tab(window)); button && button->text() == u"Edit")
            edit = button;
    ASSERT_TRUE(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return remotes->isEditing(); }, 2000));
    remotes->setEditing(false, false);

    app.app->connectTo(server.hostAddress(), QStringLiteral("pw"));
    ASSERT_TRUE(waitUntil([&] { return qobject_cast<MainViewController*>(app.top()) && !app.navigation()->isTransitioning(); }));
    auto* screen = qobject_cast<MainViewController*>(app.top());
    ASSERT_TRUE(waitUntil([&] { return screen->currentRemote() && screen->currentRemote()->state().hasPlaylist() && screen->currentRemote()->state().isPlaying(); }));
    spinEventLoop(300);
    {
        SCOPED_TRACE("remote screen");
        const QStringList order = tabRound(window, app.navigation()->navigationBar(), app.navigation()->toolbar());
        // In reading order: the volume row left to right, and the pad on a
        // page turned away after the controls in sight.
        const QString row = QStringLiteral("ImageButton 'Volume Down'|ZoomSlider 'Volume'|ImageButton 'Volume Up'");
        EXPECT_TRUE(order.join(u'|').contains(row)) << order.join(u'|').toStdString();
        EXPECT_GT(order.indexOf(QStringLiteral("ImageButton 'Menu'")), order.indexOf(QStringLiteral("ImageButton 'Volume Up'")));
    }
}
