// playerlink's browse and playlist screens against a real VLC,
// through real mouse and key events on its window, each checked by a
// second connection to VLC; and what assistive technology reads of them.

#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "SampleMedia.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "core/PreferenceKeys.h"
#include "models/RemoteSession.h"
#include "models/BrowserScreen.h"
#include "vlc/VLCController.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
class ListsAgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0);
        startVlc();
    }

    // The window with the session on VLC, playing. The remote screen stays
    // away: its skin's textures, hidden under these screens, would outlive
    // the window.
    std::unique_ptr<ProgramWindow> openRemote()
    {
        auto w = std::make_unique<ProgramWindow>(false, [&](RemotesScreen& remotes) {
            auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(vlc->hostAddress()), remotes.network());
            remote->setPassword(vlc->password());
            remotes.session().setRemote(remote);
        });
        w->remotes.session().setActive(true);
        EXPECT_TRUE(waitUntil([&] { return w->remotes.session().isPlaying(); }, 10000))
            << "VLC said: " << vlc->log().toStdString();
        w->remotes.session().setActive(false);
        return w;
    }

    // Back to the list while events still run: the textures of a page left
    // on the stack would outlive the window.
    static void leave(ProgramWindow& w)
    {
        QMetaObject::invokeMethod(w.window, "goBack");
        EXPECT_TRUE(waitUntil([&] { return w.depth() == 1; }));
        QTest::qWait(200);
    }

    // Pushed and slid in, so that taps land where the items stand.
    static bool settled(ProgramWindow& w, int depth)
    {
        return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
    }

    static bool shows(ProgramWindow& w, const QString& objectName, int timeoutMs = 8000)
    {
        return waitUntil([&] { return w.item(objectName) != nullptr; }, timeoutMs);
    }

    static QString playingName(LiveRemote& vlcSays)
    {
        const std::optional<int> current = vlcSays->state().currentIndex();
        return current ? vlcSays->state().titleForIndex(*current).value_or(QString()) : QString();
    }

    static int itemsNamed(LiveRemote& vlcSays, const QString& name)
    {
        int found = 0;
        for (const PlaylistItem& item : vlcSays->state().playlist().items())
            found += vlcSays->state().titleOf(item) == name;
        return found;
    }

    // The accessible of role and name under root (itself included).
    static QAccessibleInterface* accessible(QAccessibleInterface* root, QAccessible::Role role, const QString& name)
    {
        if (!root)
            return nullptr;
        if (root->role() == role && root->text(QAccessible::Name) == name)
            return root;
        for (int i = 0; i < root->childCount(); ++i)
            if (QAccessibleInterface* found = accessible(root->child(i), role, name))
                return found;
        return nullptr;
    }

    // Every button under root with its name; empty names count too.
    static void buttonNames(QAccessibleInterface* root, QStringList& names)
    {
        if (!root || root->state().invisible)
            return;
        if (root->role() == QAccessible::Button)
            names << root->text(QAccessible::Name);
        for (int i = 0; i < root->childCount(); ++i)
            buttonNames(root->child(i), names);
    }

    // The object name of the row the list's keys chose, empty for none.
    static QString chosenRow(QQuickItem* list)
    {
        auto* row = list->property("currentItem").value<QQuickItem*>();
        return row ? row->objectName() : QString();
    }

    // The label under a row that shows text.
    static QQuickItem* labelOf(QQuickItem* row, const QString& text)
    {
        return ProgramWindow::find(row, [&](QQuickItem* item) {
            return item != row && item->property("text").toString() == text && item->property("font").isValid();
        });
    }

    // What the list exposes: its rows' names in order.
    static QStringList rowNames(QAccessibleInterface* list)
    {
        QStringList names;
        for (int i = 0; list && i < list->childCount(); ++i)
            if (QAccessibleInterface* row = list->child(i); row && row->role() == QAccessible::ListItem)
                names << row->text(QAccessible::Name);
        return names;
    }
};
}

TEST_F(ListsAgainstRealVlc, TheBrowserOpensAFolderPlaysAFileAndAddsOne)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    w.remotes.session().remote()->setBrowseDir(media().folder());
    w.remotes.session().openBrowser();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("entry-Sub Folder")));
    QQuickItem* page = w.item(QStringLiteral("browserPage"));
    // The folder shown is the bar's second line.
    ASSERT_TRUE(w.item(QStringLiteral("barNote"))) << "the bar does not name the folder";
    EXPECT_EQ(w.item(QStringLiteral("barNote"))->property("text").toString(), media().folder());
    // The way up has no play button; the files have one, and the folders
    // as the preference says (by default they play too).
    EXPECT_FALSE(w.item(QStringLiteral("play-..")));
    EXPECT_TRUE(w.item(QStringLiteral("play-Sub Folder")));
    ASSERT_TRUE(w.item(QStringLiteral("play-alpha.wav")));
    EXPECT_GE(w.item(QStringLiteral("play-alpha.wav"))->height(), 48);

    // What assistive technology reads: the bar's buttons by name, the rows.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w.window);
    QAccessibleInterface* list = accessible(root, QAccessible::List, QStringLiteral("Browse"));
    ASSERT_TRUE(list);
    const QStringList rows = rowNames(list);
    EXPECT_TRUE(rows.contains(u"Sub Folder") && rows.contains(u"alpha.wav")) << rows.join(u'|').toStdString();
    QStringList buttons;
    buttonNames(root, buttons);
    for (const char* name : { "Home folder", "Up one folder", "Drives", "Make this the default folder",
                              "Add files to the playlist", "Play", "Back" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name << " in " << buttons.join(u'|').toStdString();
    EXPECT_FALSE(buttons.contains(QString())) << buttons.join(u'|').toStdString();

    // The letter index stands beside the rows however few they are, clear
    // of their buttons; a press on a letter chooses its first name, and so
    // does what is typed without a pause.
    QQuickItem* folderList = w.item(QStringLiteral("folderList"));
    QQuickItem* letters = w.item(QStringLiteral("letterIndex"));
    ASSERT_TRUE(letters) << "no letter index beside " << folderList->property("count").toInt() << " rows";
    QQuickItem* playAlpha = w.item(QStringLiteral("play-alpha.wav"));
    EXPECT_LE(playAlpha->mapToScene(QPointF(playAlpha->width(), 0)).x(), letters->mapToScene(QPointF(0, 0)).x());
    const qreal step = letters->property("step").toReal();
    const qreal firstTop = (letters->height() - 27 * step) / 2;
    QTest::mouseClick(w.window, Qt::LeftButton, {}, letters->mapToScene(QPointF(letters->width() / 2, firstTop + 4.5 * step)).toPoint()); // D
    const int rowOfD = page->property("screen").value<BrowserScreen*>()->rowForIndexTitle(QStringLiteral("D"));
    EXPECT_GE(rowOfD, 0);
    EXPECT_EQ(folderList->property("currentIndex").toInt(), rowOfD);
    folderList->forceActiveFocus();
    for (char c : { 'b', 'o' })
        QTest::keyClick(w.window, c);
    EXPECT_EQ(chosenRow(folderList), u"entry-Bob's Café Song.wav");
    QTest::qWait(QGuiApplication::styleHints()->keyboardInputInterval() + 100);
    for (char c : { 'a', 'l' })
        QTest::keyClick(w.window, c);
    EXPECT_EQ(chosenRow(folderList), u"entry-alpha.wav");

    // A folder's row lists it; a file's row plays it.
    w.click(w.item(QStringLiteral("entry-Sub Folder")));
    ASSERT_TRUE(shows(w, QStringLiteral("entry-gamma.wav")));
    EXPECT_EQ(page->property("note").toString(), media().folder() + QStringLiteral("/Sub Folder"));
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    w.click(w.item(QStringLiteral("entry-gamma.wav")));
    EXPECT_TRUE(vlcSays.waitFor([&] { return playingName(vlcSays) == u"gamma.wav" && vlcSays->state().isPlaying(); }))
        << playingName(vlcSays).toStdString();

    // In the adding mode the row's button adds the file, and says so.
    ASSERT_TRUE(vlcSays.refreshPlaylist());
    const int before = itemsNamed(vlcSays, QStringLiteral("gamma.wav"));
    w.click(w.item(QStringLiteral("modeAdd")));
    ASSERT_TRUE(shows(w, QStringLiteral("modePlay")));
    w.click(w.item(QStringLiteral("play-gamma.wav")));
    ASSERT_TRUE(shows(w, QStringLiteral("addedNotice"), 1500));
    EXPECT_EQ(w.item(QStringLiteral("addedNotice"))->property("text").toString(), u"Added to the playlist: gamma.wav");
    EXPECT_TRUE(vlcSays.waitFor([&] { return itemsNamed(vlcSays, QStringLiteral("gamma.wav")) == before + 1; }));
    EXPECT_EQ(playingName(vlcSays), u"gamma.wav");

    // Up one folder, by the bar and by Alt+Up, and back to the remote screen:
    // the bar's buttons leave the keys with the list.
    w.click(w.item(QStringLiteral("up")));
    EXPECT_TRUE(shows(w, QStringLiteral("entry-Sub Folder")));
    QTest::keyClick(w.window, Qt::Key_Up, Qt::AltModifier);
    EXPECT_TRUE(waitUntil([&] { return page->property("note").toString() == QFileInfo(media().folder()).path(); }, 8000))
        << page->property("note").toString().toStdString();
    QTest::keyClick(w.window, Qt::Key_Escape);
    EXPECT_TRUE(settled(w, 1));
    QTest::qWait(200);
}

TEST_F(ListsAgainstRealVlc, ThePlaylistMarksWhatPlaysPlaysARowFindsAndRemovesAnItem)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    w.remotes.session().openPlaylist();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("item-delta.wav")));
    QQuickItem* page = w.item(QStringLiteral("playlistPage"));
    ASSERT_TRUE(page);
    auto markedRow = [&] {
        QQuickItem* mark = w.item(QStringLiteral("playMark"));
        QQuickItem* row = mark ? mark->parentItem() : nullptr;
        while (row && !row->objectName().startsWith(u"item-"))
            row = row->parentItem();
        return row ? row->objectName() : QString();
    };
    EXPECT_EQ(markedRow(), u"item-alpha.wav");
    ASSERT_TRUE(w.item(QStringLiteral("barNote"))) << "the bar does not say what plays";
    EXPECT_EQ(w.item(QStringLiteral("barNote"))->property("text").toString(), u"alpha.wav");

    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w.window);
    QAccessibleInterface* list = accessible(root, QAccessible::List, QStringLiteral("Playlist"));
    ASSERT_TRUE(list);
    EXPECT_EQ(rowNames(list).size(), 4) << rowNames(list).join(u'|').toStdString();
    QStringList buttons;
    buttonNames(root, buttons);
    for (const char* name : { "Remove", "Empty the playlist", "Loop", "Repeat", "Shuffle" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name << " in " << buttons.join(u'|').toStdString();
    EXPECT_FALSE(buttons.contains(QString())) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(accessible(root, QAccessible::EditableText, QStringLiteral("Search the playlist")));

    // A tap plays the row; the mark follows what VLC plays.
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    w.click(w.item(QStringLiteral("item-delta.wav")));
    EXPECT_TRUE(vlcSays.waitFor([&] { return playingName(vlcSays) == u"delta.wav"; }));
    EXPECT_TRUE(waitUntil([&] { return markedRow() == u"item-delta.wav"; }, 8000)) << markedRow().toStdString();

    // The mark takes room from the name beside it, yet a name that fits its
    // row whole fits it playing too: the window narrowed to where Bob's
    // name just fits, that row is played.
    const QString bob = QStringLiteral("Bob's Café Song.wav");
    const auto bobCut = [&] {
        QQuickItem* name = ProgramWindow::find(w.item(QStringLiteral("item-") + bob), [&](QQuickItem* item) {
            return item->inherits("QQuickText") && item->property("text").toString() == bob;
        });
        return !name || name->property("truncated").toBool();
    };
    const QSize wide = w.window->size();
    int narrow = wide.width();
    for (; narrow > 160 && !bobCut(); narrow -= 2) {
        w.window->resize(narrow - 2, wide.height());
        QTest::qWait(10);
    }
    w.window->resize(narrow + 2, wide.height());
    ASSERT_TRUE(waitUntil([&] { return !bobCut(); }));
    w.click(w.item(QStringLiteral("item-") + bob));
    EXPECT_TRUE(vlcSays.waitFor([&] { return playingName(vlcSays) == bob; }));
    EXPECT_TRUE(waitUntil([&] { return markedRow() == QStringLiteral("item-") + bob; }, 8000)) << markedRow().toStdString();
    QTest::qWait(100); // laid out anew, with the mark
    EXPECT_FALSE(bobCut()) << "at " << narrow + 2 << " pixels";
    w.window->resize(wide);

    // The search keeps the rows whose names hold every word typed.
    w.click(w.item(QStringLiteral("searchField")));
    for (char c : std::string("cafe SONG"))
        QTest::keyClick(w.window, c);
    QQuickItem* rows = w.item(QStringLiteral("playlistList"));
    EXPECT_TRUE(waitUntil([&] { return rows->property("count").toInt() == 1; }, 2000));
    EXPECT_TRUE(w.item(QStringLiteral("item-Bob's Café Song.wav")));
    QTest::keyClick(w.window, Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return rows->property("count").toInt() == 4; }, 2000));

    // The mode buttons show what VLC's reply to the tap reports.
    const auto image = [&](const char* mode) { return w.item(QString::fromLatin1(mode))->property("image").toString(); };
    for (const auto& [mode, on] : { std::pair("loop", "Loop_Yes.png"), std::pair("repeat", "Repeat_Yes.png") }) {
        w.click(w.item(QString::fromLatin1(mode)));
        EXPECT_TRUE(waitUntil([&] { return image(mode) == QLatin1String(on); }, 8000)) << image(mode).toStdString();
    }
    // VLC turns loop off as repeat goes on; the images say so.
    ASSERT_TRUE(vlcSays.refreshStatus());
    EXPECT_TRUE(vlcSays->state().isRepeating());
    EXPECT_EQ(image("loop"), vlcSays->state().isLooping() ? u"Loop_Yes.png" : u"Loop.png");
    EXPECT_EQ(image("random"), u"Random.png");

    // A row's button removes its item from VLC's playlist.
    ASSERT_TRUE(w.item(QStringLiteral("remove-alpha.wav")));
    w.click(w.item(QStringLiteral("remove-alpha.wav")));
    EXPECT_TRUE(vlcSays.waitFor([&] { return itemsNamed(vlcSays, QStringLiteral("alpha.wav")) == 0; }));
    EXPECT_EQ(vlcSays->state().itemsInPlaylist(), 3);
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("item-alpha.wav")); }, 8000));

    // Emptying asks first: Ok, the destructive
    // choice, above Cancel.
    w.click(w.item(QStringLiteral("empty")));
    ASSERT_TRUE(shows(w, QStringLiteral("emptyOk"), 2000));
    QTest::qWait(300); // the sheet lays out and opens
    QQuickItem* ok = w.item(QStringLiteral("emptyOk"));
    QQuickItem* cancel = w.item(QStringLiteral("emptyCancel"));
    ASSERT_TRUE(cancel);
    EXPECT_LT(w.centreOf(ok).y(), w.centreOf(cancel).y());
    EXPECT_GE(ok->height(), 48);
    w.click(ok);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().itemsInPlaylist() == 0; }));
    EXPECT_TRUE(shows(w, QStringLiteral("playlistEmpty")));
    leave(w);
}

// The playlist's bar sorts it in VLC, and opens an address: one VLC is
// not sent says why and sends nothing, one it takes is added to its playlist.
TEST_F(ListsAgainstRealVlc, ThePlaylistsBarSortsItAndOpensAnAddress)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    // Known to be VLC's Lua interface, as the remote chosen in the list is.
    VLCController& remote = *w.remotes.session().remote();
    remote.searchForPlayerLink();
    ASSERT_TRUE(waitUntil([&] { return remote.luaMode(); }, 5000));
    w.remotes.session().openPlaylist();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("item-delta.wav")));
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    auto titles = [&] {
        QStringList names;
        for (const PlaylistItem& item : vlcSays->state().playlist().items())
            names << vlcSays->state().titleOf(item);
        return names;
    };
    ASSERT_TRUE(vlcSays.refreshPlaylist());
    QStringList descending = titles();
    std::sort(descending.begin(), descending.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) > 0; });
    ASSERT_NE(titles(), descending);

    // By title, reversed: the switch, then the key.
    ASSERT_TRUE(shows(w, QStringLiteral("sort")));
    w.click(w.item(QStringLiteral("sort")));
    ASSERT_TRUE(shows(w, QStringLiteral("sort-0"), 2000));
    QTest::qWait(300); // the sheet lays out and opens
    w.click(w.item(QStringLiteral("sortReverse")));
    w.click(w.item(QStringLiteral("sort-0")));
    EXPECT_TRUE(vlcSays.waitFor([&] { return titles() == descending; })) << titles().join(u'|').toStdString();

    // "Open address...": a refused address says why; Play sends nothing.
    w.click(w.item(QStringLiteral("openAddress")));
    ASSERT_TRUE(shows(w, QStringLiteral("openAddressField"), 2000));
    QTest::qWait(300);
    const int before = vlcSays->state().itemsInPlaylist();
    for (char c : std::string("file:///etc/passwd"))
        QTest::keyClick(w.window, c);
    ASSERT_TRUE(shows(w, QStringLiteral("openAddressProblem"), 2000));
    EXPECT_TRUE(w.item(QStringLiteral("openAddressProblem"))->property("text").toString().contains(u"\"file\""));
    w.click(w.item(QStringLiteral("openAddressPlay")));
    EXPECT_TRUE(w.item(QStringLiteral("openAddressField"))) << "the sheet stays while the address cannot go";
    w.click(w.item(QStringLiteral("openAddressField")));
    QTest::keyClick(w.window, Qt::Key_A, Qt::ControlModifier);
    for (char c : std::string("http://127.0.0.1:9/stream.mp3"))
        QTest::keyClick(w.window, c);
    EXPECT_FALSE(w.item(QStringLiteral("openAddressProblem")));
    w.click(w.item(QStringLiteral("openAddressAdd")));
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("openAddressField")); }, 2000));
    EXPECT_TRUE(vlcSays.waitFor([&] {
        const std::vector<PlaylistItem>& items = vlcSays->state().playlist().items();
        return int(items.size()) == before + 1 && items.back().uriText() == u"http://127.0.0.1:9/stream.mp3";
    }));
    leave(w);
}

// While something plays, a subtitle file's row in the browser gives its
// subtitles to it: VLC lists a subtitle stream more.
TEST_F(ListsAgainstRealVlc, ASubtitleFileInTheBrowserJoinsWhatPlays)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile srt(folder.filePath(QStringLiteral("words.srt")));
    ASSERT_TRUE(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,000 --> 00:00:09,000\nHello\n");
    srt.close();
    SampleMedia::makeReadableByAll(folder.path());
    SampleMedia::makeReadableByAll(srt.fileName());
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    auto subtitleStreams = [&] {
        ptrdiff_t n = 0;
        for (const PlayerStatus::Stream& s : vlcSays->state().playerStatus().streams)
            n += s.type == u"Subtitle";
        return n;
    };
    ASSERT_TRUE(vlcSays.refreshStatus());
    const ptrdiff_t before = subtitleStreams();
    w.remotes.session().remote()->setBrowseDir(folder.path());
    w.remotes.session().openBrowser();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("subtitles-words.srt")));
    EXPECT_FALSE(w.item(QStringLiteral("play-words.srt")));
    w.click(w.item(QStringLiteral("subtitles-words.srt")));
    EXPECT_TRUE(shows(w, QStringLiteral("addedNotice"), 1500));
    EXPECT_TRUE(vlcSays.waitFor([&] { return subtitleStreams() == before + 1; })) << subtitleStreams();
    QTest::keyClick(w.window, Qt::Key_Escape);
    EXPECT_TRUE(settled(w, 1));
    QTest::qWait(200);
}

TEST_F(ListsAgainstRealVlc, ChapterAndTitleSayWhenWhatPlaysHasNone)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    w.remotes.navigator().showChapterTitle();
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(shows(w, QStringLiteral("emptyNote"), 3000));
    leave(w);
}

TEST_F(ListsAgainstRealVlc, ThePlaylistBringsWhatPlaysIntoViewWhenTheFirstListComes)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    // A longer playlist than the window has seen, playing its last item.
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    for (int round = 0; round < 5; ++round)
        for (const QString& file : media().files())
            ASSERT_TRUE(vlcSays.command([&](VLCController& c) { c.enqueueFilename(file); }));
    ASSERT_TRUE(vlcSays.refreshPlaylist());
    const int items = vlcSays->state().itemsInPlaylist();
    ASSERT_EQ(items, 6 * int(media().files().size()));
    const int lastId = int(vlcSays->state().playlist().items().back().id);
    ASSERT_TRUE(vlcSays.switchCommand([&](VLCController& c) { c.playFromStart(lastId); }));
    ASSERT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().currentIndex() == items - 1; }));

    // The screen shows the list the window had until the first one comes.
    w.remotes.navigator().showPlaylist();
    ASSERT_TRUE(settled(w, 2));
    QQuickItem* list = w.item(QStringLiteral("playlistList"));
    EXPECT_EQ(list->property("count").toInt(), media().files().size());
    ASSERT_TRUE(waitUntil([&] { return list->property("count").toInt() == items; }, 8000));
    auto markInView = [&] {
        QQuickItem* mark = w.item(QStringLiteral("playMark"));
        if (!mark)
            return false;
        const qreal y = mark->mapToItem(list, QPointF(0, mark->height() / 2)).y();
        return y > 0 && y < list->height();
    };
    EXPECT_TRUE(waitUntil(markInView, 2000));
    leave(w);
}

TEST_F(ListsAgainstRealVlc, TheListsTextSizeFollowsCtrlWithKeysAndTheWheelAndNothingIsCutOff)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::unique_ptr<ProgramWindow> window = openRemote();
    ProgramWindow& w = *window;
    w.window->resize(320, 568);
    w.remotes.session().remote()->setBrowseDir(media().folder());
    w.remotes.session().openBrowser();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("entry-alpha.wav")));
    QQuickItem* folderList = w.item(QStringLiteral("folderList"));
    auto sizeOf = [&](const QString& row, const QString& text) {
        QQuickItem* label = labelOf(w.item(row), text);
        return label ? label->property("font").value<QFont>().pointSize() : -1;
    };
    EXPECT_EQ(sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")), 16);
    folderList->forceActiveFocus();
    QTest::keyClick(w.window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")), 18);
    QTest::keyClick(w.window, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")), 16);

    // Two fingers drawn apart: larger text.
    static QPointingDevice* screen = QTest::createTouchDevice();
    const QPoint centre = folderList->mapToScene(QPointF(folderList->width() / 3, folderList->height() / 2)).toPoint();
    QTest::touchEvent(w.window, screen).press(0, centre - QPoint(0, 40)).press(1, centre + QPoint(0, 40));
    for (int step = 1; step <= 10; ++step) {
        QTest::qWait(20);
        QTest::touchEvent(w.window, screen).move(0, centre - QPoint(0, 40 + 4 * step)).move(1, centre + QPoint(0, 40 + 4 * step));
    }
    QTest::touchEvent(w.window, screen).release(0, centre - QPoint(0, 80)).release(1, centre + QPoint(0, 80));
    EXPECT_TRUE(waitUntil([&] { return sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")) > 16; }, 1000))
        << sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav"));
    QTest::keyClick(w.window, Qt::Key_0, Qt::ControlModifier);

    // Ctrl with the wheel: a point a notch, up to the largest size.
    const QPointF inList = folderList->mapToScene(QPointF(folderList->width() / 3, folderList->height() / 2));
    QWheelEvent wheel(inList, w.window->mapToGlobal(inList), QPoint(), QPoint(0, 120 * 40), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w.window, &wheel);
    EXPECT_EQ(sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")), 40);
    EXPECT_EQ(folderList->property("contentY").toReal(), folderList->property("originY").toReal());

    // At that size each row is tall enough for its text, and its button
    // stays on the screen.
    QTest::qWait(50);
    for (const QString& name : { QStringLiteral("alpha.wav"), QStringLiteral("Sub Folder") }) {
        QQuickItem* row = w.item(QStringLiteral("entry-") + name);
        QQuickItem* label = labelOf(row, name);
        ASSERT_TRUE(label) << name.toStdString();
        const QRectF text = label->mapRectToItem(row, QRectF(0, 0, label->width(), label->implicitHeight()));
        EXPECT_GE(text.top(), 0) << name.toStdString();
        EXPECT_LE(text.bottom(), row->height()) << name.toStdString();
        EXPECT_GT(label->width(), 0) << name.toStdString();
        QQuickItem* play = w.item(QStringLiteral("play-") + name);
        ASSERT_TRUE(play);
        EXPECT_LE(play->mapToScene(QPointF(play->width(), 0)).x(), 320) << name.toStdString();
    }

    // The playlist has a size of its own; each keeps its size while the
    // program runs.
    QTest::keyClick(w.window, Qt::Key_Escape);
    ASSERT_TRUE(settled(w, 1));
    w.remotes.session().openPlaylist();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("item-delta.wav")));
    EXPECT_EQ(sizeOf(QStringLiteral("item-delta.wav"), QStringLiteral("delta.wav")), 16);
    w.item(QStringLiteral("playlistList"))->forceActiveFocus();
    QTest::keyClick(w.window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(sizeOf(QStringLiteral("item-delta.wav"), QStringLiteral("delta.wav")), 14);
    QTest::keyClick(w.window, Qt::Key_Escape);
    ASSERT_TRUE(settled(w, 1));
    w.remotes.session().openBrowser();
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(shows(w, QStringLiteral("entry-alpha.wav")));
    EXPECT_EQ(sizeOf(QStringLiteral("entry-alpha.wav"), QStringLiteral("alpha.wav")), 40);
    leave(w);
}
