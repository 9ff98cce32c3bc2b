#include "app/skin/SkinImageProvider.h"

#include "skin/SkinFileAccess.h"
#include "skin/SkinImageBudget.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>

namespace {
// Images are requested on Qt Quick's loader threads as well as the main one.
QMutex& registryMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<int, QString>& registry()
{
    static QHash<int, QString> folders;
    return folders;
}

int& lastNumber()
{
    static int number = SkinImageProvider::builtInFolder;
    return number;
}

const QString builtInImages = QStringLiteral(":/images");

QString folderFor(int number)
{
    if (number == SkinImageProvider::builtInFolder)
        return builtInImages;
    QMutexLocker lock(&registryMutex());
    return registry().value(number);
}

// The built-in images are the program's own: no checks beyond existing.
QString builtInPath(const QString& name)
{
    const QString path = builtInImages + u'/' + name;
    return !name.contains(u'/') && QFile::exists(path) ? path : QString();
}
}

SkinImageProvider::SkinImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

int SkinImageProvider::registerFolder(const QString& folder)
{
    QMutexLocker lock(&registryMutex());
    const int number = ++lastNumber();
    registry().insert(number, folder);
    return number;
}

void SkinImageProvider::unregisterFolder(int number)
{
    QMutexLocker lock(&registryMutex());
    registry().remove(number);
}

QUrl SkinImageProvider::url(int folder, const QString& name, bool twin)
{
    if (name.isEmpty())
        return {};
    return QUrl(QStringLiteral("image://skin/%1/%2/%3")
                    .arg(folder)
                    .arg(twin ? 2 : 1)
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(name))));
}

QString SkinImageProvider::pathFor(int number, const QString& name, bool twin, bool* isTwin)
{
    const QString folder = folderFor(number);
    if (isTwin)
        *isTwin = false;
    if (folder.isEmpty() || name.isEmpty())
        return {};
    const SkinFileAccess files(number == builtInFolder ? QString() : folder);
    auto resolve = [&](const QString& wanted) {
        if (number == builtInFolder)
            return builtInPath(wanted);
        QString path;
        return files.resolve(wanted, &path) == SkinFileAccess::Verdict::Found ? path : QString();
    };
    if (twin) {
        const QString path = resolve(SkinImageBudget::twinName(name));
        if (!path.isEmpty()) {
            if (isTwin)
                *isTwin = true;
            return path;
        }
    }
    return resolve(name);
}

QImage SkinImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize)
{
    const qsizetype first = id.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : id.indexOf(u'/', first + 1);
    if (second < 0)
        return {};
    bool numbered = false;
    const int number = id.left(first).toInt(&numbered);
    const bool twin = id.mid(first + 1, second - first - 1) == u"2";
    const QString name = QUrl::fromPercentEncoding(id.mid(second + 1).toUtf8());
    if (!numbered)
        return {};
    const QString path = pathFor(number, name, twin);
    QImage image = path.isEmpty() ? QImage() : number == builtInFolder ? QImage(path) : SkinImageBudget::read(path);
    if (size)
        *size = image.size();
    return scaledDown(image, requestedSize);
}

QImage SkinImageProvider::scaledDown(const QImage& image, const QSize& requestedSize)
{
    if (image.isNull() || (requestedSize.width() <= 0 && requestedSize.height() <= 0))
        return image;
    // A side not asked for keeps the image's proportions.
    QSize wanted = requestedSize;
    if (wanted.width() <= 0)
        wanted.setWidth(qMax(1, qRound(qreal(image.width()) * wanted.height() / image.height())));
    else if (wanted.height() <= 0)
        wanted.setHeight(qMax(1, qRound(qreal(image.height()) * wanted.width() / image.width())));
    // Never larger than the file: a larger copy would cost memory and show
    // nothing more than drawing this one larger does.
    if (wanted.width() > image.width() || wanted.height() > image.height() || wanted == image.size())
        return image;
    return image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize SkinImageProvider::sizeOf(int folder, const QString& path)
{
    if (path.isEmpty())
        return {};
    return folder == builtInFolder ? QImageReader(path).size() : SkinImageBudget::size(path);
}
