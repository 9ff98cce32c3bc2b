// The folder browser and the playlist screen on a fake VLC that records
// every request: what each tap, key and reply does.
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "KeepPicture.h"
#include "models/BrowseIndex.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/Cells/BrowseCell.h"
#include "screens/MainView/MainViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "skin/TitleView.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationBar.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "screens/Common/TextSizeZoom.h"
#include "ui/Toolbar.h"
#include "ui/UiPalette.h"
#include "ui/WidgetAlertPresenter.h"
#include "vlc/VLCController.h"

#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {
QByteArray status(bool loop, bool random, bool repeat, const char* state = "playing")
{
    auto flag = [](bool b) { return QByteArray(b ? "true" : "false"); };
    return "<root><apiversion>3</apiversion><state>" + QByteArray(state) + "</state><volume>256</volume><time>3</time>"
           "<length>30</length><loop>" + flag(loop) + "</loop><random>" + flag(random) + "</random><repeat>"
        + flag(repeat) + "</repeat></root>";
}

// A VLC 3 listing of /m: "..", a folder, and files of each type.
QByteArray listing()
{
    return "<root><element type='dir' path='/m/..' name='..' uri='file:///'/>"
           "<element type='dir' path='/m/Albums' name='Albums'/>"
           "<element type='file' path='/m/clip.mkv' name='clip.mkv'/>"
           "<element type='file' path='/m/mix.m3u' name='mix.m3u'/>"
           "<element type='file' path='/m/notes.txt' name='notes.txt'/>"
           "<element type='file' path='/m/song.wav' name='song.wav'/></root>";
}

QByteArray playlist(int n, int current, const QByteArray& prefix = "/music/")
{
    QByteArray xml = "<node name='' id='0'><node name='Playlist' id='1'>";
    for (int i = 0; i < n; ++i)
        xml += "<leaf name='" + prefix + "item " + QByteArray::number(i) + ".wav' id='" + QByteArray::number(100 + i)
            + "' duration='30'" + (i == current ? " current='current'" : "") + "/>";
    return xml + "</node><node name='Media Library' id='2'/></node>";
}

QByteArray playlistOf(const QList<QByteArray>& names, int current)
{
    QByteArray xml = "<node name='' id='0'><node name='Playlist' id='1'>";
    for (int i = 0; i < names.size(); ++i)
        xml += "<leaf name='" + names[i] + "' id='" + QByteArray::number(100 + i) + "' duration='30'"
            + (i == current ? " current='current'" : "") + "/>";
    return xml + "</node><node name='Media Library' id='2'/></node>";
}

struct Stage {
    ScopedHome home;
    FakeHttpServer server;
    std::shared_ptr<VLCController> remote = std::make_shared<VLCController>();
    std::unique_ptr<BWNavigationController> nav;
    std::unique_ptr<WidgetAlertPresenter> alerts;
    QByteArray statusBody = status(false, false, false);
    QByteArray playlistBody = playlist(3, 1);

    Stage()
    {
        BundleInstaller::install();
        UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
        server.setHandler([this](const FakeHttpServer::Request& r) {
            if (r.target.startsWith("/requests/browse.xml"))
                return FakeHttpServer::ok(listing());
            if (r.target.startsWith("/requests/playlist.xml"))
                return FakeHttpServer::ok(playlistBody);
            return FakeHttpServer::ok(statusBody);
        });
        remote->setNetwork(factory().network());
        remote->setHostAddress(server.hostAddress());
        feed(statusBody);
        feed(listing());
        feed(playlistBody);
        factory().mainViewController()->setCurrentRemote(remote);
        nav = std::make_unique<BWNavigationController>(new ViewController);
        alerts = std::make_unique<WidgetAlertPresenter>(nav.get());
        AlertPresenter::setCurrent(alerts.get());
        factory().setAlertPresenter(*alerts);
        nav->resize(390, 700);
        nav->show();
    }
    ~Stage()
    {
        AlertPresenter::setCurrent(nullptr);
        nav.reset();
        CentralAccessFactory::shutdown();
    }
    static CentralAccessFactory& factory() { return CentralAccessFactory::sharedFactory(); }
    void feed(const QByteArray& body)
    {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = body;
        remote->processResponse(reply, VLCController::OrdinaryRequest);
    }
    BrowseViewController* browser()
    {
        BrowseViewController* screen = factory().browseViewController();
        screen->setCurrentRemote(remote);
        nav->pushViewController(screen, false);
        return screen;
    }
    PlaylistViewController* playlistScreen()
    {
        PlaylistViewController* screen = factory().playlistViewController();
        screen->setCurrentRemote(remote);
        nav->pushViewController(screen, false);
        return screen;
    }
    // The requests that reached VLC after the action, in order.
    QList<QByteArray> requests(const std::function<void()>& action, int settleMs = 300)
    {
        waitUntil([&] { return !remote->isBusy(); });
        server.clearRequests();
        action();
        spinEventLoop(settleMs);
        return server.targets();
    }
};

BrowseCell* browseCell(BrowseViewController* screen, int row)
{
    return qobject_cast<BrowseCell*>(screen->myTableView()->cellForRowAtIndexPath(IndexPath(0, row)));
}

QString buttonImage(BrowseViewController* screen, int row)
{
    BrowseCell* cell = browseCell(screen, row);
    return cell && cell->view() ? cell->view()->objectName() : QString();
}
}

TEST(BrowseIndex, TitlesJumpToTheFirstNameTheyOrderBefore)
{
    const QStringList names { QStringLiteral(".."), QStringLiteral("alpha"), QStringLiteral("Beta"),
                              QStringLiteral("beta two"), QStringLiteral("delta") };
    auto at = [&](int i) { return names[i]; };
    EXPECT_EQ(BrowseIndex::titles().size(), 27);
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("."), 5, at), 0);
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("A"), 5, at), 1);
    // "B" against "Beta" orders before it (the shorter first), case aside.
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("B"), 5, at), 2);
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("C"), 5, at), 4);
    // No name from Z on: the last row.
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("Z"), 5, at), 4);
    EXPECT_EQ(BrowseIndex::rowForTitle(QStringLiteral("Z"), 0, at), -1);
}

TEST(Browser, RowsShowTypesAndButtonsByTheRules)
{
    Stage stage;
    UserDefaults::standard().setBool(PreferenceKeys::playFolders, false);
    BrowseViewController* screen = stage.browser();
    TableView* table = screen->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 6);
    const QStringList icons { "folder.png", "folder.png", "movie.png", "playlist.png", "unknown.png", "music.png" };
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(browseCell(screen, row)->leftView()->objectName(), icons[row]) << row;
    EXPECT_EQ(buttonImage(screen, 0), QString()); // the way up never plays
    EXPECT_EQ(buttonImage(screen, 1), QString()); // folders only with BWPlayFolders
    EXPECT_EQ(buttonImage(screen, 5), QStringLiteral("Play.png"));
    keepPicture(stage.nav.get(), QStringLiteral("browser-play-mode"));

    UserDefaults::standard().setBool(PreferenceKeys::playFolders, true);
    table->reloadData();
    EXPECT_EQ(buttonImage(screen, 0), QString());
    EXPECT_EQ(buttonImage(screen, 1), QStringLiteral("Play.png"));

    // The mode button flips the remote's mode, the rows' buttons and itself.
    EXPECT_EQ(screen->modeButton()->objectName(), QStringLiteral("modeAdd"));
    screen->modeButton()->trigger();
    EXPECT_TRUE(stage.remote->record().browseAdd);
    EXPECT_EQ(buttonImage(screen, 5), QStringLiteral("Add.png"));
    EXPECT_EQ(screen->modeButton()->objectName(), QStringLiteral("modePlay"));
    EXPECT_EQ(screen->toolbarItems().last(), screen->modeButton());
    keepPicture(stage.nav.get(), QStringLiteral("browser-add-mode"));
}

TEST(Browser, TappingOpensFoldersAndPlaysOrAddsFiles)
{
    Stage stage;
    BrowseViewController* screen = stage.browser();
    auto sent = stage.requests([&] { screen->openRow(1); });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/browse.xml?dir=%2Fm%2FAlbums");

    sent = stage.requests([&] { screen->openRow(5); });
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=in_play&input=%2Fm%2Fsong.wav");

    // Adding to a stopped player: the item, then play the last, then stop.
    stage.remote->setBrowseAdd(true);
    stage.statusBody = status(false, false, false, "stopped");
    stage.feed(stage.statusBody);
    sent = stage.requests([&] { qobject_cast<ImageButton*>(browseCell(screen, 5)->view())->click(); }, 800);
    QList<QByteArray> commands;
    for (const QByteArray& t : sent)
        if (t.contains("command="))
            commands << t.mid(t.indexOf("command="));
    ASSERT_GE(commands.size(), 3);
    EXPECT_EQ(commands[0], "command=in_enqueue&input=%2Fm%2Fsong.wav");
    EXPECT_EQ(screen->addedNoticeShown(), QStringLiteral("Added to the playlist: song.wav"));
    EXPECT_EQ(commands[1], "command=pl_play&id=102"); // the last of the three items
    EXPECT_EQ(commands[2], "command=pl_stop");
}

TEST(Browser, DefaultFolderOnlyForSavedRemotes)
{
    Stage stage;
    BrowseViewController* screen = stage.browser();
    stage.remote->setBrowseDir(QStringLiteral("/m"));
    screen->setDefaultDirectory();
    AlertView* sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->title().startsWith(QStringLiteral("You can only set the default browsing directory")));
    EXPECT_TRUE(stage.remote->record().defaultBrowseDirectory.isNull());
    sheet->pressButton(0);

    stage.remote->setIsSaved(true);
    screen->setDefaultDirectory();
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() != nullptr; }));
    EXPECT_TRUE(AlertView::topAlert()->title().startsWith(QStringLiteral("The first time you press 'browse'")));
    EXPECT_EQ(stage.remote->record().defaultBrowseDirectory, QStringLiteral("/m"));
}

TEST(Browser, KeysMoveOpenGoUpAndJump)
{
    Stage stage;
    BrowseViewController* screen = stage.browser();
    spinEventLoop(50);
    QWidget* focus = stage.nav.get();
    QTest::keyClick(focus, Qt::Key_S);
    EXPECT_EQ(screen->myTableView()->indexPathForSelectedRow(), IndexPath(0, 5));
    QTest::keyClick(focus, Qt::Key_Up);
    EXPECT_EQ(screen->myTableView()->indexPathForSelectedRow(), IndexPath(0, 4));
    QTest::keyClick(focus, Qt::Key_Up);
    QTest::keyClick(focus, Qt::Key_Up);
    QTest::keyClick(focus, Qt::Key_Up);
    auto sent = stage.requests([&] { QTest::keyClick(focus, Qt::Key_Return); });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/browse.xml?dir=%2Fm%2FAlbums");

    for (auto [key, mods] : { std::pair { Qt::Key_Backspace, Qt::NoModifier }, std::pair { Qt::Key_Up, Qt::AltModifier } }) {
        sent = stage.requests([&] { QTest::keyClick(focus, key, mods); });
        ASSERT_FALSE(sent.isEmpty());
        EXPECT_EQ(sent.first(), "/requests/browse.xml?dir=%2F"); // "/m/.." said plainly
    }
}

TEST(Browser, LettersTypedWithoutAPauseJumpToTheFirstNameWithThatPrefix)
{
    ManualClock clock;
    Stage stage;
    Stage::factory().setClock(clock);
    BrowseViewController* screen = stage.browser();
    spinEventLoop(50);
    QWidget* focus = stage.nav.get();
    auto chosen = [&] { return screen->myTableView()->indexPathForSelectedRow().row(); };
    QTest::keyClick(focus, Qt::Key_C);
    EXPECT_EQ(chosen(), 2); // clip.mkv, as the index's C
    QTest::keyClick(focus, Qt::Key_L);
    EXPECT_EQ(chosen(), 2); // "cl", where the index's L would take mix.m3u
    QTest::keyClick(focus, Qt::Key_X);
    EXPECT_EQ(chosen(), 2); // no name begins with "clx": the selection stays
    clock.advance(2);
    QTest::keyClicks(focus, QStringLiteral("no"));
    EXPECT_EQ(chosen(), 4); // notes.txt: a new prefix after the pause
    clock.advance(2);
    QTest::keyClick(focus, Qt::Key_M);
    EXPECT_EQ(chosen(), 3); // one letter, as the index does
}

TEST(Browser, TextSizeByKeysWheelAndPinchWithinLimits)
{
    Stage stage;
    BrowseViewController* screen = stage.browser();
    QWidget* focus = stage.nav.get();
    EXPECT_EQ(screen->fontSize(), 16);
    QTest::keyClick(focus, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(screen->fontSize(), 18);
    EXPECT_EQ(browseCell(screen, 1)->textLabel()->font().pointSize(), 18);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(focus, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(screen->fontSize(), TextSizeZoom::minimumSize);
    QTest::keyClick(focus, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(screen->fontSize(), 16);

    QWidget* viewport = screen->myTableView()->viewport();
    QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(screen->fontSize(), 18);
    EXPECT_EQ(screen->myTableView()->contentOffset().y(), 0); // the wheel sized, it did not scroll

    TextSizeZoom* zoom = screen->textSize();
    zoom->setFontSize(10);
    zoom->beginPinch();
    zoom->pinchScaled(1.27); // 12.7
    zoom->endPinch();
    EXPECT_EQ(screen->fontSize(), 12);
    zoom->beginPinch();
    zoom->pinchScaled(100);
    zoom->endPinch();
    EXPECT_EQ(screen->fontSize(), TextSizeZoom::maximumSize);
    // Large text gets taller rows.
    EXPECT_GT(screen->myTableView()->rowHeight(), TableView::defaultRowHeight);
}

TEST(Browser, TitleNamesTheFolderAndStatusTimerWhileVisible)
{
    Stage stage;
    BrowseViewController* screen = stage.browser();
    EXPECT_EQ(screen->titleView()->topLabel()->text(), QStringLiteral("Browse"));
    // The folder VLC listed ("~" was asked for), not the folder asked for.
    EXPECT_EQ(stage.remote->state().browseDir(), QStringLiteral("~"));
    EXPECT_EQ(screen->titleView()->bottomLabel()->text(), QStringLiteral("/m"));
    // A long one keeps its start and its own name.
    const QString deep = QStringLiteral("/home/someone/Music/Collections/Live recordings/1998 Reykjavik night");
    stage.feed("<root><element type='dir' path='" + deep.toUtf8() + "/..' name='..'/></root>");
    const QString shown = screen->titleView()->bottomLabel()->shownText();
    EXPECT_NE(shown, deep);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home"))) << qPrintable(shown);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("night"))) << qPrintable(shown);
    EXPECT_TRUE(screen->timerRunning());
    auto sent = stage.requests([] {}, 1300);
    EXPECT_TRUE(sent.contains("/requests/status.xml"));
    stage.nav->popViewControllerAnimated(false);
    EXPECT_FALSE(screen->timerRunning());
}

TEST(BrowserAndPlaylist, IconButtonsOfTheBarsSayWhatTheyDo)
{
    Stage stage;
    for (int shown = 0; shown < 2; ++shown) {
        ViewController* screen = shown == 0 ? static_cast<ViewController*>(stage.browser())
                                            : static_cast<ViewController*>(stage.playlistScreen());
        spinEventLoop(50);
        ASSERT_EQ(stage.nav->topViewController(), screen);
        QList<BarButton*> buttons = stage.nav->toolbar()->buttons();
        buttons.append(stage.nav->navigationBar()->rightButton());
        QStringList names;
        for (BarButton* button : buttons) {
            ASSERT_TRUE(button);
            ASSERT_FALSE(button->icon().isNull());
            EXPECT_TRUE(button->text().isEmpty());
            EXPECT_FALSE(button->toolTip().isEmpty()) << qPrintable(screen->title());
            EXPECT_EQ(button->accessibleName(), button->toolTip());
            names.append(button->toolTip());
        }
        names.removeDuplicates();
        EXPECT_EQ(names.size(), buttons.size()) << qPrintable(names.join(u','));
        stage.nav->popViewControllerAnimated(false);
    }
}

TEST(Playlist, RowsRemoveButtonsAndTheCurrentItem)
{
    Stage stage;
    PlaylistViewController* screen = stage.playlistScreen();
    TableView* table = screen->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 3);
    EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(0, 0))->textLabel()->text(), QStringLiteral("item 0.wav"));
    EXPECT_EQ(screen->titleView()->topLabel()->text(), QStringLiteral("Playlist"));
    EXPECT_EQ(screen->titleView()->bottomLabel()->text(), QStringLiteral("item 1.wav"));

    // VLC 3 deletes items, so its rows have remove buttons even in Lua mode.
    stage.remote->connection().setLuaMode(true);
    table->reloadData();
    auto* remove = qobject_cast<ImageButton*>(table->cellForRowAtIndexPath(IndexPath(0, 2))->accessoryView());
    ASSERT_TRUE(remove);
    auto sent = stage.requests([&] { remove->click(); });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_delete&id=102");

    sent = stage.requests([&] { screen->didSelectRowAtIndexPath(table, IndexPath(0, 0)); });
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_play&id=100");

    // The older Lua interface cannot delete.
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = fixture(QStringLiteral("legacy-status.xml"));
    auto older = std::make_shared<VLCController>();
    older->processResponse(reply, VLCController::OrdinaryRequest);
    reply.body = fixture(QStringLiteral("legacy-playlist.xml"));
    older->processResponse(reply, VLCController::OrdinaryRequest);
    older->connection().setLuaMode(true);
    screen->setCurrentRemote(older);
    ASSERT_GT(table->numberOfRowsInSection(0), 0);
    EXPECT_FALSE(table->cellForRowAtIndexPath(IndexPath(0, 0))->accessoryView());
    EXPECT_FALSE(screen->showsRemoveButtons());
}

TEST(Playlist, ThePlayingItemIsMarkedApartFromTheChosenRow)
{
    Stage stage;
    PlaylistViewController* screen = stage.playlistScreen();
    TableView* table = screen->myTableView();
    table->selectRowAtIndexPath(IndexPath(0, 2), false);
    spinEventLoop(50);
    TableViewCell* playing = table->cellForRowAtIndexPath(IndexPath(0, 1));
    TableViewCell* chosen = table->cellForRowAtIndexPath(IndexPath(0, 2));
    TableViewCell* plain = table->cellForRowAtIndexPath(IndexPath(0, 0));
    EXPECT_EQ(playing->textLabel()->text(), QStringLiteral("\u25B6 item 1.wav"));
    EXPECT_EQ(chosen->textLabel()->text(), QStringLiteral("item 2.wav"));
    EXPECT_EQ(playing->textLabel()->palette().color(QPalette::WindowText), UiPalette::accent());
    // The playing row keeps the plain background with an accent bar; the
    // chosen one wears the selection.
    const QImage playingPicture = playing->grab().toImage();
    const QImage chosenPicture = chosen->grab().toImage();
    const QImage plainPicture = plain->grab().toImage();
    const int middle = playingPicture.height() / 2;
    EXPECT_EQ(playingPicture.pixelColor(1, middle), UiPalette::accent());
    EXPECT_EQ(playingPicture.pixelColor(playingPicture.width() / 2, middle),
              plainPicture.pixelColor(plainPicture.width() / 2, middle));
    EXPECT_NE(chosenPicture.pixelColor(chosenPicture.width() / 2, middle),
              playingPicture.pixelColor(playingPicture.width() / 2, middle));
    EXPECT_NE(chosenPicture.pixelColor(1, middle), UiPalette::accent());
    keepPicture(stage.nav.get(), QStringLiteral("playlist-playing-and-chosen"));
}

TEST(Playlist, EmptyingAsksFirst)
{
    Stage stage;
    stage.feed(playlist(0, -1));
    PlaylistViewController* screen = stage.playlistScreen();
    EXPECT_EQ(screen->myTableView()->numberOfRowsInSection(0), 0);
    auto sent = stage.requests([&] {
        screen->emptyButton()->trigger();
        ASSERT_TRUE(AlertView::topAlert());
        EXPECT_EQ(AlertView::topAlert()->title(), QStringLiteral("Empty entire playlist?"));
        EXPECT_EQ(AlertView::topAlert()->buttonTitles(), (QStringList { QStringLiteral("Ok"), QStringLiteral("Cancel") }));
        AlertView::topAlert()->pressButton(1);
    });
    EXPECT_TRUE(sent.isEmpty());
    sent = stage.requests([&] {
        screen->emptyButton()->trigger();
        AlertView::topAlert()->pressButton(0);
    });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_empty");
}

TEST(Playlist, ModeImagesFollowTheStatusNotTheTap)
{
    Stage stage;
    PlaylistViewController* screen = stage.playlistScreen();
    EXPECT_EQ(screen->modeImage(screen->loopButton()), QStringLiteral("Loop.png"));
    // The fake VLC keeps reporting loop off: the tap alone changes nothing.
    auto sent = stage.requests([&] { screen->loopButton()->trigger(); });
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_loop");
    EXPECT_EQ(screen->modeImage(screen->loopButton()), QStringLiteral("Loop.png"));
    stage.feed(status(true, true, false));
    EXPECT_EQ(screen->modeImage(screen->loopButton()), QStringLiteral("Loop_Yes.png"));
    EXPECT_EQ(screen->modeImage(screen->randomButton()), QStringLiteral("Random_Yes.png"));
    EXPECT_EQ(screen->modeImage(screen->repeatButton()), QStringLiteral("Repeat.png"));
    sent = stage.requests([&] { screen->repeatButton()->trigger(); screen->randomButton()->trigger(); });
    EXPECT_TRUE(sent.contains("/requests/status.xml?command=pl_random"));
}

TEST(Playlist, AnUnchangedReplyLeavesTheRowsAloneAndTheCurrentItemIsShown)
{
    Stage stage;
    stage.feed(playlist(10000, 5000));
    PlaylistViewController* screen = stage.playlistScreen();
    TableView* table = screen->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 10000);
    // Scrolled to the playing item, with a screenful of cells.
    EXPECT_TRUE(table->indexPathsForVisibleRows().contains(IndexPath(0, 5000)));
    EXPECT_LT(table->visibleCells().size(), 40);
    const QPoint offset(0, table->contentOffset().y() + 170);
    table->setContentOffset(offset);
    const QList<TableViewCell*> before = table->visibleCells();
    stage.feed(playlist(10000, 5000));
    EXPECT_EQ(table->visibleCells(), before);
    EXPECT_EQ(table->contentOffset(), offset);
    // A changed one keeps the place too, and the row the user chose.
    const IndexPath chosen = table->indexPathsForVisibleRows().first();
    table->selectRowAtIndexPath(chosen, false);
    stage.feed(playlist(10000, 5001));
    EXPECT_EQ(table->contentOffset(), offset);
    EXPECT_TRUE(table->cellForRowAtIndexPath(IndexPath(0, 5001))->isEmphasized());
    EXPECT_EQ(table->indexPathForSelectedRow(), chosen);
    EXPECT_TRUE(table->cellForRowAtIndexPath(chosen)->isSelected());
    keepPicture(stage.nav.get(), QStringLiteral("playlist-long"));
}

TEST(Playlist, TheSearchFieldKeepsWhatMatchesAndPlaysWhatWasFound)
{
    Stage stage;
    stage.playlistBody = playlistOf({ "Café del Mar.wav", "cafe tacuba.wav", "Björk - Jóga.wav", "Other.wav" }, 3);
    stage.feed(stage.playlistBody);
    PlaylistViewController* screen = stage.playlistScreen();
    TableView* table = screen->myTableView();
    QLineEdit* field = screen->searchField();
    auto rows = [&] {
        QStringList texts;
        for (int row = 0; row < table->numberOfRowsInSection(0); ++row)
            texts.append(table->cellForRowAtIndexPath(IndexPath(0, row))->textLabel()->text());
        return texts;
    };
    spinEventLoop(50);
    QTest::keyClick(stage.nav.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("CAFE"));
    EXPECT_EQ(rows(), (QStringList { "Café del Mar.wav", "cafe tacuba.wav" }));
    // Space and the arrows are the field's while it is edited; each word must match.
    QTest::keyClicks(field, QStringLiteral(" mar"));
    EXPECT_EQ(rows(), QStringList { "Café del Mar.wav" });
    auto sent = stage.requests([&] { QTest::keyClick(field, Qt::Key_Return); });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_play&id=100");

    // Escape clears the field first, then leaves it; the screen stays.
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(rows().size(), 4);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(stage.nav->topViewController(), screen);

    // Accents typed or not, the same items; Down in the field chooses.
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("joga"));
    EXPECT_EQ(rows(), QStringList { "Björk - Jóga.wav" });
    field->setText(QStringLiteral("JÓGA"));
    EXPECT_EQ(rows(), QStringList { "Björk - Jóga.wav" });
    QTest::keyClick(field, Qt::Key_Down);
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 0));
    EXPECT_TRUE(field->hasFocus());

    // A new playlist is searched as it comes; a found row's button removes that item.
    stage.playlistBody = playlistOf({ "Café del Mar.wav", "cafe tacuba.wav", "Björk - Jóga.wav", "Other.wav", "joga live.wav" }, 4);
    stage.feed(stage.playlistBody);
    ASSERT_EQ(rows(), (QStringList { "Björk - Jóga.wav", "\u25B6 joga live.wav" }));
    auto* remove = qobject_cast<ImageButton*>(table->cellForRowAtIndexPath(IndexPath(0, 1))->accessoryView());
    ASSERT_TRUE(remove);
    sent = stage.requests([&] { remove->click(); });
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), "/requests/status.xml?command=pl_delete&id=104");
    keepPicture(stage.nav.get(), QStringLiteral("playlist-search"));
}
