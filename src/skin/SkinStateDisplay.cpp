// The skin's state setters: each remembers what it showed last and touches
// the controls only when that changes or an update is forced.
#include "skin/Skin.h"

#include "core/PreferenceKeys.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "models/skin/SkinSkipDistance.h"
#include "skin/PickerDelegate.h"
#include "skin/SkinControlNames.h"
#include "skin/SkinIds.h"
#include "skin/SkinProperties.h"
#include "ui/ArtView.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/PickerView.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"
#include "ui/ZoomSlider.h"

#include <QBuffer>
#include <QImageReader>

#include <QPointF>

namespace {
template <typename Control, typename Action>
void forEach(const std::vector<SkinControl>& list, const QString& id, Action action)
{
    for (const SkinControl& entry : list)
        if (entry.id == id)
            if (auto* control = qobject_cast<Control*>(entry.control.data()))
                action(control);
}

template <typename Control, typename Action>
void forEachOfKind(const std::vector<SkinControl>& list, Action action)
{
    for (const SkinControl& entry : list)
        if (auto* control = qobject_cast<Control*>(entry.control.data()))
            action(control);
}

// Controls that act on the player: they wait for its state to be known and
// current.
const QString playerButtons[] = { SkinIds::previous, SkinIds::stop,       SkinIds::playPause,  SkinIds::next,
                                  SkinIds::shuffle,  SkinIds::repeat,     SkinIds::loop,       SkinIds::volumeLess,
                                  SkinIds::volumeMore, SkinIds::skipForward, SkinIds::skipBack, SkinIds::dvdUp,
                                  SkinIds::dvdDown,  SkinIds::dvdLeft,    SkinIds::dvdRight,   SkinIds::dvdSelect,
                                  SkinIds::dvdMenu };
}

void Skin::forceUpdates()
{
    m_nowPlayingText = QStringLiteral("forceUpdate");
    m_statusDescription = QStringLiteral("forceUpdate");
    m_forceUpdateStatus = true;
    m_forceUpdateTime = true;
    m_forceUpdateLooping = true;
    m_forceUpdateVolume = true;
}

void Skin::setTextOfLabels(const QString& id, const QString& text)
{
    if (SkinRoot* r = root())
        forEach<FitLabel>(r->labels, id, [&](FitLabel* label) { label->setText(text); });
}

void Skin::setStatus(const QString& text)
{
    if (text == m_statusDescription && text.isNull() == m_statusDescription.isNull())
        return;
    m_statusDescription = text;
    setTextOfLabels(SkinIds::status, text);
}

void Skin::setNowPlaying(const QString& text)
{
    if (text == m_nowPlayingText && text.isNull() == m_nowPlayingText.isNull())
        return;
    m_nowPlayingText = text;
    setTextOfLabels(SkinIds::nowPlaying, text);
}

void Skin::setIsPlaying(bool playing, bool stopped, int items)
{
    if (!m_forceUpdateStatus && playing == m_isPlaying && stopped == m_isStopped && items == m_itemsInPlaylist)
        return;
    m_forceUpdateStatus = false;
    m_isPlaying = playing;
    m_isStopped = stopped;
    m_itemsInPlaylist = items;
    showPlayState();
}

void Skin::showPlayState()
{
    SkinRoot* r = root();
    if (!r)
        return;
    // Before the first status nothing is known: an empty, stopped player.
    const bool known = m_liveness != Liveness::NoState;
    const bool live = m_liveness == Liveness::Live;
    const bool playing = known && m_isPlaying;
    const bool stopped = !known || m_isStopped;
    const int items = known ? m_itemsInPlaylist : 0;
    for (const QString& id : { SkinIds::timeElapsed, SkinIds::timeRemaining, SkinIds::timeLength })
        forEach<FitLabel>(r->labels, id, [&](FitLabel* label) {
            label->setHidden(stopped);
            label->setEnabled(live);
        });
    for (const QString& id : { SkinIds::skipForward, SkinIds::skipBack })
        forEach<ImageButton>(r->buttons, id, [&](ImageButton* b) {
            b->setHidden(stopped);
            b->setEnabled(live);
        });
    forEach<ImageButton>(r->buttons, SkinIds::previous, [&](ImageButton* b) {
        b->setHidden(items <= 1);
        b->setEnabled(live && (!stopped || items <= 1));
    });
    forEach<ImageButton>(r->buttons, SkinIds::next, [&](ImageButton* b) {
        b->setHidden(items <= 1);
        b->setEnabled(live && !stopped);
    });
    for (const SkinControl& entry : r->buttons) {
        if (entry.id != SkinIds::playPause)
            continue;
        if (auto* button = qobject_cast<ImageButton*>(entry.control.data())) {
            button->setEnabled(live && items > 0);
            applyButtonImages(button, entry.node->attributeDict, playing);
            button->setAccessibleName(SkinControlNames::playPauseName(playing));
        }
    }
    forEach<ImageButton>(r->buttons, SkinIds::stop, [&](ImageButton* b) { b->setEnabled(live && playing); });
    forEach<ZoomSlider>(r->zoomSliders, SkinIds::positionSlider, [&](ZoomSlider* s) {
        s->setHidden(stopped);
        s->setEnabled(live);
    });
    forEach<TrackSlider>(r->sliders, SkinIds::positionSlider, [&](TrackSlider* s) {
        s->setHidden(stopped);
        s->setEnabled(live);
    });
    forEach<FitLabel>(r->labels, SkinIds::nowPlaying, [&](FitLabel* label) { label->setEnabled(live); });
}

void Skin::setLiveness(Liveness liveness)
{
    if (liveness == m_liveness)
        return;
    m_liveness = liveness;
    applyLiveness();
}

void Skin::applyLiveness()
{
    SkinRoot* r = root();
    if (!r)
        return;
    const bool live = m_liveness == Liveness::Live;
    for (const QString& id : playerButtons)
        forEach<ImageButton>(r->buttons, id, [&](ImageButton* b) { b->setEnabled(live); });
    forEach<ZoomSlider>(r->zoomSliders, SkinIds::volumeSlider, [&](ZoomSlider* s) { s->setEnabled(live); });
    forEach<TrackSlider>(r->sliders, SkinIds::volumeSlider, [&](TrackSlider* s) { s->setEnabled(live); });
    for (const SkinControl& entry : r->pickers)
        if (entry.control)
            entry.control->setEnabled(live);
    // The controls whose look follows the player's state too.
    showPlayState();
    showModes();
}

void Skin::setVolumeAnimated(float volume, bool animated)
{
    if (volume == m_volume && !m_forceUpdateVolume)
        return;
    m_volume = volume;
    m_forceUpdateVolume = false;
    SkinRoot* r = root();
    if (!r)
        return;
    if (m_pickerDelegate)
        for (size_t i = 0; i < r->pickers.size(); ++i)
            m_pickerDelegate->updatePickerLength(m_timeLength, m_timeElapsed, int(volume), animated);
    forEach<ZoomSlider>(r->zoomSliders, SkinIds::volumeSlider, [&](ZoomSlider* s) {
        if (!s->isMoving())
            s->setValue(volume);
    });
    forEach<TrackSlider>(r->sliders, SkinIds::volumeSlider, [&](TrackSlider* s) { s->setValue(volume); });
}

void Skin::setMaxVolume(int maximum)
{
    if (maximum == m_maxVolume)
        return;
    m_maxVolume = maximum;
    if (m_pickerDelegate)
        m_pickerDelegate->setMaxVolume(maximum);
    // Every orientation built so far, so that turning the window shows the
    // new range too; the pickers ask their delegate for the rows again.
    for (auto& [node, r] : m_roots) {
        forEach<ZoomSlider>(r.zoomSliders, SkinIds::volumeSlider, [&](ZoomSlider* s) {
            if (!s->isMoving())
                s->setMaximumValue(maximum);
        });
        forEach<TrackSlider>(r.sliders, SkinIds::volumeSlider, [&](TrackSlider* s) { s->setMaximumValue(maximum); });
        forEachOfKind<PickerView>(r.pickers, [](PickerView* p) { p->reloadComponent(PickerDelegate::VolumeWheel); });
    }
}

void Skin::setLooping(bool looping, bool random, bool repeating)
{
    if (!m_forceUpdateLooping && looping == m_isLooping && random == m_isRandom && repeating == m_isRepeating)
        return;
    m_isLooping = looping;
    m_isRandom = random;
    m_isRepeating = repeating;
    showModes();
    m_forceUpdateLooping = false;
}

void Skin::showModes()
{
    SkinRoot* r = root();
    if (!r)
        return;
    // A mode that is off shows the highlighted image; before the first
    // status every mode shows that, neither on nor claimed.
    const bool known = m_liveness != Liveness::NoState;
    forEach<ImageButton>(r->buttons, SkinIds::loop, [&](ImageButton* b) { b->setHighlighted(!known || !m_isLooping); });
    forEach<ImageButton>(r->buttons, SkinIds::shuffle, [&](ImageButton* b) { b->setHighlighted(!known || !m_isRandom); });
    forEach<ImageButton>(r->buttons, SkinIds::repeat,
                         [&](ImageButton* b) { b->setHighlighted(!known || !m_isRepeating); });
}

void Skin::setTimeElapsed(int elapsed, int remaining, int length, bool animated)
{
    const bool force = m_forceUpdateTime;
    SkinRoot* r = root();
    if (r && m_pickerDelegate && (force || elapsed != m_timeElapsed || length != m_timeLength))
        for (size_t i = 0; i < r->pickers.size(); ++i)
            m_pickerDelegate->updatePickerLength(length, elapsed, int(m_volume), animated);
    if (force || elapsed != m_timeElapsed) {
        m_timeElapsed = elapsed;
        if (r) {
            setTextOfLabels(SkinIds::timeElapsed, StringHelpers::timeStringFromSecs(elapsed));
            forEach<ZoomSlider>(r->zoomSliders, SkinIds::positionSlider, [&](ZoomSlider* s) {
                if (!s->isMoving())
                    s->setValue(elapsed);
            });
            forEach<TrackSlider>(r->sliders, SkinIds::positionSlider, [&](TrackSlider* s) { s->setValue(elapsed); });
        }
    }
    if (force || remaining != m_timeRemaining) {
        m_timeRemaining = remaining;
        setTextOfLabels(SkinIds::timeRemaining, StringHelpers::timeStringFromSecs(remaining));
    }
    if (force || length != m_timeLength) {
        m_timeLength = length;
        if (r) {
            setTextOfLabels(SkinIds::timeLength, StringHelpers::timeStringFromSecs(length));
            forEach<ZoomSlider>(r->zoomSliders, SkinIds::positionSlider, [&](ZoomSlider* s) {
                if (!s->isMoving())
                    s->setMaximumValue(length);
            });
            forEach<TrackSlider>(r->sliders, SkinIds::positionSlider, [&](TrackSlider* s) { s->setMaximumValue(length); });
        }
    }
    m_forceUpdateTime = false;
}

void Skin::applySkipDistanceStyle(ImageButton* button, const AttributeMap& attributes)
{
    const QString id = attributes.value(u"id");
    const QString* size = attributes.find(u"distanceFontSize");
    if ((id != SkinIds::skipForward && id != SkinIds::skipBack) || !size)
        return;
    ImageButton::CaptionStyle style;
    style.pointSize = StringHelpers::doubleValue(*size);
    style.colour = colourFromString(attributes.value(u"distanceColour"));
    const QString* disabled = attributes.find(u"distanceDisabledColour");
    style.disabledColour = disabled ? colourFromString(*disabled) : style.colour;
    const QString* x = attributes.find(u"distanceX");
    const QString* y = attributes.find(u"distanceY");
    if (x || y) {
        const QRect frame = button->property(SkinProperties::pointFrame).toRect();
        style.centre = QPointF(x ? StringHelpers::doubleValue(*x) : frame.width() / 2.0,
                               y ? StringHelpers::doubleValue(*y) : frame.height() / 2.0);
    }
    style.maximumWidth = StringHelpers::doubleValue(attributes.value(u"distanceWidth"));
    button->setCaptionStyle(style);
    button->setProperty(SkinProperties::showsSkipDistance, true);
}

void Skin::showSkipDistance()
{
    const QString caption = SkinSkipDistance::caption(m_defaults.integerForKey(PreferenceKeys::skipDistance));
    const QString words = m_defaults.stringForKey(PreferenceKeys::skipDistanceWord);
    for (auto& [node, r] : m_roots)
        for (const QString& id : { SkinIds::skipForward, SkinIds::skipBack })
            forEach<ImageButton>(r.buttons, id, [&](ImageButton* b) {
                if (b->property(SkinProperties::showsSkipDistance).toBool())
                    b->setCaption(caption);
                b->setAccessibleDescription(words);
            });
}

void Skin::reloadTableData()
{
    if (SkinRoot* r = root())
        forEachOfKind<TableView>(r->tables, [](TableView* table) { table->reloadData(); });
}

// --- Paging of the main scroll view ----------------------------------------------

void Skin::showPageOf(PagingScrollView* scrollView, int page, bool animated)
{
    scrollView->setContentOffset(QPointF(page * scrollView->width(), scrollView->contentOffset().y()), animated);
    m_defaults.setInteger(PreferenceKeys::slideScreenPosition, page);
}

void Skin::updateScrollView()
{
    if (SkinRoot* r = root())
        forEach<PagingScrollView>(r->scrollViews, SkinIds::mainScrollView, [&](PagingScrollView* s) {
            const int pages = s->pageCount();
            if (pages <= 0)
                return; // narrower than its frame: nothing to page
            showPageOf(s, m_defaults.integerForKey(PreferenceKeys::slideScreenPosition) % pages, false);
        });
}

void Skin::flipScrollView()
{
    if (SkinRoot* r = root())
        forEach<PagingScrollView>(r->scrollViews, SkinIds::mainScrollView, [&](PagingScrollView* s) {
            const int pages = s->pageCount();
            if (pages > 0)
                showPageOf(s, (s->currentPage() + 1) % pages, true);
        });
}

PagingScrollView* Skin::mainScrollView() const
{
    if (const SkinRoot* r = currentRoot())
        for (const SkinControl& entry : r->scrollViews)
            if (entry.id == SkinIds::mainScrollView)
                if (auto* pages = qobject_cast<PagingScrollView*>(entry.control.data()))
                    return pages;
    return nullptr;
}

void Skin::turnPage(int delta)
{
    if (PagingScrollView* pages = mainScrollView())
        pages->scrollToPage(pages->visiblePage() + delta, true);
}

void Skin::setCurrentItem(int row)
{
    if (row == m_currentItem)
        return;
    const int previous = m_currentItem;
    m_currentItem = row;
    SkinRoot* r = root();
    if (!r)
        return;
    forEachOfKind<TableView>(r->tables, [&](TableView* table) {
        QList<IndexPath> rows;
        for (int shown : { previous, row })
            if (shown >= 0 && shown < table->numberOfRowsInSection(0))
                rows << IndexPath(0, shown);
        table->reloadRowsAtIndexPaths(rows);
        if (row >= 0 && row < table->numberOfRowsInSection(0))
            table->scrollToRowAtIndexPath(IndexPath(0, row), TableView::ScrollPositionNone, true);
    });
}

void Skin::setAlbumArt(const QByteArray& encoded)
{
    QImage art;
    if (!encoded.isEmpty()) {
        QBuffer buffer;
        buffer.setData(encoded);
        QImageReader reader(&buffer);
        // The size is read from the header first: a few bytes must not make
        // the decoder allocate gigabytes.
        const QSize size = reader.size();
        if (size.isValid() && size.width() <= maxArtSide && size.height() <= maxArtSide) {
            // Kept no larger than any art view draws it: a scan of a cover
            // need not take a hundred megabytes while it plays.
            if (size.width() > keptArtSide || size.height() > keptArtSide)
                reader.setScaledSize(size.scaled(keptArtSide, keptArtSide, Qt::KeepAspectRatio));
            art = reader.read();
        }
    }
    if (art.isNull() && m_albumArt.isNull())
        return;
    m_albumArt = art;
    // Every orientation built so far shows it, so turning shows the same.
    for (auto& [node, built] : m_roots)
        forEachOfKind<ArtView>(built.artViews, [&](ArtView* view) { view->setPicture(m_albumArt); });
}

void Skin::scrollViewDidEndDecelerating(PagingScrollView* scrollView)
{
    m_defaults.setInteger(PreferenceKeys::slideScreenPosition, scrollView->currentPage());
}
