import QtQuick
import QtQuick.Controls
import PlayerLink

// The window: one navigation stack, with a bar that names the screen and
// goes back. Escape, the bar's back button and a phone's back key pop it.
ApplicationWindow {
    id: window

    required property WindowKeys keys
    required property RemotesScreen remotes
    required property AlertSheets alerts
    // The skin folder, relative to the home directory.
    required property string skinDirectory
    // Open the remote screen at once (--connect).
    required property bool openRemote

    // The size the window starts at.
    width: 390
    height: 760
    // The remote screen keeps the window large enough for its whole skin,
    // legible; the other screens take any size down to the smallest.
    readonly property size smallestRemote: (stack.currentItem as RemotePage)?.smallestSize ?? Qt.size(0, 0)
    minimumWidth: Math.max(280, smallestRemote.width)
    minimumHeight: Math.max(280, smallestRemote.height > 0 ? smallestRemote.height + bar.height : 0)
    visible: true
    title: "PlayerLink"
    color: Theme.background

    // The remote screen's next page (the picture tour turns them).
    function flipPages() {
        const page = stack.currentItem as RemotePage
        if (page)
            page.scene.flipPages()
    }

    function goBack() {
        if (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
    }

    // A screen pushed with a turn of its own in place of the slide.
    function pushTurning(kind: string, page: Component, properties: var) {
        const leaving = stack.currentItem
        turn.prepare(kind)
        turn.start(leaving, stack.push(page, properties))
    }

    // A screen the models ask for (PageNavigation.Page).
    function show(page: int) {
        const remotes = window.remotes
        const advanced = remotes.advanced
        switch (page) {
        case PageNavigation.Remote:
            window.showRemote()
            break
        case PageNavigation.RemoteConfig:
            stack.pop(null, StackView.Immediate)
            stack.push(configPage, { remotes: remotes })
            break
        case PageNavigation.FoundComputers:
            stack.push(foundPage, { remotes: remotes })
            break
        // The settings flip in from the left, and back out from the right.
        case PageNavigation.Settings:
            window.pushTurning("flipFromLeft", settingsPage, { settings: remotes.settings })
            break
        case PageNavigation.SkipDistance:
            stack.push(skipDistancePage, { settings: remotes.settings })
            break
        case PageNavigation.Playlist:
            stack.push(playlistPage, { remotes: remotes })
            break
        case PageNavigation.Browser:
            stack.push(browserPage, { remotes: remotes })
            break
        case PageNavigation.AdvancedMenu:
            stack.push(advancedMenuPage, { advanced: advanced, screens: true })
            break
        // From the screens' menu, the key commands are its "Keys".
        case PageNavigation.KeyCommands:
            stack.push(advancedMenuPage, { advanced: advanced, screens: false,
                                           keys: (stack.currentItem as AdvancedMenuPage)?.screens ?? false })
            break
        case PageNavigation.DvdNavigation:
            stack.push(dvdPage, { advanced: advanced })
            break
        case PageNavigation.ChapterTitle:
            stack.push(choicePage, { advanced: advanced, rows: advanced.chapters, pageTitle: qsTrId("Chapter & Title"),
                                     chapters: true, emptyNote: qsTrId("What plays has no titles or chapters.") })
            break
        case PageNavigation.AudioVideoTracks:
            stack.push(choicePage, { advanced: advanced, rows: advanced.audioVideoTracks,
                                     pageTitle: qsTrId("Audio & Video Tracks"), unmarkedNote: window.tracksUnmarkedNote })
            break
        case PageNavigation.SubtitleTracks:
            stack.push(choicePage, { advanced: advanced, rows: advanced.subtitleTracks,
                                     pageTitle: qsTrId("Subtitle Track"), unmarkedNote: window.tracksUnmarkedNote })
            break
        case PageNavigation.AspectRatio:
            stack.push(choicePage, { advanced: advanced, rows: advanced.aspectRatios, pageTitle: qsTrId("Aspect Ratio") })
            break
        case PageNavigation.Speed:
            stack.push(knobPage, { advanced: advanced, speed: true })
            break
        case PageNavigation.AudioDelay:
            stack.push(knobPage, { advanced: advanced, speed: false })
            break
        case PageNavigation.Equalizer:
            stack.push(equalizerPage, { advanced: advanced })
            break
        case PageNavigation.Skins:
            stack.push(skinsPage, { remotes: remotes })
            break
        case PageNavigation.SkinGallery:
            stack.push(skinGalleryPage, { remotes: remotes })
            break
        // The one help viewer shows the page asked for where it is.
        case PageNavigation.Web:
            if (!(stack.currentItem as WebPage))
                stack.push(webPage, { remotes: remotes })
            break
        case PageNavigation.News:
            stack.push(newsPage, { remotes: remotes })
            break
        // The setup comes down as a page curling over the screen, and goes
        // back up as one.
        case PageNavigation.Setup:
            window.pushTurning("curlDown", setupPage, { remotes: remotes })
            break
        }
    }

    // Back a screen: one that came with a turn goes with the mirror of it.
    function popPage() {
        if (stack.depth < 2)
            return
        const kind = stack.currentItem as SettingsPage ? "flipFromRight" : stack.currentItem as SetupPage ? "curlUp" : ""
        if (kind === "" || stack.busy) {
            stack.pop()
            return
        }
        const leaving = stack.currentItem
        const coming = stack.get(stack.depth - 2)
        turn.prepare(kind)
        stack.pop()
        turn.start(leaving, coming)
    }

    // Every page gone at once (at exit, before the window goes).
    function clearPages() {
        stack.clear(StackView.Immediate)
    }

    // The session's remote, on the one remote screen over the list.
    function showRemote() {
        pushRemote(StackView.PushTransition)
    }

    function pushRemote(operation: int) {
        if (stack.currentItem as RemotePage)
            return
        stack.pop(null, StackView.Immediate)
        stack.push(remotePage, { keys: window.keys, remotes: window.remotes, skinDirectory: window.skinDirectory },
                   operation)
    }

    // The configuration screen for a new computer, over the list.
    function addComputer() {
        window.remotes.addComputer()
    }

    // The configuration screen, whose bar has Cancel and Save in place of
    // the back button.
    readonly property RemoteConfigPage configShown: stack.currentItem as RemoteConfigPage
    // VLC 3 never says which track plays: only the one chosen here is ticked.
    readonly property string tracksUnmarkedNote: qsTrId("VLC does not say which track plays. The one you choose is ticked.")

    // Where an on-screen keyboard covers the window, in its coordinates.
    property rect keyboardArea: screenKeyboard.area
    // How far up from the window's foot the keyboard reaches: the pages
    // and dialogs end above it.
    readonly property real keyboardCover: keyboardArea.width > 0 && keyboardArea.height > 0
                                          ? Math.max(0, Math.min(window.height, window.height - keyboardArea.y)) : 0

    // The text field in focus, where it stands inside a page or dialog
    // that scrolls, is scrolled into the part above the keyboard.
    function keepFocusInView() {
        const field = (window.activeFocusItem as TextInput) ?? (window.activeFocusItem as TextEdit)
        if (!field)
            return
        for (let up = field.parent; up; up = up.parent) {
            const flick = up as Flickable
            if (!flick)
                continue
            const shown = field.mapToItem(flick.contentItem, 0, 0, field.width, field.height)
            const room = flick.height - Theme.spacing
            if (shown.y + shown.height > flick.contentY + room)
                flick.contentY = Math.min(shown.y + shown.height - room, Math.max(0, flick.contentHeight - flick.height))
            else if (shown.y < flick.contentY + Theme.spacing)
                flick.contentY = Math.max(0, shown.y - Theme.spacing)
            return
        }
    }
    // Once the pages have taken their new height.
    onActiveFocusItemChanged: focusScroll.restart()
    onKeyboardCoverChanged: focusScroll.restart()
    Timer {
        id: focusScroll
        interval: 0
        onTriggered: window.keepFocusInView()
    }
    ScreenKeyboard {
        id: screenKeyboard
    }

    // The next and the previous computer whose VLC answers, from the remote
    // screen.
    Shortcut {
        sequences: ["Ctrl+Tab"]
        enabled: (stack.currentItem as RemotePage) !== null
        onActivated: window.remotes.switchRemote(1)
    }
    Shortcut {
        sequences: ["Ctrl+Shift+Tab", "Ctrl+Shift+Backtab"]
        enabled: (stack.currentItem as RemotePage) !== null
        onActivated: window.remotes.switchRemote(-1)
    }

    // The rotation lock of the settings keeps the bar and the screens in
    // the shape they had when it was set.
    RotationLock {
        id: rotationLock
        remotes: window.remotes
        windowSize: Qt.size(window.width, window.height)
    }

    Item {
        id: frame
        objectName: "frame"
        x: rotationLock.frame.x
        y: rotationLock.frame.y
        width: rotationLock.frame.width
        height: rotationLock.frame.height
        // A page sliding in comes from the frame's edge, not the window's.
        clip: true

        TitleBar {
            id: bar
            objectName: "titleBar"
            width: parent.width
            pages: stack
            remotes: window.remotes
            configShown: window.configShown
            onBackWanted: window.popPage()
            onComputerMenuWanted: computerMenu.open()
        }

        StackView {
            id: stack
            objectName: "stack"
            anchors.top: bar.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Math.max(0, window.keyboardCover - (window.height - frame.y - frame.height))
            // Every other screen slides in from the right and back out to it;
            // while a turn runs the stack holds both pages still under it.
            readonly property int slideDuration: 250
            pushEnter: turn.kind !== "" ? holdPushEnter : slidePushEnter
            pushExit: turn.kind !== "" ? holdPushExit : slidePushExit
            popEnter: turn.kind !== "" ? holdPopEnter : slidePopEnter
            popExit: turn.kind !== "" ? holdPopExit : slidePopExit

            Transition {
                id: slidePushEnter
                XAnimator { from: stack.width; to: 0; duration: stack.slideDuration; easing.type: Easing.OutCubic }
            }
            Transition {
                id: slidePushExit
                XAnimator { from: 0; to: -stack.width; duration: stack.slideDuration; easing.type: Easing.OutCubic }
            }
            Transition {
                id: slidePopEnter
                XAnimator { from: -stack.width; to: 0; duration: stack.slideDuration; easing.type: Easing.OutCubic }
            }
            Transition {
                id: slidePopExit
                XAnimator { from: 0; to: stack.width; duration: stack.slideDuration; easing.type: Easing.OutCubic }
            }
            Transition {
                id: holdPushEnter
                PauseAnimation { duration: turn.duration }
            }
            Transition {
                id: holdPushExit
                PauseAnimation { duration: turn.duration }
            }
            Transition {
                id: holdPopEnter
                PauseAnimation { duration: turn.duration }
            }
            Transition {
                id: holdPopExit
                PauseAnimation { duration: turn.duration }
            }
        }

        PageTurn {
            id: turn
            objectName: "pageTurn"
            anchors.fill: stack
            stackBusy: stack.busy
        }

        // A link dropped on a screen of the shown remote: VLC plays it, or
        // adds it to its playlist, as the user chooses; files of this
        // computer, all of them, are served to it.
        DropArea {
            objectName: "linkDrop"
            anchors.fill: stack
            enabled: bar.playerScreen !== null
            keys: ["text/uri-list", "text/plain"]
            onDropped: drop => {
                if (drop.hasUrls && window.remotes.cast.holdsLocalFile(drop.urls)) {
                    drop.accept(Qt.CopyAction)
                    droppedFiles.ask(drop.urls)
                    return
                }
                const link = drop.hasUrls ? drop.urls[0].toString() : drop.text
                if (link === "")
                    return
                drop.accept(Qt.CopyAction)
                droppedLink.ask(link.trim())
            }
        }
    }

    OpenAddressSheet {
        id: droppedLink
        objectName: "droppedLinkSheet"
        form: window.remotes.openAddress
    }

    // The remote screen's title offers the other computers.
    Sheet {
        id: computerMenu
        objectName: "computerMenu"
        title: qsTrId("Switch to another computer")
        atFoot: true
        actions: [{ text: qsTrId("Next computer"), name: "nextComputer", kind: "default" },
                  { text: qsTrId("Previous computer"), name: "previousComputer" },
                  { text: qsTrId("Cancel"), name: "computerCancel" }]
        onActed: index => {
            computerMenu.close()
            if (index < 2)
                window.remotes.switchRemote(index === 0 ? 1 : -1)
        }
    }

    CastSheet {
        id: droppedFiles
        objectName: "droppedFilesSheet"
        cast: window.remotes.cast
    }

    Component {
        id: remotesPage
        RemotesPage {
            readonly property string backTitle: qsTrId("Back")
        }
    }

    Component {
        id: remotePage
        RemotePage {}
    }

    Component {
        id: configPage
        RemoteConfigPage {}
    }

    Component {
        id: foundPage
        FoundRemotesPage {}
    }

    Component {
        id: settingsPage
        SettingsPage {}
    }

    Component {
        id: skipDistancePage
        SkipDistancePage {}
    }

    Component {
        id: playlistPage
        PlaylistPage {}
    }

    Component {
        id: browserPage
        BrowserPage {}
    }

    Component {
        id: advancedMenuPage
        AdvancedMenuPage {}
    }

    Component {
        id: choicePage
        ChoicePage {}
    }

    Component {
        id: knobPage
        KnobPage {}
    }

    Component {
        id: dvdPage
        DvdPage {}
    }

    Component {
        id: equalizerPage
        EqualizerPage {}
    }

    Component {
        id: skinsPage
        SkinsPage {}
    }

    Component {
        id: skinGalleryPage
        SkinGalleryPage {}
    }

    Component {
        id: webPage
        WebPage {}
    }

    Component {
        id: newsPage
        NewsPage {}
    }

    Component {
        id: setupPage
        SetupPage {}
    }

    SkinDownloadPrompt {
        skins: window.remotes.skins
    }

    // The remote screen shows the skin chosen last.
    Connections {
        target: window.remotes.skins
        function onChosenChanged() {
            window.skinDirectory = window.remotes.skins.chosen
        }
    }

    // The screens the models ask for, each shown its own way.
    Connections {
        target: window.remotes.navigation
        function onPageWanted(page) {
            window.show(page)
        }
        function onPageRecalled(page) {
            const shown = stack.find(item => page === PageNavigation.Web ? item as WebPage : item as SetupPage)
            if (shown)
                stack.pop(shown)
            else
                window.show(page)
        }
        function onBackWanted() {
            window.popPage()
        }
    }

    Binding {
        target: window.keys
        property: "canGoBack"
        value: stack.depth > 1
    }

    Binding {
        target: window.keys
        property: "page"
        value: stack.currentItem
    }

    Notice {
        id: alert
        destructive: window.alerts.destructiveButton
        // Taken back by the program: the alerts already know.
        property bool withdrawn: false
        onClosed: {
            if (alert.withdrawn)
                alert.withdrawn = false
            else if (alert.chosen >= 0 && alert.textField)
                window.alerts.chooseWithText(alert.chosen, alert.typed)
            else if (alert.chosen >= 0)
                window.alerts.choose(alert.chosen)
            else
                window.alerts.dismiss()
        }
    }

    Connections {
        target: window.alerts
        function onChanged() {
            if (window.alerts.showing && window.alerts.textField)
                alert.showPrompt(window.alerts.title, window.alerts.message, window.alerts.buttons,
                                 window.alerts.secret, window.alerts.placeholder)
            else if (window.alerts.showing)
                alert.showChoices(window.alerts.title, window.alerts.message, window.alerts.buttons)
            else if (alert.visible) {
                alert.withdrawn = true
                alert.close()
            }
        }
    }

    Connections {
        target: window.keys
        function onBackRequested() {
            window.popPage()
        }
    }

    Component.onCompleted: {
        // At launch the remote screen is the first the window shows, in its
        // place from the first frame. The list under it is
        // made as the user goes back to it, not before.
        if (openRemote)
            stack.push([remotesPage, { remotes: window.remotes },
                        remotePage, { keys: window.keys, remotes: window.remotes, skinDirectory: window.skinDirectory }],
                       StackView.Immediate)
        else
            stack.push(remotesPage, { remotes: window.remotes }, StackView.Immediate)
    }
}
