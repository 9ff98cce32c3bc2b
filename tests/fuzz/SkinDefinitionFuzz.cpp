// libFuzzer target: a skin definition as a downloaded skin brings it, read by
// the skin loader, both orientations built and shown offscreen in a
// phone-sized window, and the player's state put through the setters.
#include "core/ConsoleLog.h"
#include "core/UserDefaults.h"
#include "skin/Skin.h"
#include "skin/SkinDelegate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

namespace {
class QuietDelegate : public SkinDelegate {
public:
    void previous() override { }
    void stop() override { }
    void playPause() override { }
    void next() override { }
    void random() override { }
    void repeat() override { }
    void loop() override { }
    void volumeDown() override { }
    void volumeUp() override { }
    void scanForward() override { }
    void scanBack() override { }
    void dvdUp() override { }
    void dvdDown() override { }
    void dvdLeft() override { }
    void dvdRight() override { }
    void dvdSelect() override { }
    void dvdMenu() override { }
    void sliderPositionChanged(double) override { }
    void sliderVolumeChanged(double) override { }
    void seek(int) override { }
    void setVolume(int) override { }
    int numberOfRowsInSection(TableView*, int) override { return 0; }
    TableViewCell* cellForRowAtIndexPath(TableView*, const IndexPath&) override { return nullptr; }
};

QString definitionPath;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // In memory: the code under test writes files (and syncs them) on every input.
    static QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/playerlink-fuzz-XXXXXX")
                                                                     : QDir::tempPath() + QStringLiteral("/playerlink-fuzz-XXXXXX"));
    qputenv("PLAYERLINK_HOME", QFile::encodeName(home.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    // The shipped skin's images, so that image names in the input can hit real files.
    const QString skin = home.path() + QStringLiteral("/Skin");
    QDir().mkpath(skin);
    const QDir shipped(QStringLiteral(PLAYERLINK_SOURCE_DIR "/resources/DefaultSkin"));
    for (const QString& name : shipped.entryList({ QStringLiteral("*.png") }, QDir::Files))
        QFile::copy(shipped.filePath(name), skin + u'/' + name);
    definitionPath = skin + QStringLiteral("/SkinDefinition.xml");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(definitionPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QuietDelegate delegate;
    {
        Skin skin(QStringLiteral("Skin"), &delegate, UserDefaults::standard());
        for (const QString orientation : { QStringLiteral("Portrait"), QStringLiteral("Landscape") }) {
            QWidget window;
            window.resize(390, 672);
            QWidget* view = skin.viewNamed(orientation);
            if (!view)
                continue;
            view->setParent(&window);
            skin.setMaxVolume(200);
            skin.setStatus(QStringLiteral("Connected to 127.0.0.1"));
            skin.setNowPlaying(QStringLiteral("Bob's Café Song.wav"));
            skin.setIsPlaying(true, false, 4);
            skin.setVolumeAnimated(150, false);
            skin.setLooping(true, false, true);
            skin.setTimeElapsed(12, 18, 30, false);
            skin.reloadTableData();
            skin.flipScrollView();
            QImage picture(window.size(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&picture);
            window.render(&painter);
            painter.end();
            view->setParent(nullptr); // the skin owns its views
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
