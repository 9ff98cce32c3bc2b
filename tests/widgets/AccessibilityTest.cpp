#include "app/BundleInstaller.h"
#include "FakeHttpServer.h"
#include "LaunchedApp.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "TestSupport.h"
#include "ui/TableView.h"
#include "vlc/VLCController.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QNetworkAccessManager>

#include <gtest/gtest.h>

namespace {
bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// Every shown interactive element under root: its role and name. Lists
// count every row, also those scrolled out of sight.
struct Element {
    QAccessible::Role role;
    QString name;
    QString path;
};
void collect(QAccessibleInterface* node, const QString& path, std::vector<Element>& out)
{
    if (!node || node->state().invisible)
        return;
    const QString here = path + u'/' + QString::number(int(node->role()), 16);
    if (interactive(node->role()))
        out.push_back({ node->role(), node->text(QAccessible::Name), here });
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child && child->role() == QAccessible::ListItem) {
            out.push_back({ child->role(), child->text(QAccessible::Name), here + QStringLiteral("/row") });
            continue;
        }
        collect(child, here, out);
    }
}

std::vector<Element> elementsOf(QWidget* root)
{
    std::vector<Element> elements;
    collect(QAccessible::queryAccessibleInterface(root), QString(), elements);
    return elements;
}

void expectAllNamed(const std::vector<Element>& elements)
{
    for (const Element& e : elements)
        EXPECT_FALSE(e.name.trimmed().isEmpty()) << "unnamed element, role " << int(e.role) << " at "
                                                 << e.path.toStdString();
}

QStringList namesOf(const std::vector<Element>& elements, QAccessible::Role role)
{
    QStringList names;
    for (const Element& e : elements)
        if (e.role == role)
            names << e.name;
    return names;
}
}

TEST(Accessibility, RemoteScreenNamesEveryControlByItsFunctionAndSlidersTellTheirValue)
{
    ScopedHome home;
    BundleInstaller::install();
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request& r) {
        if (r.target.startsWith("/requests/playlist.xml"))
            return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    });
    QNetworkAccessManager network;
    auto remote = std::make_shared<VLCController>(RemoteRecord {}, &network);
    remote->setHostAddress(server.hostAddress());
    remote->setPassword(QStringLiteral("secret"));
    QWidget window;
    auto* screen = new MainViewController(&window);
    screen->setCurrentRemote(remote);
    window.resize(390, 672);
    screen->resize(390, 672);
    window.show();
    screen->beginAppearance(true, false);
    screen->endAppearance();
    ASSERT_TRUE(waitUntil([&] { return remote->state().hasPlaylist() && remote->state().isPlaying(); }));
    spinEventLoop(300);

    const std::vector<Element> elements = elementsOf(&window);
    expectAllNamed(elements);
    const QStringList buttons = namesOf(elements, QAccessible::PushButton);
    for (const char* name : { "Pause", "Next", "Stop" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name << " in " << buttons.join(u',').toStdString();
    EXPECT_FALSE(buttons.contains(QStringLiteral("Play")));

    // The sliders, wherever the skin put them, with their value.
    int sliders = 0;
    for (const SkinControl& entry : screen->currentSkin()->currentRoot()->zoomSliders) {
        QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(entry.control.data());
        ASSERT_TRUE(slider && slider->valueInterface());
        EXPECT_EQ(slider->role(), QAccessible::Slider);
        EXPECT_FALSE(slider->text(QAccessible::Name).isEmpty());
        EXPECT_GE(slider->valueInterface()->maximumValue().toDouble(), slider->valueInterface()->currentValue().toDouble());
        ++sliders;
    }
    EXPECT_GE(sliders, 2);
    // The playlist's rows carry their titles.
    const QStringList rows = namesOf(elements, QAccessible::ListItem);
    EXPECT_EQ(rows.size(), remote->state().itemsInPlaylist());
    delete screen;
}

TEST(Accessibility, RemotesListExposesEveryRowWithItsText)
{
    ScopedHome home;
    LaunchedApp app;
    std::vector<RemoteRecord> saved;
    for (int i = 0; i < 30; ++i) {
        RemoteRecord record = RemoteRecord::forAddress(QStringLiteral("10.0.0.%1").arg(i + 1));
        record.nickname = QStringLiteral("Computer %1").arg(i + 1);
        saved.push_back(record);
    }
    app.factory().setSavedRemotes(saved);
    spinEventLoop(300);

    const std::vector<Element> elements = elementsOf(app.app->window());
    expectAllNamed(elements);
    const QStringList rows = namesOf(elements, QAccessible::ListItem);
    // Rows far below the window's edge are there too.
    EXPECT_TRUE(rows.filter(QStringLiteral("Computer 30")).size() == 1) << rows.join(u'|').toStdString();
    EXPECT_TRUE(rows.filter(QStringLiteral("Computer 1")).size() >= 1);
}

TEST(Keyboard, EscapeGoesBackOneScreen)
{
    ScopedHome home;
    LaunchedApp app;
    ViewController* remotes = app.top();
    app.app->connectTo(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), QStringLiteral("pw"));
    ASSERT_TRUE(waitUntil([&] { return qobject_cast<MainViewController*>(app.top()) && !app.navigation()->isTransitioning(); }));
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : app.top();
    QTest::keyClick(focus, Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return app.top() == remotes; }));
    // At the first screen there is nothing to go back to.
    QTest::keyClick(app.top(), Qt::Key_Escape);
    spinEventLoop(100);
    EXPECT_EQ(app.top(), remotes);
}
