#include "core/HomePaths.h"
#include "skin/SkinArchiveInstaller.h"
#include "skin/SkinDownloader.h"
#include "core/SkinFolders.h"
#include "skin/SkinWorkLock.h"
#include "BlankPng.h"
#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "ZipBuilder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace {
QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file and folder below root with a digest of its content.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        entries.insert(path.mid(root.size()),
                       info.isSymLink() ? "link " + info.symLinkTarget().toUtf8()
                       : info.isDir()   ? QByteArray("folder")
                                        : QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha1));
    }
    return entries;
}

// Bytes the folder takes on disk, as du counts them.
qint64 diskUse(const QString& root)
{
    qint64 total = 0;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat st {};
        if (::lstat(QFile::encodeName(it.next()).constData(), &st) == 0)
            total += qint64(st.st_blocks) * 512;
    }
    return total;
}

QByteArray noise(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// Breaks the n-th central directory record: its signature, or the offset
// of its local header.
QByteArray corruptCentralRecord(QByteArray zip, int n, bool offset)
{
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i)
        at = zip.indexOf("PK\x01\x02", at + 1);
    if (offset)
        zip.replace(at + 42, 4, "\xf0\xff\xff\x0f");
    else
        zip[at + 3] = '\x09';
    return zip;
}

// A home with an installed skin "Keep" (which every hostile archive tries
// to replace) and a folder outside the skins folder that entries aim at.
struct SkinsHome {
    ScopedHome home;
    QString skins = SkinFolders::installedSkins();
    QString outside = home.path() + QStringLiteral("/outside");

    SkinsHome()
    {
        QDir().mkpath(outside);
        const SkinInstallResult keep = SkinArchiveInstaller(skins).installData(ZipBuilder::minimalSkin("Keep", "old"));
        EXPECT_TRUE(keep.ok()) << qPrintable(keep.detail);
    }

    // Installs while measuring what the skins folder takes on disk.
    SkinInstallResult install(const QByteArray& zip, qint64* peak, const ZipArchive_BW::Limits& limits = {})
    {
        const qint64 before = diskUse(skins);
        qint64 nextSample = 0;
        *peak = 0;
        SkinArchiveInstaller installer(skins);
        installer.setLimits(limits);
        installer.setWriteObserver([&](qint64 written) {
            if (written < nextSample)
                return;
            nextSample = written + 1024 * 1024;
            *peak = qMax(*peak, diskUse(skins) - before);
        });
        return installer.installData(zip);
    }
};

struct Hostile {
    const char* name;
    std::function<QByteArray(const SkinsHome&)> archive;
    SkinInstallFailure expected;
    ZipArchive_BW::Limits limits = {};
};

// A skin "Keep" with one more entry to come.
ZipBuilder keep()
{
    return std::move(ZipBuilder().add("Keep/SkinDefinition.xml", "<skin apiVersion=\"4\"/>"));
}

const QByteArray goodZip = ZipBuilder::minimalSkin("Keep", "new");

// A skin "Keep" whose definition names these images, which it holds.
QByteArray keepWithImages(const QList<QByteArray>& names, const QByteArray& png)
{
    QByteArray xml = R"(<skin apiVersion="4"><Portrait><view width="320" height="480">)";
    for (const QByteArray& name : names)
        xml += R"(<image width="10" height="10" imgNormal=")" + name + R"("/>)";
    ZipBuilder zip;
    zip.add("Keep/SkinDefinition.xml", xml + "</view></Portrait></skin>");
    for (const QByteArray& name : names)
        if (!name.startsWith(".."))
            zip.add("Keep/" + name, png);
    return zip.build();
}
}

TEST(SkinArchive, HostileArchivesLeaveEverythingAsItWasAndSayWhy)
{
    using F = SkinInstallFailure;
    ZipArchive_BW::Limits smallTotal;
    smallTotal.maxTotalBytes = 1024 * 1024;
    const std::vector<Hostile> cases {
        { "zip-slip with ../", [](auto&) { return keep().add("Keep/../../outside/escape.txt", "x").build(); }, F::NotSkinArchive },
        { "zip-slip with ..\\", [](auto&) { return keep().add("Keep\\..\\..\\outside\\escape.txt", "x").build(); }, F::NotSkinArchive },
        { "absolute path", [](const SkinsHome& h) { return keep().add((h.outside + "/escape.txt").toUtf8(), "x").build(); }, F::NotSkinArchive },
        { "drive letter", [](auto&) { return keep().add("C:\\outside\\escape.txt", "x").build(); }, F::NotSkinArchive },
        { "symlink, then a file through it",
          [](const SkinsHome& h) {
              return ZipBuilder()
                  .add("Keep/SkinDefinition.xml", "<skin/>")
                  .addSymlink("Keep/link", h.outside.toUtf8())
                  .add("Keep/link/escape.txt", "x")
                  .build();
          },
          F::NotSkinArchive },
        { "10 GB declared", [](auto&) { return keep().addZeros("Keep/big.png", 8 << 20, 10ULL << 30).build(); }, F::TooLarge },
        { "small declared, 100 MB inflating",
          [](auto&) { return keep().addZeros("Keep/big.png", 100 << 20, 1000).build(); }, F::Damaged },
        { "expanding beyond the ratio", [](auto&) { return keep().addZeros("Keep/zeros.png", 40 << 20).build(); }, F::TooLarge },
        { "more in total than the limit",
          [](auto&) { return ZipBuilder().add("Keep/SkinDefinition.xml", "<skin/>").add("Keep/a.png", noise(600 << 10)).add("Keep/b.png", noise(600 << 10)).build(); },
          F::TooLarge, smallTotal },
        { "100,000 tiny entries",
          [](auto&) {
              ZipBuilder zip;
              zip.add("Keep/SkinDefinition.xml", "<skin/>");
              for (int i = 0; i < 100000; ++i)
                  zip.add("Keep/" + QByteArray::number(i), "x");
              return zip.build();
          },
          F::TooLarge },
        { "truncated", [](auto&) { return goodZip.left(goodZip.size() - 40); }, F::Damaged },
        { "corrupt central directory record", [](auto&) { return corruptCentralRecord(goodZip, 1, false); }, F::Damaged },
        { "central directory pointing nowhere", [](auto&) { return corruptCentralRecord(goodZip, 1, true); }, F::Damaged },
        { "an error page", [](auto&) { return QByteArray("<html><body>404 Not Found</body></html>"); }, F::NotSkinArchive },
        { "a definition that is no skin", [](auto&) { return ZipBuilder().add("Keep/SkinDefinition.xml", "<html><b>hi</html>").build(); }, F::NotSkinArchive },
        { "a folder without a definition", [](auto&) { return ZipBuilder().add("Keep/readme.txt", "hi").build(); }, F::NotSkinArchive },
        { "only loose files", [](auto&) { return ZipBuilder().add("SkinDefinition.xml", "<skin/>").build(); }, F::NotSkinArchive },
        { "an image named outside its skin",
          [](auto&) {
              return ZipBuilder()
                  .add("Keep/SkinDefinition.xml", R"(<skin><Portrait><view><image imgNormal="../Other/x.png"/></view></Portrait></skin>)")
                  .add("Other/SkinDefinition.xml", "<skin/>")
                  .add("Other/x.png", blankPng(8, 8))
                  .build();
          },
          F::ImagesRefused },
        { "twelve images of 5,700 x 5,700",
          [](auto&) {
              QList<QByteArray> names;
              for (int i = 0; i < 12; ++i)
                  names << "big" + QByteArray::number(i) + ".png";
              return keepWithImages(names, blankPng(5700, 5700));
          },
          F::ImagesRefused },
        { "images past the skin's budget together",
          [](auto&) { return keepWithImages({ "a.png", "b.png", "c.png", "d.png" }, blankPng(2900, 2200)); }, F::ImagesRefused },
    };
    for (const Hostile& c : cases) {
        SCOPED_TRACE(c.name);
        SkinsHome h;
        const QByteArray zip = c.archive(h);
        const QMap<QString, QByteArray> before = snapshot(h.home.path());
        qint64 peak = 0;
        const SkinInstallResult result = h.install(zip, &peak, c.limits);
        EXPECT_EQ(result.failure, c.expected) << qPrintable(result.detail);
        EXPECT_FALSE(result.reason().isEmpty());
        if (c.expected == F::ImagesRefused) {
            EXPECT_TRUE(result.reason().contains(QStringLiteral("\"Keep\""))) << qPrintable(result.reason());
        }
        // Nothing anywhere in the home changed: no escaped file, no partial
        // skin, no work folder, and the installed "Keep" is the old one.
        EXPECT_EQ(snapshot(h.home.path()), before);
        EXPECT_EQ(readFile(h.skins + QStringLiteral("/Keep/marker.txt")), "old");
        EXPECT_LE(peak, (c.limits.maxTotalBytes + (1 << 20)));
        std::printf("  %-36s %-20s archive %9lld bytes, peak disk use %8lld bytes\n", c.name,
                    qPrintable(result.reason()), qlonglong(zip.size()), qlonglong(peak));
    }
}

TEST(SkinArchive, GoodArchivesInstallWholeAndReplaceInOneStep)
{
    SkinsHome h;
    // "\" separators unpack into the same folders as "/".
    const QString source = h.home.path() + QStringLiteral("/source");
    QDir().mkpath(source + QStringLiteral("/images/big"));
    QFile::copy(QStringLiteral(PLAYERLINK_FIXTURES_DIR "/skins/Glacier/SkinDefinition.xml"), source + "/SkinDefinition.xml");
    for (const char* name : { "/images/a.png", "/images/big/b.png" }) {
        QFile file(source + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write(noise(3000));
    }
    const QMap<QString, QByteArray> expected = snapshot(source);
    for (char separator : { '/', '\\' }) {
        SCOPED_TRACE(separator);
        QDir(h.skins + QStringLiteral("/Glacier")).removeRecursively();
        qint64 peak = 0;
        const SkinInstallResult result = h.install(ZipBuilder().addFolder(source, "Glacier", separator).build(), &peak);
        ASSERT_TRUE(result.ok()) << qPrintable(result.detail);
        EXPECT_EQ(result.installed, QStringList { "Glacier" });
        EXPECT_EQ(snapshot(h.skins + QStringLiteral("/Glacier")), expected);
    }

    // A newer "Keep" replaces the whole folder; archive clutter stays out.
    QFile::copy(h.skins + QStringLiteral("/Keep/marker.txt"), h.skins + QStringLiteral("/Keep/old-only.txt"));
    const QByteArray newer = ZipBuilder()
                                 .add("Keep/SkinDefinition.xml", "<skin apiVersion=\"4\"/>")
                                 .add("Keep/marker.txt", "new")
                                 .add("__MACOSX/Keep/._marker.txt", "mac")
                                 .add(".git/config", "hidden")
                                 .add("README.txt", "loose")
                                 .add("Keep/images/", "")
                                 .build();
    qint64 peak = 0;
    const SkinInstallResult replaced = h.install(newer, &peak);
    ASSERT_TRUE(replaced.ok()) << qPrintable(replaced.detail);
    EXPECT_EQ(readFile(h.skins + QStringLiteral("/Keep/marker.txt")), "new");
    EXPECT_FALSE(QFileInfo::exists(h.skins + QStringLiteral("/Keep/old-only.txt")));
    EXPECT_TRUE(QFileInfo(h.skins + QStringLiteral("/Keep/images")).isDir());
    EXPECT_EQ(QDir(h.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList { "Glacier", "Keep" }));
}

TEST(SkinArchive, LeftoversOfKilledRunsGoWhateverTheirAgeUnlessARunIsWorking)
{
    SkinsHome h;
    const QStringList leftovers { h.skins + QStringLiteral("/__install-AbC123"), h.skins + QStringLiteral("/__delete-XyZ789") };
    for (const QString& folder : leftovers)
        QDir().mkpath(folder + QStringLiteral("/Keep"));
    const QString download = HomePaths::tmp() + QStringLiteral("/skinDownload-Qw12Er");
    QFile(download).open(QIODevice::WriteOnly);
    qint64 peak = 0;
    {
        // Another install or delete still working: its folders stay.
        const SkinWorkLock working;
        EXPECT_TRUE(h.install(ZipBuilder::minimalSkin("Other"), &peak).ok());
        for (const QString& path : leftovers + QStringList { download })
            EXPECT_TRUE(QFileInfo::exists(path)) << qPrintable(path);
    }
    EXPECT_TRUE(h.install(ZipBuilder::minimalSkin("Other"), &peak).ok());
    for (const QString& path : leftovers + QStringList { download })
        EXPECT_FALSE(QFileInfo::exists(path)) << qPrintable(path);
    EXPECT_EQ(QDir(h.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList { "Keep", "Other" }));
}

TEST(SkinArchive, EntryNamesBecomePlainRelativePathsOrNothing)
{
    const std::vector<std::pair<QByteArray, QByteArray>> names {
        { "Skin/a.png", "Skin/a.png" },
        { "Skin\\img\\a.png", "Skin/img/a.png" },
        { "./Skin//a.png", "Skin/a.png" },
        { "Skin/", "Skin" },
        { "Skin/../a.png", "" },
        { "..\\a.png", "" },
        { "/etc/passwd", "" },
        { "\\\\server\\share\\a.png", "" },
        { "C:\\a.png", "" },
        { "c:a.png", "" },
        { QByteArray("Skin/a\0.png", 11), "" },
        { "Skin/\xff\xfe.png", "" },
        { "./", "" },
        { QByteArray(300, 'a'), "" },
    };
    for (const auto& [name, expected] : names)
        EXPECT_EQ(ZipArchive_BW::safeRelativePath(name), expected) << name.toStdString();
}

TEST(SkinDownloader, LinksBecomeHttpAddressesOrNothing)
{
    const std::vector<std::pair<const char*, const char*>> links {
        { "plskins://skins.example/night/skin.zip", "http://skins.example/night/skin.zip" },
        { "plskins://127.0.0.1:8080/a.zip?v=2", "http://127.0.0.1:8080/a.zip?v=2" },
        { "plskinss://skins.example/a.zip", "https://skins.example/a.zip" },
        { "plskins:///etc/passwd", "" },
        { "file:///etc/passwd", "" },
        { "javascript:alert(1)", "" },
        { "plskin:ftp://host/a.zip", "" },
        { "plskins", "" },
    };
    for (const auto& [link, address] : links)
        EXPECT_EQ(SkinDownloader::downloadAddressForLink(QString::fromLatin1(link)).toString(), QString::fromLatin1(address))
            << link;
}

TEST(SkinDownloader, DeletesOnlyInstalledSkinsAndLeavesNoHalfSkin)
{
    SkinsHome h;
    QDir().mkpath(HomePaths::bundle() + QStringLiteral("/DefaultSkin"));
    SkinDownloader downloader;
    ConsoleCapture log;
    for (const char* refused : { "PlayerLink.app/DefaultSkin", "Documents/Skins/../../PlayerLink.app", "Documents/Skins/",
                                 "Documents/Skins/..", "Documents/Skins/Gone", "Documents/Skins/Keep/../Keep" })
        EXPECT_FALSE(downloader.deleteSkin(QString::fromLatin1(refused))) << refused;
    EXPECT_TRUE(log.contains(QStringLiteral("failed to delete skin at ") + HomePaths::home()
                             + QStringLiteral("/PlayerLink.app/DefaultSkin")));
    EXPECT_TRUE(QFileInfo::exists(HomePaths::bundle() + QStringLiteral("/DefaultSkin")));
    EXPECT_TRUE(QFileInfo::exists(h.skins + QStringLiteral("/Keep/marker.txt")));

    EXPECT_TRUE(downloader.deleteSkin(QStringLiteral("Documents/Skins/Keep")));
    EXPECT_EQ(QDir(h.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_TRUE(QFileInfo::exists(h.outside));
}

TEST(SkinDownloader, ATricklingDownloadEndsAtItsDeadline)
{
    ScopedHome home;
    FakeHttpServer server;
    // A byte every 200 ms: never five seconds of silence, never an end.
    FakeHttpServer::Response trickle = FakeHttpServer::ok(ZipBuilder::minimalSkin("Slow"), "application/zip");
    trickle.trickleChunk = 1;
    trickle.trickleIntervalMs = 200;
    server.enqueue(trickle);
    SkinDownloader downloader;
    downloader.setDeadlineMs(1500);
    std::optional<SkinInstallResult> result;
    QObject::connect(&downloader, &SkinDownloader::finished, [&](const SkinInstallResult& r) { result = r; });
    ConsoleCapture log;
    downloader.downloadSkin(QStringLiteral("plskins://%1/slow.zip").arg(server.hostAddress()));
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }, 20000));
    EXPECT_EQ(result->failure, SkinInstallFailure::DownloadFailed);
    EXPECT_TRUE(log.contains(QStringLiteral("skin download failed: not done after 1 s")));
    EXPECT_FALSE(downloader.isDownloading());
    EXPECT_FALSE(QFileInfo::exists(SkinFolders::installedSkins() + QStringLiteral("/Slow")));
    EXPECT_TRUE(waitUntil([&] { return server.openConnections() == 0; }));
}
