// playerlink-touch's remotes list through real mouse events on its window:
// the saved computers edited, moved and deleted, with the saved-remotes file
// following every change, what assistive technology finds there, and what
// choosing a computer that cannot be used says.

#include "FakeHttpServer.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "TouchWindow.h"
#include "app/SavedRemotesFile.h"
#include "core/ServiceHosts.h"
#include "models/RemoteSession.h"
#include "models/SetupInstructions.h"
#include "vlc/SavedRemoteList.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

// The module's plugin is imported by TouchRemoteEndToEndTest.cpp.

namespace {
void type(TouchWindow& w, const QString& field, const QString& text)
{
    w.click(w.item(field));
    for (QChar c : text)
        QTest::keyClick(w.window, c.toLatin1());
}

// A touch on the row's left, away from the buttons at its right.
void touchRow(TouchWindow& w, const QQuickItem* row)
{
    QTest::mouseClick(w.window, Qt::LeftButton, {}, row->mapToScene(QPointF(40, row->height() / 2)).toPoint());
}

bool settled(TouchWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

// The nicknames in the saved-remotes file, in its order.
QStringList savedOnDisk()
{
    QStringList names;
    if (auto records = SavedRemotesFile(SavedRemotesFile::defaultPath()).load())
        for (const RemoteRecord& record : *records)
            names << record.nickname;
    return names;
}

// What assistive technology finds on the window: "role:name" of every
// visible button and list row.
QStringList accessibleControls(QQuickWindow* window)
{
    QStringList found;
    std::vector<QAccessibleInterface*> pending { QAccessible::queryAccessibleInterface(window) };
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node || node->state().invisible)
            continue;
        const QString name = node->text(QAccessible::Name);
        if (node->role() == QAccessible::Button)
            found << QStringLiteral("button:") + name;
        else if (node->role() == QAccessible::ListItem)
            found << QStringLiteral("row:") + name;
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    return found;
}

class TouchListAgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override { startVlc(); }
};
}

// In edit mode the saved computers move, open their configuration and go;
// the saved-remotes file follows each change at once, not only at exit. Out
// of edit mode a row opens its remote, whose name stands on the title bar's
// second line under what plays, and the setup counts as done.
TEST_F(TouchListAgainstRealVlc, SavedComputersAreMovedEditedAndDeletedAndTheFileFollows)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    TouchWindow w(false, [&](TouchRemotes& remotes) {
        remotes.load();
        RemoteRecord study = RemoteRecord::forAddress(vlc->hostAddress());
        study.nickname = QStringLiteral("Study");
        study.password = vlc->password();
        RemoteRecord attic = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
        attic.nickname = QStringLiteral("Attic");
        remotes.saved().setRecords({ study, attic });
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 10000));
    const QString studyRow = vlc->hostAddress();
    const QString atticRow = QStringLiteral("127.0.0.1:9");
    EXPECT_FALSE(w.item(QStringLiteral("delete-") + studyRow)) << "no editing before Edit";

    w.click(w.item(QStringLiteral("editButton")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("down-") + studyRow); }));
    // Laid out at the next polish of the window.
    QQuickItem* lastButton = w.item(QStringLiteral("down-") + studyRow);
    waitUntil([&] { return lastButton->height() >= 48; }, 1000);
    for (const QString& control : { QStringLiteral("delete-"), QStringLiteral("up-"), QStringLiteral("down-") }) {
        QQuickItem* button = w.item(control + studyRow);
        ASSERT_TRUE(button) << control.toStdString();
        EXPECT_GE(button->height(), 48);
        EXPECT_GE(button->width(), 48);
    }
    const QStringList controls = accessibleControls(w.window);
    for (const char* control : { "button:Done", "button:Scan", "button:Delete", "button:Move up", "button:Move down",
                                 "row:Study", "row:Attic", "button:Add computer" })
        EXPECT_TRUE(controls.contains(QString::fromUtf8(control))) << control << " in " << controls.join(u", ").toStdString();
    EXPECT_FALSE(controls.contains(QStringLiteral("button:"))) << "a button without a name";

    w.click(w.item(QStringLiteral("down-") + studyRow));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Attic", "Study" }); }))
        << savedOnDisk().join(u',').toStdString();
    EXPECT_FALSE(w.item(QStringLiteral("down-") + studyRow)->isEnabled()) << "the last saved row moves no lower";

    // A saved row in edit mode opens its configuration, filled in.
    touchRow(w, w.item(QStringLiteral("remote-") + atticRow));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(w.item(QStringLiteral("nameField"))->property("text").toString(), u"Attic");
    EXPECT_EQ(w.item(QStringLiteral("addressField"))->property("text").toString(), atticRow);
    type(w, QStringLiteral("nameField"), QStringLiteral(" Box"));
    w.click(w.item(QStringLiteral("saveButton")));
    ASSERT_TRUE(settled(w, 1));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Attic Box", "Study" }); }))
        << savedOnDisk().join(u',').toStdString();
    EXPECT_EQ(w.remotes.saved().size(), 2u) << "an edit is no new computer";

    w.click(w.item(QStringLiteral("delete-") + atticRow));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Study" }); }))
        << savedOnDisk().join(u',').toStdString();

    w.click(w.item(QStringLiteral("editButton")));
    ASSERT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("delete-") + studyRow); }));
    touchRow(w, w.item(QStringLiteral("remote-") + studyRow));
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying() && !session.title().isEmpty(); }, 10000));
    EXPECT_TRUE(SetupInstructions::haveSetupSuccesfully(UserDefaults::standard())) << "a remote that answers";
    EXPECT_TRUE(waitUntil([&] {
        return w.item(QStringLiteral("barTitle"))->property("text").toString() == session.title()
            && w.item(QStringLiteral("barNote"))
            && w.item(QStringLiteral("barNote"))->property("text").toString() == u"Study";
    }));
    QTest::keyClick(w.window, Qt::Key_Escape);
    EXPECT_TRUE(settled(w, 1));
}

// A computer where nothing answers (a loopback port nobody listens on):
// choosing it explains why in a sheet rather than opening a remote screen
// that could show nothing, and its Help goes to the help site's page on not
// seeing VLC (a loopback stand-in for the site).
TEST(TouchRemotesListChoice, AComputerThatDoesNotAnswerIsExplainedNotOpened)
{
    FakeHttpServer site;
    QByteArray asked;
    site.setHandler([&](const FakeHttpServer::Request& request) {
        asked = request.target;
        return FakeHttpServer::ok(QStringLiteral("<html><head><title>Cannot see</title></head></html>").toUtf8(),
                                  "text/html");
    });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    const QString address = QStringLiteral("127.0.0.1:9");
    TouchWindow w(false, [&](TouchRemotes& remotes) {
        remotes.load();
        RemoteRecord attic = RemoteRecord::forAddress(address);
        attic.nickname = QStringLiteral("Attic");
        remotes.saved().setRecords({ attic });
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-no-answer")); }, 10000));
    touchRow(w, w.item(QStringLiteral("remote-") + address));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeButton1")); }));
    EXPECT_TRUE(w.alerts.message().startsWith(u"No sign of VLC at that computer.")) << w.alerts.message().toStdString();
    EXPECT_EQ(w.alerts.buttons(), QStringList({ "Help", "Ok" }));
    EXPECT_EQ(w.depth(), 1) << "no remote screen";
    EXPECT_FALSE(w.remotes.session().remote());

    w.click(w.item(QStringLiteral("noticeButton0")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(waitUntil([&] { return asked.contains("cantSee"); })) << asked.toStdString();
    EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.message().toStdString();
}
