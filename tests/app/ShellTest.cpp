// The playerlink window: its navigation stack, going back by Escape
// or the bar's button, the window-wide keys of the remote screen, its
// wheels turned by a finger, the program's picture tour, and the launches
// that hand their work to a running program.

#include "FakeHttpServer.h"
#include "SampleMedia.h"
#include "SkinStageWindow.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "VlcInstance.h"
#include "ZipBuilder.h"
#include "platform/SingleInstance.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "models/RemoteSession.h"
#include "core/SkinFolders.h"
#include "models/skin/SkinGeometry.h"
#include "skin/SkinArchiveInstaller.h"
#include "models/PageNavigation.h"
#include "app/WindowKeys.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinImageFolders.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinWheels.h"
#include "vlc/SavedRemoteList.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStyleHints>
#include <QImage>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

#include <algorithm>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
struct Shell : ProgramWindow {
    Shell()
        : ProgramWindow(true)
    {
    }
};
}

TEST(Shell, EscapeAndTheBackButtonGoBackAndTheRemoteTakesTheWindowsKeys)
{
    Shell shell;
    ASSERT_EQ(shell.depth(), 2);
    ASSERT_TRUE(waitUntil([&] { return shell.keys.remote(); }));
    QSignalSpy actions(shell.keys.remote(), &SkinScene::actionTriggered);
    QTest::keyClick(shell.window, Qt::Key_Space);
    QTest::keyClick(shell.window, Qt::Key_N);
    ASSERT_EQ(actions.count(), 2);
    EXPECT_EQ(actions[0][0].value<SkinRoles::Action>(), SkinRoles::Action::PlayPause);
    EXPECT_EQ(actions[1][0].value<SkinRoles::Action>(), SkinRoles::Action::Next);

    QTest::keyClick(shell.window, Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return shell.depth() == 1 && !shell.keys.remote(); }));
    // At the first screen the back key is left to the platform.
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Back, Qt::NoModifier);
    EXPECT_FALSE(shell.keys.eventFilter(shell.window, &back));

    QMetaObject::invokeMethod(shell.window, "showRemote");
    EXPECT_TRUE(waitUntil([&] { return shell.depth() == 2 && shell.keys.remote(); }));
    auto* backButton = shell.window->findChild<QQuickItem*>(QStringLiteral("backButton"));
    ASSERT_TRUE(backButton);
    EXPECT_GE(backButton->height(), 48);
    QTest::mouseClick(shell.window, Qt::LeftButton, {},
                      backButton->mapToScene(QPointF(backButton->width() / 2, backButton->height() / 2)).toPoint());
    EXPECT_TRUE(waitUntil([&] { return shell.depth() == 1; }));
}

namespace {
// Whether the item (or one inside it) wears the keyboard's ring now.
bool showsRing(QQuickItem* item)
{
    return ProgramWindow::find(item, [](QQuickItem* ring) { return ring->objectName() == u"focusRing" && ring->isVisible(); });
}

QQuickItem* focused(const ProgramWindow& w)
{
    return w.window->activeFocusItem();
}

void playing(SkinScene& scene)
{
    scene.setLiveness(SkinScene::Live);
    scene.setItemsInPlaylist(2);
    scene.setStopped(false);
    scene.setPlaying(true);
}
}

// Tab walks the bar, every control of the skin and the toolbar, each with
// the one ring, turning the skin's pages to the controls on them.
TEST(Shell, TabReachesEveryControlOfTheSkinWithTheRingAndTurnsItsPages)
{
    Shell shell;
    ASSERT_TRUE(waitUntil([&] { return shell.keys.remote() && shell.keys.remote()->mainScrollView(); }));
    SkinScene& scene = *shell.keys.remote();
    playing(scene);
    SkinPagesControl* pages = scene.mainScrollView();
    QList<QQuickItem*> stops;
    for (int tab = 0; tab < 60; ++tab) {
        QTest::keyClick(shell.window, Qt::Key_Tab);
        QQuickItem* stop = focused(shell);
        ASSERT_TRUE(stop);
        if (stops.contains(stop))
            break;
        stops << stop;
        // A skin's control wears it round the whole of it (a table, round
        // the rows it scrolls).
        QQuickItem* owner = stop;
        for (QQuickItem* up = stop; up; up = up->parentItem())
            if (up->property("control").isValid()) {
                owner = up;
                break;
            }
        EXPECT_TRUE(showsRing(owner)) << "no ring on " << stop->metaObject()->className() << " "
                                     << stop->objectName().toStdString();
        // A control on a page turned away turns the pages to it.
        SkinControl* control = stop->property("control").value<SkinControl*>();
        for (QQuickItem* up = stop; up && !control; up = up->parentItem())
            control = up->property("control").value<SkinControl*>();
        if (control && control->parentControl() && control->parentControl()->parentControl() == pages) {
            const auto& all = pages->children();
            const int page = int(std::find(all.begin(), all.end(), control->parentControl()) - all.begin());
            EXPECT_EQ(pages->currentPage(), page) << control->skinId().toStdString();
        }
    }
    auto reached = [&](SkinControl::Kind kind, const QString& id) {
        QQuickItem* item = shell.skinItem(kind, id);
        return item && std::any_of(stops.begin(), stops.end(), [item](QQuickItem* stop) {
            for (QQuickItem* up = stop; up; up = up->parentItem())
                if (up == item)
                    return true;
            return false;
        });
    };
    for (const char* id : { "PositionSlider", "VolumeSlider" })
        EXPECT_TRUE(reached(SkinControl::ZoomSlider, QString::fromLatin1(id))) << id;
    for (const char* id : { "PlayPause", "Next", "VolumeMore", "DvdUp", "DvdSelect", "DvdMenu" })
        EXPECT_TRUE(reached(SkinControl::Button, QString::fromLatin1(id))) << id;
    EXPECT_TRUE(reached(SkinControl::Table, QString()));
    int wheels = 0;
    for (QQuickItem* stop : stops)
        wheels += stop->inherits("QQuickTumbler");
    EXPECT_EQ(wheels, 3);
    for (const char* name : { "backButton", "fullScreenButton", "openPlaylist", "openMore" })
        EXPECT_TRUE(stops.contains(shell.item(QString::fromLatin1(name)))) << name;
    // The bar, the skin, the toolbar.
    EXPECT_EQ(stops.indexOf(shell.item(QStringLiteral("fullScreenButton"))), 1);
    EXPECT_EQ(stops.indexOf(shell.item(QStringLiteral("openPlaylist"))), stops.size() - 4);
}

// A wheel or a scale with the keyboard's focus takes the arrows, the page
// keys, Home and End from the remote's keys.
TEST(Shell, TheWheelsAndScalesTurnWithTheArrowsPageKeysHomeAndEnd)
{
    Shell shell;
    ASSERT_TRUE(waitUntil([&] { return shell.keys.remote() && shell.keys.remote()->mainScrollView(); }));
    SkinScene& scene = *shell.keys.remote();
    playing(scene);
    scene.setLength(600);
    scene.setElapsed(125);
    scene.setVolume(100);
    QSignalSpy actions(&scene, &SkinScene::actionTriggered);
    QSignalSpy volumes(&scene, &SkinScene::volumeRequested);
    QSignalSpy seeks(&scene, &SkinScene::seekRequested);

    QQuickItem* volume = shell.skinItem(SkinControl::ZoomSlider, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(volume);
    volume->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(shell.window, Qt::Key_Right);
    ASSERT_EQ(volumes.count(), 1);
    EXPECT_GT(volumes.last()[0].toInt(), 100);
    QTest::keyClick(shell.window, Qt::Key_PageDown);
    ASSERT_EQ(volumes.count(), 2);
    EXPECT_LT(volumes.last()[0].toInt(), 100);
    QTest::keyClick(shell.window, Qt::Key_End);
    EXPECT_EQ(volumes.last()[0].toInt(), 200);
    QTest::keyClick(shell.window, Qt::Key_Home);
    EXPECT_EQ(volumes.last()[0].toInt(), 0);

    QQuickItem* picker = shell.skinItem(SkinControl::Picker, QString());
    ASSERT_TRUE(picker);
    QQuickItem* seconds = ProgramWindow::find(picker, [](QQuickItem* item) {
        return item->inherits("QQuickTumbler") && item->property("wheel").toInt() == SkinWheels::Seconds;
    });
    ASSERT_TRUE(seconds);
    seconds->forceActiveFocus(Qt::TabFocusReason);
    // Two rows back, then five on: one seek when the keys rest.
    QTest::keyClick(shell.window, Qt::Key_Up);
    QTest::keyClick(shell.window, Qt::Key_Up);
    ASSERT_TRUE(waitUntil([&] { return seeks.count() == 1; }, 3000));
    EXPECT_EQ(seeks.last()[0].toInt(), 123);
    QTest::keyClick(shell.window, Qt::Key_PageDown);
    ASSERT_TRUE(waitUntil([&] { return seeks.count() == 2; }, 3000));
    EXPECT_EQ(seeks.last()[0].toInt(), 128);
    // Right goes to the volume wheel beside it.
    QTest::keyClick(shell.window, Qt::Key_Right);
    EXPECT_EQ(focused(shell)->property("wheel").toInt(), int(SkinWheels::Volume));
    EXPECT_EQ(actions.count(), 0) << "the remote's keys took them";
}

// Up, Down and Enter move and choose in a list from anywhere in the window
// (nothing focused, or a bar's button); Delete removes the saved computer
// chosen in edit mode.
TEST(Shell, UpDownEnterAndDeleteWorkTheListsWhereverTheFocusIs)
{
    ProgramWindow w(false, [](RemotesScreen& remotes) {
        remotes.saved().setRecords({ RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9")),
                                     RemoteRecord::forAddress(QStringLiteral("127.0.0.1:19")) });
    });
    QQuickItem* first = w.item(QStringLiteral("remote-127.0.0.1:9"));
    QQuickItem* second = w.item(QStringLiteral("remote-127.0.0.1:19"));
    ASSERT_TRUE(first && second);
    QTest::keyClick(w.window, Qt::Key_Down);
    EXPECT_TRUE(first->hasActiveFocus());
    EXPECT_TRUE(showsRing(first));
    QTest::keyClick(w.window, Qt::Key_Down);
    EXPECT_TRUE(second->hasActiveFocus());
    w.click(w.item(QStringLiteral("editButton")));
    QTest::keyClick(w.window, Qt::Key_Delete);
    ASSERT_EQ(w.remotes.saved().size(), 1u);
    EXPECT_EQ(w.remotes.saved().recordAt(0).hostAddress, u"127.0.0.1:9");
    w.click(w.item(QStringLiteral("editButton")));

    // The settings, with the keyboard on the bar's back button: Down goes
    // into the list, Enter ticks the row.
    w.remotes.openSettings();
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("settingsPage")) && !w.stack->property("busy").toBool(); }));
    QQuickItem* back = w.item(QStringLiteral("backButton"));
    back->forceActiveFocus(Qt::TabFocusReason);
    for (int row = 0; row <= 3; ++row)
        QTest::keyClick(w.window, Qt::Key_Down);
    QQuickItem* boost = w.item(QStringLiteral("setting-3"));
    ASSERT_TRUE(boost);
    EXPECT_TRUE(boost->hasActiveFocus());
    const bool before = UserDefaults::standard().boolForKey(PreferenceKeys::doubleVol);
    QTest::keyClick(w.window, Qt::Key_Return);
    EXPECT_NE(UserDefaults::standard().boolForKey(PreferenceKeys::doubleVol), before);
    QTest::keyClick(w.window, Qt::Key_Up);
    EXPECT_TRUE(w.item(QStringLiteral("setting-2"))->hasActiveFocus());
    UserDefaults::standard().setBool(PreferenceKeys::doubleVol, before);
}

// Ctrl+F goes to the playlist's search field with the keyboard anywhere.
TEST(Shell, CtrlFSearchesThePlaylistWhereverTheFocusIs)
{
    Shell shell;
    emit shell.remotes.navigation()->pageWanted(PageNavigation::Page::Playlist);
    ASSERT_TRUE(waitUntil([&] { return shell.item(QStringLiteral("playlistPage")) && !shell.stack->property("busy").toBool(); }));
    shell.item(QStringLiteral("loop"))->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(shell.window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(shell.item(QStringLiteral("searchField"))->hasActiveFocus());
}

// The settings flip in from the left and back out from the right, the
// setup curls down and back up; everything else slides.
TEST(Shell, SettingsFlipSetupCurlsAndOtherScreensSlide)
{
    ProgramWindow w(false);
    auto* turn = w.window->findChild<QQuickItem*>(QStringLiteral("pageTurn"));
    ASSERT_TRUE(turn);
    auto turning = [&](const std::function<void()>& go) {
        go();
        const QString kind = turn->property("kind").toString();
        const bool shown = turn->isVisible();
        EXPECT_TRUE(waitUntil([&] { return !w.stack->property("busy").toBool() && !turn->isVisible(); }, 3000));
        return shown ? kind : QString();
    };
    auto escape = [&] { QTest::keyClick(w.window, Qt::Key_Escape); };
    EXPECT_EQ(turning([&] { w.remotes.openSettings(); }), u"flipFromLeft");
    EXPECT_TRUE(w.item(QStringLiteral("settingsPage")));
    EXPECT_EQ(turning(escape), u"flipFromRight");
    EXPECT_EQ(turning([&] { w.remotes.openSetup(); }), u"curlDown");
    EXPECT_TRUE(w.item(QStringLiteral("setupPage")));
    EXPECT_EQ(turning(escape), u"curlUp");
    EXPECT_EQ(w.depth(), 1);
    EXPECT_EQ(turning([&] { w.remotes.openHelp(); }), QString());
    EXPECT_EQ(w.depth(), 2);
}

// At the smallest the window lets itself be made, the remote screen shows
// its whole skin at a legible scale, in either shape; other screens take a
// smaller window.
TEST(Shell, TheRemoteScreenKeepsTheWindowLargeEnoughForItsWholeSkinLegible)
{
    Shell shell;
    ASSERT_TRUE(waitUntil([&] { return shell.keys.remote(); }));
    SkinScene* scene = shell.keys.remote();
    QSize remoteSmallest;
    for (const QSize shape : { QSize(320, 700), QSize(760, 390) }) {
        const QString orientation = shape.height() > shape.width() ? QStringLiteral("Portrait") : QStringLiteral("Landscape");
        SCOPED_TRACE(orientation.toStdString());
        shell.window->resize(shape);
        ASSERT_TRUE(waitUntil([&] { return scene->orientation() == orientation; }));
        remoteSmallest = shell.window->minimumSize();
        shell.window->resize(remoteSmallest);
        spinEventLoop(100);
        ASSERT_EQ(scene->orientation(), orientation);
        const qreal scale = scene->root(orientation)->scale();
        EXPECT_GE(scale, SkinGeometry::legibleScale - 0.005);
        EXPECT_LT(scale, SkinGeometry::legibleScale + 0.02) << "no larger than it needs to be";
    }
    QMetaObject::invokeMethod(shell.window, "goBack");
    ASSERT_TRUE(waitUntil([&] { return shell.depth() == 1; }));
    EXPECT_LT(shell.window->minimumSize().width(), remoteSmallest.width());
    EXPECT_LT(shell.window->minimumSize().height(), remoteSmallest.height());
}

// VLC's state as soon as may be: at launch the remote screen stands in its
// place from the first frame, with nothing made under it; opened later it
// slides in, asking VLC as it comes.
TEST(Shell, TheRemoteScreenStandsInPlaceAtLaunchAndAsksVlcAsItSlidesIn)
{
    Shell shell;
    RemoteSession& session = shell.remotes.session();
    EXPECT_FALSE(shell.stack->property("busy").toBool());
    EXPECT_TRUE(session.isActive());
    // The list beneath is made only as the user goes back to it.
    EXPECT_FALSE(shell.window->findChild<QObject*>(QStringLiteral("remotesPage")));
    QTest::keyClick(shell.window, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return shell.depth() == 1 && !shell.stack->property("busy").toBool(); }));
    EXPECT_TRUE(shell.item(QStringLiteral("remotesPage")));
    EXPECT_FALSE(session.isActive());
    QMetaObject::invokeMethod(shell.window, "showRemote");
    EXPECT_TRUE(shell.stack->property("busy").toBool());
    EXPECT_TRUE(session.isActive());
}

TEST(Shell, TurningTheSecondsWheelSeeksWhenItComesToRest)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0); // the playlist's page shows
    SkinStageWindow stage(QSize(390, 672));
    SkinScene& scene = stage.scene();
    auto* picker = stage.itemFor(stage.control(SkinControl::Picker));
    ASSERT_TRUE(picker);
    QQuickItem* seconds = SkinStageWindow::findItem(picker, [](QQuickItem* item) {
        return item->inherits("QQuickTumbler") && item->property("wheel").toInt() == SkinWheels::Seconds;
    });
    ASSERT_TRUE(seconds);
    scene.setLiveness(SkinScene::Live);
    scene.setLength(600);
    scene.setElapsed(125); // seconds row 125, minute 2
    // Out of view (another page shows) the wheel waits...
    EXPECT_EQ(seconds->property("currentIndex").toInt(), 0);
    scene.mainScrollView()->setCurrentPage(1);
    QSignalSpy seeks(&scene, &SkinScene::seekRequested);
    QTest::qWait(400); // the page slides into view
    // ...and shows the player's time as it comes.
    EXPECT_EQ(seconds->property("currentIndex").toInt(), 125);
    // Two rows up (past the distance a drag takes to start), slowly, and
    // held before lifting: no throw.
    const int distance = int(2 * seconds->height() / 5) + QGuiApplication::styleHints()->startDragDistance();
    const QPoint start = stage.centreOf(seconds);
    QTest::touchEvent(&stage.view(), stage.touchScreen()).press(0, start);
    for (int step = 1; step <= 10; ++step) {
        QTest::qWait(30);
        QTest::touchEvent(&stage.view(), stage.touchScreen()).move(0, start - QPoint(0, distance * step / 10));
    }
    QTest::qWait(300);
    QTest::touchEvent(&stage.view(), stage.touchScreen()).release(0, start - QPoint(0, distance));
    ASSERT_TRUE(waitUntil([&] { return seeks.count() == 1; }, 3000));
    EXPECT_EQ(seeks[0][0].toInt(), 127);
}

// The remotes list's bar in German at a small phone's width: the long
// words take a smaller size and keep their ends.
TEST(Shell, ABarsLongTranslationsStayWholeOnASmallPhone)
{
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.loadData("import QtQuick\nimport QtQuick.Layouts\nimport PlayerLink\n"
                    "Window { width: 320; height: 48; visible: true\n"
                    "  RowLayout { anchors.fill: parent; spacing: 0\n"
                    "    Repeater { model: ['Suchen', 'Einrichtung', 'News', 'Hilfe', 'Einstellungen']\n"
                    "      BarButton { required property string modelData; text: modelData\n"
                    "                      Layout.fillWidth: true; Layout.minimumWidth: 48 } } } }");
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    ASSERT_TRUE(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QList<QQuickItem*> labels;
    ProgramWindow::find(window->contentItem(), [&](QQuickItem* item) {
        if (item->inherits("QQuickText"))
            labels << item;
        return false;
    });
    ASSERT_EQ(labels.size(), 5);
    for (QQuickItem* label : labels)
        EXPECT_FALSE(label->property("truncated").toBool()) << label->property("text").toString().toStdString();
}

// German and French at a small phone's width keep their whole texts: the
// remote screen's bar, the speed screen's buttons and its bar's title; and
// a notice that says everything in its title shows all of it.
TEST(Shell, GermanAndFrenchTextsStayWholeOnASmallPhone)
{
    const auto cut = [](QQuickItem* within) {
        QStringList cut;
        ProgramWindow::find(within, [&](QQuickItem* item) {
            if (item->inherits("QQuickText") && item->isVisible() && item->property("truncated").toBool())
                cut << item->property("text").toString();
            return false;
        });
        return cut.join(u", ").toStdString();
    };
    for (const char* language : { "de_DE", "fr_FR" }) {
        ASSERT_TRUE(Localization::installTranslations(QLocale(QString::fromLatin1(language))));
        Shell shell;
        shell.window->resize(320, 568);
        ASSERT_TRUE(waitUntil([&] { return shell.depth() == 2 && !shell.stack->property("busy").toBool(); }));
        QQuickItem* bar = shell.item(QStringLiteral("openPlaylist"))->parentItem();
        EXPECT_EQ(cut(bar), "") << language;

        // Reached through the advanced controls, whose name the back button takes.
        emit shell.remotes.navigation()->pageWanted(PageNavigation::Page::AdvancedMenu);
        emit shell.remotes.navigation()->pageWanted(PageNavigation::Page::Speed);
        ASSERT_TRUE(waitUntil([&] { return shell.item(QStringLiteral("speedPage")) && !shell.stack->property("busy").toBool(); }));
        EXPECT_EQ(cut(shell.item(QStringLiteral("speedPage"))), "") << language;
        EXPECT_EQ(cut(shell.item(QStringLiteral("barTitle"))), "") << language;

        AlertRequest notice;
        notice.actionSheet = true;
        notice.buttons = { localizedString("Ok") };
        notice.title = localizedString("The first time you press 'browse' will open this directory when you launch "
                                       "PlayerLink in future.");
        shell.alerts.present(notice);
        ASSERT_TRUE(waitUntil([&] { return shell.noticeButton(0); }));
        QQuickItem* title = shell.item(QStringLiteral("noticeTitle"));
        ASSERT_TRUE(title);
        EXPECT_EQ(cut(title), "") << language;
        EXPECT_EQ(title->property("text").toString(), notice.title);
        const QRectF shown = title->mapRectToScene(QRectF(0, 0, title->width(), title->height()));
        EXPECT_TRUE(QRectF(0, 0, 320, 568).contains(shown));
        shell.click(shell.noticeButton(0));
        ASSERT_TRUE(waitUntil([&] { return !shell.alerts.isShowing(); }));
    }
    Localization::installTranslations(QLocale(QStringLiteral("en_US")));
}

// A notice longer than a low window stays inside it, its text scrolling,
// with every button in reach; the one that cannot be undone is marked.
TEST(Shell, ALongNoticeStaysInTheWindowWithItsButtonsInReach)
{
    Shell shell;
    shell.window->resize(320, 360);
    int chosen = -1;
    AlertRequest notice;
    notice.title = QStringLiteral("Save this computer?");
    notice.message = QStringLiteral("A long explanation of what saving means. ").repeated(40);
    notice.buttons = { QStringLiteral("Yes"), QStringLiteral("No") };
    notice.actionSheet = true;
    notice.destructiveButton = 0;
    notice.completion = [&](int index) { chosen = index; };
    shell.alerts.present(notice);
    ASSERT_TRUE(waitUntil([&] { return shell.noticeButton(1); }));
    const QRectF window(0, 0, 320, 360);
    for (int i = 0; i < 2; ++i) {
        QQuickItem* button = shell.noticeButton(i);
        EXPECT_TRUE(window.contains(button->mapRectToScene(QRectF(0, 0, button->width(), button->height())))) << i;
    }
    EXPECT_EQ(shell.noticeButton(0)->property("kind").toString(), "destructive");
    EXPECT_EQ(shell.noticeButton(1)->property("kind").toString(), "");
    shell.click(shell.noticeButton(1));
    ASSERT_TRUE(waitUntil([&] { return !shell.alerts.isShowing(); }));
    EXPECT_EQ(chosen, 1);
}

// An on-screen keyboard over the lower half of a phone's window: the
// field typed into stands above it, whole, on a page that scrolls and in a
// notice that asks for a line.
TEST(Shell, AFocusedTextFieldStaysAboveTheOnScreenKeyboard)
{
    ProgramWindow shell(false);
    shell.window->resize(360, 720);
    const QRectF keyboard(0, 360, 360, 360);
    ASSERT_TRUE(shell.window->setProperty("keyboardArea", keyboard));
    auto above = [&](const QString& name) {
        QQuickItem* field = shell.item(name);
        if (!field || !field->hasActiveFocus())
            return false;
        const QRectF shown = field->mapRectToScene(QRectF(0, 0, field->width(), field->height()));
        return shown.top() >= 0 && shown.bottom() <= keyboard.top();
    };

    QMetaObject::invokeMethod(shell.window, "addComputer");
    ASSERT_TRUE(waitUntil([&] { return shell.item(QStringLiteral("configPasswordField")); }));
    shell.item(QStringLiteral("configPasswordField"))->forceActiveFocus();
    EXPECT_TRUE(waitUntil([&] { return above(QStringLiteral("configPasswordField")); }));
    shell.item(QStringLiteral("nameField"))->forceActiveFocus();
    EXPECT_TRUE(waitUntil([&] { return above(QStringLiteral("nameField")); }));

    AlertRequest prompt;
    prompt.title = QStringLiteral("Password");
    prompt.buttons = { QStringLiteral("Cancel"), QStringLiteral("Ok") };
    prompt.hasTextField = true;
    shell.alerts.present(prompt);
    ASSERT_TRUE(waitUntil([&] { return shell.noticeButton(1); }));
    shell.item(QStringLiteral("noticeField"))->forceActiveFocus();
    EXPECT_TRUE(waitUntil([&] { return above(QStringLiteral("noticeField")); }));
    shell.click(shell.noticeButton(0));
    ASSERT_TRUE(waitUntil([&] { return !shell.alerts.isShowing(); }));
}

TEST(SkinImageProvider, ServesOnlyTheSkinsOwnImagesAndFallsBackFromTwins)
{
    QTemporaryDir outside;
    QImage(2, 2, QImage::Format_ARGB32).save(outside.path() + QStringLiteral("/secret.png"));
    const int folder = SkinImageFolders::registerFolder(SkinStageWindow::shippedSkin());
    SkinImageProvider provider;
    auto request = [&](const QUrl& url, const QSize& wanted = QSize()) {
        QSize size;
        return provider.requestImage(url.toString().mid(int(qstrlen("image://skin/"))), &size, wanted);
    };
    EXPECT_EQ(request(SkinImageFolders::url(folder, QStringLiteral("play.png"), false)).size(), QSize(76, 76));
    // Decoded at the size asked for (one side keeps the proportions), never
    // larger than the file.
    const QUrl play = SkinImageFolders::url(folder, QStringLiteral("play.png"), true);
    EXPECT_EQ(request(play, QSize(75, 75)).size(), QSize(75, 75));
    EXPECT_EQ(request(play, QSize(0, 38)).size(), QSize(38, 38));
    EXPECT_EQ(request(play, QSize(300, 300)).size(), QSize(152, 152));
    EXPECT_EQ(request(SkinImageFolders::url(folder, QStringLiteral("play.png"), true)).size(), QSize(152, 152));
    EXPECT_TRUE(request(SkinImageFolders::url(folder, QStringLiteral("SkinFormat.txt"), false)).isNull());
    EXPECT_TRUE(request(SkinImageFolders::url(folder, QStringLiteral("../") + QFileInfo(outside.path()).fileName() + QStringLiteral("/secret.png"), false)).isNull());
    EXPECT_TRUE(request(SkinImageFolders::url(folder, outside.path() + QStringLiteral("/secret.png"), false)).isNull());
    SkinImageFolders::unregisterFolder(folder);
    EXPECT_TRUE(request(SkinImageFolders::url(folder, QStringLiteral("play.png"), false)).isNull());
    EXPECT_FALSE(request(SkinImageFolders::url(SkinImageFolders::builtInFolder, QStringLiteral("sliderThumb.png"), true)).isNull());
}

TEST(Program, ThePictureTourEndsByItselfWithPlayerlinksPictureNames)
{
    QString why;
    if (!VlcInstance::canRun(&why))
        GTEST_SKIP() << why.toStdString();
    // A real VLC: the browser lists the sample files and one is added.
    const SampleMedia media;
    VlcInstance::Options options;
    options.media = media.files();
    const VlcInstance vlc(options);
    ASSERT_TRUE(vlc.started()) << vlc.error().toStdString();
    ScopedHome home;
    // A skin besides the shipped one, for the remote screen in another skin.
    const QByteArray skin = ZipBuilder::minimalSkin("Aurora", "new");
    ASSERT_TRUE(SkinArchiveInstaller(SkinFolders::installedSkins()).installData(skin).ok());
    QTemporaryDir pictures;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PLAYERLINK_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("PLAYERLINK_PASSWORD"), vlc.password());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PLAYERLINK_PATH),
                  { QStringLiteral("--connect"), vlc.hostAddress(), QStringLiteral("--screenshots"), pictures.path() });
    ASSERT_TRUE(program.waitForFinished(300000)) << "the tour did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
    // Qt Quick's own warnings (a component not made, a property not set)
    // or a QML file's: every screen of the tour is whole.
    static const QRegularExpression qmlWarning(QStringLiteral(R"(^QQml\w*:|\.qml:\d+)"), QRegularExpression::MultilineOption);
    EXPECT_FALSE(errors.contains(qmlWarning)) << errors.toStdString();
    const QStringList written = QDir(pictures.path()).entryList(QDir::Files);
    EXPECT_EQ(written,
              QStringList({ "01-remote-playlist.png", "02-remote-picker.png", "03-remote-dvd.png",
                            "04-remote-landscape.png", "05-remote-landscape-dvd.png",
                            "06-remote-landscape-small.png", "07-remote-small.png", "08-remotes.png",
                            "09-remotes-now-playing.png", "10-remotes-states.png", "11-remotes-explain.png",
                            "12-remotes-password.png", "13-remote-config.png", "14-remote-config-chooser.png",
                            "15-remotes-edit.png", "16-remotes-back.png", "17-settings.png",
                            "18-settings-info.png", "19-skip-distance.png", "20-browse.png", "21-browse-add.png",
                            "22-browse-added.png", "23-browse-subtitles.png", "24-browse-large-text.png",
                            "25-browse-landscape.png", "26-playlist.png", "27-playlist-landscape.png",
                            "28-playlist-empty.png", "29-playlist-search.png", "30-playlist-search-cleared.png",
                            "31-playlist-sort.png", "32-open-address.png", "33-open-address-small.png",
                            "34-cast-files.png", "35-served-files.png", "36-whats-new-once.png",
                            "37-remote-again.png", "38-remote-more.png", "39-menu-plain.png", "40-menu-lua.png",
                            "41-chapters.png", "42-aspect-ratio.png", "43-audio-video-tracks.png",
                            "44-subtitle-tracks.png", "45-speed.png", "46-speed-small.png", "47-audio-delay.png",
                            "48-dvd.png", "49-equalizer.png", "50-equalizer-on.png", "51-equalizer-small.png",
                            "52-skins.png", "53-skins-edit.png", "54-skins-small.png", "55-skins-landscape.png",
                            "56-skins-gallery.png", "57-skins-gallery-address.png", "58-skins-gallery-small.png",
                            "59-skins-gallery-landscape.png", "60-remote-skin.png", "61-help.png",
                            "62-help-icons.png", "63-help-cantSee.png", "64-help-router.png",
                            "65-help-whatsNew.png", "66-help-credit.png", "67-help-index.png", "68-help-small.png",
                            "69-help-landscape.png", "70-remote-news-badge.png", "71-news-loading.png",
                            "72-news.png", "73-news-small.png", "74-news-landscape.png", "75-news-item.png",
                            "76-setup.png", "77-setup-small.png", "78-setup-landscape.png", "79-setup-alert.png",
                            "80-setup-back.png" }))
        << written.join(u' ').toStdString();
    EXPECT_EQ(QImage(pictures.path() + QStringLiteral("/07-remote-small.png")).size(), QSize(320, 568));
    // The window starts at its size.
    EXPECT_EQ(QImage(pictures.path() + QStringLiteral("/01-remote-playlist.png")).size(), QSize(390, 760));

    QProcess help;
    help.start(QStringLiteral(PLAYERLINK_PATH), { QStringLiteral("--help") });
    ASSERT_TRUE(help.waitForFinished(30000));
    QString usage = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(usage.startsWith(u"Usage: playerlink [--connect HOST[:PORT]"));
    // What it says is this program's: no other is named.
    EXPECT_FALSE(usage.contains(QRegularExpression(QStringLiteral("playerlink-\\w")))) << usage.toStdString();
}

TEST(Shell, InstallSkinInstallsFromALinkAsPlayerlinkDoes)
{
    ScopedHome home;
    FakeHttpServer gallery;
    gallery.setHandler([](const FakeHttpServer::Request& request) {
        if (request.target == "/skins/aurora.zip")
            return FakeHttpServer::ok(ZipBuilder::minimalSkin("Aurora", "new"), "application/zip");
        return FakeHttpServer::ok("<html><body>Our shop is closed</body></html>", "text/html");
    });
    struct Run {
        int exitCode = -1;
        QString out, err;
    };
    // The event loop serves the link meanwhile.
    auto launch = [&](const QStringList& arguments) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PLAYERLINK_HOME"), home.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PLAYERLINK_PATH), arguments);
        EXPECT_TRUE(waitUntil([&] { return program.state() == QProcess::NotRunning; }, 60000));
        return Run { program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                     QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError()) };
    };
    auto install = [&](const QString& link) { return launch({ QStringLiteral("--install-skin"), link }); };
    const Run run = install(QStringLiteral("plskins://%1/skins/aurora.zip").arg(gallery.hostAddress()));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, u"Installed skin \"Aurora\"\n");
    EXPECT_TRUE(QFileInfo(SkinFolders::installedSkins() + QStringLiteral("/Aurora")).isDir());
    // A page where an archive should be installs nothing, and says so.
    const Run refused = install(QStringLiteral("plskins://%1/skins/page.zip").arg(gallery.hostAddress()));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.startsWith(u"Skin not installed: ")) << refused.err.toStdString();
    EXPECT_EQ(QDir(SkinFolders::installedSkins()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList { "Aurora" });
    // Nothing to install is a usage error.
    EXPECT_EQ(launch({ QStringLiteral("--install-skin") }).exitCode, 2);

    // A running playerlink takes a later launch's install and does it.
    QDir(SkinFolders::installedSkins()).removeRecursively();
    QProcess running;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PLAYERLINK_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    running.setProcessEnvironment(environment);
    running.start(QStringLiteral(PLAYERLINK_PATH), QStringList());
    const QString socket = SingleInstance(SingleInstance::defaultKey()).socketPath();
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(socket) || running.state() == QProcess::NotRunning; }, 60000));
    const Run handed = install(QStringLiteral("plskins://%1/skins/aurora.zip").arg(gallery.hostAddress()));
    EXPECT_EQ(handed.exitCode, 0) << handed.err.toStdString();
    EXPECT_EQ(handed.out, u"Installed skin \"Aurora\"\n");
    EXPECT_TRUE(QFileInfo(SkinFolders::installedSkins() + QStringLiteral("/Aurora")).isDir());
    running.terminate();
    ASSERT_TRUE(running.waitForFinished(30000));
    EXPECT_TRUE(running.readAllStandardError().contains("installed skin Aurora"));
    // SIGTERM quits it as its window would: the socket goes with it.
    EXPECT_EQ(running.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(socket));
}

TEST(Program, APlainLaterLaunchOfEitherProgramHandsItsSkinLinkToTheRunningOne)
{
    ScopedHome home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PLAYERLINK_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(QStringLiteral(PLAYERLINK_PATH), QStringList());
    const QString socket = SingleInstance(SingleInstance::defaultKey()).socketPath();
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(socket) || running.state() == QProcess::NotRunning; }, 60000));
    // Nothing is downloaded until the question is answered.
    auto launch = [&](const char* program, const QString& link) {
        QProcess later;
        later.setProcessEnvironment(environment);
        later.start(QString::fromLatin1(program), { link });
        EXPECT_TRUE(later.waitForFinished(30000)) << program << " opened a window of its own";
        later.kill();
        later.waitForFinished();
        return later.exitCode();
    };
    const QString first = QStringLiteral("plskins://127.0.0.1:9/first.zip");
    const QString second = QStringLiteral("plskins://127.0.0.1:9/second.zip");
    EXPECT_EQ(launch(PLAYERLINK_PATH, first), 0);
    EXPECT_EQ(launch(PLAYERLINK_PATH, second), 0);
    QByteArray said;
    waitUntil([&] {
        said += running.readAllStandardError();
        return said.contains(second.toUtf8());
    }, 10000);
    EXPECT_TRUE(said.contains("launched with url: " + first.toUtf8())) << said.toStdString();
    EXPECT_TRUE(said.contains("launched with url: " + second.toUtf8())) << said.toStdString();
    running.terminate();
    EXPECT_TRUE(running.waitForFinished(30000));
}
