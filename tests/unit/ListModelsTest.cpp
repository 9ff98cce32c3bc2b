#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/RowKeys.h"
#include "core/ServiceHosts.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "MemoryNetwork.h"
#include "models/AspectRatioModel.h"
#include "models/ChapterTitleModel.h"
#include "models/FolderModel.h"
#include "models/Navigator.h"
#include "models/NewsModel.h"
#include "models/PlaylistModel.h"
#include "models/RemotesModel.h"
#include "models/SkinGalleryAddress.h"
#include "models/SkinListModel.h"
#include "models/TableStructureModel.h"
#include "models/TrackModel.h"
#include "TestSupport.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A remote on an in-memory network that answers every request with a
// status; the replies the tests care about are fed to it directly.
struct Remote {
    MemoryNetwork network;
    std::shared_ptr<VLCController> remote
        = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network);
    explicit Remote(const QString& answer = QStringLiteral("vlc3-status-paused.xml"))
    {
        network.setHandler([body = fixture(answer)](const QNetworkRequest&) { return MemoryNetwork::ok(body); });
    }
    bool settled() { return waitUntil([&] { return network.inFlight() == 0 && !remote->isBusy(); }); }
    QByteArray lastTarget() { return settled() && !network.targets().isEmpty() ? network.targets().last() : QByteArray(); }
};

// Every change a model announces, by kind.
struct ModelSpy {
    QSignalSpy resets;
    QSignalSpy inserts;
    QSignalSpy removals;
    QSignalSpy changes;
    explicit ModelSpy(QAbstractItemModel* model)
        : resets(model, &QAbstractItemModel::modelReset)
        , inserts(model, &QAbstractItemModel::rowsInserted)
        , removals(model, &QAbstractItemModel::rowsRemoved)
        , changes(model, &QAbstractItemModel::dataChanged)
    {
    }
    int structural() const { return int(resets.count() + inserts.count() + removals.count()); }
};

void testModel(QAbstractItemModel* model)
{
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal, model);
}

QString text(const QAbstractItemModel& model, int row, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, 0), role).toString();
}

bool flag(const QAbstractItemModel& model, int row, int role)
{
    return model.data(model.index(row, 0), role).toBool();
}
}

TEST(PlaylistModel, KeepsItsRowsWhenTheItemsStayTheSame)
{
    Remote r;
    PlaylistModel model;
    testModel(&model);
    model.setRemote(r.remote);
    r.remote->parseStatusResponse(fixture(QStringLiteral("vlc3-status-playing.xml")));
    const QByteArray playlist = fixture(QStringLiteral("vlc3-playlist.xml"));
    r.remote->parsePlaylistResponse(playlist);
    ASSERT_EQ(model.count(), 2);
    EXPECT_EQ(text(model, 1), QStringLiteral("Bob's Café Song.wav"));
    EXPECT_EQ(model.currentRow(), 1);
    EXPECT_TRUE(flag(model, 1, PlaylistModel::CurrentRole));

    ModelSpy spy(&model);
    r.remote->parsePlaylistResponse(playlist); // unchanged: not even read
    EXPECT_EQ(spy.structural() + spy.changes.count(), 0);

    // VLC moved on to the other item: the rows stay, two of them change.
    QByteArray next = playlist;
    next.replace(" current=\"current\"", "").replace("<leaf name=\"alpha.wav\"", "<leaf name=\"alpha.wav\" current=\"current\"");
    QSignalSpy current(&model, &PlaylistModel::currentRowChanged);
    r.remote->parsePlaylistResponse(next);
    EXPECT_EQ(spy.structural(), 0);
    EXPECT_GE(spy.changes.count(), 1);
    EXPECT_EQ(model.currentRow(), 0);
    EXPECT_EQ(current.count(), 1);

    // Another item: another list.
    QByteArray longer = next;
    longer.replace("</node>\n<node name=\"Media Library\"",
                   "<leaf name=\"gamma.wav\" ro=\"rw\" id=\"9\" uri=\"file:///tmp/gamma.wav\" duration=\"5\"/></node>\n<node name=\"Media Library\"");
    r.remote->parsePlaylistResponse(longer);
    EXPECT_EQ(spy.resets.count(), 1);
    EXPECT_EQ(model.count(), 3);
    model.play(2);
    EXPECT_TRUE(r.network.targets().contains("/requests/status.xml?command=pl_play&id=9"));
}

TEST(TrackModel, ListsEachKindInItsSectionAndMarksTheChoice)
{
    Remote r;
    TrackModel audioVideo({ TrackSelection::Audio, TrackSelection::Video });
    TrackModel subtitles({ TrackSelection::Subtitle });
    testModel(&audioVideo);
    testModel(&subtitles);
    audioVideo.setRemote(r.remote);
    subtitles.setRemote(r.remote);
    r.remote->parseStatusResponse(fixture(QStringLiteral("vlc3-status-tracks.xml")));
    ASSERT_EQ(audioVideo.rowCount(), 4);
    EXPECT_EQ(text(audioVideo, 0), QStringLiteral("None"));
    EXPECT_EQ(text(audioVideo, 1), QStringLiteral("English"));
    EXPECT_EQ(text(audioVideo, 1, TrackModel::DetailsRole), QStringLiteral("Codec: MPEG AAC Audio (mp4a), Channels: Stereo"));
    EXPECT_EQ(text(audioVideo, 1, TrackModel::SectionRole), QStringLiteral("Audio"));
    EXPECT_EQ(text(audioVideo, 3), QStringLiteral("Track 1"));
    EXPECT_EQ(text(audioVideo, 3, TrackModel::SectionRole), QStringLiteral("Video"));
    ASSERT_EQ(subtitles.rowCount(), 2);
    EXPECT_EQ(text(subtitles, 1), QStringLiteral("German"));

    // VLC 3 never says which track plays: the choice marks it.
    ModelSpy spy(&audioVideo);
    audioVideo.select(1);
    EXPECT_TRUE(r.network.targets().contains("/requests/status.xml?command=audio_track&val=1"));
    EXPECT_TRUE(flag(audioVideo, 1, TrackModel::SelectedRole));
    EXPECT_EQ(spy.structural(), 0);
}

TEST(TrackModel, NamesATrackByWhatItsStreamSays)
{
    Remote r;
    TrackModel tracks({ TrackSelection::Video, TrackSelection::Audio, TrackSelection::Subtitle });
    tracks.setRemote(r.remote);
    r.remote->parsePlaylistResponse(fixture(QStringLiteral("legacy-playlist.xml")));
    r.remote->parseStatusResponse(fixture(QStringLiteral("legacy-status.xml")));
    QStringList names;
    for (int row = 0; row < tracks.rowCount(); ++row)
        names << text(tracks, row);
    EXPECT_EQ(names, (QStringList { "None", "Track 1", "None", "English", "Unspecified language", "None", "Forced French",
                                    "( Unnamed )" }));
    EXPECT_EQ(text(tracks, 1, TrackModel::DetailsRole),
              QStringLiteral("Codec: H264 - MPEG-4 AVC (part 10) (avc1), Resolution: 1280x720"));
    EXPECT_EQ(text(tracks, 6, TrackModel::DetailsRole), QString()) << "its name says all it has";

    r.remote->parseStatusResponse("<?xml version=\"1.0\"?><root><state>playing</state><information>"
                                  "<category name='Stream 7'><info name='Type'>Subtitle</info>"
                                  "<info name='Language'>French</info></category></information></root>");
    ASSERT_EQ(tracks.rowCount(), 4);
    EXPECT_EQ(text(tracks, 3), QStringLiteral("French"));
}

TEST(ChapterTitleModel, ListsTitlesThenChaptersAndPlaysTheChosenOne)
{
    Remote r;
    ChapterTitleModel model;
    testModel(&model);
    model.setRemote(r.remote);
    r.remote->parseStatusResponse(fixture(QStringLiteral("legacy-status.xml")));
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(text(model, 0), QStringLiteral("DVD Menu"));
    EXPECT_EQ(text(model, 0, ChapterTitleModel::SectionRole), QStringLiteral("Title"));
    EXPECT_EQ(text(model, 3), QStringLiteral("Chapter 1"));
    EXPECT_TRUE(flag(model, 3, ChapterTitleModel::CurrentRole));
    model.select(4);
    EXPECT_TRUE(r.lastTarget().endsWith("command=chapter&val=2"));
}

TEST(AspectRatioModel, FollowsTheRatioInForceWithoutLosingItsRows)
{
    Remote r;
    AspectRatioModel model;
    testModel(&model);
    model.setRemote(r.remote);
    const QByteArray status = fixture(QStringLiteral("vlc3-status-chapters.xml"));
    r.remote->parseStatusResponse(status);
    ASSERT_EQ(model.rowCount(), 9);
    EXPECT_EQ(text(model, 0), QStringLiteral("Default"));
    EXPECT_TRUE(flag(model, 0, AspectRatioModel::CurrentRole));
    ModelSpy spy(&model);
    QByteArray wide = status;
    r.remote->parseStatusResponse(wide.replace("<aspectratio>default</aspectratio>", "<aspectratio>16:9</aspectratio>"));
    EXPECT_EQ(spy.structural(), 0);
    EXPECT_TRUE(flag(model, 4, AspectRatioModel::CurrentRole));
    EXPECT_FALSE(flag(model, 0, AspectRatioModel::CurrentRole));
    model.select(0);
    EXPECT_TRUE(r.lastTarget().contains("command=aspectratio"));
}

TEST(FolderModel, ShowsTheListingAndOpensFoldersAndFiles)
{
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/folder.ini"));
    Remote r(QStringLiteral("vlc3-status-stopped.xml"));
    FolderModel model(defaults);
    testModel(&model);
    model.setRemote(r.remote);
    r.remote->parseStatusResponse(fixture(QStringLiteral("vlc3-status-stopped.xml")));
    r.remote->setBrowseDir(QStringLiteral("/tmp/plmedia"));
    r.remote->parseBrowseResponse(fixture(QStringLiteral("vlc3-browse.xml")));
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.folder(), QStringLiteral("/tmp/plmedia"));
    EXPECT_TRUE(flag(model, 0, FolderModel::ParentRole));
    EXPECT_FALSE(flag(model, 0, FolderModel::PlayableRole));
    EXPECT_EQ(text(model, 1, FolderModel::FileTypeRole), QStringLiteral("music"));
    EXPECT_FALSE(flag(model, 3, FolderModel::PlayableRole)); // a folder, while folders do not play
    EXPECT_EQ(model.rowForIndexTitle(QStringLiteral("F")), 3);

    model.up(); // "/tmp/plmedia/.." asked for as "/tmp"
    EXPECT_TRUE(r.lastTarget().endsWith("browse.xml?dir=%2Ftmp"));
    // Adding to a stopped player: the new item is started, then stopped.
    model.setAdds(true);
    model.open(2);
    EXPECT_TRUE(r.network.targets().last().contains("command=in_enqueue"));
    EXPECT_EQ(r.remote->connection().requestQueue().size(), 2u);
}

TEST(FolderModel, PathsGoToVlcAndTheTitleTidied)
{
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/folder.ini"));
    Remote r;
    FolderModel model(defaults);
    model.setRemote(r.remote);
    // Only a saved remote keeps a folder to start in.
    r.remote->setBrowseDir(QStringLiteral("/srv"));
    EXPECT_FALSE(model.makeDefaultFolder());
    EXPECT_TRUE(r.remote->record().defaultBrowseDirectory.isNull());
    r.remote->setIsSaved(true);
    // VLC 3 names the entries of "/" with two slashes.
    r.remote->setBrowseDir(QStringLiteral("/"));
    r.remote->parseBrowseResponse("<root><element type='dir' path='//..' name='..' uri='file:///'/>"
                                  "<element type='dir' path='//srv' name='srv'/></root>");
    EXPECT_EQ(FolderModel::shownFolder(*r.remote), QStringLiteral("/"));
    model.open(1);
    EXPECT_TRUE(r.lastTarget().endsWith("browse.xml?dir=%2Fsrv")) << r.lastTarget().toStdString();
    // A folder asked for the long way round, as an older default may be.
    r.remote->setBrowseDir(QStringLiteral("/srv/other/../media"));
    r.remote->parseBrowseResponse("<root><element type='dir' path='/srv/other/../media/..' name='..' uri='file:///srv'/>"
                                  "<element type='file' path='/srv/other/../media/a.wav' name='a.wav'/></root>");
    EXPECT_EQ(FolderModel::shownFolder(*r.remote), QStringLiteral("/srv/media"));
    model.play(1);
    ASSERT_TRUE(r.settled());
    EXPECT_TRUE(r.network.targets().contains("/requests/status.xml?command=in_play&input=%2Fsrv%2Fmedia%2Fa.wav"));
    EXPECT_TRUE(model.makeDefaultFolder());
    EXPECT_EQ(r.remote->record().defaultBrowseDirectory, QStringLiteral("/srv/media"));
    model.up();
    EXPECT_TRUE(r.lastTarget().endsWith("browse.xml?dir=%2Fsrv")) << r.lastTarget().toStdString();
}

TEST(FolderModel, TheIndexChoosesInTheOrderTheNamesAreShown)
{
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/folder.ini"));
    Remote r;
    FolderModel model(defaults);
    model.setRemote(r.remote);
    r.remote->parseBrowseResponse("<root><element type='dir' path='/m/..' name='..'/>"
                                  "<element type='file' path='/m/Café Crème.wav' name='Café Crème.wav'/>"
                                  "<element type='file' path='/m/Zebra.wav' name='Zebra.wav'/>"
                                  "<element type='file' path='/m/alpha beta.wav' name='alpha beta.wav'/></root>");
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(text(model, 1), QStringLiteral("alpha beta.wav"));
    EXPECT_EQ(model.rowForIndexTitle(QStringLiteral("A")), 1);
    EXPECT_EQ(model.rowForIndexTitle(QStringLiteral("D")), 3);
}

TEST(FolderModel, TheListingsItAsksForFollowItsOwnOnlyMediaFilesPreference)
{
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/folder.ini"));
    Remote r;
    FolderModel model(defaults);
    model.setRemote(r.remote);
    defaults.setBool(PreferenceKeys::onlyShowMediaFiles, true);
    model.home();
    r.remote->parseBrowseResponse(fixture(QStringLiteral("vlc3-browse.xml")));
    EXPECT_EQ(model.rowCount(), 4); // notes.txt left out
    defaults.setBool(PreferenceKeys::onlyShowMediaFiles, false);
    model.home();
    r.remote->parseBrowseResponse(fixture(QStringLiteral("vlc3-browse.xml")));
    EXPECT_EQ(model.rowCount(), 5);
}

TEST(RemotesModel, ListsSavedThenFoundComputersWithWhatTheyAnswer)
{
    ManualClock clock;
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest& request) {
        // Only the saved computer runs VLC.
        return request.url().host() == u"saved.test" ? MemoryNetwork::ok(fixture(QStringLiteral("vlc3-start-page-head.html")))
                                                     : MemoryNetwork::refused();
    });
    SavedRemoteList saved(&network);
    RemoteRecord record = RemoteRecord::forAddress(QStringLiteral("saved.test"));
    record.nickname = QStringLiteral("Study");
    saved.setRecords({ record });
    RemotesModel model(saved, &network);
    testModel(&model);
    model.setDiscovered({ BonjourComputer(QStringLiteral("Living Room"), QStringLiteral("10.77.0.9"), false) });
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(text(model, 0), QStringLiteral("Study"));
    EXPECT_TRUE(flag(model, 0, RemotesModel::SavedRole));
    EXPECT_EQ(text(model, 1), QStringLiteral("Living Room"));
    EXPECT_EQ(text(model, 1, RemotesModel::SectionRole), QStringLiteral("Found Computers"));

    ModelSpy spy(&model);
    QSignalSpy valid(&model, &RemotesModel::answeredAsVlc);
    model.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return text(model, 0, RemotesModel::AnswerKeyRole) == u"answers"; }));
    EXPECT_EQ(text(model, 1, RemotesModel::AnswerKeyRole), QStringLiteral("no-answer"));
    EXPECT_EQ(spy.structural(), 0);
    ASSERT_EQ(valid.count(), 1);
    EXPECT_EQ(valid[0][0].toInt(), 0);

    // A fresh scan forgets what was found.
    model.clearFound();
    EXPECT_EQ(model.rowCount(), 1);
}

// Only saved rows are removed or moved, and a move stays among them.
TEST(RemotesModel, EditsTheSavedComputersOnly)
{
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) { return MemoryNetwork::refused(); });
    SavedRemoteList saved(&network);
    RemoteRecord study = RemoteRecord::forAddress(QStringLiteral("study.test"));
    study.nickname = QStringLiteral("Study");
    RemoteRecord attic = RemoteRecord::forAddress(QStringLiteral("attic.test"));
    attic.nickname = QStringLiteral("Attic");
    saved.setRecords({ study, attic });
    RemotesModel model(saved, &network);
    model.setDiscovered({ BonjourComputer(QStringLiteral("Living Room"), QStringLiteral("10.77.0.9"), false) });
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_FALSE(model.moveSaved(0, 2)) << "onto the found computer";
    EXPECT_FALSE(model.removeSaved(2)) << "a found computer";
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.moveSaved(0, 1));
    EXPECT_EQ(saved.recordAt(0).nickname, u"Attic");
    EXPECT_EQ(text(model, 1), QStringLiteral("Study"));
    EXPECT_TRUE(model.removeSaved(0));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved.recordAt(0).nickname, u"Study");
    EXPECT_EQ(text(model, 1), QStringLiteral("Living Room"));
}

TEST(SkinListModel, ListsTheShippedSkinFirstAndTheChoice)
{
    ScopedHome home;
    UserDefaults defaults(home.path() + QStringLiteral("/skins.ini"));
    for (const char* name : { "Zebra", "alpha", "__delete-work" })
        QDir().mkpath(SkinFolders::installedSkins() + u'/' + QLatin1String(name));
    defaults.setObject(PreferenceKeys::skin, SkinFolders::builtInSkin);
    SkinListModel model(defaults);
    testModel(&model);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(text(model, 0), QStringLiteral("DefaultSkin"));
    EXPECT_EQ(text(model, 1), QStringLiteral("alpha"));
    EXPECT_EQ(text(model, 2), QStringLiteral("Zebra"));
    EXPECT_TRUE(flag(model, 0, SkinListModel::ChosenRole));
    EXPECT_FALSE(flag(model, 0, SkinListModel::DeletableRole));
    model.choose(2);
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), QStringLiteral("Documents/Skins/Zebra"));
    EXPECT_TRUE(flag(model, 2, SkinListModel::ChosenRole));
    EXPECT_FALSE(flag(model, 0, SkinListModel::ChosenRole));
}

TEST(SkinListModel, FollowsTheSkinsFolderWhileShown)
{
    ScopedHome home; // no skins folder yet
    UserDefaults defaults(home.path() + QStringLiteral("/skins.ini"));
    SkinListModel model(defaults);
    testModel(&model);
    ModelSpy spy(&model);
    model.setFollowsFolder(true);
    ASSERT_TRUE(QDir().mkpath(SkinFolders::installedSkins() + QStringLiteral("/Aurora")));
    ASSERT_TRUE(waitUntil([&] { return model.rowCount() == 2; }));
    EXPECT_EQ(text(model, 1), QStringLiteral("Aurora"));
    // Work folders of an install come and go unlisted, and change no row.
    const int changes = spy.structural();
    ASSERT_TRUE(QDir().mkpath(SkinFolders::installedSkins() + QStringLiteral("/__install-x2/Glacier")));
    ASSERT_TRUE(QDir().rename(SkinFolders::installedSkins() + QStringLiteral("/__install-x2/Glacier"),
                              SkinFolders::installedSkins() + QStringLiteral("/Glacier")));
    ASSERT_TRUE(waitUntil([&] { return model.rowCount() == 3; }));
    EXPECT_EQ(spy.structural(), changes + 1);
    ASSERT_TRUE(QDir(SkinFolders::installedSkins() + QStringLiteral("/Aurora")).removeRecursively());
    ASSERT_TRUE(waitUntil([&] { return model.rowCount() == 2; }));
    EXPECT_EQ(text(model, 1), QStringLiteral("Glacier"));
}

TEST(SkinGalleryAddress, CompletesTypedAddressesAsABrowserBarWould)
{
    auto completed = [](const char* typed) { return SkinGalleryAddress::completedAddress(QString::fromUtf8(typed)); };
    EXPECT_EQ(completed("http://skins.example/x"), u"http://skins.example/x");
    EXPECT_EQ(completed("https://skins.example"), u"https://skins.example");
    EXPECT_EQ(completed("www.skins.example"), u"http://www.skins.example");
    EXPECT_EQ(completed("skins.example/new"), u"http://www.skins.example/new");
    // Never a "www." before an address, localhost, a port or a name without a dot.
    for (const char* typed : { "127.0.0.1:18900", "192.168.1.20/skins", "[::1]:8080/x", "localhost", "localhost:8080",
                               "gallery.lan:8000/new", "mediabox/skins" })
        EXPECT_EQ(completed(typed), QStringLiteral("http://") + QString::fromLatin1(typed));
    EXPECT_EQ(completed("  "), QString());
}

TEST(NewsModel, LoadsTheFeedsAndTellsOfUnreadNews)
{
    struct ShownItems : Navigator {
        QStringList pages;
        void showNewsItem(const QString& html) override { pages << html; }
    } navigator;
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\"><channel><title>News</title>"
                                  "<item><title>Skins &amp; more</title><pubDate>Tue, 08 Dec 2026 16:26:53 GMT</pubDate>"
                                  "<description>&lt;p&gt;New skins&lt;/p&gt;</description></item></channel></rss>");
    });
    QDir().mkpath(HomePaths::bundle());
    QFile list(HomePaths::bundle() + QStringLiteral("/modelFeeds.plist"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
               "<key>PlayerLink</key><string>/news.rss</string></dict></plist>");
    list.close();
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/news.ini"));
    // The news site is read from the preferences the model is given.
    defaults.setObject(ServiceHosts::newsSiteKey, QStringLiteral("http://") + server.hostAddress());
    QNetworkAccessManager network;
    CapturingAlertPresenter alerts;
    NewsModel model(AppContext { &network, defaults, alerts, Clock::current(), navigator }, QStringLiteral("modelFeeds.plist"),
                    QStringLiteral("feedTemplate"), QStringLiteral("VLC"));
    testModel(&model);
    ASSERT_TRUE(model.isConfigured());
    model.refresh();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(text(model, 0), NewsModel::updatingText);
    ASSERT_TRUE(waitUntil([&] { return !model.isLoading(); }));
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(text(model, 0), QStringLiteral("Skins & more"));
    EXPECT_EQ(text(model, 0, NewsModel::SectionRole), QStringLiteral("PlayerLink"));
    EXPECT_TRUE(model.hasUnread());

    QSignalSpy unread(&model, &NewsModel::hasUnreadChanged);
    model.setShown(true); // seen
    EXPECT_FALSE(model.hasUnread());
    EXPECT_EQ(unread.count(), 1);
    model.open(0);
    ASSERT_EQ(navigator.pages.size(), 1);
    EXPECT_TRUE(navigator.pages[0].contains(QStringLiteral("Skins &amp; more")));
    EXPECT_TRUE(navigator.pages[0].contains(QStringLiteral("<p>New skins</p>")));
    EXPECT_TRUE(flag(model, 0, NewsModel::ReadRole));
}

TEST(TableStructureModel, ShowsEveryRowWithItsSection)
{
    TableStructureModel model;
    testModel(&model);
    auto row = [](int id, const QString& label) {
        return QVariantMap { { BW_ROW_ID_INT, id }, { BW_ROW__AUTO_TEXT_STRING, label } };
    };
    TableStructure structure;
    structure.addSection(QStringLiteral("Playback"));
    structure.addRow(row(1, QStringLiteral("Skip distance")));
    structure.addRow(row(2, QStringLiteral("Double volume")));
    structure.addSection(QStringLiteral("About"));
    structure.addRow(7);
    model.setStructure(structure);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(text(model, 1), QStringLiteral("Double volume"));
    EXPECT_EQ(text(model, 2, TableStructureModel::SectionRole), QStringLiteral("About"));
    EXPECT_EQ(model.data(model.index(2, 0), TableStructureModel::RowIdRole).toInt(), 7);
    EXPECT_EQ(model.indexPathForRow(2), IndexPath(1, 0));

    // Rebuilt as a screen rebuilds it when it appears, with one text changed.
    ModelSpy spy(&model);
    TableStructure again;
    again.addSection(QStringLiteral("Playback"));
    again.addRow(row(1, QStringLiteral("Skip distance: 30 s")));
    again.addRow(row(2, QStringLiteral("Double volume")));
    again.addSection(QStringLiteral("About"));
    again.addRow(7);
    model.setStructure(again);
    EXPECT_EQ(spy.structural(), 0);
    ASSERT_EQ(spy.changes.count(), 1);
    EXPECT_EQ(text(model, 0), QStringLiteral("Skip distance: 30 s"));
}
