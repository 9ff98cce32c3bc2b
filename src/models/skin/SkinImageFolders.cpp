#include "models/skin/SkinImageFolders.h"

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
    static int number = SkinImageFolders::builtInFolder;
    return number;
}

const QString builtInImages = QStringLiteral(":/images");

QString folderFor(int number)
{
    if (number == SkinImageFolders::builtInFolder)
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

int SkinImageFolders::registerFolder(const QString& folder)
{
    QMutexLocker lock(&registryMutex());
    const int number = ++lastNumber();
    registry().insert(number, folder);
    return number;
}

void SkinImageFolders::unregisterFolder(int number)
{
    QMutexLocker lock(&registryMutex());
    registry().remove(number);
}

QUrl SkinImageFolders::url(int folder, const QString& name, bool twin)
{
    if (name.isEmpty())
        return {};
    return QUrl(QStringLiteral("image://%1/%2/%3/%4")
                    .arg(QLatin1String(providerId))
                    .arg(folder)
                    .arg(twin ? 2 : 1)
                    .arg(QString::fromLatin1(QUrl::toPercentEncoding(name))));
}

QString SkinImageFolders::pathFor(int number, const QString& name, bool twin, bool* isTwin)
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

bool SkinImageFolders::parse(const QString& id, int* folder, bool* twin, QString* name)
{
    const qsizetype first = id.indexOf(u'/');
    const qsizetype second = first < 0 ? -1 : id.indexOf(u'/', first + 1);
    if (second < 0)
        return false;
    bool numbered = false;
    *folder = id.left(first).toInt(&numbered);
    *twin = id.mid(first + 1, second - first - 1) == u"2";
    *name = QUrl::fromPercentEncoding(id.mid(second + 1).toUtf8());
    return numbered;
}

QSize SkinImageFolders::sizeOf(int folder, const QString& path)
{
    if (path.isEmpty())
        return {};
    return folder == builtInFolder ? QImageReader(path).size() : SkinImageBudget::size(path);
}
