#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <utility>
#include <vector>

class VLCController;

// Chooses a remote's audio, video and subtitle tracks and says which one is
// in force. VLC 3's status never says which track is selected, so where the
// status marks none, the track the user chose last for the item playing now
// stands in; before any choice for that item nothing is marked.
//
// One per remote, kept as the remote's child (see of()).
class TrackSelection : public QObject {
    Q_OBJECT
public:
    enum Kind { Audio, Video, Subtitle };

    static TrackSelection& of(VLCController& remote);

    // The index of the track in force in the remote's list of that kind, or -1.
    int current(Kind kind);
    // Sends the choice (nothing for an index outside the list) and keeps it.
    void select(Kind kind, int index);
    // The indexes of the remote's list of that kind, in the order of the
    // streams in the file ("None" first): VLC 3 lists them in no fixed order.
    std::vector<int> inStreamOrder(Kind kind);

private:
    explicit TrackSelection(VLCController& remote);
    int count(Kind kind);
    QString streamIdAt(Kind kind, int index) const;

    VLCController& m_remote;
    // (playlist item id, kind) -> stream id of the track chosen last.
    std::map<std::pair<int, int>, QString> m_chosen;
};
