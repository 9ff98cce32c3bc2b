#include "app/SavedRemotesFile.h"
#include "FakeHttpServer.h"
#include "LaunchedApp.h"
#include "screens/FoundRemotes/FoundRemotesViewController.h"
#include "screens/RemoteConfig/RemoteConfigViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "screens/WebView/WebViewController.h"
#include "vlc/VLCController.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {
class RemoteConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        run = std::make_unique<LaunchedApp>();
        list = run->factory().remotesViewController();
        config = run->factory().remoteConfigViewController();
    }
    void TearDown() override { run.reset(); }

    bool settledOn(ViewController* screen)
    {
        return waitUntil([&] { return run->top() == screen && !run->navigation()->isTransitioning(); });
    }
    // Opens the configuration from the list's row, as a tap does.
    void tapListRow(const IndexPath& row)
    {
        list->didSelectRowAtIndexPath(list->myTableView(), row);
        ASSERT_TRUE(settledOn(config));
    }
    void type(const QString& name, const QString& address, const QString& password = {})
    {
        config->nicknameField()->setText(name);
        config->hostIpField()->setText(address);
        config->passwordField()->setText(password);
    }
    int rowOf(int rowId)
    {
        TableStructure* structure = config->tableStructure();
        for (int row = 0; row < structure->numberOfRowsInSection(1); ++row)
            if (structure->rowIdForIndexPath(IndexPath(1, row)) == rowId)
                return row;
        return -1;
    }
    SavedRemoteList& saved() { return run->factory().savedRemotes(); }

    ScopedHome home;
    std::unique_ptr<LaunchedApp> run;
    RemotesViewController* list = nullptr;
    RemoteConfigViewController* config = nullptr;
};
}

TEST_F(RemoteConfig, AddingNeedsNameAndAReadableAddressAndKeepsThePassword)
{
    tapListRow(IndexPath(0, 0)); // "Add computer"
    EXPECT_EQ(config->title(), "Configure Remote");
    EXPECT_EQ(rowOf(RemoteConfigViewController::FoundComputersRow), -1) << "nothing found: no chooser row";
    EXPECT_EQ(config->passwordField()->echoMode(), QLineEdit::Password);

    type({}, QStringLiteral("   "));
    config->saveButton()->trigger();
    AlertView* alert = AlertView::topAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Details...");
    EXPECT_EQ(alert->message(), "Please enter a name as well as an address for the new remote.");
    alert->pressButton(0);
    EXPECT_EQ(run->top(), config);
    EXPECT_TRUE(saved().empty());

    // An address no request can be made of is refused, saying why.
    type(QStringLiteral("Kitchen"), QStringLiteral("my pc"));
    config->saveButton()->trigger();
    alert = AlertView::topAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), "Details...");
    EXPECT_EQ(alert->message(), "'my pc' is not the name or address of a computer.");
    alert->pressButton(0);
    EXPECT_EQ(run->top(), config);
    EXPECT_TRUE(saved().empty());

    // A start page as VLC's, so that the probe right after saving shows.
    FakeHttpServer vlcPage;
    vlcPage.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<title>VLC media player - Web Interface</title>", "text/html");
    });
    list->setRemoteScanning(false); // its next round comes 3 s after it shows again
    // VLC's page address, as a browser shows it, is kept as the computer's.
    type(QStringLiteral("Kitchen"), QStringLiteral(" http://%1/ \t").arg(vlcPage.hostAddress()),
         QStringLiteral("pässword"));
    config->saveButton()->trigger();
    ASSERT_EQ(saved().size(), size_t(1));
    EXPECT_EQ(saved().recordAt(0).hostAddress, vlcPage.hostAddress());
    EXPECT_EQ(saved().recordAt(0).password, "pässword");
    const auto kitchen = saved().remoteAt(0);
    ASSERT_TRUE(settledOn(list));
    ASSERT_TRUE(waitUntil([&] { return kitchen->remoteFound(); }, 2000)) << "probed right after saving";
    EXPECT_EQ(vlcPage.requests().size(), size_t(1));
    const auto file = SavedRemotesFile().load();
    ASSERT_TRUE(file && file->size() == 1);
    EXPECT_EQ(QFile(SavedRemotesFile().path()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST_F(RemoteConfig, EditingChangesInPlaceCancelChangesNothingAndTheDefaultMoves)
{
    for (const char* name : { "One", "Two" }) {
        tapListRow(IndexPath(0, int(saved().size())));
        type(QString::fromUtf8(name), QStringLiteral("10.0.0.%1").arg(saved().size() + 1));
        config->didSelectRowAtIndexPath(config->myTableView(), IndexPath(1, rowOf(RemoteConfigViewController::DefaultRow)));
        EXPECT_TRUE(config->newDefaultStatus());
        config->saveButton()->trigger();
        ASSERT_TRUE(settledOn(list));
    }
    ASSERT_EQ(saved().size(), size_t(2));
    EXPECT_FALSE(saved().recordAt(0).isDefault) << "the default tick moved to the second";
    EXPECT_TRUE(saved().recordAt(1).isDefault);

    // Editing: tapping a saved row in editing mode opens its configuration.
    list->setEditing(true, false);
    tapListRow(IndexPath(0, 0));
    EXPECT_EQ(config->nicknameField()->text(), "One");
    type(QStringLiteral("Uno"), QStringLiteral("10.0.0.1"));
    config->saveButton()->trigger();
    ASSERT_TRUE(settledOn(list));
    ASSERT_EQ(saved().size(), size_t(2));
    EXPECT_EQ(saved().recordAt(0).nickname, "Uno");

    tapListRow(IndexPath(0, 0));
    type(QStringLiteral("Changed"), QStringLiteral("10.9.9.9"));
    config->cancelButton()->trigger();
    ASSERT_TRUE(settledOn(list));
    EXPECT_EQ(saved().recordAt(0).nickname, "Uno");
    EXPECT_EQ(saved().recordAt(0).hostAddress, "10.0.0.1");
}

TEST_F(RemoteConfig, TheChooserFillsNameAndAddressAndHelpShowsTheRouterPage)
{
    auto found = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("10.77.0.1")));
    found->setNickname(QStringLiteral("Living Room"));
    list->addCommandLineRemote(found);
    tapListRow(IndexPath(0, 0));
    const int chooserRow = rowOf(RemoteConfigViewController::FoundComputersRow);
    ASSERT_GE(chooserRow, 0);
    config->didSelectRowAtIndexPath(config->myTableView(), IndexPath(1, chooserRow));
    FoundRemotesViewController* chooser = run->factory().foundRemotesViewController();
    ASSERT_TRUE(settledOn(chooser));
    ASSERT_EQ(chooser->myTableView()->numberOfRowsInSection(0), 1);
    chooser->didSelectRowAtIndexPath(chooser->myTableView(), IndexPath(0, 0));
    ASSERT_TRUE(settledOn(config));
    EXPECT_EQ(config->nicknameField()->text(), "Living Room");
    EXPECT_EQ(config->hostIpField()->text(), "10.77.0.1");
    EXPECT_TRUE(saved().empty()) << "nothing is saved before Save";

    config->didSelectRowAtIndexPath(config->myTableView(), IndexPath(1, rowOf(RemoteConfigViewController::AddressHelpRow)));
    WebViewController* viewer = run->factory().webViewController();
    ASSERT_TRUE(settledOn(viewer));
    run->navigation()->popViewControllerAnimated(false);
    ASSERT_TRUE(settledOn(config));
    EXPECT_EQ(config->hostIpField()->text(), "10.77.0.1") << "the edit survives a visit to the help page";
}
