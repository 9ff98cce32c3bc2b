#pragma once

#include <QObject>
#include <QPointer>

#include <QString>

#include <optional>
#include <tuple>

class RemoteSession;
class Skin;

// What the skin shows of the session: each of the session's changes goes to
// the part of the skin that shows it, and only a change does, so a reply
// that changes nothing touches no widget. A new skin (or the other
// orientation's) is shown everything at once.
class RemoteSkinDisplay : public QObject {
    Q_OBJECT
public:
    RemoteSkinDisplay(RemoteSession& session, QObject* parent = nullptr);
    ~RemoteSkinDisplay() override;

    Skin* skin() const { return m_skin; }
    void setSkin(Skin* skin);
    // Everything the session knows, to a skin just made or turned.
    void showAll();

    // A value the user set shows at once, and so does the remote's next
    // one: the picker jumps there rather than glide from where the user
    // left it; after that it glides again.
    template <typename Action>
    void userSets(Action action)
    {
        m_animatePicker = false;
        m_userSetting = true;
        action();
        m_userSetting = false;
    }
    bool animatesPicker() const { return m_animatePicker; }
    // How often the connection was shown, for tests: once per change.
    int connectionShown() const { return m_connectionShown; }

private:
    void showConnection();
    void showPlayback();
    void showVolume();
    void showTime();
    void showModes();
    void showTitle();
    void showArt();
    void showCurrentRow();
    void pickerShown();

    RemoteSession& m_session;
    Skin* m_skin = nullptr; // the screen's; it says when it goes

    bool m_animatePicker = false;
    bool m_userSetting = false;
    int m_connectionShown = 0;
    // What the skin shows now, to leave it alone when the change of one
    // part of a group repeats what it shows; none after showAll's reset.
    std::optional<std::tuple<bool, int, QString>> m_shownConnection;
    std::optional<std::tuple<bool, bool, int>> m_shownPlayback;
    std::optional<std::tuple<int, int, int>> m_shownTime;
    std::optional<std::tuple<bool, bool, bool>> m_shownModes;
};
