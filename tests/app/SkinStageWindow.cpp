#include "SkinStageWindow.h"

#include "core/UserDefaults.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinImageFolders.h"

#include <QQmlEngine>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
// The warnings of the program's own QML module, noted for every stage up.
std::vector<QStringList*> qmlWarningLists;
QtMessageHandler earlierHandler = nullptr;

void noteQmlWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("qrc:/PlayerLink/")))
        for (QStringList* list : qmlWarningLists)
            list->append(message);
    if (earlierHandler)
        earlierHandler(type, context, message);
}

const char* const stageQml = R"(
import QtQuick
import PlayerLink
Item {
    id: root
    required property string skinDirectory
    property alias scene: skin
    SkinScene {
        id: skin
        directory: root.skinDirectory
        areaSize: Qt.size(root.width, root.height)
    }
    SkinStage {
        anchors.fill: parent
        scene: skin
    }
}
)";

void visit(QQuickItem* item, const std::function<bool(QQuickItem*)>& found, QQuickItem** result)
{
    if (!item || *result)
        return;
    if (found(item)) {
        *result = item;
        return;
    }
    for (QQuickItem* child : item->childItems())
        visit(child, found, result);
}
}

void loadQml(QQuickView& view, const QByteArray& qml, const QVariantMap& properties)
{
    // Where the module's qmldir lies in the resources.
    view.engine()->addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(view.engine());
    component.setData(qml, QUrl(QStringLiteral("qrc:/tests/Test.qml")));
    if (!component.isReady()) {
        ADD_FAILURE() << qPrintable(component.errorString());
        return;
    }
    QObject* root = component.createWithInitialProperties(properties);
    EXPECT_TRUE(root) << qPrintable(component.errorString());
    view.setContent(component.url(), &component, root);
}

QString SkinStageWindow::shippedSkin()
{
    return QStringLiteral(PLAYERLINK_SOURCE_DIR "/resources/DefaultSkin");
}

SkinStageWindow::SkinStageWindow(const QSize& size, const QString& skinFolder)
    : m_view(std::make_unique<QQuickView>())
    , m_touch(QTest::createTouchDevice())
{
    if (qmlWarningLists.empty())
        earlierHandler = qInstallMessageHandler(noteQmlWarning);
    qmlWarningLists.push_back(&m_qmlWarnings);
    m_view->engine()->addImageProvider(QString::fromLatin1(SkinImageFolders::providerId), new SkinImageProvider);
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    loadQml(*m_view, stageQml, { { QStringLiteral("skinDirectory"), skinFolder } });
    m_scene = m_view->rootObject() ? m_view->rootObject()->property("scene").value<SkinScene*>() : nullptr;
    EXPECT_TRUE(m_scene);
    // Handed in once the scene is made, so that the skin is built again:
    // every stage also goes through a change of skin, old controls going.
    if (m_scene)
        m_scene->setPreferences(&UserDefaults::standard());
    m_view->resize(size);
    m_view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
    QTest::qWait(20);
}

SkinStageWindow::~SkinStageWindow()
{
    m_view.reset();
    // What the view let go of goes by deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qmlWarningLists.erase(std::find(qmlWarningLists.begin(), qmlWarningLists.end(), &m_qmlWarnings));
    if (qmlWarningLists.empty())
        qInstallMessageHandler(earlierHandler);
    EXPECT_TRUE(m_qmlWarnings.isEmpty()) << m_qmlWarnings.size() << " QML warnings, the first: "
                                         << qPrintable(m_qmlWarnings.value(0));
}

void SkinStageWindow::resize(const QSize& size)
{
    m_view->resize(size);
    QTest::qWait(20);
}

SkinControl* SkinStageWindow::control(SkinControl::Kind kind, const QString& id, int nth) const
{
    SkinControl* root = m_scene->root(m_scene->orientation());
    if (!root)
        return nullptr;
    std::vector<SkinControl*> all;
    root->collect(all);
    for (SkinControl* control : all)
        if (control->kind() == kind && (id.isNull() || control->skinId() == id) && nth-- == 0)
            return control;
    return nullptr;
}

QQuickItem* SkinStageWindow::itemFor(const SkinControl* control) const
{
    QQuickItem* found = nullptr;
    visit(m_view->rootObject(), [control](QQuickItem* item) {
        return item->property("control").value<SkinControl*>() == control;
    }, &found);
    return found;
}

QQuickItem* SkinStageWindow::findItem(QQuickItem* root, const std::function<bool(QQuickItem*)>& pred)
{
    QQuickItem* found = nullptr;
    visit(root, pred, &found);
    return found;
}

QRectF SkinStageWindow::rectInWindow(const QQuickItem* item) const
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

QPoint SkinStageWindow::centreOf(const QQuickItem* item) const
{
    return rectInWindow(item).center().toPoint();
}
