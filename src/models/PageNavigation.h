#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The screens the models ask for, by name: the window shows each one its
// own way (Main.qml, in one place), so that no model or screen reaches
// another screen.
class PageNavigation : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The navigation is made by the program")
public:
    enum class Page {
        // The remote screen of the session's remote, over the remotes list.
        Remote,
        // The configuration form alone over the list (adding or editing).
        RemoteConfig,
        // The found computers, for the form's chooser.
        FoundComputers,
        Settings,
        SkipDistance,
        Playlist,
        Browser,
        // The advanced controls' menu: with the screens of VLC's Lua
        // interface, or the plain key commands.
        AdvancedMenu,
        KeyCommands,
        DvdNavigation,
        ChapterTitle,
        AudioVideoTracks,
        SubtitleTracks,
        AudioDelay,
        AspectRatio,
        Speed,
        Equalizer,
        Skins,
        SkinGallery,
        // The one web page viewer: help, about, news items, the newsletter.
        Web,
        News,
        Setup,
    };
    Q_ENUM(Page)

    using QObject::QObject;

signals:
    // A screen over the one on top.
    void pageWanted(PageNavigation::Page page);
    // A screen the stack holds once at most (the web viewer, the setup):
    // the window goes back to it where the stack holds it, else shows it
    // over the one on top.
    void pageRecalled(PageNavigation::Page page);
    // The screen on top is done.
    void backWanted();
};
