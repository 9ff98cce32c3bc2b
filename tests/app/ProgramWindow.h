#pragma once

#include "core/UserDefaults.h"
#include "models/AlertSheets.h"
#include "models/RemotesScreen.h"
#include "platform/DesktopPlatform.h"
#include "app/WindowKeys.h"
#include "models/skin/SkinControl.h"

#include <QNetworkAccessManager>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <functional>

// playerlink's window as the program makes it, on the offscreen
// platform: its remotes, keys and alerts, and ways to find and touch items.
struct ProgramWindow {
    WindowKeys keys;
    QNetworkAccessManager network;
    AlertSheets alerts;
    DesktopPlatform platform { alerts };
    RemotesScreen remotes { &network, UserDefaults::standard(), alerts, platform.services() };
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
    QObject* stack = nullptr;

    // before: what the program does before the window loads (--connect);
    // skin: the skin folder it starts with, the shipped one when empty.
    explicit ProgramWindow(bool openRemote, const std::function<void(RemotesScreen&)>& before = {},
                         const QString& skin = {});
    // The pages go as the program lets them go at exit.
    ~ProgramWindow();

    int depth() const { return stack->property("depth").toInt(); }
    QQuickItem* item(const QString& objectName) const;
    // The first item under root (itself included) that pred accepts.
    static QQuickItem* find(QQuickItem* root, const std::function<bool(QQuickItem*)>& pred);
    // A notice's button once all of them stand in their own places (a new
    // notice lays its buttons out at the next frame); none before.
    QQuickItem* noticeButton(int index) const;
    // The item drawing the shown skin's control of this kind and id, in the
    // orientation shown.
    QQuickItem* skinItem(SkinControl::Kind kind, const QString& id) const;
    QPoint centreOf(const QQuickItem* item) const;
    // Until the window has drawn its next frame: items whose layout changed
    // since the last one stand where a person would see them only then.
    void waitForFrame();
    // A click on what is drawn, once it is.
    void click(const QQuickItem* item);
};
