#include "ProgramWindow.h"

#include "SkinStageWindow.h"
#include "core/PreferenceKeys.h"
#include "app/ReleasePages.h"
#include "app/WebPictureProvider.h"
#include "models/WebPictureStore.h"
#include "models/skin/SkinScene.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinImageFolders.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

ProgramWindow::ProgramWindow(bool openRemote, const std::function<void(RemotesScreen&)>& before, const QString& skin)
{
    // A test that wants the new user's setup screen asks for it.
    UserDefaults::standard().setBool(PreferenceKeys::haveSeenSetupPage, true);
    // Nor would What's New stop the remote screen of every other test.
    UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
    if (before)
        before(remotes);
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QString::fromLatin1(SkinImageFolders::providerId), new SkinImageProvider);
    engine.addImageProvider(QString::fromLatin1(WebPictureStore::providerId), new WebPictureProvider);
    engine.setInitialProperties({ { QStringLiteral("keys"), QVariant::fromValue(&keys) },
                                  { QStringLiteral("remotes"), QVariant::fromValue(&remotes) },
                                  { QStringLiteral("alerts"), QVariant::fromValue(&alerts) },
                                  { QStringLiteral("skinDirectory"), skin.isEmpty() ? SkinStageWindow::shippedSkin() : skin },
                                  { QStringLiteral("openRemote"), openRemote } });
    engine.load(QUrl(QStringLiteral("qrc:/PlayerLink/Main.qml")));
    window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window) {
        ADD_FAILURE() << "the window did not load";
        return;
    }
    keys.install(window);
    stack = window->findChild<QObject*>(QStringLiteral("stack"));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
}

ProgramWindow::~ProgramWindow()
{
    if (window)
        releasePages(window);
}

QQuickItem* ProgramWindow::item(const QString& objectName) const
{
    return find(window->contentItem(), [&](QQuickItem* item) { return item->objectName() == objectName && item->isVisible(); });
}

QQuickItem* ProgramWindow::find(QQuickItem* root, const std::function<bool(QQuickItem*)>& pred)
{
    if (!root)
        return nullptr;
    if (pred(root))
        return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = find(child, pred))
            return found;
    return nullptr;
}

QQuickItem* ProgramWindow::noticeButton(int index) const
{
    QList<QPoint> places;
    QQuickItem* wanted = nullptr;
    for (int i = 0; QQuickItem* button = item(QStringLiteral("noticeButton%1").arg(i)); ++i) {
        const QPoint place = centreOf(button);
        if (places.contains(place))
            return nullptr;
        places << place;
        if (i == index)
            wanted = button;
    }
    return wanted;
}

QQuickItem* ProgramWindow::skinItem(SkinControl::Kind kind, const QString& id) const
{
    SkinScene* scene = keys.remote();
    SkinControl* root = scene ? scene->root(scene->orientation()) : nullptr;
    if (!root)
        return nullptr;
    std::vector<SkinControl*> all;
    root->collect(all);
    for (SkinControl* control : all)
        if (control->kind() == kind && control->skinId() == id)
            return find(window->contentItem(), [control](QQuickItem* item) {
                return item->property("control").value<SkinControl*>() == control;
            });
    return nullptr;
}

QPoint ProgramWindow::centreOf(const QQuickItem* item) const
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

void ProgramWindow::waitForFrame()
{
    QSignalSpy drawn(window, &QQuickWindow::frameSwapped);
    window->update();
    drawn.wait(1000);
}

void ProgramWindow::click(const QQuickItem* item)
{
    waitForFrame();
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(item));
}
