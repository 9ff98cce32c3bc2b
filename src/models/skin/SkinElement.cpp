#include "models/skin/SkinElement.h"

#include "core/StringHelpers.h"
#include "models/skin/SkinColour.h"

QString SkinElement::kindName() const
{
    switch (kind) {
    case Kind::View:
    case Kind::ScrollView:
        return QStringLiteral("view");
    case Kind::Image:
        return QStringLiteral("image");
    case Kind::Label:
        return QStringLiteral("label");
    case Kind::ZoomSlider:
        return QStringLiteral("zoom_slider");
    case Kind::Slider:
        return QStringLiteral("slider");
    case Kind::Button:
        return QStringLiteral("button");
    case Kind::Table:
        return QStringLiteral("table");
    case Kind::Picker:
        return QStringLiteral("picker");
    case Kind::Art:
        return QStringLiteral("art");
    }
    return {};
}

double SkinElement::number(QStringView key, double fallback) const
{
    const QString* value = attributes.find(key);
    return value ? StringHelpers::doubleValue(*value) : fallback;
}

int SkinElement::integer(QStringView key, int fallback) const
{
    const QString* value = attributes.find(key);
    return value ? int(StringHelpers::intValue(*value)) : fallback;
}

QColor SkinElement::colour(QStringView key) const
{
    return SkinColour::fromString(attributes.value(key));
}

std::vector<const SkinElement*> SkinElement::all(Kind wanted) const
{
    std::vector<const SkinElement*> found;
    std::vector<const SkinElement*> pending { this };
    // Depth first, children in order, without recursion.
    while (!pending.empty()) {
        const SkinElement* element = pending.back();
        pending.pop_back();
        if (element->kind == wanted)
            found.push_back(element);
        for (auto it = element->children.rbegin(); it != element->children.rend(); ++it)
            pending.push_back(&*it);
    }
    return found;
}
