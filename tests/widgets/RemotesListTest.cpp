#include "app/SavedRemotesFile.h"
#include "LaunchedApp.h"
#include "net/BonjourBrowser.h"
#include "RealVlcTest.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemoteAnswer.h"
#include "screens/Remotes/RemotesViewController.h"
#include "screens/WebView/WebViewController.h"
#include "vlc/VLCController.h"

#include <QLineEdit>
#include <QTest>

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
