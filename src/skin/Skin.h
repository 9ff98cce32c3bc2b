#pragma once

#include "core/xml/AttributeMap.h"
#include "core/xml/XmlNode.h"
#include "skin/SkinFileAccess.h"
#include "skin/SkinReader.h"
#include "ui/PagingScrollView.h"
#include "vlc/VolumeRange.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class ImageButton;
class PickerDelegate;
class PositionSliderDelegate;
class SkinDelegate;
class UserDefaults;
class TableView;
class TrackSlider;
class TableViewCell;
class VolumeSliderDelegate;

// A control built from a skin definition, with the element it came from
// and its role.
struct SkinControl {
    const XmlNode* node = nullptr;
    QString id;
    QPointer<QWidget> control;
};

// What one orientation's build produced: its root view and, per kind, every
// control anywhere under it in build order; and the scale and image set it
// is laid out with.
struct SkinRoot {
    QPointer<QWidget> control;
    std::vector<SkinControl> buttons, sliders, zoomSliders, labels, tables, pickers, scrollViews;
    std::vector<SkinControl> artViews;
    qreal scale = 1;
    bool twinImages = false;
};

// A skin: a directory with SkinDefinition.xml and the images it names. It
// builds each orientation's controls once, on first request, binds them to
// the remote screen by their ids, caches images, and shows the player's
// state through its setters, touching a control only when what it shows
// changes.
//
// The definition's frames are points. The controls are laid out at a
// content scale (1 until the screen sets another), so that a window of any
// size shows the whole skin; images come from their @2x twins where the
// scale calls for more pixels than the plain files have.
//
// Implemented over several files: loading and building here, the zoom
// sliders and pickers in SkinWheelControls.cpp, the state setters and paging
// in SkinStateDisplay.cpp, scaling and images in SkinScaling.cpp.
class Skin : public QObject, public PagingScrollView::Delegate {
    Q_OBJECT
public:
    // Whether the player's state is known and current: before the first
    // status the controls stand neutral and disabled; while the connection
    // is lost they are dimmed until replies come back.
    enum class Liveness { NoState, Live, Stale };

    // directory: relative to the home directory ("PlayerLink.app/DefaultSkin").
    // defaults: the preferences of whoever shows the skin (whether the
    // remote screens slide, which one was shown last); not owned, and must
    // outlive the skin.
    Skin(const QString& directory, SkinDelegate* delegate, UserDefaults& defaults);
    ~Skin() override;

    // Views nest at most this deep (the orientation's root view counts);
    // a definition that nests deeper is refused like an unreadable one.
    static constexpr int maxViewNesting = SkinReader::maxViewNesting;

    void setDirectory(const QString& directory);
    // The root view of "Portrait" or "Landscape", built on first use.
    QWidget* viewNamed(const QString& orientation);

    QPixmap cachedImage(const QString& name);

    // --- Scaling (SkinScaling.cpp) -----------------------------------------
    // The size in points of an orientation's root view, read from the
    // definition without building it (empty when it has none).
    QSize pointSizeOf(const QString& orientation) const;
    qreal contentScale() const { return m_contentScale; }
    // Lays the shown orientation out at this scale (others when shown).
    void setContentScale(qreal scale);
    // Whether images come from the @2x twins at the present scale.
    bool usesTwinImages() const;
    static QColor colourFromString(const QString& text);
    static void setSizeFor(QWidget* view, const AttributeMap& attributes);
    TableViewCell* obtainTableCellForTable(TableView* table);

    // Per-kind constructors: a control, or none for a hidden element.
    QWidget* imageFromDict(const AttributeMap& attributes);
    QWidget* labelFromDict(const AttributeMap& attributes);
    QWidget* zoomSliderFromDict(const AttributeMap& attributes);
    QWidget* sliderFromDict(const AttributeMap& attributes);
    QWidget* buttonFromDict(const AttributeMap& attributes);
    QWidget* tableFromDict(const AttributeMap& attributes);
    QWidget* pickerFromDict(const AttributeMap& attributes);
    QWidget* viewFromDict(const AttributeMap& attributes);
    // The optional art view: the playing item's art in a frame.
    QWidget* artFromDict(const AttributeMap& attributes);
    QWidget* buildViewAndContentsFromDict(const XmlNode* node);
    void initialiseScrollViewFromRoot(const XmlNode* node, PagingScrollView* scrollView);

    SkinDelegate* delegate() const { return m_delegate; }
    void setDelegate(SkinDelegate* delegate) { m_delegate = delegate; }
    float skinApiVersion() const { return m_skinApiVersion; }
    // Whether the directory's definition was read whole and holds a skin;
    // a skin that was not is drawn from whatever could be read.
    bool isLoaded() const { return m_isLoaded; }
    QString directory() const { return m_directory; }
    QString directoryPath() const { return m_directoryPath; }
    int cachedImageCount() const { return int(m_cachedImages.size()); }
    QString rowBackgroundImageName() const { return m_rowBackgroundImageName; }
    QString rowBackgroundHighlightedImageName() const { return m_rowBackgroundHighlightedImageName; }
    qreal rowFontSize() const { return m_rowFontSize; }
    QColor rowTextColour() const { return m_rowTextColour; }
    QColor rowTextSelectedColour() const { return m_rowTextSelectedColour; }
    const XmlNodePtr& skinData() const { return m_skinData; }
    // The lists of the orientation shown last; none before the first build.
    const SkinRoot* currentRoot() const;

    // --- State display (SkinStateDisplay.cpp) --------------------------------
    void forceUpdates();
    void setStatus(const QString& text);
    void setNowPlaying(const QString& text);
    void setIsPlaying(bool playing, bool stopped, int itemsInPlaylist);
    void setVolumeAnimated(float volume, bool animated);
    void setMaxVolume(int maximum);
    void setLooping(bool looping, bool random, bool repeating);
    void setTimeElapsed(int elapsed, int remaining, int length, bool animated);
    void reloadTableData();
    void flipScrollView();
    void updateScrollView();
    // Turns the main scroll view by pages (held within its pages), as a
    // swipe does.
    void turnPage(int delta);
    PagingScrollView* mainScrollView() const;
    void setLiveness(Liveness liveness);
    Liveness liveness() const { return m_liveness; }
    // The playlist row that plays (-1 for none): it is reloaded to show its
    // mark and scrolled into view in every table when it changes.
    void setCurrentItem(int row);
    // The playing item's art as the server sent it (any image format Qt
    // reads); empty, unreadable or absurdly large art shows the placeholder.
    void setAlbumArt(const QByteArray& encoded);
    const QImage& albumArt() const { return m_albumArt; }
    // Art larger than this on either side is refused rather than decoded;
    // art larger than keptArtSide is decoded at that size.
    static constexpr int maxArtSide = 8192;
    static constexpr int keptArtSide = 1024;
    int currentItem() const { return m_currentItem; }
    void scrollViewDidEndDecelerating(PagingScrollView* scrollView) override;

    QString statusDescription() const { return m_statusDescription; }
    QString nowPlayingText() const { return m_nowPlayingText; }
    int maxVolume() const { return m_maxVolume; }
    PickerDelegate* pickerDelegate() const { return m_pickerDelegate.get(); }

private:
    void buildChildren(const XmlNode* node, QWidget* view, SkinRoot& root);
    void layOut(SkinRoot& root);
    void layOutPages(PagingScrollView* scrollView, int page);
    void applyImages(SkinRoot& root);
    void applyButtonImages(ImageButton* button, const AttributeMap& attributes, bool playing);
    void applySliderImages(TrackSlider* slider, const AttributeMap& attributes);
    // An image of the skin's folder by its name; none when refused.
    QPixmap imageAt(const QString& name);
    void showPlayState();
    void showModes();
    void applyLiveness();
    void addPickerCaptions(QWidget* picker);
    void attachButtonAction(ImageButton* button, const QString& id);
    // The skip buttons of a skin that asks for it show the skip distance.
    void applySkipDistanceStyle(ImageButton* button, const AttributeMap& attributes);
    void showSkipDistance();
    void dropBuiltViews();
    QPixmap bundleImage(const QString& name) const;
    SkinRoot* root();
    void setTextOfLabels(const QString& id, const QString& text);
    void showPageOf(PagingScrollView* scrollView, int page, bool animated);

    float m_skinApiVersion = 0;
    bool m_isLoaded = false;
    QString m_directory;
    QString m_directoryPath;
    SkinFileAccess m_files;
    QHash<QString, QPixmap> m_cachedImages;
    QString m_rowBackgroundImageName;
    QString m_rowBackgroundHighlightedImageName;
    qreal m_rowFontSize = 16;
    QColor m_rowTextColour = Qt::white;
    QColor m_rowTextSelectedColour = Qt::white;
    bool m_forceUpdateStatus = false;
    bool m_forceUpdateTime = false;
    bool m_forceUpdateLooping = false;
    bool m_forceUpdateVolume = false;
    SkinDelegate* m_delegate = nullptr;
    UserDefaults& m_defaults;
    const XmlNode* m_currentViewRoot = nullptr;
    XmlNodePtr m_skinData;
    std::map<const XmlNode*, SkinRoot> m_roots;
    SkinRoot* m_buildingRoot = nullptr;
    qreal m_contentScale = 1;
    Liveness m_liveness = Liveness::Live;
    int m_currentItem = -1;
    int m_buildDepth = 0;

    int m_timeElapsed = 0;
    int m_timeRemaining = 0;
    int m_timeLength = 0;
    float m_volume = 0;
    int m_maxVolume = VolumeRange::normalMaximum;
    bool m_isPlaying = false;
    bool m_isStopped = false;
    bool m_isLooping = false;
    bool m_isRandom = false;
    bool m_isRepeating = false;
    int m_itemsInPlaylist = 0;
    QString m_statusDescription;
    QString m_nowPlayingText;
    QImage m_albumArt;

    std::unique_ptr<VolumeSliderDelegate> m_volumeSliderDelegate;
    std::unique_ptr<PositionSliderDelegate> m_positionSliderDelegate;
    std::unique_ptr<PickerDelegate> m_pickerDelegate;
};
