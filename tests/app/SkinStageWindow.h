#pragma once

#include "models/skin/SkinControl.h"
#include "models/skin/SkinScene.h"

#include <QPointingDevice>
#include <QQuickItem>
#include <QQuickView>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QQmlEngine;

// Loads QML text into a view, with initial properties; fails the test on
// errors.
void loadQml(QQuickView& view, const QByteArray& qml, const QVariantMap& properties = {});

// A shipped or made-up skin drawn in a real
// window on the offscreen platform, with ways to find the item that draws
// a control and to touch it. The test fails if the program's QML warns
// while the window is up or as it goes.
class SkinStageWindow {
public:
    static QString shippedSkin();

    explicit SkinStageWindow(const QSize& size, const QString& skinFolder = shippedSkin());
    ~SkinStageWindow();

    QQuickView& view() { return *m_view; }
    SkinScene& scene() const { return *m_scene; }
    void resize(const QSize& size);

    // The nth control of a kind and role in the orientation shown.
    SkinControl* control(SkinControl::Kind kind, const QString& id = QString(), int nth = 0) const;
    // The item that draws a control (its "control" property is it).
    QQuickItem* itemFor(const SkinControl* control) const;
    // The first item under root (itself included) that pred accepts.
    static QQuickItem* findItem(QQuickItem* root, const std::function<bool(QQuickItem*)>& pred);
    // An item's centre in the window.
    QPoint centreOf(const QQuickItem* item) const;
    QRectF rectInWindow(const QQuickItem* item) const;

    QPointingDevice* touchScreen() const { return m_touch.get(); }

private:
    std::unique_ptr<QQuickView> m_view;
    std::unique_ptr<QPointingDevice> m_touch;
    SkinScene* m_scene = nullptr;
    QStringList m_qmlWarnings;
};
