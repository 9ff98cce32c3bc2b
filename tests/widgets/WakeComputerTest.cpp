// "Wake computer" in the remotes list. Nothing is sent here: the computers
// are on loopback, which no wake-up call is broadcast to (the packet itself
// is tried between network namespaces in WakeOnLanTest).
#include "app/SavedRemotesFile.h"
#include "KeepPicture.h"
#include "LaunchedApp.h"
#include "screens/Remotes/RemotesViewController.h"

#include <QAbstractButton>

#include <gtest/gtest.h>

TEST(WakeComputer, OfferedForASilentSavedComputerWithAKnownHardwareAddress)
{
    ScopedHome home;
    LaunchedApp run([] {
        RemoteRecord known = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
        known.nickname = QStringLiteral("Den");
        known.hardwareAddress = QStringLiteral("02:5e:10:00:00:02");
        RemoteRecord unknown = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
        unknown.nickname = QStringLiteral("Attic");
        ASSERT_TRUE(SavedRemotesFile().save({ known, unknown }));
    });
    RemotesViewController* list = run.factory().remotesViewController();
    ASSERT_TRUE(waitUntil([&] { return list->savedRemote(1) != nullptr; }));

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 0));
    AlertView* sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->message().startsWith("No sign of VLC")) << sheet->message().toStdString();
    EXPECT_EQ(sheet->buttonTitles(), QStringList({ "Wake computer", "Help", "Ok" }));
    sheet->pressButton(0);
    // Loopback is on no subnet a wake-up call could be broadcast to.
    ASSERT_TRUE(waitUntil([&] { return AlertView::topAlert() && AlertView::topAlert() != sheet; }));
    EXPECT_TRUE(AlertView::topAlert()->message().contains("not on this network"))
        << AlertView::topAlert()->message().toStdString();
    AlertView::topAlert()->pressButton(0);

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 1));
    ASSERT_TRUE(AlertView::topAlert());
    EXPECT_EQ(AlertView::topAlert()->buttonTitles(), QStringList({ "Help", "Ok" })) << "no hardware address known";
    AlertView::topAlert()->pressButton(1);

    list->setEditing(true, false);
    auto wakeButtonAt = [&](int row) {
        TableViewCell* cell = list->myTableView()->cellForRowAtIndexPath(IndexPath(0, row));
        return cell ? cell->findChild<QAbstractButton*>(QStringLiteral("wake-computer")) : nullptr;
    };
    ASSERT_TRUE(waitUntil([&] { return wakeButtonAt(0) != nullptr; }));
    EXPECT_TRUE(wakeButtonAt(0)->isVisible());
    EXPECT_EQ(wakeButtonAt(1), nullptr);
    keepPicture(run.app->window(), QStringLiteral("remotes-edit-wake"));
    wakeButtonAt(0)->click();
    ASSERT_TRUE(waitUntil([&] { return AlertView::topAlert() != nullptr; }));
    EXPECT_TRUE(AlertView::topAlert()->message().contains("not on this network"));
    AlertView::topAlert()->pressButton(0);
    list->setEditing(false, false);
}
