#include "core/DeviceIdentifier.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "LaunchedApp.h"
#include "net/SetupRequestService.h"
#include "screens/MainView/MainViewController.h"
#include "models/RemoteScreenNotices.h"
#include "models/SetupInstructions.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/WebView/WebViewController.h"
#include "ui/MailComposer.h"
#include "vlc/VLCController.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {
// The setup-request service on loopback; it answers what it is given,
// else 200.
struct SetupService {
    FakeHttpServer server;
    SetupService()
    {
        server.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok("ok", "text/plain"); });
    }
    void configure() const
    {
        UserDefaults::standard().setObject(ServiceHosts::setupServiceKey, QStringLiteral("http://") + server.hostAddress());
    }
};

// The message of the alert on screen, which is answered; "valid" when the
// address passed.
QString check(SetupInstructionsVC* setup, const QString& text)
{
    setup->emailField()->setText(text);
    if (setup->validEmail())
        return QStringLiteral("valid");
    AlertView* alert = AlertView::topAlert();
    if (!alert)
        return QStringLiteral("<no alert>");
    EXPECT_EQ(alert->title(), QStringLiteral("Please check your email"));
    const QString message = alert->message();
    alert->pressButton(0);
    return message;
}

const QString blank = QStringLiteral("It looks like your email is blank. Please enter your email address.\n\nOr just tap "
                                     "the skip button to skip this entirely.");
const QString plus = QStringLiteral("Annoyingly, my ruby on rails server can't handle the plus sign. Sorry");
const QString invalid = QStringLiteral("That doesn't look like a valid email address.\n\n(Just tap the skip button to "
                                       "skip this entirely.)");
}

TEST(SetupScreen, ValidationGoesInOrderAndThePlusSignMattersOnlyToTheService)
{
    ScopedHome home;
    SetupService service;
    LaunchedApp run([&] { service.configure(); });
    SetupInstructionsVC* setup = run.factory().setupInstructionsViewController();
    setup->presentOn(run.navigation());

    EXPECT_EQ(check(setup, QString()), blank);
    EXPECT_EQ(check(setup, QStringLiteral("   ")), blank);
    EXPECT_EQ(check(setup, QStringLiteral("+")), plus); // before the length test
    EXPECT_EQ(check(setup, QStringLiteral("me+vlc@example.com")), plus);
    EXPECT_EQ(check(setup, QStringLiteral("a@b.cd")), invalid);
    EXPECT_EQ(check(setup, QStringLiteral("ab@cd.ef")), invalid); // 8 characters
    EXPECT_EQ(check(setup, QStringLiteral("abc@de.fg")), QStringLiteral("valid"));
    EXPECT_EQ(check(setup, QStringLiteral("someone@localhost")), invalid);
    EXPECT_EQ(check(setup, QStringLiteral("x.yz_wv@")), invalid); // 8 again
    EXPECT_EQ(check(setup, QStringLiteral("x.yz_wvu@")), QStringLiteral("valid")); // where they stand is not checked
    spinEventLoop(50);
    EXPECT_TRUE(service.server.requests().empty());

    // Without the service a plus sign is an address like any other.
    UserDefaults::standard().removeObject(ServiceHosts::setupServiceKey);
    EXPECT_EQ(check(setup, QStringLiteral("me+vlc@example.com")), QStringLiteral("valid"));
}

TEST(SetupScreen, APageOpensItAndSendAsksTheServiceWithTheTickBox)
{
    ScopedHome home;
    SetupService service;
    LaunchedApp run([&] { service.configure(); });
    SetupInstructionsVC* setup = run.factory().setupInstructionsViewController();
    ViewController* root = run.top();

    // A help page's link opens it with its page curl, in a portrait shape.
    NotificationCenter::defaultCenter().post(NotificationNames::setupHelper);
    ASSERT_EQ(run.top(), setup);
    EXPECT_EQ(run.navigation()->transitionDetailsArray().back().appearTransition(), 4);
    EXPECT_EQ(run.navigation()->transitionDetailsArray().back().disappearTransition(), 3);
    run.app->window()->resize(800, 400);
    EXPECT_GT(run.navigation()->height(), run.navigation()->width());
    run.app->window()->resize(AppWindow::defaultSize);
    EXPECT_EQ(setup->headerLabel()->text(), QStringLiteral("Thanks for installing PlayerLink"));
    EXPECT_FALSE(setup->subscribeCheckbox()->isHidden());
    EXPECT_TRUE(setup->findButton()->isHidden()); // nothing typed here before

    // Its message leads to the help page, whose link comes back to it.
    emit setup->messageField()->linkActivated(QStringLiteral("help"));
    ASSERT_TRUE(waitUntil([&] { return run.top() == run.factory().webViewController(); }));
    NotificationCenter::defaultCenter().post(NotificationNames::setupHelper);
    ASSERT_TRUE(waitUntil([&] { return run.top() == setup && !run.navigation()->isTransitioning(); }));
    EXPECT_EQ(run.navigation()->viewControllers().count(setup), 1);
    EXPECT_EQ(run.navigation()->transitionDetailsArray().size(), size_t(run.navigation()->viewControllers().size()));

    const QString prefix = QStringLiteral("/setup_request/create?application=playerlink-iphone&udid=")
        + DeviceIdentifier::uniqueIdentifier(UserDefaults::standard()) + QStringLiteral("&email=me%40example.com&subscribe=");
    setup->emailField()->setText(QStringLiteral("me@example.com"));
    setup->sendButton()->trigger();
    ASSERT_TRUE(waitUntil([&] { return service.server.requests().size() == 1; }));
    EXPECT_EQ(QString::fromLatin1(service.server.targets()[0]), prefix + u'0');
    EXPECT_TRUE(SetupInstructions::haveSeenSetupPage(UserDefaults::standard()));
    ASSERT_TRUE(waitUntil([&] { return run.top() == root; }));
    ASSERT_TRUE(AlertView::topAlert());
    EXPECT_EQ(AlertView::topAlert()->title(), QStringLiteral("Request Sent"));
    EXPECT_EQ(AlertView::topAlert()->message(), QStringLiteral("Setup details should arrive by email shortly"));
    AlertView::topAlert()->pressButton(0);

    // Again with the box ticked, the address picked from the earlier one.
    setup->presentOn(run.navigation());
    ASSERT_TRUE(waitUntil([&] { return run.top() == setup && !run.navigation()->isTransitioning(); }));
    setup->emailField()->clear();
    EXPECT_FALSE(setup->findButton()->isHidden());
    QTest::mouseClick(setup->findButton(), Qt::LeftButton);
    ASSERT_TRUE(AlertView::topAlert());
    EXPECT_EQ(AlertView::topAlert()->buttonTitles(), (QStringList { QStringLiteral("me@example.com"), QStringLiteral("Cancel") }));
    AlertView::topAlert()->pressButton(0);
    EXPECT_EQ(setup->emailField()->text(), QStringLiteral("me@example.com"));
    QTest::mouseClick(setup->subscribeCheckbox(), Qt::LeftButton);
    EXPECT_TRUE(setup->subscribe());
    setup->sendButton()->trigger();
    ASSERT_TRUE(waitUntil([&] { return service.server.requests().size() == 2; }));
    EXPECT_EQ(QString::fromLatin1(service.server.targets()[1]), prefix + u'1');
    AlertView::topAlert()->pressButton(0);

    // Skipping asks nobody.
    UserDefaults::standard().removeObject(PreferenceKeys::haveSeenSetupPage);
    setup->presentOn(run.navigation());
    ASSERT_TRUE(waitUntil([&] { return run.top() == setup && !run.navigation()->isTransitioning(); }));
    setup->skipButton()->trigger();
    ASSERT_TRUE(waitUntil([&] { return run.top() == root; }));
    spinEventLoop(50);
    EXPECT_EQ(service.server.requests().size(), size_t(2));
    EXPECT_TRUE(SetupInstructions::haveSeenSetupPage(UserDefaults::standard()));
}

TEST(SetupScreen, TheRemoteScreenReportsSuccessOnceAndAgainAfterAFailure)
{
    ScopedHome home;
    SetupService service;
    FakeHttpServer::Response failure;
    failure.status = 500;
    service.server.enqueue(failure);
    LaunchedApp run([&] { service.configure(); });
    const QString report = QStringLiteral("/setup_request/connected_succesfully?application=playerlink-iphone&udid=")
        + DeviceIdentifier::uniqueIdentifier(UserDefaults::standard());
    SetupInstructionsVC* setup = run.factory().setupInstructionsViewController();

    // The remote screen appearing is a working set-up.
    auto remote = std::make_shared<VLCController>();
    remote->setHostAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
    run.factory().mainViewController()->setCurrentRemote(remote);
    run.navigation()->pushViewController(run.factory().mainViewController(), false);
    EXPECT_TRUE(SetupInstructions::haveSetupSuccesfully(UserDefaults::standard()));
    ASSERT_TRUE(waitUntil([&] { return service.server.requests().size() == 1 && !setup->instructions().service()->isReporting(); }));
    EXPECT_EQ(QString::fromLatin1(service.server.targets()[0]), report);
    EXPECT_FALSE(UserDefaults::standard().boolForKey(PreferenceKeys::haveReportedSuccesfullSetup));

    setup->instructions().setHaveSetupSuccesfully();
    ASSERT_TRUE(waitUntil([&] { return service.server.requests().size() == 2 && !setup->instructions().service()->isReporting(); }));
    EXPECT_TRUE(UserDefaults::standard().boolForKey(PreferenceKeys::haveReportedSuccesfullSetup));

    setup->instructions().setHaveSetupSuccesfully();
    spinEventLoop(100);
    EXPECT_EQ(service.server.requests().size(), size_t(2));

    // The DVD notice's "Send me details" leads here too.
    run.factory().mainViewController()->notices().dvdActionSheetDidDismissWithButtonIndex(0);
    EXPECT_EQ(run.top(), setup);
}

TEST(SetupScreen, WithoutAServiceSendOpensAMailWithTheInstructions)
{
    ScopedHome home;
    LaunchedApp run;
    SetupInstructionsVC* setup = run.factory().setupInstructionsViewController();
    setup->presentOn(run.navigation());
    EXPECT_TRUE(setup->subscribeCheckbox()->isHidden());
    setup->emailField()->setText(QStringLiteral("me+vlc@example.com"));
    setup->sendButton()->trigger();
    ASSERT_EQ(run.opened.size(), 1);
    const QString sent = run.opened[0].toString(QUrl::FullyEncoded);
    const QString head = QStringLiteral("mailto:me%2Bvlc@example.com?subject=Setting%20up%20VLC%20for%20PlayerLink&body=");
    ASSERT_TRUE(sent.startsWith(head)) << qPrintable(sent);
    QString body = SetupInstructions::instructionsMailBody();
    body.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    EXPECT_EQ(sent.mid(head.size()), StringHelpers::fullyEscapedStringForUrl(body));
    EXPECT_TRUE(sent.contains(QStringLiteral("Tools%20%3E%20Preferences")));
    EXPECT_TRUE(sent.contains(QStringLiteral("%0D%0A%0D%0A1.%20Switch%20on%20VLC's%20web%20interface%0D%0A")));
    EXPECT_TRUE(SetupInstructions::haveSeenSetupPage(UserDefaults::standard()));
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty()); // no "Request Sent": the user sends it

    // The helper itself, as the settings screen uses it.
    run.opened.clear();
    EXPECT_TRUE(MailComposer::sendEmailTo(run.factory().widgetAlerts(), QStringLiteral("friend@example.org"), QStringLiteral("Grüße & more"),
                                          QStringLiteral("Line 1\nx=1+2 100%"), false));
    EXPECT_TRUE(MailComposer::sendEmailTo(run.factory().widgetAlerts(), {}, QStringLiteral("Hi"), QStringLiteral("<p>Try <b>PlayerLink</b></p>"), true));
    ASSERT_EQ(run.opened.size(), 2);
    EXPECT_EQ(run.opened[0].toString(QUrl::FullyEncoded),
              QStringLiteral("mailto:friend@example.org?subject=Gr%C3%BC%C3%9Fe%20%26%20more&body=Line%201%0D%0Ax%3D1%2B2%20100%25"));
    EXPECT_EQ(run.opened[1].toString(QUrl::FullyEncoded), QStringLiteral("mailto:?subject=Hi&body=Try%20PlayerLink"));

    // No mail program: the user is told.
    UrlOpener::setHandler([](const QUrl&) { return false; });
    EXPECT_FALSE(MailComposer::sendEmailTo(run.factory().widgetAlerts(), {}, QStringLiteral("Hi"), QStringLiteral("there"), false));
    ASSERT_TRUE(AlertView::topAlert());
    EXPECT_EQ(AlertView::topAlert()->title(), QStringLiteral("Email..."));
    EXPECT_EQ(AlertView::topAlert()->message(), QStringLiteral("Email failed"));
}
