#include "models/skin/SkinDocument.h"

#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"
#include "core/xml/XMLParser.h"
#include "skin/SkinReader.h"


#include <algorithm>
#include <iterator>

namespace {
using Kind = SkinElement::Kind;

// The order in which a view's controls are stacked, whatever their order in
// the file; nested views come after them.
const std::pair<const char*, Kind> controlKinds[] = {
    { "image", Kind::Image },   { "label", Kind::Label },   { "zoom_slider", Kind::ZoomSlider },
    { "slider", Kind::Slider }, { "button", Kind::Button }, { "table", Kind::Table },
    { "picker", Kind::Picker }, { "art", Kind::Art },
};

bool isHidden(const AttributeMap& attributes)
{
    return attributes.value(u"hidden") == u"1";
}

QRect frameOf(const AttributeMap& a)
{
    auto number = [&](QStringView key) { return int(StringHelpers::intValue(a.value(key))); };
    return QRect(number(u"x"), number(u"y"), number(u"width"), number(u"height"));
}

SkinElement controlFrom(const XmlNode* node, Kind kind)
{
    SkinElement element;
    element.kind = kind;
    element.attributes = node->attributeDict;
    element.id = node->attributeDict.value(u"id");
    element.frame = frameOf(node->attributeDict);
    return element;
}

// A view node and everything under it; nothing when the view is hidden or
// of a type that cannot be built. The nesting was checked at loading.
std::optional<SkinElement> viewFrom(const XmlNode* node)
{
    const AttributeMap& a = node->attributeDict;
    if (isHidden(a))
        return std::nullopt;
    const QString* type = a.find(u"type");
    if (type && *type != u"scrollView") {
        ConsoleLog::log(logSkin, QStringLiteral("unexpected view type - don't know how to initialise it"));
        return std::nullopt;
    }
    SkinElement view = controlFrom(node, type ? Kind::ScrollView : Kind::View);
    for (const auto& [name, kind] : controlKinds) {
        const XmlNodeList* children = node->children(QString::fromLatin1(name));
        if (!children)
            continue;
        const size_t first = view.children.size();
        for (const XmlNode* child : *children)
            if (!isHidden(child->attributeDict))
                view.children.push_back(controlFrom(child, kind));
        // Each image goes below the ones before it.
        if (kind == Kind::Image)
            std::reverse(view.children.begin() + qsizetype(first), view.children.end());
    }
    const XmlNodeList* views = node->children(u"view");
    if (!views)
        return view;
    if (view.kind == Kind::ScrollView)
        view.pageCount = int(views->size());
    for (size_t i = 0; i < views->size(); ++i) {
        std::optional<SkinElement> nested = viewFrom((*views)[i]);
        if (!nested)
            continue; // a page that built nothing keeps its place, empty
        if (view.kind == Kind::ScrollView) {
            nested->page = int(i);
            nested->frame.moveLeft(int(i) * view.frame.width());
        }
        view.children.push_back(std::move(*nested));
    }
    return view;
}
}

SkinDocument::SkinDocument(const QString& folder)
    : m_folder(folder)
{
    const SkinReader read = SkinReader::read(folder, folder);
    m_isLoaded = read.isLoaded;
    m_apiVersion = read.apiVersion;
    // A refused skin shows nothing at all.
    if (read.refusal != SkinReader::Refusal::None)
        return;
    m_portrait = viewFrom(XMLParser::dictAtPath(u"Portrait/view", read.skin).get());
    m_landscape = viewFrom(XMLParser::dictAtPath(u"Landscape/view", read.skin).get());
}

const SkinElement* SkinDocument::root(const QString& orientation) const
{
    const std::optional<SkinElement>* root = orientation == u"Portrait" ? &m_portrait
        : orientation == u"Landscape"                                   ? &m_landscape
                                                                        : nullptr;
    return root && *root ? &**root : nullptr;
}

QSize SkinDocument::pointSize(const QString& orientation) const
{
    const SkinElement* element = root(orientation);
    return element ? element->frame.size() : QSize();
}
