// The application as a person keeps using it, for the soak run
// (tests/soak/soak.py): launched as usual and connected to a VLC, it presses
// the remote screen's controls and edits the saved remotes without pause,
// and writes down what it did, so that the run can check, after each kill,
// that the saved-remotes file is whole and holds every change.
//
// The journal (append-only, each line on disk before the next step):
//   intent <seq> <nicknames after the edit, comma-separated>
//   done <seq>
//   status <epoch ms>    a status reply came
#include "ProgramWindow.h"
#include "core/PreferenceKeys.h"
#include "models/RemoteSession.h"
#include "app/ProgramLaunch.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QQuickStyle>
#include <QRandomGenerator>
#include <QTimer>

#include <unistd.h>

namespace {
const QString prefix = QStringLiteral("soak-");

class Journal {
public:
    explicit Journal(const QString& path)
        : m_file(path)
    {
        if (m_file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : m_file.readAll().split('\n'))
                if (line.startsWith("intent "))
                    m_lastSeq = qMax(m_lastSeq, line.split(' ').value(1).toLongLong());
            m_file.close();
        }
        m_file.open(QIODevice::Append);
    }
    qint64 lastSeq() const { return m_lastSeq; }
    void write(const QByteArray& line)
    {
        m_file.write(line + '\n');
        m_file.flush();
        ::fsync(m_file.handle());
    }

private:
    QFile m_file;
    qint64 m_lastSeq = 0;
};

QStringList soakNicknames(SavedRemoteList& saved)
{
    QStringList names;
    for (size_t i = 0; i < saved.size(); ++i)
        if (saved.recordAt(i).nickname.startsWith(prefix))
            names << saved.recordAt(i).nickname;
    return names;
}
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    // The password comes from PLAYERLINK_PASSWORD, out of the process list.
    parser.addOptions({ { "host", "VLC's address", "HOST:PORT" }, { "journal", "where to write what was done", "PATH" } });
    parser.process(app);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    Journal journal(parser.value("journal"));
    UserDefaults& defaults = UserDefaults::standard();
    defaults.registerDefaults(PreferenceKeys::registeredDefaults());
    ProgramLaunch::applicationDidFinishLaunching(defaults);
    ProgramWindow shown(true, [&](RemotesScreen& remotes) {
        remotes.load();
        remotes.connectTo(parser.value("host"), qEnvironmentVariable("PLAYERLINK_PASSWORD"));
    });
    if (!shown.window)
        return 1;
    SavedRemoteList& saved = shown.remotes.saved();
    QRandomGenerator random(quint32(QCoreApplication::applicationPid()));

    // Every status reply, so that the run can tell when the first came
    // after VLC was back.
    if (std::shared_ptr<VLCController> remote = shown.remotes.session().remote())
        QObject::connect(remote.get(), &VLCController::requestConcluded, &app, [&](const RequestResult& result) {
            if (result.reply == ReplyKind::Status)
                journal.write("status " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
        });

    // The controls, as a hand presses them; now and then a turn of the
    // skin's pages.
    QTimer controls;
    QObject::connect(&controls, &QTimer::timeout, &app, [&] {
        static const QStringList ids { "PlayPause", "VolumeMore", "VolumeLess", "SkipForward", "SkipBack",
                                       "PlayPause", "Next", "Shuffle", "Repeat", "Previous" };
        const int pick = int(random.bounded(ids.size() + 1));
        if (pick == ids.size()) {
            QMetaObject::invokeMethod(shown.window, "flipPages");
            return;
        }
        if (QQuickItem* button = shown.skinItem(SkinControl::Button, ids[pick]); button && button->isEnabled())
            shown.click(button);
    });
    controls.start(900);

    // The saved remotes, edited: added, renamed and removed in turn.
    qint64 seq = journal.lastSeq();
    QTimer edits;
    QObject::connect(&edits, &QTimer::timeout, &app, [&] {
        ++seq;
        QStringList names = soakNicknames(saved);
        const QString added = prefix + QString::number(seq);
        int op = names.size() < 8 ? 0 : int(random.bounded(3));
        QString target = names.isEmpty() ? QString() : names[int(random.bounded(names.size()))];
        if (op == 0)
            names << added;
        else if (op == 1)
            names.replace(names.indexOf(target), added);
        else
            names.removeOne(target);
        journal.write("intent " + QByteArray::number(seq) + ' ' + names.join(',').toUtf8());
        if (op == 0) {
            RemoteRecord record = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
            record.nickname = added;
            saved.add(std::make_shared<VLCController>(record, &shown.network));
        } else {
            for (size_t i = 0; i < saved.size(); ++i) {
                if (saved.recordAt(i).nickname != target)
                    continue;
                if (op == 1)
                    saved.remoteAt(i)->setNickname(added);
                else
                    saved.removeAt(i);
                break;
            }
        }
        journal.write("done " + QByteArray::number(seq));
    });
    edits.start(700);

    return app.exec();
}
