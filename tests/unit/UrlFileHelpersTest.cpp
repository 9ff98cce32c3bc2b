#include "core/ConsoleLog.h"
#include "core/DictionaryHelpers.h"
#include "core/FileHelpers.h"
#include "core/PasswordFile.h"
#include "core/UrlHelpers.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
// The mode bits as the kernel has them.
unsigned modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0xFFFFu;
}
}

TEST(UrlHelpers, SplitsPagesIntoFolderAndFileName)
{
    const QUrl page(QStringLiteral("http://help.example.com/vlc/setup/index.html"));
    EXPECT_EQ(UrlHelpers::fileName(page), QStringLiteral("index.html"));
    EXPECT_EQ(UrlHelpers::directory(page), QStringLiteral("help.example.com/vlc/setup"));

    const QUrl folder(QStringLiteral("http://help.example.com/vlc/"));
    EXPECT_EQ(UrlHelpers::fileName(folder), QStringLiteral("sqIndex.htm"));
    EXPECT_EQ(UrlHelpers::directory(folder), QStringLiteral("help.example.com/vlc"));

    // A doubled slash would leave a trailing one; the folder comes without it.
    ConsoleCapture log;
    EXPECT_EQ(UrlHelpers::directory(QUrl(QStringLiteral("http://h.example/a//"))), QStringLiteral("h.example/a"));
    EXPECT_TRUE(log.contains(QStringLiteral("directory shouldn't end with /")));

    EXPECT_EQ(UrlHelpers::lastSlash(QStringLiteral("a/b/c")), 3);
    EXPECT_EQ(UrlHelpers::lastSlash(QStringLiteral("abc")), 0);
}

TEST(FileHelpers, SaveDataCreatesFoldersAndRefusesEmptyData)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/a/b");
    const QString file = folder + QStringLiteral("/data.bin");
    EXPECT_TRUE(FileHelpers::saveData("hello", folder, file));
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("hello"));

    ConsoleCapture log;
    EXPECT_FALSE(FileHelpers::saveData(QByteArray(), folder, file));
    EXPECT_TRUE(log.contains(QStringLiteral("attempted to save an empty file : ") + file));
}

TEST(FileHelpers, ANewVersionReplacesTheOldOneWhole)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/remotes");
    ASSERT_TRUE(FileHelpers::saveData("version 1", QString(), file));
    // The old file is never written into: a reader holding it sees it whole,
    // and the new one appears only once complete (written aside, then
    // renamed), so a write that fails half way leaves the old one.
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    ASSERT_TRUE(FileHelpers::saveData("version 2, longer", QString(), file));
    EXPECT_EQ(old.readAll(), QByteArray("version 1"));
    QFile now(file);
    ASSERT_TRUE(now.open(QIODevice::ReadOnly));
    EXPECT_EQ(now.readAll(), QByteArray("version 2, longer"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("remotes") }); // no leftovers
}

TEST(FileHelpers, AFailedWriteLeavesThePreviousFile)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/remotes");
    ASSERT_TRUE(FileHelpers::saveData("version 1", QString(), file));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool saved = FileHelpers::saveData("version 2", QString(), file);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("version 1"));
}

TEST(FileHelpers, SecretsAreForTheOwnerOnlyWhateverTheUmaskOrTheOldFile)
{
    QTemporaryDir dir;
    const mode_t previous = ::umask(0); // the worst a user could have set
    const QString folder = dir.path() + QStringLiteral("/Documents");
    const QString file = folder + QStringLiteral("/secrets");
    EXPECT_TRUE(FileHelpers::saveData("pw 1", folder, file, FileAccess::OwnerOnly));
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);

    // Replacing a file others could read (the old mode carries over by default).
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_TRUE(FileHelpers::saveData("pw 2", folder, file, FileAccess::OwnerOnly));
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_TRUE(FileHelpers::saveData("plain", folder, folder + QStringLiteral("/plain")));
    EXPECT_EQ(modeOf(folder + QStringLiteral("/plain")), 0666u);

    // Narrowing what an older version left open.
    const QString open = dir.path() + QStringLiteral("/open");
    ASSERT_TRUE(QDir().mkdir(open));
    EXPECT_EQ(modeOf(open), 0777u);
    EXPECT_TRUE(FileHelpers::makeDirectory(open, FileAccess::OwnerOnly));
    EXPECT_EQ(modeOf(open), 0700u);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    EXPECT_TRUE(FileHelpers::restrictFileToOwner(file));
    EXPECT_EQ(modeOf(file), 0600u);
    ::umask(previous);
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("pw 2"));
}

TEST(FileHelpers, CopyCreatesTheDestinationFolderAndAgesCompare)
{
    QTemporaryDir dir;
    const QString source = dir.path() + QStringLiteral("/a.txt");
    ASSERT_TRUE(FileHelpers::saveData("x", QString(), source));
    const QString target = dir.path() + QStringLiteral("/deep/er/b.txt");
    EXPECT_TRUE(FileHelpers::copyItemAtPathCreatingDirectories(source, target));
    EXPECT_TRUE(QFile::exists(target));
    QString error;
    EXPECT_FALSE(FileHelpers::copyItemAtPathCreatingDirectories(dir.path() + QStringLiteral("/none"), target, &error));
    EXPECT_FALSE(error.isEmpty());

    QFile older(source);
    ASSERT_TRUE(older.open(QIODevice::ReadWrite));
    older.setFileTime(QDateTime::currentDateTime().addSecs(-100), QFileDevice::FileModificationTime);
    older.close();
    EXPECT_EQ(FileHelpers::ageOfFile(source, target), -1);
    EXPECT_EQ(FileHelpers::ageOfFile(target, source), 1);
    EXPECT_TRUE(FileHelpers::fileHasChangedSince(target, QDateTime::currentDateTime().addSecs(-50)));
    EXPECT_FALSE(FileHelpers::fileHasChangedSince(source, QDateTime::currentDateTime().addSecs(-50)));
}

TEST(PasswordFile, ReadsTheFirstLineOfASmallFileAndRefusesAnythingElseAtOnce)
{
    QTemporaryDir folder;
    auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    QString error;
    EXPECT_EQ(PasswordFile::read(write("unix", "s3cret pass\nnext\n"), &error), QStringLiteral("s3cret pass"));
    EXPECT_EQ(PasswordFile::read(write("dos", "Café\r\n"), &error), QStringLiteral("Café"));
    EXPECT_EQ(PasswordFile::read(write("bare", "x"), &error), QStringLiteral("x"));
    EXPECT_EQ(PasswordFile::read(write("full", QByteArray(PasswordFile::maxBytes, 'p')), &error)->size(),
              PasswordFile::maxBytes);

    // A FIFO with no writer would block an ordinary open.
    const QString fifo = folder.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, QString> refused[] = {
        { folder.filePath("none"), "no such file" },
        { fifo, "not a regular file" },
        { folder.path(), "a folder, not a file" },
        { QStringLiteral("/dev/zero"), "not a regular file" },
        { write("huge", QByteArray(PasswordFile::maxBytes + 1, 'p')), "larger than 4096 bytes" },
        { write("empty", ""), "holds no password" },
        { write("blank first line", "\nsecret\n"), "holds no password" },
    };
    for (const auto& [path, reason] : refused) {
        error.clear();
        EXPECT_FALSE(PasswordFile::read(path, &error)) << path.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("--password-file %1: %2").arg(path, reason))) << error.toStdString();
    }
}

TEST(DictionaryHelpers, TypedEntriesWithZeroForMissingOnes)
{
    QVariantMap row;
    DictionaryHelpers::setInt(row, 7, QStringLiteral("BW_ROW_HEIGHT_INT"));
    DictionaryHelpers::setFloat(row, 0.5f, QStringLiteral("BW_ROW_ALPHA_FLOAT"));
    DictionaryHelpers::setClass(row, &QObject::staticMetaObject, QStringLiteral("BW_ROW_CELL_CLASS"));
    EXPECT_EQ(DictionaryHelpers::intForKey(row, QStringLiteral("BW_ROW_HEIGHT_INT")), 7);
    EXPECT_FLOAT_EQ(DictionaryHelpers::floatForKey(row, QStringLiteral("BW_ROW_ALPHA_FLOAT")), 0.5f);
    EXPECT_EQ(DictionaryHelpers::classForKey(row, QStringLiteral("BW_ROW_CELL_CLASS")), &QObject::staticMetaObject);
    EXPECT_EQ(DictionaryHelpers::intForKey(row, QStringLiteral("missing")), 0);
    EXPECT_EQ(DictionaryHelpers::classForKey(row, QStringLiteral("missing")), nullptr);
}
