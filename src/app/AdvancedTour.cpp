#include "app/AdvancedTour.h"

#include "models/EqualizerModel.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "models/AdvancedScreens.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"

#include <QQuickWindow>
#include <QTimer>

#include <memory>
#include <vector>

void addAdvancedSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    // The remote given on the command line: the steps before show others.
    const std::shared_ptr<VLCController> remote = remotes.session().remote();
    auto arrange = [&tour, window, &remotes, remote] {
        window->resize(tour.portrait());
        QMetaObject::invokeMethod(window, "goBack");
        if (remote)
            remotes.session().setRemote(remote);
    };
    tour.addStep(QStringLiteral("remote-more"), [window, arrange] {
        arrange();
        QMetaObject::invokeMethod(window, "showRemote");
        QTimer::singleShot(300, window, [window] {
            if (QObject* open = window->findChild<QObject*>(QStringLiteral("openMore")))
                QMetaObject::invokeMethod(open, "clicked");
        });
    }, 1200);
    // Each step builds its pages afresh over the list: the remote screen
    // below them would only be hidden.
    using Intent = void (Navigator::*)();
    auto show = [&tour, &remotes, arrange](const char* name, std::vector<Intent> intents, int settleMs) {
        tour.addStep(QString::fromLatin1(name), [&remotes, arrange, intents] {
            arrange();
            for (Intent intent : intents)
                (remotes.navigator().*intent)();
        }, settleMs);
    };
    const Intent lua = &Navigator::showAdvancedControls;
    show("menu-plain", { &Navigator::showKeyCommands }, 900);
    show("menu-lua", { lua }, 900);
    show("chapters", { lua, &Navigator::showChapterTitle }, 2000);
    show("aspect-ratio", { lua, &Navigator::showAspectRatio }, 1500);
    show("audio-video-tracks", { lua, &Navigator::showAudioVideoTracks }, 1500);
    show("subtitle-tracks", { lua, &Navigator::showSubtitleTracks }, 1500);
    show("speed", { lua, &Navigator::showSpeed }, 1200);
    // The smallest window playerlink is made for.
    tour.addStep(QStringLiteral("speed-small"), [window] { window->resize(320, 568); }, 900);
    show("audio-delay", { lua, &Navigator::showAudioDelay }, 1200);
    show("dvd", { lua, &Navigator::showDvdNavigation }, 900);
    show("equalizer", { lua, &Navigator::showEqualizer }, 1500);
    // On, with VLC's presets listed and a preset's gains; then the smallest window.
    tour.addStep(QStringLiteral("equalizer-on"), [&remotes] {
        EqualizerModel* equalizer = remotes.advanced()->equalizer();
        equalizer->setEnabled(true);
        equalizer->setGain(0, 6);
        equalizer->setGain(9, -4.5);
    }, 2000);
    tour.addStep(QStringLiteral("equalizer-small"), [window] { window->resize(320, 568); }, 900);
}
