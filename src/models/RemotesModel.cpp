#include "models/RemotesModel.h"

#include "core/Localization.h"
#include "models/RemoteWaker.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <algorithm>

RemotesModel::RemotesModel(SavedRemoteList& saved, QNetworkAccessManager* network, QObject* parent)
    : QAbstractListModel(parent)
    , m_savedList(saved)
    , m_network(network)
{
    m_probeTimer.setInterval(probeIntervalMs);
    connect(&m_probeTimer, &QTimer::timeout, this, &RemotesModel::probe);
    connect(&saved, &SavedRemoteList::changed, this, &RemotesModel::holdSaved);
    holdSaved();
}

RemotesModel::~RemotesModel() = default;

void RemotesModel::setActive(bool active)
{
    if (active == isActive())
        return;
    if (active) {
        // Each showing starts with a round of probes: what answers is
        // told afresh (answeredAsVlc), then the statuses keep it fresh.
        m_understood.clear();
        m_probeTimer.start();
        probe();
    } else {
        m_probeTimer.stop();
    }
    emit activeChanged();
}

// --- The rows ---------------------------------------------------------------------

void RemotesModel::holdSaved()
{
    // The new list is made before the old one goes: a remote held only
    // here must live on, with what its probes learnt.
    std::vector<std::shared_ptr<VLCController>> saved;
    saved.reserve(m_savedList.size());
    for (size_t i = 0; i < m_savedList.size(); ++i)
        saved.push_back(m_savedList.remoteAt(i));
    rebuild(std::move(saved), m_found);
}

void RemotesModel::rebuild(std::vector<std::shared_ptr<VLCController>> saved,
                           std::vector<std::shared_ptr<VLCController>> found)
{
    const bool sameRows = saved == m_saved && found == m_found;
    const bool otherSaved = saved.size() != m_saved.size();
    const bool otherFound = found.size() != m_found.size();
    if (!sameRows) {
        beginResetModel();
        for (const auto& remote : m_saved)
            disconnect(remote.get(), nullptr, this, nullptr);
        for (const auto& remote : m_found)
            disconnect(remote.get(), nullptr, this, nullptr);
        m_saved = std::move(saved);
        m_found = std::move(found);
        m_answers.clear();
        m_glances.clear();
        for (int row = 0; row < rowCount(); ++row) {
            m_answers.push_back(answerAt(row));
            m_glances.push_back(glanceAt(row));
        }
        std::erase_if(m_understood, [this](const auto& entry) { return rowOf(entry.first) < 0; });
        for (const auto& remote : m_saved)
            watch(remote);
        for (const auto& remote : m_found)
            watch(remote);
        endResetModel();
    } else if (rowCount() > 0) {
        // The same remotes; a record (its name, its default flag) may have changed.
        emit dataChanged(index(0), index(rowCount() - 1));
    }
    if (otherSaved)
        emit savedCountChanged();
    if (otherFound)
        emit foundCountChanged();
}

void RemotesModel::watch(const std::shared_ptr<VLCController>& remote)
{
    VLCController* r = remote.get();
    if (m_waker)
        m_waker->watch(*r);
    connect(r, &VLCController::requestConcluded, this, [this, r](const RequestResult& result) {
        m_understood[r] = result.reply == ReplyKind::Status || result.reply == ReplyKind::Probe;
        refreshAnswers();
        if (result.reply == ReplyKind::Probe && r->remoteFound())
            if (const int row = rowOf(r); row >= 0)
                emit answeredAsVlc(row);
    });
}

std::shared_ptr<VLCController> RemotesModel::remoteAt(int row) const
{
    if (row < 0)
        return nullptr;
    if (size_t(row) < m_saved.size())
        return m_saved[size_t(row)];
    const size_t found = size_t(row) - m_saved.size();
    return found < m_found.size() ? m_found[found] : nullptr;
}

int RemotesModel::rowOf(const VLCController* remote) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (remoteAt(row).get() == remote)
            return row;
    return -1;
}

RemoteAnswer RemotesModel::answerAt(int row) const
{
    const std::shared_ptr<VLCController> remote = remoteAt(row);
    return remote ? RemoteAnswers::of(*remote) : RemoteAnswer::NoAnswer;
}

RemotesModel::Glance RemotesModel::glanceAt(int row) const
{
    const std::shared_ptr<VLCController> remote = remoteAt(row);
    if (!remote || answerAt(row) != RemoteAnswer::AnswersAsVlc || !remote->state().hasStatus())
        return {};
    const PlaybackState playback = remote->state().playback();
    const bool current = playback == PlaybackState::Playing || playback == PlaybackState::Paused;
    return { true, current ? remote->state().statusTitle() : QString(), playback };
}

void RemotesModel::refreshAnswers()
{
    for (int row = 0; row < rowCount() && size_t(row) < m_answers.size(); ++row) {
        const RemoteAnswer answer = answerAt(row);
        if (answer != m_answers[size_t(row)]) {
            m_answers[size_t(row)] = answer;
            emit dataChanged(index(row), index(row), { AnswerRole, AnswerKeyRole, AnswerTextRole, WakeOfferedRole });
        }
        const Glance glance = glanceAt(row);
        if (glance != m_glances[size_t(row)]) {
            m_glances[size_t(row)] = glance;
            emit dataChanged(index(row), index(row), { PlayerShownRole, NowPlayingRole, PlaybackRole, PlayingRole });
        }
    }
}

int RemotesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_saved.size() + m_found.size());
}

QVariant RemotesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const std::shared_ptr<VLCController> remote = remoteAt(index.row());
    const RemoteAnswer answer = m_answers[size_t(index.row())];
    const bool saved = size_t(index.row()) < m_saved.size();
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return remote->name();
    case AddressRole: return remote->record().hostAddress;
    case AnswerRole: return int(answer);
    case AnswerKeyRole: return RemoteAnswers::key(answer);
    case AnswerTextRole: return RemoteAnswers::describe(answer);
    case SavedRole: return saved;
    case DefaultRole: return saved && remote->record().isDefault;
    case SectionRole: return saved ? localizedString("Saved Computers") : localizedString("Found Computers");
    case WakingRole: return m_waker && m_waker->isWaking(*remote);
    case WakeOfferedRole: return m_waker && saved && answer == RemoteAnswer::NoAnswer && RemoteWaker::canWake(*remote);
    case PlayerShownRole: return m_glances[size_t(index.row())].shown;
    case NowPlayingRole: return m_glances[size_t(index.row())].title;
    case PlaybackRole: {
        const Glance& glance = m_glances[size_t(index.row())];
        return glance.shown ? RemoteTypeNames::of(glance.playback) : QString();
    }
    case PlayingRole: return m_glances[size_t(index.row())].playback == PlaybackState::Playing;
    default: return {};
    }
}

QHash<int, QByteArray> RemotesModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" },         { AddressRole, "address" },
             { AnswerRole, "answer" },       { AnswerKeyRole, "answerKey" }, { AnswerTextRole, "answerText" },
             { SavedRole, "saved" },         { DefaultRole, "isDefault" },   { SectionRole, "section" },
             { WakingRole, "waking" },       { WakeOfferedRole, "wakeOffered" },
             { PlayerShownRole, "playerShown" }, { NowPlayingRole, "nowPlaying" }, { PlaybackRole, "playback" },
             { PlayingRole, "playing" } };
}

void RemotesModel::setWaker(RemoteWaker* waker)
{
    if (m_waker)
        disconnect(m_waker, nullptr, this, nullptr);
    m_waker = waker;
    if (!waker)
        return;
    auto changed = [this](VLCController* remote, QList<int> roles) {
        if (const int row = rowOf(remote); row >= 0)
            emit dataChanged(index(row), index(row), roles);
    };
    connect(waker, &RemoteWaker::wakingChanged, this,
            [changed](VLCController* remote) { changed(remote, { WakingRole }); });
    connect(waker, &RemoteWaker::hardwareAddressLearnt, this,
            [changed](VLCController* remote) { changed(remote, { WakeOfferedRole }); });
    for (int row = 0; row < rowCount(); ++row)
        waker->watch(*remoteAt(row));
}

bool RemotesModel::isSaved(const VLCController& remote) const
{
    return m_savedList.indexOf(&remote) >= 0;
}

void RemotesModel::save(const std::shared_ptr<VLCController>& remote)
{
    if (!remote->network())
        remote->setNetwork(m_network);
    m_savedList.add(remote);
}

// --- Found computers ----------------------------------------------------------------

void RemotesModel::setDiscovered(const QList<BonjourComputer>& computers)
{
    std::vector<std::shared_ptr<VLCController>> found = m_found;
    for (const BonjourComputer& computer : computers) {
        std::shared_ptr<VLCController> remote;
        for (const auto& known : found)
            if (known->record().hostAddress == computer.ipAddress())
                remote = known;
        if (!remote) {
            remote = std::make_shared<VLCController>(RemoteRecord::forAddress(computer.ipAddress()), m_network);
            found.push_back(remote);
            remote->searchForPlayerLink();
        }
        // The computer opened from the command line keeps the name it was given.
        if (remote != m_kept || remote->record().nickname.isEmpty())
            remote->setNickname(computer.name());
        remote->setDiscoveredFromBwIdent(computer.bwIdentified());
    }
    rebuild(m_saved, std::move(found));
}

void RemotesModel::addFoundRemote(const std::shared_ptr<VLCController>& remote, bool keepAcrossScans)
{
    if (!remote || std::find(m_found.begin(), m_found.end(), remote) != m_found.end())
        return;
    if (keepAcrossScans)
        m_kept = remote;
    std::vector<std::shared_ptr<VLCController>> found = m_found;
    found.push_back(remote);
    remote->searchForPlayerLink();
    rebuild(m_saved, std::move(found));
}

void RemotesModel::clearFound()
{
    std::vector<std::shared_ptr<VLCController>> found;
    if (m_kept)
        found.push_back(m_kept);
    rebuild(m_saved, std::move(found));
}

void RemotesModel::probe()
{
    // What the last round left unanswered shows now, before the next round.
    refreshAnswers();
    // One request each: where VLC answers and its last reply was understood,
    // the status, which keeps the answer fresh and tells what plays; else
    // the probe, which tells anew what answers.
    auto ask = [this](const std::shared_ptr<VLCController>& remote) {
        const auto understood = m_understood.find(remote.get());
        if (RemoteAnswers::of(*remote) == RemoteAnswer::AnswersAsVlc && understood != m_understood.end()
            && understood->second)
            remote->updateStatus();
        else
            remote->searchForPlayerLink();
    };
    for (const auto& remote : m_saved)
        ask(remote);
    // A found computer that was saved is the same remote: asked once.
    for (const auto& remote : m_found)
        if (m_savedList.indexOf(remote.get()) < 0)
            ask(remote);
}

int RemotesModel::nextAnswering(int row, int step) const
{
    const int rows = rowCount();
    if (rows == 0 || step == 0)
        return -1;
    const std::shared_ptr<VLCController> own = remoteAt(row);
    step = step > 0 ? 1 : -1;
    // From outside the rows, the first (or last) row is the next.
    int at = row >= 0 && row < rows ? row : (step > 0 ? -1 : rows);
    for (int tried = 0; tried < rows; ++tried) {
        at = ((at + step) % rows + rows) % rows;
        const std::shared_ptr<VLCController> remote = remoteAt(at);
        if (remote && remote != own && answerAt(at) == RemoteAnswer::AnswersAsVlc)
            return at;
    }
    return -1;
}

// --- The players at a glance ----------------------------------------------------------

void RemotesModel::playPause(int row)
{
    const std::shared_ptr<VLCController> remote = remoteAt(row);
    // Pausing toggles; a stopped VLC plays its current item.
    if (remote && answerAt(row) == RemoteAnswer::AnswersAsVlc)
        remote->pause();
}

int RemotesModel::pauseAll()
{
    int paused = 0;
    std::vector<const VLCController*> asked;
    for (int row = 0; row < rowCount(); ++row) {
        const std::shared_ptr<VLCController> remote = remoteAt(row);
        // A found computer that was saved is listed twice: asked once.
        if (std::find(asked.begin(), asked.end(), remote.get()) != asked.end())
            continue;
        asked.push_back(remote.get());
        if (answerAt(row) == RemoteAnswer::AnswersAsVlc && remote->state().isPlaying()) {
            remote->pauseIfPlaying();
            ++paused;
        }
    }
    return paused;
}

// --- Editing the saved computers ------------------------------------------------------

bool RemotesModel::removeSaved(int row)
{
    if (row < 0 || size_t(row) >= m_saved.size())
        return false;
    m_savedList.removeAt(size_t(row));
    return true;
}

bool RemotesModel::moveSaved(int from, int to)
{
    const int count = int(m_saved.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return false;
    m_savedList.move(size_t(from), size_t(to));
    return true;
}
