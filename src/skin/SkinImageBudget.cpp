#include "skin/SkinImageBudget.h"

#include "core/xml/XmlNode.h"
#include "skin/SkinFileAccess.h"

#include <QFile>
#include <QImageReader>
#include <QSet>

#include <vector>

namespace {
// Every attribute through which a definition names an image.
constexpr QStringView imageAttributes[] = {
    u"imgNormal",      u"imgHighlighted",  u"imgSelected",    u"imgDisabled",   u"imgAlternate1",
    u"Attr_imgAlternate1Highlighted",      u"sliderMinTrack", u"sliderMaxTrack", u"sliderThumb",
    u"rowBackground",  u"rowBackgroundHighlighted",           u"imgFrame",      u"imgPlaceholder",
};

QSet<QString> imageNames(const XmlNode* skin)
{
    QSet<QString> names;
    std::vector<const XmlNode*> pending { skin };
    while (!pending.empty()) {
        const XmlNode* node = pending.back();
        pending.pop_back();
        for (QStringView attribute : imageAttributes)
            if (const QString* name = node->attributeDict.find(attribute); name && !name->isEmpty())
                names.insert(*name);
        for (const auto& [kind, children] : node->childGroups())
            pending.insert(pending.end(), children.begin(), children.end());
    }
    return names;
}

bool withinOneImage(const QSize& size)
{
    return size.isValid() && size.width() <= SkinImageBudget::maxSide && size.height() <= SkinImageBudget::maxSide
        && qint64(size.width()) * size.height() <= SkinImageBudget::maxImagePixels;
}
}

QString SkinImageBudget::twinName(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    // A name that is all extension (".png") has no base to add to.
    if (dot <= slash + 1)
        return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QString SkinImageBudget::problemWith(const XmlNode* skin, const SkinFileAccess& files)
{
    if (!skin)
        return QString();
    qint64 total = 0;
    for (const QString& name : imageNames(skin)) {
        for (const QString& file : { name, twinName(name) }) {
            QString path;
            const SkinFileAccess::Verdict verdict = files.resolve(file, &path);
            if (verdict == SkinFileAccess::Verdict::Refused)
                return QStringLiteral("the image \"%1\" is outside the skin's folder or not a plain file").arg(file);
            if (verdict == SkinFileAccess::Verdict::Missing)
                continue;
            QFile image;
            if (!SkinFileAccess::openRegular(image, path, maxImageBytes))
                return QStringLiteral("the image \"%1\" cannot be read or is larger than %2 MB")
                    .arg(file)
                    .arg(maxImageBytes >> 20);
            const QSize size = QImageReader(&image).size();
            if (!size.isValid())
                continue; // shown as a missing image
            const qint64 pixels = qint64(size.width()) * size.height();
            if (!withinOneImage(size))
                return QStringLiteral("the image \"%1\" has %2 x %3 pixels").arg(file).arg(size.width()).arg(size.height());
            total += pixels;
            if (total > maxSkinPixels)
                return QStringLiteral("its images have more than %1 pixels in all").arg(maxSkinPixels);
        }
    }
    return QString();
}

QSize SkinImageBudget::size(const QString& path)
{
    QFile file;
    if (!SkinFileAccess::openRegular(file, path, maxImageBytes))
        return {};
    const QSize size = QImageReader(&file).size();
    return withinOneImage(size) ? size : QSize();
}

QImage SkinImageBudget::read(const QString& path)
{
    QFile file;
    if (!SkinFileAccess::openRegular(file, path, maxImageBytes))
        return {};
    QImageReader reader(&file);
    if (!withinOneImage(reader.size()))
        return {};
    return reader.read();
}
