#include "skin/Skin.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "core/xml/XMLParser.h"
#include "skin/PickerDelegate.h"
#include "skin/PositionSliderDelegate.h"
#include "skin/SkinControlNames.h"
#include "skin/SkinDelegate.h"
#include "skin/SkinIds.h"
#include "skin/SkinProperties.h"
#include "skin/SkinRowCell.h"
#include "skin/VolumeSliderDelegate.h"
#include "ui/ArtView.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/ImageView.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"


namespace {
const QString displayCellId = QStringLiteral("DisplayCell_ID");

// The order in which a view's children are built, whatever their order in
// the file.
const char* const kindOrder[] = { "image", "label", "zoom_slider", "slider", "button", "table", "picker", "art" };

int intAttribute(const AttributeMap& attributes, QStringView key)
{
    return int(StringHelpers::intValue(attributes.value(key)));
}

bool isHidden(const AttributeMap& attributes)
{
    return attributes.value(u"hidden") == u"1";
}
}

Skin::Skin(const QString& directory, SkinDelegate* delegate, UserDefaults& defaults)
    : m_delegate(delegate)
    , m_defaults(defaults)
{
    setDirectory(directory);
}

Skin::~Skin()
{
    dropBuiltViews();
}

void Skin::dropBuiltViews()
{
    for (auto& [node, root] : m_roots)
        if (root.control)
            root.control->deleteLater();
    m_roots.clear();
    m_currentViewRoot = nullptr;
}

void Skin::setDirectory(const QString& directory)
{
    if (directory == m_directory && m_skinData)
        return;
    m_directory = directory;
    m_directoryPath = HomePaths::home() + u'/' + directory + u'/';
    // The controls of the old definition go with it.
    dropBuiltViews();
    m_files = SkinFileAccess(m_directoryPath);
    // Views are built recursively: the reader refuses a skin nested deeper
    // than any real one, as it refuses one whose images it cannot take.
    const SkinReader read = SkinReader::read(m_directoryPath, directory);
    m_skinData = read.skin;
    m_isLoaded = read.isLoaded;
    m_skinApiVersion = read.apiVersion;
    ConsoleLog::log(QStringLiteral("skin api is %f"), double(m_skinApiVersion));
}

const SkinRoot* Skin::currentRoot() const
{
    const auto it = m_roots.find(m_currentViewRoot);
    return it == m_roots.end() ? nullptr : &it->second;
}

SkinRoot* Skin::root()
{
    const auto it = m_roots.find(m_currentViewRoot);
    return it == m_roots.end() ? nullptr : &it->second;
}

QWidget* Skin::viewNamed(const QString& orientation)
{
    const XmlNodePtr node = XMLParser::dictAtPath(QStringLiteral("%1/view").arg(orientation), m_skinData);
    m_currentViewRoot = node.get();
    SkinRoot& built = m_roots[m_currentViewRoot];
    const bool newlyBuilt = !built.control;
    if (newlyBuilt) {
        built = SkinRoot {};
        m_buildingRoot = &built;
        built.control = buildViewAndContentsFromDict(m_currentViewRoot);
        m_buildingRoot = nullptr;
        built.twinImages = usesTwinImages(); // the images it was built with
    }
    layOut(built);
    // At the size the pages are laid out at: a page beyond the unscaled
    // content's end would be cut back to it.
    if (newlyBuilt)
        updateScrollView();
    // Chosen on a screen shown over this one: read whenever it is shown.
    showSkipDistance();
    forceUpdates();
    // Controls built while the player's state is unknown or old wait for it
    // too (a live player's state arrives with the next update).
    if (m_liveness != Liveness::Live)
        applyLiveness();
    return built.control;
}

QColor Skin::colourFromString(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (text.isEmpty() || parts.size() < 4)
        return QColor::fromRgbF(1, 1, 1, 1);
    // Components are used as given, without scaling from 0-255; beyond the
    // range they count as its end, as a screen shows them.
    auto component = [&](int i) { return float(qBound(0.0, StringHelpers::doubleValue(parts[i]), 1.0)); };
    return QColor::fromRgbF(component(0), component(1), component(2), component(3));
}

void Skin::setSizeFor(QWidget* view, const AttributeMap& attributes)
{
    const QRect frame(intAttribute(attributes, u"x"), intAttribute(attributes, u"y"), intAttribute(attributes, u"width"),
                      intAttribute(attributes, u"height"));
    view->setGeometry(frame);
    // Kept in points, for laying the control out again at another scale.
    view->setProperty(SkinProperties::pointFrame, frame);
}

// --- Constructors -------------------------------------------------------------

QWidget* Skin::imageFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* view = new ImageView;
    const QString name = attributes.value(u"imgNormal");
    view->setProperty(SkinProperties::imageName, name);
    view->setImage(cachedImage(name));
    setSizeFor(view, attributes);
    return view;
}

QWidget* Skin::labelFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* label = new FitLabel;
    label->setTextColor(colourFromString(attributes.value(u"textColour")));
    const QString* size = attributes.find(u"fontSize");
    label->setPointSize(size ? StringHelpers::doubleValue(*size) : 10.0);
    setSizeFor(label, attributes);
    return label;
}

QWidget* Skin::buttonFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* button = new ImageButton;
    applyButtonImages(button, attributes, false);
    setSizeFor(button, attributes);
    attachButtonAction(button, attributes.value(u"id"));
    applySkipDistanceStyle(button, attributes);
    return button;
}

void Skin::attachButtonAction(ImageButton* button, const QString& id)
{
    using Action = void (SkinDelegate::*)();
    static const QHash<QString, Action> actions {
        { SkinIds::previous, &SkinDelegate::previous },     { SkinIds::stop, &SkinDelegate::stop },
        { SkinIds::playPause, &SkinDelegate::playPause },   { SkinIds::next, &SkinDelegate::next },
        { SkinIds::shuffle, &SkinDelegate::random },        { SkinIds::repeat, &SkinDelegate::repeat },
        { SkinIds::loop, &SkinDelegate::loop },             { SkinIds::volumeLess, &SkinDelegate::volumeDown },
        { SkinIds::volumeMore, &SkinDelegate::volumeUp },   { SkinIds::skipForward, &SkinDelegate::scanForward },
        { SkinIds::skipBack, &SkinDelegate::scanBack },     { SkinIds::dvdUp, &SkinDelegate::dvdUp },
        { SkinIds::dvdDown, &SkinDelegate::dvdDown },       { SkinIds::dvdLeft, &SkinDelegate::dvdLeft },
        { SkinIds::dvdRight, &SkinDelegate::dvdRight },     { SkinIds::dvdSelect, &SkinDelegate::dvdSelect },
        { SkinIds::dvdMenu, &SkinDelegate::dvdMenu },
    };
    const auto it = actions.constFind(id);
    if (it == actions.constEnd())
        return;
    const Action action = *it;
    connect(button, &QAbstractButton::clicked, this, [this, action] {
        if (m_delegate)
            (m_delegate->*action)();
    });
}

QWidget* Skin::sliderFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* slider = new TrackSlider;
    applySliderImages(slider, attributes);
    slider->setMaximumValue(m_maxVolume);
    setSizeFor(slider, attributes);
    const QString id = attributes.value(u"id");
    if (id == SkinIds::positionSlider)
        connect(slider, &TrackSlider::valueChanged, this, [this](double v) {
            if (m_delegate)
                m_delegate->sliderPositionChanged(v);
        });
    else if (id == SkinIds::volumeSlider)
        connect(slider, &TrackSlider::valueChanged, this, [this](double v) {
            if (m_delegate)
                m_delegate->sliderVolumeChanged(v);
        });
    return slider;
}

QWidget* Skin::tableFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* table = new TableView;
    const QString* rowHeight = attributes.find(u"rowHeight");
    const int rowPoints = rowHeight ? int(StringHelpers::intValue(*rowHeight)) : 40;
    table->setProperty(SkinProperties::rowHeight, rowPoints);
    table->setRowHeight(rowPoints);
    const QString* fontSize = attributes.find(u"fontSize");
    m_rowFontSize = fontSize ? StringHelpers::doubleValue(*fontSize) : 16.0;
    m_rowBackgroundImageName = attributes.value(u"rowBackground");
    m_rowBackgroundHighlightedImageName = attributes.value(u"rowBackgroundHighlighted");
    m_rowTextColour = colourFromString(attributes.value(u"textColour"));
    m_rowTextSelectedColour = colourFromString(attributes.value(u"textHighlightedColour"));
    table->setDataSource(m_delegate);
    table->setDelegate(m_delegate);
    table->setSeparatorStyle(TableView::SeparatorStyleNone);
    table->setAttribute(Qt::WA_TranslucentBackground);
    table->viewport()->setAutoFillBackground(false);
    table->setFrameShape(QFrame::NoFrame);
    setSizeFor(table, attributes);
    return table;
}

TableViewCell* Skin::obtainTableCellForTable(TableView* table)
{
    auto* cell = qobject_cast<SkinRowCell*>(table->dequeueReusableCellWithIdentifier(displayCellId));
    if (!cell) {
        cell = new SkinRowCell(displayCellId);
        cell->setSelectionStyle(TableViewCell::SelectionStyleGray);
    }
    cell->setTextColor(m_rowTextColour);
    cell->setHighlightedTextColor(m_rowTextSelectedColour);
    QFont font = cell->textLabel()->font();
    // Scaled with the skin, but never below a legible size the skin did not ask for.
    const qreal size = qMax(m_rowFontSize * m_contentScale, qMin(m_rowFontSize, FitLabel::legiblePointSize));
    font.setPixelSize(qMax(1, qRound(size)));
    cell->textLabel()->setFont(font);
    if (!m_rowBackgroundImageName.isEmpty())
        cell->setBackgroundImage(cachedImage(m_rowBackgroundImageName));
    // A pressed row shows the skin's own highlighted row.
    cell->setSelectedBackgroundImage(m_rowBackgroundHighlightedImageName.isEmpty()
                                         ? QPixmap()
                                         : cachedImage(m_rowBackgroundHighlightedImageName));
    return cell;
}

QWidget* Skin::viewFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    const QString* type = attributes.find(u"type");
    QWidget* view = nullptr;
    if (!type) {
        view = new QWidget;
        view->setAttribute(Qt::WA_TranslucentBackground);
    } else if (*type == u"scrollView") {
        auto* scroll = new PagingScrollView;
        if (attributes.value(u"id") == SkinIds::mainScrollView) {
            scroll->setDelegate(this);
            scroll->setScrollEnabled(m_defaults.boolForKey(PreferenceKeys::slideRemoteScreens));
        }
        view = scroll;
    } else {
        ConsoleLog::log(QStringLiteral("unexpected view type - don't know how to initialise it"));
        return nullptr;
    }
    setSizeFor(view, attributes);
    return view;
}

QWidget* Skin::artFromDict(const AttributeMap& attributes)
{
    if (isHidden(attributes))
        return nullptr;
    auto* view = new ArtView;
    view->setFrameImage(cachedImage(attributes.value(u"imgFrame")));
    view->setPlaceholderImage(cachedImage(attributes.value(u"imgPlaceholder")));
    view->setInset(StringHelpers::doubleValue(attributes.value(u"inset")));
    view->setContentScale(m_contentScale);
    view->setPicture(m_albumArt);
    setSizeFor(view, attributes);
    return view;
}

// --- Building -------------------------------------------------------------------

QWidget* Skin::buildViewAndContentsFromDict(const XmlNode* node)
{
    // The loader refuses deeper skins; this keeps the stack bounded for any
    // tree handed in (one more level: the root may be the orientation element).
    if (m_buildDepth > maxViewNesting)
        return nullptr;
    QWidget* view = viewFromDict(node->attributeDict);
    if (!view)
        return nullptr;
    ++m_buildDepth;
    buildChildren(node, view, *m_buildingRoot);
    --m_buildDepth;
    return view;
}

void Skin::buildChildren(const XmlNode* node, QWidget* view, SkinRoot& root)
{
    // Pages of a scroll view hang under its content view.
    auto* scroll = qobject_cast<PagingScrollView*>(view);
    QWidget* parent = scroll ? scroll->contentView() : view;

    using Constructor = QWidget* (Skin::*)(const AttributeMap&);
    const std::pair<Constructor, std::vector<SkinControl>*> kinds[] = {
        { &Skin::imageFromDict, nullptr },          { &Skin::labelFromDict, &root.labels },
        { &Skin::zoomSliderFromDict, &root.zoomSliders }, { &Skin::sliderFromDict, &root.sliders },
        { &Skin::buttonFromDict, &root.buttons },   { &Skin::tableFromDict, &root.tables },
        { &Skin::pickerFromDict, &root.pickers },   { &Skin::artFromDict, &root.artViews },
    };
    for (size_t k = 0; k < std::size(kinds); ++k) {
        const XmlNodeList* children = node->children(QString::fromLatin1(kindOrder[k]));
        if (!children)
            continue;
        const auto [construct, list] = kinds[k];
        for (const XmlNode* child : *children) {
            QWidget* control = (this->*construct)(child->attributeDict);
            if (!control)
                continue;
            control->setParent(parent);
            control->show();
            if (list)
                list->push_back({ child, child->attributeDict.value(u"id"), control });
            if (k != 0)
                control->setAccessibleName(SkinControlNames::accessibleName(
                    QString::fromLatin1(kindOrder[k]), child->attributeDict.value(u"id")));
            if (k == 0)
                control->lower(); // images lie below every other control
            if (list == &root.pickers)
                addPickerCaptions(control);
        }
    }

    if (const XmlNodeList* views = node->children(u"view")) {
        for (const XmlNode* child : *views) {
            QWidget* nested = buildViewAndContentsFromDict(child);
            if (!nested)
                continue;
            if (auto* pages = qobject_cast<PagingScrollView*>(nested))
                initialiseScrollViewFromRoot(child, pages);
            root.scrollViews.push_back({ child, child->attributeDict.value(u"id"), nested });
            nested->setParent(parent);
            nested->show();
        }
    }
}

void Skin::initialiseScrollViewFromRoot(const XmlNode* node, PagingScrollView* scrollView)
{
    const XmlNodeList* pages = node->children(u"view");
    const int count = pages ? int(pages->size()) : 0;
    const int w = scrollView->width();
    scrollView->setContentSize(QSizeF(w * count, scrollView->height()));
    scrollView->setPagingEnabled(true);
    // Pages are counted by elements: one that built nothing leaves its page empty.
    const auto& built = m_buildingRoot->scrollViews;
    scrollView->setProperty(SkinProperties::pageCount, count);
    for (int i = 0; i < count; ++i) {
        const XmlNode* page = (*pages)[size_t(i)];
        for (const SkinControl& entry : built) {
            if (entry.node != page || !entry.control)
                continue;
            entry.control->move(i * w, entry.control->y());
            entry.control->setProperty(SkinProperties::pageIndex, i);
        }
    }
}
