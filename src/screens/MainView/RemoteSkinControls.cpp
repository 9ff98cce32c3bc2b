#include "screens/MainView/RemoteSkinControls.h"

#include "core/Localization.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "screens/MainView/RemoteSkinDisplay.h"
#include "skin/Skin.h"
#include "skin/SkinRowCell.h"
#include "ui/FitLabel.h"
#include "ui/TableView.h"

using Key = RemoteSession::KeyCommand;

RemoteSkinControls::RemoteSkinControls(RemoteSession& session, RemoteSkinDisplay& display)
    : m_session(session)
    , m_display(display)
{
}

RemoteSkinControls::~RemoteSkinControls() = default;

void RemoteSkinControls::previous() { m_session.previous(); }
void RemoteSkinControls::stop() { m_session.stop(); }
void RemoteSkinControls::playPause() { m_session.playPause(); }
void RemoteSkinControls::next() { m_session.next(); }
void RemoteSkinControls::random() { m_session.toggleRandom(); }
void RemoteSkinControls::repeat() { m_session.toggleRepeat(); }
void RemoteSkinControls::loop() { m_session.toggleLoop(); }
void RemoteSkinControls::volumeDown() { m_session.volumeDown(); }
void RemoteSkinControls::volumeUp() { m_session.volumeUp(); }
void RemoteSkinControls::scanForward() { m_session.skipForward(); }
void RemoteSkinControls::scanBack() { m_session.skipBack(); }
void RemoteSkinControls::dvdUp() { m_session.sendKeyCommand(Key::DvdUp); }
void RemoteSkinControls::dvdDown() { m_session.sendKeyCommand(Key::DvdDown); }
void RemoteSkinControls::dvdLeft() { m_session.sendKeyCommand(Key::DvdLeft); }
void RemoteSkinControls::dvdRight() { m_session.sendKeyCommand(Key::DvdRight); }
void RemoteSkinControls::dvdSelect() { m_session.sendKeyCommand(Key::DvdSelect); }
void RemoteSkinControls::dvdMenu() { m_session.sendKeyCommand(Key::DvdMenu); }
void RemoteSkinControls::sliderPositionChanged(double value) { seek(int(value)); }
void RemoteSkinControls::sliderVolumeChanged(double value) { setVolume(int(value)); }

void RemoteSkinControls::seek(int seconds)
{
    m_display.userSets([&] { m_session.seek(seconds); });
}

void RemoteSkinControls::setVolume(int volume)
{
    m_display.userSets([&] { m_session.setVolume(volume); });
}

// --- The playlist tables --------------------------------------------------------

int RemoteSkinControls::numberOfSections(TableView*)
{
    return 1;
}

int RemoteSkinControls::numberOfRowsInSection(TableView*, int)
{
    return qMax(1, m_session.playlist()->count()); // an empty list says so in its one row
}

TableViewCell* RemoteSkinControls::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    Skin* skin = m_display.skin();
    TableViewCell* cell = skin ? skin->obtainTableCellForTable(table) : new TableViewCell(QString());
    const PlaylistModel& playlist = *m_session.playlist();
    const bool empty = playlist.count() == 0;
    const QString text = empty ? localizedString("(Playlist Empty)")
                               : playlist.data(playlist.index(indexPath.row()), PlaylistModel::TitleRole).toString();
    if (auto* row = qobject_cast<SkinRowCell*>(cell)) {
        row->setPlaying(!empty && skin && indexPath.row() == skin->currentItem());
        row->setTitle(text);
    } else {
        cell->textLabel()->setText(text);
    }
    return cell;
}

IndexPath RemoteSkinControls::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return indexPath;
}

void RemoteSkinControls::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    if (m_session.playlist()->count() > 0)
        m_session.playlist()->play(indexPath.row());
    table->deselectRowAtIndexPath(indexPath, true);
}
