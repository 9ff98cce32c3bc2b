#include "models/skin/SkinScene.h"

#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "models/skin/SkinControlRules.h"
#include "models/skin/SkinDocument.h"
#include "models/skin/SkinGeometry.h"
#include "models/skin/SkinSkipDistance.h"
#include "models/skin/SkinArtControl.h"
#include "models/skin/SkinButtonControl.h"
#include "models/skin/SkinImageFolders.h"
#include "models/skin/SkinLabelControl.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinPlaylistRows.h"
#include "models/skin/SkinSliderControl.h"
#include "models/skin/SkinTableControl.h"
#include "models/skin/SkinWheels.h"
#include "models/skin/SkinZoomControl.h"
#include "vlc/VolumeRange.h"

#include <QBuffer>
#include <QImageReader>

namespace {
const QString portraitName = QStringLiteral("Portrait");
const QString landscapeName = QStringLiteral("Landscape");
// A position zoom slider starts with this range, until the first time.
constexpr double positionZoomStartMaximum = 200;

SkinElement::Kind elementKind(SkinControl::Kind kind)
{
    return SkinElement::Kind(int(kind));
}
static_assert(int(SkinControl::Art) == int(SkinElement::Kind::Art), "the kinds follow SkinElement");
}

SkinScene::SkinScene(QObject* parent)
    : QObject(parent)
    , m_maxVolume(VolumeRange::normalMaximum)
{
    m_portrait.orientation = portraitName;
    m_landscape.orientation = landscapeName;
    m_rows = new SkinPlaylistRows(this);
    m_wheels = new SkinWheels(this);
    connect(m_wheels, &SkinWheels::seekRequested, this, &SkinScene::requestSeek);
    connect(m_wheels, &SkinWheels::volumeRequested, this, &SkinScene::requestVolume);
    connect(this, &SkinScene::orientationChanged, this, &SkinScene::smallestAreaChanged);
    connect(this, &SkinScene::skinChanged, this, &SkinScene::smallestAreaChanged);
    m_imageSettle.setSingleShot(true);
    m_imageSettle.setInterval(imageSettleMs);
    connect(&m_imageSettle, &QTimer::timeout, this, &SkinScene::settleImages);
}

SkinScene::~SkinScene()
{
    if (m_folderNumber)
        SkinImageFolders::unregisterFolder(m_folderNumber);
}

// --- The skin -------------------------------------------------------------------------

void SkinScene::classBegin()
{
    m_beingMade = true;
}

void SkinScene::componentComplete()
{
    m_beingMade = false;
    if (m_directoryGiven)
        load();
}

void SkinScene::setPreferences(UserDefaults* preferences)
{
    if (preferences == m_preferences)
        return;
    m_preferences = preferences;
    // The trees read the page and the caption as they are built.
    if (m_document && !m_beingMade)
        load();
}

QVariant SkinScene::preference(const QString& key) const
{
    return m_preferences ? m_preferences->objectForKey(key) : PreferenceKeys::registeredDefaults().value(key);
}

void SkinScene::keepPreference(const QString& key, const QVariant& value)
{
    if (m_preferences)
        m_preferences->setObject(key, value);
}

void SkinScene::setDirectory(const QString& directory)
{
    if (directory == m_directory && m_document)
        return;
    m_directory = directory;
    m_directoryGiven = true;
    if (!m_beingMade)
        load();
}

void SkinScene::load()
{
    // The old controls go only after the new roots are announced: QML lets
    // go of them then, and its delegates go by deleteLater, so controls
    // deleted first would leave the items drawing them reading null.
    const std::vector<SkinControl*> oldRoots = dropTrees();
    if (m_folderNumber)
        SkinImageFolders::unregisterFolder(m_folderNumber);
    m_document = std::make_shared<const SkinDocument>(folder());
    m_folderNumber = SkinImageFolders::registerFolder(folder());
    m_imageSizes.clear();
    emit skinChanged();
    // The shown orientation at once; the other when it is first shown.
    treeFor(orientation());
    emit rootsChanged();
    emit orientationChanged();
    for (SkinControl* root : oldRoots)
        root->deleteLater();
}

QString SkinScene::folder() const
{
    return HomePaths::resolve(m_directory);
}

bool SkinScene::isLoaded() const
{
    return m_document && m_document->isLoaded();
}

double SkinScene::apiVersion() const
{
    return m_document ? m_document->apiVersion() : 0;
}

std::vector<SkinControl*> SkinScene::dropTrees()
{
    std::vector<SkinControl*> roots;
    for (Tree* tree : { &m_portrait, &m_landscape }) {
        if (tree->root)
            roots.push_back(tree->root);
        tree->root = nullptr;
        tree->controls.clear();
        tree->built = false;
    }
    return roots;
}

SkinScene::Tree* SkinScene::treeFor(const QString& name)
{
    Tree* tree = name == portraitName ? &m_portrait : name == landscapeName ? &m_landscape : nullptr;
    if (tree && !tree->built && m_document)
        build(*tree);
    return tree;
}

void SkinScene::build(Tree& tree)
{
    tree.built = true;
    const SkinElement* element = m_document->root(tree.orientation);
    if (!element)
        return;
    tree.root = makeControl(*element, nullptr);
    tree.root->collect(tree.controls);
    layOut(tree);
    showState(tree);
}

SkinControl* SkinScene::makeControl(const SkinElement& element, SkinControl* parent)
{
    SkinControl* control = nullptr;
    switch (element.kind) {
    case SkinElement::Kind::ScrollView:
        control = new SkinPagesControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Image:
        control = new SkinImageControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Label:
        control = new SkinLabelControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::ZoomSlider:
        control = new SkinZoomControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Slider:
        control = new SkinSliderControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Button:
        control = new SkinButtonControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Table:
        control = new SkinTableControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::Art:
        control = new SkinArtControl(m_document, element, this, parent);
        break;
    case SkinElement::Kind::View:
    case SkinElement::Kind::Picker:
        control = new SkinControl(m_document, element, this, parent);
        break;
    }
    for (const SkinElement& child : element.children)
        makeControl(child, control);
    return control;
}

SkinControl* SkinScene::root(const QString& orientation)
{
    Tree* tree = treeFor(orientation);
    return tree ? tree->root : nullptr;
}

SkinControl* SkinScene::portrait()
{
    return root(portraitName);
}

SkinControl* SkinScene::landscape()
{
    return root(landscapeName);
}

SkinPagesControl* SkinScene::mainScrollView()
{
    Tree* tree = treeFor(orientation());
    if (tree)
        for (SkinControl* control : tree->controls)
            if (auto* pages = qobject_cast<SkinPagesControl*>(control); pages && pages->isMain())
                return pages;
    return nullptr;
}

QSizeF SkinScene::imagePointSize(int folder, const QString& name, bool twin)
{
    const QString key = QStringLiteral("%1/%2/").arg(folder).arg(twin ? 2 : 1) + name;
    if (const auto it = m_imageSizes.constFind(key); it != m_imageSizes.constEnd())
        return *it;
    bool isTwin = false;
    const QString path = SkinImageFolders::pathFor(folder, name, twin, &isTwin);
    const QSize pixels = SkinImageFolders::sizeOf(folder, path);
    const QSizeF size = pixels.isValid() ? QSizeF(pixels) / (isTwin ? 2 : 1) : QSizeF();
    m_imageSizes.insert(key, size);
    return size;
}

// --- Layout -----------------------------------------------------------------------------

void SkinScene::setAreaSize(const QSizeF& size)
{
    if (size == m_areaSize)
        return;
    const QString before = orientation();
    m_areaSize = size;
    emit areaSizeChanged();
    if (orientation() != before) {
        treeFor(orientation());
        emit rootsChanged();
        emit orientationChanged();
    }
    layOutAll();
}

void SkinScene::setDevicePixelRatio(qreal ratio)
{
    if (!(ratio > 0) || ratio == m_devicePixelRatio)
        return;
    m_devicePixelRatio = ratio;
    emit areaSizeChanged();
    layOutAll();
}

QString SkinScene::orientation() const
{
    return m_areaSize.height() >= m_areaSize.width() ? portraitName : landscapeName;
}

QSize SkinScene::smallestArea() const
{
    return m_document ? SkinGeometry::smallestLegibleArea(m_document->pointSize(orientation())) : QSize();
}

void SkinScene::layOutAll()
{
    for (Tree* tree : { &m_portrait, &m_landscape })
        if (tree->root)
            layOut(*tree);
    m_imageSettle.start();
}

void SkinScene::settleImages()
{
    for (Tree* tree : { &m_portrait, &m_landscape })
        for (SkinControl* control : tree->controls)
            control->settleImages();
}

void SkinScene::layOut(Tree& tree)
{
    const QSize points = tree.root->element().frame.size();
    const qreal scale = SkinGeometry::fitScale(m_areaSize, points);
    const QSizeF size = QSizeF(points) * scale;
    // Centred in the area, on whole pixels.
    const QRectF rootRect(std::max<qreal>(0, std::round((m_areaSize.width() - size.width()) / 2)),
                          std::max<qreal>(0, std::round((m_areaSize.height() - size.height()) / 2)),
                          std::round(size.width()), std::round(size.height()));
    tree.root->layOut(scale, rootRect);
    const bool twin = SkinGeometry::usesTwinImages(scale, m_devicePixelRatio);
    for (SkinControl* control : tree.controls)
        control->setTwinImages(twin);
}

// --- State ------------------------------------------------------------------------------

void SkinScene::showState(Tree& tree)
{
    for (SkinControl* control : tree.controls)
        control->applyLook(SkinControlRules::lookFor(elementKind(control->kind()), control->skinId(), m_state));
    showTexts(tree);
    showValues(tree);
}

void SkinScene::showStateEverywhere()
{
    for (Tree* tree : { &m_portrait, &m_landscape })
        if (tree->root)
            for (SkinControl* control : tree->controls)
                control->applyLook(SkinControlRules::lookFor(elementKind(control->kind()), control->skinId(), m_state));
}

void SkinScene::showInBuiltTrees(int shown)
{
    for (Tree* tree : { &m_portrait, &m_landscape }) {
        if (!tree->root)
            continue;
        if (shown & Shown::Texts)
            showTexts(*tree);
        if (shown & Shown::Values)
            showValues(*tree);
    }
}

void SkinScene::showTexts(Tree& tree)
{
    const QString skipCaption = SkinSkipDistance::caption(preference(PreferenceKeys::skipDistance).toInt());
    for (SkinControl* control : tree.controls) {
        if (auto* button = qobject_cast<SkinButtonControl*>(control); button && button->showsSkipDistance())
            button->setText(skipCaption);
        auto* label = qobject_cast<SkinLabelControl*>(control);
        if (!label)
            continue;
        const QString& id = label->skinId();
        if (id == SkinRoles::status)
            label->setText(m_status);
        else if (id == SkinRoles::nowPlaying)
            label->setText(m_nowPlaying);
        else if (id == SkinRoles::timeElapsed)
            label->setText(StringHelpers::timeStringFromSecs(m_elapsed));
        else if (id == SkinRoles::timeRemaining)
            label->setText(StringHelpers::timeStringFromSecs(m_remaining));
        else if (id == SkinRoles::timeLength)
            label->setText(StringHelpers::timeStringFromSecs(m_length));
    }
}

void SkinScene::showValues(Tree& tree)
{
    for (SkinControl* each : tree.controls) {
        auto* control = qobject_cast<SkinValueControl*>(each);
        if (!control)
            continue;
        const bool zoom = control->kind() == SkinControl::ZoomSlider;
        // Maximum before value, so that the value is not clamped by the old range.
        if (control->skinId() == SkinRoles::volumeSlider) {
            control->setMaximum(m_maxVolume);
            control->setValue(m_volume);
        } else if (control->skinId() == SkinRoles::positionSlider) {
            control->setMaximum(m_timeKnown ? m_length : zoom ? positionZoomStartMaximum : m_maxVolume);
            control->setValue(m_elapsed);
        }
    }
}

void SkinScene::setLiveness(Liveness liveness)
{
    if (SkinPlayerState::Liveness(liveness) == m_state.liveness)
        return;
    m_state.liveness = SkinPlayerState::Liveness(liveness);
    showStateEverywhere();
    emit stateChanged();
}

#define PLAYERLINK_STATE_SETTER(Setter, field, Type)                                                             \
    void SkinScene::Setter(Type value)                                                                           \
    {                                                                                                            \
        if (value == m_state.field)                                                                              \
            return;                                                                                              \
        m_state.field = value;                                                                                   \
        showStateEverywhere();                                                                                   \
        emit stateChanged();                                                                                     \
    }
PLAYERLINK_STATE_SETTER(setPlaying, playing, bool)
PLAYERLINK_STATE_SETTER(setStopped, stopped, bool)
PLAYERLINK_STATE_SETTER(setItemsInPlaylist, itemsInPlaylist, int)
PLAYERLINK_STATE_SETTER(setLooping, looping, bool)
PLAYERLINK_STATE_SETTER(setRandom, random, bool)
PLAYERLINK_STATE_SETTER(setRepeating, repeating, bool)
#undef PLAYERLINK_STATE_SETTER

void SkinScene::setVolume(double volume)
{
    if (volume == m_volume)
        return;
    m_volume = volume;
    showInBuiltTrees(Shown::Values);
    showWheels();
    emit volumeChanged();
}

void SkinScene::setMaxVolume(int maximum)
{
    if (maximum == m_maxVolume)
        return;
    m_maxVolume = maximum;
    m_wheels->setMaxVolume(maximum);
    showInBuiltTrees(Shown::Values);
    emit volumeChanged();
}

void SkinScene::setElapsed(int seconds)
{
    if (seconds == m_elapsed && m_timeKnown)
        return;
    m_elapsed = seconds;
    m_timeKnown = true;
    showInBuiltTrees(Shown::Texts | Shown::Values);
    showWheels();
    emit timeChanged();
}

void SkinScene::setRemaining(int seconds)
{
    if (seconds == m_remaining && m_timeKnown)
        return;
    m_remaining = seconds;
    m_timeKnown = true;
    showInBuiltTrees(Shown::Texts | Shown::Values);
    emit timeChanged();
}

void SkinScene::setLength(int seconds)
{
    if (seconds == m_length && m_timeKnown)
        return;
    m_length = seconds;
    m_timeKnown = true;
    showInBuiltTrees(Shown::Texts | Shown::Values);
    showWheels();
    emit timeChanged();
}

void SkinScene::showWheels()
{
    m_wheels->update(m_length, m_elapsed, int(m_volume), m_animateWheels);
    m_animateWheels = true;
}

void SkinScene::setStatus(const QString& text)
{
    if (text == m_status && text.isNull() == m_status.isNull())
        return;
    m_status = text;
    showInBuiltTrees(Shown::Texts);
    emit textsChanged();
}

void SkinScene::setNowPlaying(const QString& text)
{
    if (text == m_nowPlaying && text.isNull() == m_nowPlaying.isNull())
        return;
    m_nowPlaying = text;
    showInBuiltTrees(Shown::Texts);
    emit textsChanged();
}

void SkinScene::showSkipDistance()
{
    showInBuiltTrees(Shown::Texts);
}

void SkinScene::setArt(const QImage& art)
{
    if (art.isNull() && m_art.isNull())
        return;
    m_art = art;
    emit artChanged();
}

void SkinScene::setArtData(const QByteArray& encoded)
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
            if (size.width() > keptArtSide || size.height() > keptArtSide)
                reader.setScaledSize(size.scaled(keptArtSide, keptArtSide, Qt::KeepAspectRatio));
            art = reader.read();
        }
    }
    setArt(art);
}

void SkinScene::setCurrentRow(int row)
{
    if (row == m_currentRow)
        return;
    m_currentRow = row;
    m_rows->setCurrentRow(row);
    emit currentRowChanged();
}

QAbstractItemModel* SkinScene::playlist() const
{
    return m_rows->source();
}

void SkinScene::setPlaylist(QAbstractItemModel* model)
{
    if (model == m_rows->source())
        return;
    m_rows->setSource(model);
    emit playlistChanged();
}

// --- What the user does ----------------------------------------------------------------

void SkinScene::buttonActivated(const SkinButtonControl& control)
{
    const SkinRoles::Action action = SkinRoles::actionFor(control.skinId());
    if (action != SkinRoles::Action::None)
        emit actionTriggered(action);
}

void SkinScene::sliderMoved(const SkinValueControl& control, double value)
{
    if (control.skinId() == SkinRoles::positionSlider)
        requestSeek(int(value));
    else if (control.skinId() == SkinRoles::volumeSlider)
        requestVolume(int(value));
}

void SkinScene::requestSeek(int seconds)
{
    m_animateWheels = false;
    emit seekRequested(seconds);
}

void SkinScene::requestVolume(int volume)
{
    m_animateWheels = false;
    emit volumeRequested(volume);
}

void SkinScene::chooseRow(int row)
{
    // The placeholder row only deselects.
    if (!m_rows->isEmpty() && row >= 0 && row < m_rows->rowCount())
        emit rowChosen(row);
}

void SkinScene::flipPages()
{
    if (SkinPagesControl* pages = mainScrollView(); pages && pages->pageCount() > 0)
        pages->setCurrentPage((pages->currentPage() + 1) % pages->pageCount());
}

void SkinScene::turnPage(int delta)
{
    if (SkinPagesControl* pages = mainScrollView())
        pages->setCurrentPage(pages->currentPage() + delta);
}

bool SkinScene::handleKey(RemoteKeys::Action key)
{
    using Key = RemoteKeys::Action;
    switch (key) {
    case Key::PlayPause:
        emit actionTriggered(SkinRoles::Action::PlayPause);
        return true;
    case Key::ScanBack:
        emit actionTriggered(SkinRoles::Action::ScanBack);
        return true;
    case Key::ScanForward:
        emit actionTriggered(SkinRoles::Action::ScanForward);
        return true;
    case Key::VolumeUp:
        emit actionTriggered(SkinRoles::Action::VolumeUp);
        return true;
    case Key::VolumeDown:
        emit actionTriggered(SkinRoles::Action::VolumeDown);
        return true;
    case Key::Next:
        emit actionTriggered(SkinRoles::Action::Next);
        return true;
    case Key::Previous:
        emit actionTriggered(SkinRoles::Action::Previous);
        return true;
    case Key::FullScreen:
        emit fullScreenRequested();
        return true;
    case Key::PreviousPage:
        turnPage(-1);
        return true;
    case Key::NextPage:
        turnPage(1);
        return true;
    case Key::Back:
    case Key::None:
        return false;
    }
    return false;
}
