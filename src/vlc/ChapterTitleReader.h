#pragma once

#include "vlc/ChapterTitleInfo.h"

#include <QObject>

class RequestChannel;
class VLCController;

// Reads the titles and chapters of a remote. VLC 3's status.xml carries
// none, so for VLC 3 this asks for its JSON status, over a channel of its
// own beside the remote's (a chapter poll must not supersede a command).
// For the older interface the remote's own status answers.
class ChapterTitleReader : public QObject {
    Q_OBJECT
public:
    explicit ChapterTitleReader(QObject* parent = nullptr);
    ~ChapterTitleReader() override;

    // Asks again; answers arrive through changed().
    void refresh(const VLCController& remote);
    // What the remote offers now.
    ChapterTitleInfo info(const VLCController& remote) const;
    // Forgets what was read (another remote, or another item).
    void clear();

signals:
    // A reply brought titles or chapters other than those known.
    void changed();
    // A request ended, with a reply or without; changed() came first.
    void answered();

private:
    RequestChannel* m_channel;
    QString m_baseAddress;
    ChapterTitleInfo m_info;
};
