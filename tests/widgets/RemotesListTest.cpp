#include "app/SavedRemotesFile.h"
#include "core/Localization.h"
#include "LaunchedApp.h"
#include "net/BonjourBrowser.h"
#include "RealVlcTest.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/NewsModel.h"
#include "models/RemotesDiscovery.h"
#include "models/RemotesModel.h"
#include "screens/MainView/MainViewController.h"
#include "screens/RemoteConfig/RemoteConfigViewController.h"
#include "models/RemoteAnswer.h"
#include "screens/Remotes/RemotesViewController.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BarButton.h"
#include "ui/NavigationBar.h"
#include "vlc/VLCController.h"

#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {
RemoteRecord savedRecord(const QString& name, const QString& address, const QString& password, bool isDefault = false)
{
    RemoteRecord record = RemoteRecord::forAddress(address);
    record.nickname = name;
    record.password = password;
    record.isDefault = isDefault;
    return record;
}

void saveBeforeLaunch(const std::vector<RemoteRecord>& records)
{
    ASSERT_TRUE(SavedRemotesFile().save(records));
}

RemotesViewController* listOf(const LaunchedApp& run)
{
    return run.factory().remotesViewController();
}

// The state icon of a row of the list, as its name says it ("" for none).
QString stateAt(RemotesViewController* list, const IndexPath& row)
{
    TableViewCell* cell = list->myTableView()->cellForRowAtIndexPath(row);
    return cell && cell->accessoryView() ? cell->accessoryView()->objectName() : QString();
}

QString rowText(RemotesViewController* list, const IndexPath& row)
{
    TableViewCell* cell = list->myTableView()->cellForRowAtIndexPath(row);
    return cell ? cell->textLabel()->text() : QString();
}

bool settled(const LaunchedApp& run)
{
    return !run.navigation()->isTransitioning();
}
}

class RemotesListOnRealVlc : public RealVlcTest { };

TEST_F(RemotesListOnRealVlc, TheDefaultOpensOnItsFirstAnswerAndAWrongPasswordIsAskedForAgain)
{
    startVlc();
    if (IsSkipped() || HasFatalFailure())
        return;
    ScopedHome home;
    LaunchedApp run([&] {
        UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2); // no what's-new page
        saveBeforeLaunch({ savedRecord("Den", vlc->hostAddress(), "not the password"),
                           savedRecord("Living Room", vlc->hostAddress(), vlc->password(), true) });
    });
    RemotesViewController* list = listOf(run);
    MainViewController* remoteScreen = run.factory().mainViewController();
    ASSERT_TRUE(waitUntil([&] { return run.top() == remoteScreen && settled(run); }, 10000));
    EXPECT_EQ(remoteScreen->currentRemote()->name(), "Living Room");

    // Back on the list, the default stays put; the other row says why it
    // cannot be used.
    run.navigation()->popToRootViewControllerAnimated(false);
    ASSERT_EQ(run.top(), list);
    ASSERT_TRUE(waitUntil([&] { return stateAt(list, IndexPath(0, 0)) == "state-password-refused"; }, 10000))
        << stateAt(list, IndexPath(0, 0)).toStdString();
    EXPECT_EQ(stateAt(list, IndexPath(0, 1)), "state-answers");
    EXPECT_EQ(run.top(), list);

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 0));
    AlertView* prompt = AlertView::topAlert();
    ASSERT_TRUE(prompt && prompt->textField());
    EXPECT_EQ(prompt->title(), "Password for Den");
    EXPECT_TRUE(prompt->message().startsWith("VLC on that computer did not accept the password."));
    EXPECT_EQ(prompt->textField()->echoMode(), QLineEdit::Password);
    // Refused again: said at once, and asked again for the same computer.
    prompt->textField()->setText(QStringLiteral("still not it"));
    prompt->pressButton(2);
    ASSERT_TRUE(waitUntil([&] { return AlertView::topAlert() && AlertView::topAlert()->textField(); }, 10000));
    prompt = AlertView::topAlert();
    EXPECT_EQ(prompt->title(), "Password for Den");
    EXPECT_TRUE(prompt->message().startsWith("VLC on that computer did not accept the password."));
    EXPECT_EQ(run.top(), list);
    // The row shows VLC's answer as it comes, before whatever it opens.
    const auto den = run.factory().savedRemotes().remoteAt(0);
    QObject observer;
    QString stateOnAnswer;
    NotificationCenter::defaultCenter().addObserver(
        &observer, NotificationNames::vlcFoundValidRemote,
        [&](const Notification&) { stateOnAnswer = stateAt(list, IndexPath(0, 0)); }, den.get());
    prompt->textField()->setText(vlc->password());
    prompt->pressButton(2);
    EXPECT_EQ(RemoteAnswers::of(*den), RemoteAnswer::PasswordNeeded) << "not wrong before VLC has answered it";
    ASSERT_TRUE(waitUntil([&] { return run.top() == remoteScreen && settled(run); }, 10000))
        << run.top()->title().toStdString() << " " << run.navigation()->viewControllers().size();
    EXPECT_EQ(remoteScreen->currentRemote()->name(), "Den");
    EXPECT_EQ(stateOnAnswer, "state-answers");
    EXPECT_EQ(run.factory().savedRemotes().recordAt(0).password, vlc->password());
    ASSERT_TRUE(SavedRemotesFile().load().has_value());
    EXPECT_EQ(SavedRemotesFile().load()->at(0).password, vlc->password()) << "saved at once";
}

TEST_F(RemotesListOnRealVlc, ComputersThatCannotBeUsedAreExplainedWithHelp)
{
    startVlc(QString()); // VLC 3 without a password lets nobody in
    if (IsSkipped() || HasFatalFailure())
        return;
    ScopedHome home;
    const QString silent = QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort());
    LaunchedApp run([&] {
        saveBeforeLaunch({ savedRecord("Study", vlc->hostAddress(), {}), savedRecord("Attic", silent, {}) });
    });
    RemotesViewController* list = listOf(run);
    ASSERT_TRUE(waitUntil([&] { return stateAt(list, IndexPath(0, 0)) == "state-password-not-set"; }, 10000));
    EXPECT_EQ(stateAt(list, IndexPath(0, 1)), "state-no-answer");

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 0));
    AlertView* sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet && sheet->isActionSheet());
    EXPECT_TRUE(sheet->message().contains("no password set")) << sheet->message().toStdString();
    EXPECT_EQ(sheet->buttonTitles(), QStringList({ "Help", "Ok" }));
    sheet->pressButton(1);

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 1));
    sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->message().startsWith("No sign of VLC at that computer.")) << sheet->message().toStdString();
    sheet->pressButton(0);
    ASSERT_TRUE(waitUntil([&] { return run.top() == run.factory().webViewController() && settled(run); }));
    EXPECT_EQ(run.top()->title(), run.factory().webViewController()->title());
    EXPECT_EQ(run.opened.size(), 0) << "help is the bundled page, in the application";
}

TEST(RemotesList, SectionsEditingRulesAndKeys)
{
    ScopedHome home;
    LaunchedApp run([] {
        saveBeforeLaunch({ savedRecord("One", "127.0.0.1:1", {}), savedRecord("Two", "127.0.0.1:2", {}),
                           savedRecord("Three", "127.0.0.1:3", {}) });
    });
    RemotesViewController* list = listOf(run);
    TableView* table = list->myTableView();
    TableStructure* structure = list->tableStructure();
    ASSERT_EQ(structure->numberOfSections(), 3);
    EXPECT_EQ(structure->titleForSection(0), "Saved Computers");
    EXPECT_EQ(rowText(list, IndexPath(0, 3)), "Add computer");
    EXPECT_EQ(rowText(list, IndexPath(1, structure->numberOfRowsInSection(1) - 1)), "Can't see your computer?");
    EXPECT_EQ(rowText(list, IndexPath(2, 0)), "Skins");

    // Keys work window-wide: down moves, F5 starts discovery afresh.
    QTest::keyClick(run.app->window(), Qt::Key_Down);
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 0));
    QTest::keyClick(run.app->window(), Qt::Key_Down);
    EXPECT_EQ(table->indexPathForSelectedRow(), IndexPath(0, 1));
    BonjourBrowser* before = list->bonjourBrowser();
    QTest::keyClick(run.app->window(), Qt::Key_F5);
    EXPECT_NE(list->bonjourBrowser(), before);
    EXPECT_TRUE(list->isRemoteScanning());
    EXPECT_TRUE(list->isBonjourRefreshing());

    list->setEditing(true, false);
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(0, 0)), TableViewCell::EditingStyleDelete);
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(0, 3)), TableViewCell::EditingStyleNone);
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(2, 0)), TableViewCell::EditingStyleNone);
    EXPECT_FALSE(list->canMoveRowAtIndexPath(table, IndexPath(0, 3)));
    // "Add computer" stays last, whatever the drag proposes.
    const IndexPath from(0, 0);
    EXPECT_EQ(list->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(0, 1)), IndexPath(0, 1));
    EXPECT_EQ(list->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(0, 3)), IndexPath(0, 2));
    EXPECT_EQ(list->targetIndexPathForMoveFromRowAtIndexPath(table, from, IndexPath(2, 1)), IndexPath(0, 2));
    EXPECT_EQ(list->targetIndexPathForMoveFromRowAtIndexPath(table, IndexPath(1, 0), IndexPath(0, 2)),
              IndexPath(1, 0));
    list->moveRowAtIndexPath(table, from, IndexPath(0, 2));
    SavedRemoteList& saved = run.factory().savedRemotes();
    EXPECT_EQ(saved.recordAt(0).nickname + saved.recordAt(1).nickname + saved.recordAt(2).nickname, "TwoThreeOne");

    // Delete removes the selected saved remote, in editing mode only.
    table->selectRowAtIndexPath(IndexPath(0, 1), false);
    QTest::keyClick(run.app->window(), Qt::Key_Delete);
    ASSERT_EQ(saved.size(), size_t(2));
    EXPECT_EQ(saved.recordAt(1).nickname, "One");
    ASSERT_TRUE(SavedRemotesFile().load().has_value());
    EXPECT_EQ(SavedRemotesFile().load()->size(), size_t(2));
    list->setEditing(false, false);
    table->selectRowAtIndexPath(IndexPath(0, 0), false);
    QTest::keyClick(run.app->window(), Qt::Key_Delete);
    EXPECT_EQ(saved.size(), size_t(2));
}

namespace {
// Real mouse events through the window, as the pointer makes them: each
// goes to whatever widget is under that point of the table's viewport.
class Mouse {
public:
    explicit Mouse(TableView* table) : m_viewport(table->viewport()) { }
    void press(const QPoint& at) { QTest::mousePress(window(), Qt::LeftButton, {}, inWindow(at)); }
    void move(const QPoint& at) { QTest::mouseMove(window(), inWindow(at)); }
    void release(const QPoint& at) { QTest::mouseRelease(window(), Qt::LeftButton, {}, inWindow(at)); }
    void click(const QPoint& at) { QTest::mouseClick(window(), Qt::LeftButton, {}, inWindow(at)); }
    void swipe(const QPoint& from, const QPoint& to)
    {
        press(from);
        for (int step = 1; step <= 8; ++step)
            move(from + (to - from) * step / 8);
        release(to);
    }

private:
    QWindow* window() const { return m_viewport->window()->windowHandle(); }
    QPoint inWindow(const QPoint& at) const { return m_viewport->mapTo(m_viewport->window(), at); }
    QWidget* m_viewport;
};

// Where a part of a row's cell lies in the viewport.
QPoint circleOf(TableViewCell* cell)
{
    return cell->geometry().topLeft() + cell->editingControlRect().center();
}

QPushButton* deleteButtonOf(TableViewCell* cell)
{
    auto* button = cell->findChild<QPushButton*>();
    return button && button->isVisible() ? button : nullptr;
}

QStringList savedNames(const LaunchedApp& run)
{
    QStringList names;
    SavedRemoteList& saved = run.factory().savedRemotes();
    for (size_t i = 0; i < saved.size(); ++i)
        names << saved.recordAt(i).nickname;
    return names;
}
}

TEST(RemotesList, SavedComputersAreDeletedWithTheMouseByTheCircleOrASidewaysDrag)
{
    ScopedHome home;
    LaunchedApp run([] {
        saveBeforeLaunch({ savedRecord("One", "127.0.0.1:1", {}), savedRecord("Two", "127.0.0.1:2", {}),
                           savedRecord("Three", "127.0.0.1:3", {}), savedRecord("Four", "127.0.0.1:4", {}) });
    });
    RemotesViewController* list = listOf(run);
    TableView* table = list->myTableView();
    Mouse mouse(table);
    spinEventLoop(200); // discovery's first answer (no daemon here) has rebuilt the table
    QTest::mouseClick(run.navigation()->navigationBar()->rightButton(), Qt::LeftButton);
    ASSERT_TRUE(list->isEditing());

    // The red circle, then the Delete button beside it, each time on the
    // first row; the second time the table is rebuilt in between, as
    // discovery and the probes rebuild it every few seconds.
    for (const QString& gone : { QStringLiteral("One"), QStringLiteral("Two") }) {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(0, 0));
        mouse.click(circleOf(cell));
        QPushButton* button = deleteButtonOf(cell);
        ASSERT_TRUE(button) << gone.toStdString();
        if (gone == u"Two") {
            list->discovery().statusChangedInBrowser(list->bonjourBrowser());
            cell = table->cellForRowAtIndexPath(IndexPath(0, 0));
            button = deleteButtonOf(cell);
            ASSERT_TRUE(button) << "still open after a rebuild";
        }
        mouse.click(button->geometry().center() + cell->geometry().topLeft());
        EXPECT_FALSE(savedNames(run).contains(gone)) << savedNames(run).join(u' ').toStdString();
        ASSERT_EQ(run.top(), list) << "nothing opens";
        EXPECT_EQ(run.app->window()->focusWidget(), table) << "the keys stay the list's";
    }

    // A sideways drag on the row opens the button too.
    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(0, 1));
    const QPoint centre = cell->geometry().center();
    mouse.swipe(centre, centre - QPoint(150, 0));
    QPushButton* button = deleteButtonOf(cell);
    ASSERT_TRUE(button);
    mouse.click(button->geometry().center() + cell->geometry().topLeft());
    EXPECT_EQ(savedNames(run), QStringList { "Three" });
    EXPECT_EQ(run.top(), list);
    ASSERT_TRUE(SavedRemotesFile().load().has_value());
    EXPECT_EQ(SavedRemotesFile().load()->size(), size_t(1));
}

TEST(RemotesList, TheEditButtonIsAsWideAsItsWidestTitleInEachLanguage)
{
    struct English {
        ~English() { Localization::installTranslations(QLocale(QStringLiteral("en_US"))); }
    } restore;
    for (const char* language : { "en_US", "de_DE", "fr_FR" }) {
        Localization::installTranslations(QLocale(QString::fromLatin1(language)));
        ScopedHome home;
        LaunchedApp run;
        NavigationBar* bar = run.navigation()->navigationBar();
        BarButton* edit = bar->rightButton();
        ASSERT_TRUE(edit);
        const QRect before = edit->geometry();
        for (const QString& title : { localizedString("Edit"), localizedString("Done") }) {
            BarButtonItem item(title);
            EXPECT_GE(before.width(), BarButton(&item).sizeHint().width()) << language << " " << title.toStdString();
        }
        QTest::mouseClick(edit, Qt::LeftButton);
        spinEventLoop(50);
        ASSERT_EQ(bar->rightButton(), edit);
        EXPECT_EQ(edit->text(), localizedString("Done"));
        EXPECT_EQ(edit->geometry(), before) << language << ": the bar keeps its place";
        EXPECT_TRUE(bar->rect().contains(edit->geometry())) << language;
    }
}

TEST(RemotesList, AnUnreadableAddressOfAnOlderFileShowsOnItsRowWithoutPilingUpAlerts)
{
    ScopedHome home;
    LaunchedApp run([] { saveBeforeLaunch({ savedRecord("Old", "my pc", {}) }); });
    RemotesViewController* list = listOf(run);
    spinEventLoop(RemotesViewController::remoteScanningIntervalMs + 500); // a round of probes
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    EXPECT_EQ(stateAt(list, IndexPath(0, 0)), "state-unusable-address");

    // Chosen (twice over), it says why once and leads to its configuration.
    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 0));
    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 0));
    ASSERT_EQ(AlertView::visibleAlerts().size(), 1);
    AlertView* sheet = AlertView::topAlert();
    EXPECT_EQ(sheet->message(), "'my pc' is not the name or address of a computer.");
    EXPECT_EQ(sheet->buttonTitles(), QStringList({ "Change Address", "Ok" }));
    sheet->pressButton(0);
    ASSERT_TRUE(waitUntil([&] { return run.top() == run.factory().remoteConfigViewController() && settled(run); }));
    run.navigation()->popToRootViewControllerAnimated(false);

    // Where every poll fails alike, one alert at most.
    MainViewController* screen = run.factory().mainViewController();
    screen->setCurrentRemote(list->savedRemote(0));
    run.navigation()->pushViewController(screen, false);
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() != nullptr; }));
    spinEventLoop(3000);
    EXPECT_EQ(AlertView::visibleAlerts().size(), 1);
    EXPECT_EQ(AlertView::topAlert()->title(), "Error...");
}

// The list made outside the application, on what it is given: each row asks
// the navigator for its screen, and a saved computer chosen while editing
// opens its own configuration.
TEST(RemotesList, ItsRowsAreIntentsOfTheNavigatorItIsGiven)
{
    struct Intents : Navigator {
        QStringList asked;
        std::shared_ptr<VLCController> configured;
        void showRemoteConfig(const std::shared_ptr<VLCController>& remote) override
        {
            asked << QStringLiteral("config");
            configured = remote;
        }
        void showSettings() override { asked << QStringLiteral("settings"); }
        void showSkins() override { asked << QStringLiteral("skins"); }
        void showHelp(const QString& page) override { asked << page; }
    };
    ScopedHome home;
    QTemporaryDir folder;
    UserDefaults defaults(folder.path() + QStringLiteral("/list.ini"));
    defaults.setBool(PreferenceKeys::haveSeenSetupPage, true);
    QNetworkAccessManager network;
    CapturingAlertPresenter alerts;
    Intents navigator;
    const AppContext context { &network, defaults, alerts, Clock::current(), navigator };
    SavedRemoteList saved(&network);
    saved.setRecords({ savedRecord("One", "127.0.0.1:1", {}) });
    RemotesModel remotes(saved, &network);
    NewsModel news(context, QStringLiteral("noFeeds.plist"), QStringLiteral("feedTemplate"), QStringLiteral("VLC"));
    RemotesViewController list(context, remotes, news);
    list.loadViewIfNeeded();

    TableView* table = list.myTableView();
    auto tap = [&](int rowId) {
        const TableStructure* rows = list.tableStructure();
        for (int section = 0; section < rows->numberOfSections(); ++section)
            for (int row = 0; row < rows->numberOfRowsInSection(section); ++row)
                if (rows->rowIdForIndexPath(IndexPath(section, row)) == rowId)
                    return list.didSelectRowAtIndexPath(table, IndexPath(section, row));
        ADD_FAILURE() << "no row " << rowId;
    };
    tap(RemotesViewController::SettingsRow);
    tap(RemotesViewController::SkinsRow);
    tap(RemotesViewController::CantSeeRow);
    tap(RemotesViewController::AddComputerRow);
    ASSERT_TRUE(navigator.configured);
    EXPECT_TRUE(navigator.configured->record().hostAddress.isEmpty()) << "a new computer";
    list.setEditing(true, false);
    tap(RemotesViewController::SavedRowBase);
    EXPECT_EQ(navigator.asked, QStringList({ "settings", "skins", "cantSee", "config", "config" }));
    EXPECT_EQ(navigator.configured, saved.remoteAt(0));
    EXPECT_TRUE(alerts.alerts.empty());
}
