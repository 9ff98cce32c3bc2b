#include "models/skin/SkinImageFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {
bool acceptableName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(QChar(0))
        || QDir::isAbsolutePath(name))
        return false;
    for (QStringView part : QStringView(name).split(u'/'))
        if (part == u"..")
            return false;
    return true;
}

bool acceptableSize(const QSize& size)
{
    return size.isValid() && size.width() <= SkinImageFile::maxSide && size.height() <= SkinImageFile::maxSide;
}
}

QString SkinImageFile::resolve(const QString& folder, const QString& name)
{
    if (!acceptableName(name))
        return {};
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return {};
    // Symbolic links are followed to where they lead, which must still lie
    // inside the folder.
    const QFileInfo target(QFileInfo(root + u'/' + name).canonicalFilePath());
    const QString path = target.filePath();
    if (path.isEmpty() || !path.startsWith(root + u'/') || !target.isFile())
        return {};
    return path;
}

QString SkinImageFile::twinName(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= slash + 1)
        return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QSize SkinImageFile::size(const QString& path)
{
    const QSize size = QImageReader(path).size();
    return acceptableSize(size) ? size : QSize();
}

QImage SkinImageFile::read(const QString& path)
{
    QImageReader reader(path);
    // From the header first: a few bytes must not make the decoder
    // allocate gigabytes.
    if (!acceptableSize(reader.size()))
        return {};
    return reader.read();
}
