#pragma once

#include "models/skin/SkinPlayerState.h"
#include "models/skin/SkinRoles.h"
#include "core/RemoteKeys.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QVariant>
#include <QSizeF>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <vector>

class QAbstractItemModel;
class SkinButtonControl;
class SkinControl;
class SkinDocument;
class SkinPagesControl;
class SkinValueControl;
struct SkinElement;
class SkinPlaylistRows;
class SkinWheels;
class UserDefaults;

// A skin on the remote screen: the definition of
// the skin folder, built into a tree of SkinControls for each orientation
// (each of the subclass of its kind)
// (each on first use, then kept, so turning back shows the same controls),
// laid out to fit the area it is shown in, and the player's state it shows.
//
// The state is a set of properties that whoever drives the screen binds
// (the remote session); the controls follow them by the skin's rules. What
// the user does comes back as signals: a button's action, a seek or volume
// from the sliders and wheels, a playlist row chosen.
class SkinScene : public QObject, public QQmlParserStatus {
    Q_OBJECT
    QML_ELEMENT
    Q_INTERFACES(QQmlParserStatus)
    Q_MOC_INCLUDE("models/skin/SkinControl.h")
    Q_MOC_INCLUDE("models/skin/SkinPagesControl.h")
    Q_MOC_INCLUDE("models/skin/SkinPlaylistRows.h")
    Q_MOC_INCLUDE("models/skin/SkinWheels.h")
    Q_PROPERTY(QString directory READ directory WRITE setDirectory NOTIFY skinChanged)
    Q_PROPERTY(bool loaded READ isLoaded NOTIFY skinChanged)
    Q_PROPERTY(double apiVersion READ apiVersion NOTIFY skinChanged)
    Q_PROPERTY(QSizeF areaSize READ areaSize WRITE setAreaSize NOTIFY areaSizeChanged)
    Q_PROPERTY(qreal devicePixelRatio READ devicePixelRatio WRITE setDevicePixelRatio NOTIFY areaSizeChanged)
    Q_PROPERTY(QString orientation READ orientation NOTIFY orientationChanged)
    // The least area that shows the orientation shown whole and legible
    // (SkinGeometry::smallestLegibleArea); empty without a skin.
    Q_PROPERTY(QSize smallestArea READ smallestArea NOTIFY smallestAreaChanged)
    Q_PROPERTY(SkinControl* portrait READ portrait NOTIFY rootsChanged)
    Q_PROPERTY(SkinControl* landscape READ landscape NOTIFY rootsChanged)
    Q_PROPERTY(SkinPagesControl* mainScrollView READ mainScrollView NOTIFY orientationChanged)

    Q_PROPERTY(Liveness liveness READ liveness WRITE setLiveness NOTIFY stateChanged)
    Q_PROPERTY(bool playing READ isPlaying WRITE setPlaying NOTIFY stateChanged)
    Q_PROPERTY(bool stopped READ isStopped WRITE setStopped NOTIFY stateChanged)
    Q_PROPERTY(int itemsInPlaylist READ itemsInPlaylist WRITE setItemsInPlaylist NOTIFY stateChanged)
    Q_PROPERTY(bool looping READ isLooping WRITE setLooping NOTIFY stateChanged)
    Q_PROPERTY(bool random READ isRandom WRITE setRandom NOTIFY stateChanged)
    Q_PROPERTY(bool repeating READ isRepeating WRITE setRepeating NOTIFY stateChanged)
    Q_PROPERTY(double volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(int maxVolume READ maxVolume WRITE setMaxVolume NOTIFY volumeChanged)
    Q_PROPERTY(int elapsed READ elapsed WRITE setElapsed NOTIFY timeChanged)
    Q_PROPERTY(int remaining READ remaining WRITE setRemaining NOTIFY timeChanged)
    Q_PROPERTY(int length READ length WRITE setLength NOTIFY timeChanged)
    Q_PROPERTY(QString status READ status WRITE setStatus NOTIFY textsChanged)
    Q_PROPERTY(QString nowPlaying READ nowPlaying WRITE setNowPlaying NOTIFY textsChanged)
    Q_PROPERTY(int currentRow READ currentRow WRITE setCurrentRow NOTIFY currentRowChanged)
    Q_PROPERTY(QAbstractItemModel* playlist READ playlist WRITE setPlaylist NOTIFY playlistChanged)
    Q_PROPERTY(SkinPlaylistRows* playlistRows READ playlistRows CONSTANT)
    Q_PROPERTY(SkinWheels* wheels READ wheels CONSTANT)
public:
    enum Liveness {
        NoState = int(SkinPlayerState::Liveness::NoState),
        Live = int(SkinPlayerState::Liveness::Live),
        Stale = int(SkinPlayerState::Liveness::Stale),
    };
    Q_ENUM(Liveness)

    explicit SkinScene(QObject* parent = nullptr);
    ~SkinScene() override;

    // Made by QML, the skin is built once every property is set, so that
    // it reads the preferences its driver hands in meanwhile.
    void classBegin() override;
    void componentComplete() override;

    // Where the main scroll view's page and the sliding preference are
    // kept, and the skip distance read: the program's preferences, handed
    // in by whoever drives the scene. A scene given none reads the
    // registered defaults and keeps nothing. Not owned.
    UserDefaults* preferences() const { return m_preferences; }
    void setPreferences(UserDefaults* preferences);
    QVariant preference(const QString& key) const;
    void keepPreference(const QString& key, const QVariant& value);

    // The skin folder, relative to the home directory
    // ("PlayerLink.app/DefaultSkin"); absolute paths are taken as given.
    QString directory() const { return m_directory; }
    void setDirectory(const QString& directory);
    bool isLoaded() const;
    double apiVersion() const;

    QSizeF areaSize() const { return m_areaSize; }
    void setAreaSize(const QSizeF& size);
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    void setDevicePixelRatio(qreal ratio);
    // "Portrait" while the area is at least as tall as wide, else
    // "Landscape".
    QString orientation() const;
    QSize smallestArea() const;
    // The orientation's tree, built on first use (the shown one is built at
    // once); null when the skin has none.
    SkinControl* portrait();
    SkinControl* landscape();
    SkinControl* root(const QString& orientation);
    // The main scroll view of the orientation shown (id MainScrollView).
    SkinPagesControl* mainScrollView();

    Liveness liveness() const { return Liveness(m_state.liveness); }
    void setLiveness(Liveness liveness);
    bool isPlaying() const { return m_state.playing; }
    void setPlaying(bool playing);
    bool isStopped() const { return m_state.stopped; }
    void setStopped(bool stopped);
    int itemsInPlaylist() const { return m_state.itemsInPlaylist; }
    void setItemsInPlaylist(int items);
    bool isLooping() const { return m_state.looping; }
    void setLooping(bool looping);
    bool isRandom() const { return m_state.random; }
    void setRandom(bool random);
    bool isRepeating() const { return m_state.repeating; }
    void setRepeating(bool repeating);
    double volume() const { return m_volume; }
    void setVolume(double volume);
    int maxVolume() const { return m_maxVolume; }
    void setMaxVolume(int maximum);
    int elapsed() const { return m_elapsed; }
    void setElapsed(int seconds);
    int remaining() const { return m_remaining; }
    void setRemaining(int seconds);
    int length() const { return m_length; }
    void setLength(int seconds);
    QString status() const { return m_status; }
    void setStatus(const QString& text);
    QString nowPlaying() const { return m_nowPlaying; }
    void setNowPlaying(const QString& text);
    // The skip buttons that show it read the skip distance of the
    // preferences again.
    void showSkipDistance();
    // The playing item's art (a null image for none).
    QImage art() const { return m_art; }
    void setArt(const QImage& art);
    // The art as the server sent it: empty, unreadable or absurdly large
    // art shows the placeholder.
    Q_INVOKABLE void setArtData(const QByteArray& encoded);
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    QAbstractItemModel* playlist() const;
    void setPlaylist(QAbstractItemModel* model);
    SkinPlaylistRows* playlistRows() const { return m_rows; }
    SkinWheels* wheels() const { return m_wheels; }

    // Moves the main scroll view to its next page, wrapping round.
    Q_INVOKABLE void flipPages();
    // Turns the main scroll view by pages, held within its pages.
    Q_INVOKABLE void turnPage(int delta);
    // A key of the window: the remote's own are answered here, true when
    // the key was one of them.
    bool handleKey(RemoteKeys::Action key);
    // A row of the playlist table was chosen.
    Q_INVOKABLE void chooseRow(int row);

    // From the controls.
    void buttonActivated(const SkinButtonControl& control);
    void sliderMoved(const SkinValueControl& control, double value);
    int skinFolderNumber() const { return m_folderNumber; }
    // The skin's absolute folder.
    QString folder() const;
    // An image's own size in points (a twin's half its pixels), read from
    // its header once; empty for an image that is not there or refused.
    // folder: the skin's (skinFolderNumber) or the built-in images'.
    QSizeF imagePointSize(int folder, const QString& name, bool twin);
    bool usesTwinImages() const { return m_twinImages; }

    // Art larger than this on either side is refused rather than decoded;
    // art larger than keptArtSide is decoded at that size.
    static constexpr int maxArtSide = 8192;
    static constexpr int keptArtSide = 1024;
    // How long the area keeps its size before the images are decoded for
    // it (see SkinImageControl::imageSourceSize).
    static constexpr int imageSettleMs = 250;

signals:
    void skinChanged();
    void rootsChanged();
    void smallestAreaChanged();
    void areaSizeChanged();
    void orientationChanged();
    void stateChanged();
    void volumeChanged();
    void timeChanged();
    void textsChanged();
    void artChanged();
    void currentRowChanged();
    void playlistChanged();

    void actionTriggered(SkinRoles::Action action);
    void seekRequested(int seconds);
    void volumeRequested(int volume);
    void rowChosen(int row);
    void fullScreenRequested();

private:
    struct Tree {
        QString orientation;
        SkinControl* root = nullptr;
        std::vector<SkinControl*> controls;
        bool built = false;
    };
    void load();
    Tree* treeFor(const QString& orientation);
    void build(Tree& tree);
    // The control of the element's kind, with its children under it.
    SkinControl* makeControl(const SkinElement& element, SkinControl* parent);
    // Forgets both trees; their roots are the caller's to delete.
    std::vector<SkinControl*> dropTrees();
    void layOut(Tree& tree);
    void layOutAll();
    void showState(Tree& tree);
    void showStateEverywhere();
    void showTexts(Tree& tree);
    // What a change of the player's state redraws, in each tree built so far.
    enum Shown { Texts = 1, Values = 2 };
    void showInBuiltTrees(int shown);
    void showValues(Tree& tree);
    void showWheels();
    void updateTwinImages();
    void settleImages();
    void requestSeek(int seconds);
    void requestVolume(int volume);

    UserDefaults* m_preferences = nullptr;
    bool m_beingMade = false; // by QML, until its properties are set
    bool m_directoryGiven = false;
    QString m_directory;
    std::shared_ptr<const SkinDocument> m_document;
    int m_folderNumber = 0;
    QHash<QString, QSizeF> m_imageSizes;
    Tree m_portrait;
    Tree m_landscape;
    QSizeF m_areaSize;
    qreal m_devicePixelRatio = 1;
    bool m_twinImages = false;
    // Runs out once the area has kept its size a moment: the images are
    // decoded again for the new size then, not at every step of a resize.
    QTimer m_imageSettle;

    SkinPlayerState m_state;
    double m_volume = 0;
    int m_maxVolume;
    int m_elapsed = 0;
    int m_remaining = 0;
    int m_length = 0;
    // Until the first time arrives, position sliders keep the range they
    // were built with.
    bool m_timeKnown = false;
    QString m_status;
    QString m_nowPlaying;
    QImage m_art;
    int m_currentRow = -1;
    SkinPlaylistRows* m_rows = nullptr;
    SkinWheels* m_wheels = nullptr;
    // After the user seeks or sets the volume, the wheels follow the next
    // update without animation.
    bool m_animateWheels = true;
};
