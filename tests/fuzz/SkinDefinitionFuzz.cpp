// libFuzzer target: a skin definition as a downloaded skin brings it, read by
// the program's skin reader into its scene, both orientations built and
// laid out at a phone's size and at twice its pixels, the player's state put
// through the setters, and every image a control shows asked of the image
// provider as Qt Quick would ask for it.
#include "core/ConsoleLog.h"
#include "models/skin/SkinImageControl.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinScene.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringListModel>
#include <QTemporaryDir>

#include <vector>

namespace {
QString skinFolder;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/playerlink-fuzz-XXXXXX")
                                                                     : QDir::tempPath() + QStringLiteral("/playerlink-fuzz-XXXXXX"));
    qputenv("PLAYERLINK_HOME", QFile::encodeName(home.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    // The shipped skin's images, so that image names in the input can hit real files.
    skinFolder = home.path() + QStringLiteral("/Skin");
    QDir().mkpath(skinFolder);
    const QDir shipped(QStringLiteral(PLAYERLINK_SOURCE_DIR "/resources/DefaultSkin"));
    for (const QString& name : shipped.entryList({ QStringLiteral("*.png") }, QDir::Files))
        QFile::copy(shipped.filePath(name), skinFolder + u'/' + name);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(skinFolder + QStringLiteral("/SkinDefinition.xml"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QStringListModel playlist({ QStringLiteral("One"), QStringLiteral("Bob's Café Song.wav") });
    SkinImageProvider provider;
    {
        SkinScene scene;
        scene.setPlaylist(&playlist);
        scene.setDirectory(skinFolder);
        for (const QSizeF area : { QSizeF(390, 672), QSizeF(760, 314) }) {
            for (const qreal ratio : { 1.0, 2.0 }) {
                scene.setDevicePixelRatio(ratio);
                scene.setAreaSize(area);
            }
            scene.setLiveness(SkinScene::Live);
            scene.setMaxVolume(200);
            scene.setStatus(QStringLiteral("Connected to 127.0.0.1"));
            scene.setNowPlaying(QStringLiteral("Bob's Café Song.wav"));
            scene.setItemsInPlaylist(2);
            scene.setStopped(false);
            scene.setPlaying(true);
            scene.setVolume(150);
            scene.setLooping(true);
            scene.setElapsed(12);
            scene.setRemaining(18);
            scene.setLength(30);
            scene.setCurrentRow(1);
            scene.flipPages();
            std::vector<SkinControl*> controls;
            if (SkinControl* root = scene.root(scene.orientation()))
                root->collect(controls);
            for (SkinControl* control : controls) {
                const auto* image = qobject_cast<const SkinImageControl*>(control);
                const QString url = image ? image->image().toString() : QString();
                if (url.isEmpty())
                    continue;
                QSize imageSize;
                provider.requestImage(url.mid(int(qstrlen("image://skin/"))), &imageSize, QSize());
            }
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
