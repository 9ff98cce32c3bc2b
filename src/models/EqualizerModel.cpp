#include "models/EqualizerModel.h"

#include "core/Clock.h"
#include "vlc/EqualizerBands.h"
#include "vlc/VLCController.h"

#include <algorithm>
#include <cmath>

// --- Presets -----------------------------------------------------------------------

int EqualizerPresetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_presets.size());
}

QVariant EqualizerPresetModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PlayerStatus::Equalizer::Preset& preset = m_presets[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return preset.name;
    case PresetIdRole: return preset.id;
    default: return {};
    }
}

QHash<int, QByteArray> EqualizerPresetModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" }, { PresetIdRole, "presetId" } };
}

void EqualizerPresetModel::setPresets(const std::vector<PlayerStatus::Equalizer::Preset>& presets)
{
    if (presets == m_presets)
        return;
    beginResetModel();
    m_presets = presets;
    endResetModel();
}

bool EqualizerPresetModel::hasPreset(int id) const
{
    return std::any_of(m_presets.begin(), m_presets.end(), [id](const auto& p) { return p.id == id; });
}

// --- The equalizer -----------------------------------------------------------------

EqualizerModel::EqualizerModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_presets(new EqualizerPresetModel(this))
{
    m_refresh.setInterval(refreshIntervalMs);
    connect(&m_refresh, &QTimer::timeout, this, [this] {
        if (m_remote)
            m_remote->updateStatus();
    });
    m_sendTimer.setSingleShot(true);
    connect(&m_sendTimer, &QTimer::timeout, this, &EqualizerModel::sendDue);
}

EqualizerModel::~EqualizerModel() = default;

void EqualizerModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    for (int key = 0; key < keyCount; ++key)
        m_throttle.drop(key);
    m_sendTimer.stop();
    beginResetModel();
    m_remote = remote;
    m_shown = {};
    m_announced = {};
    endResetModel();
    emit enabledChanged();
    emit preampChanged();
    if (remote) {
        connect(remote.get(), &VLCController::requestConcluded, this, [this](const RequestResult& result) {
            if (result.reply == ReplyKind::Status)
                statusCame();
        });
        if (isActive())
            remote->updateStatus();
    }
    statusCame();
}

void EqualizerModel::setActive(bool active)
{
    if (active == isActive())
        return;
    if (active) {
        m_refresh.start();
        if (m_remote)
            m_remote->updateStatus();
    } else {
        m_refresh.stop();
    }
    emit activeChanged();
}

int EqualizerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : EqualizerBands::count;
}

QVariant EqualizerModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int band = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case LabelRole: return EqualizerBands::label(band);
    case BandRole: return band;
    case FrequencyRole: return EqualizerBands::frequencies[size_t(band)];
    case GainRole: return valueOf(band);
    default: return {};
    }
}

QHash<int, QByteArray> EqualizerModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { LabelRole, "label" },   { BandRole, "band" },
             { FrequencyRole, "frequency" }, { GainRole, "gain" } };
}

double EqualizerModel::minimumGain() const
{
    return EqualizerBands::minGain;
}

double EqualizerModel::maximumGain() const
{
    return EqualizerBands::maxGain;
}

std::optional<double> EqualizerModel::reported(int key) const
{
    const std::optional<PlayerStatus::Equalizer>& equalizer
        = m_remote ? m_remote->state().playerStatus().equalizer : std::nullopt;
    if (!equalizer)
        return std::nullopt;
    if (key == enabledKey)
        return equalizer->enabled ? 1.0 : 0.0;
    if (key == preampKey)
        return equalizer->preamp;
    return equalizer->bands[size_t(key)];
}

double EqualizerModel::valueOf(int key) const
{
    if (m_shown[size_t(key)].value)
        return *m_shown[size_t(key)].value;
    // While it is off VLC tells no gains: the last ones it told stand.
    if (const std::optional<double> value = reported(key); value && (key == enabledKey || isEnabled()))
        return *value;
    return m_announced[size_t(key)];
}

bool EqualizerModel::isEnabled() const
{
    return valueOf(enabledKey) != 0;
}

double EqualizerModel::preamp() const
{
    return valueOf(preampKey);
}

double EqualizerModel::gain(int band) const
{
    return band >= 0 && band < EqualizerBands::count ? valueOf(band) : 0.0;
}

void EqualizerModel::setEnabled(bool enabled)
{
    if (!m_remote || enabled == isEnabled())
        return;
    m_shown[enabledKey] = { enabled ? 1.0 : 0.0, 0 };
    announce(enabledKey);
    send(enabledKey, enabled ? 1.0 : 0.0);
}

void EqualizerModel::setPreamp(double db)
{
    give(preampKey, db);
}

void EqualizerModel::setGain(int band, double db)
{
    if (band >= 0 && band < EqualizerBands::count)
        give(band, db);
}

void EqualizerModel::give(int key, double db)
{
    const std::optional<double> gain = EqualizerBands::gainToSend(db);
    if (!m_remote || !gain)
        return;
    m_shown[size_t(key)] = { *gain, 0 };
    announce(key);
    if (const std::optional<SendThrottle::Send> now = m_throttle.submit(key, *gain, Clock::current().now()))
        send(now->key, now->value);
    scheduleSend();
}

void EqualizerModel::sendDue()
{
    if (const std::optional<SendThrottle::Send> due = m_throttle.takeDue(Clock::current().now()))
        send(due->key, due->value);
    scheduleSend();
}

void EqualizerModel::scheduleSend()
{
    const std::optional<double> due = m_throttle.nextDue();
    if (!due) {
        m_sendTimer.stop();
        return;
    }
    const double wait = std::max(0.0, *due - Clock::current().now());
    m_sendTimer.start(int(std::ceil(wait * 1000)));
}

void EqualizerModel::send(int key, double value)
{
    if (!m_remote)
        return;
    m_shown[size_t(key)].repliesSince = 0;
    if (key == enabledKey)
        m_remote->enableEqualizer(value != 0);
    else if (key == preampKey)
        m_remote->setEqualizerPreamp(value);
    else
        m_remote->setEqualizerBand(key, value);
}

void EqualizerModel::choosePreset(int presetId)
{
    if (!m_remote || presetId < 0)
        return;
    // Its gains replace whatever was on its way.
    for (int key = 0; key <= preampKey; ++key) {
        m_throttle.drop(key);
        m_shown[size_t(key)] = {};
    }
    m_remote->setEqualizerPreset(presetId);
}

void EqualizerModel::statusCame()
{
    const std::optional<PlayerStatus::Equalizer>& equalizer
        = m_remote ? m_remote->state().playerStatus().equalizer : std::nullopt;
    if (equalizer.has_value() != m_available) {
        m_available = equalizer.has_value();
        emit availableChanged();
    }
    if (equalizer && !equalizer->presets.empty())
        m_presets->setPresets(equalizer->presets);
    for (int key = 0; key < keyCount; ++key) {
        Shown& shown = m_shown[size_t(key)];
        if (!shown.value || m_throttle.isWaiting(key))
            continue;
        if (key == enabledKey && m_remote && m_remote->equalizerRestarting())
            continue;
        ++shown.repliesSince;
        // Reported as given, or not taken: the command's own reply and the
        // next status both said otherwise.
        const std::optional<double> now = reported(key);
        if ((now && std::abs(*now - *shown.value) < 0.05) || shown.repliesSince >= 2)
            shown = {};
    }
    for (int key = 0; key < keyCount; ++key)
        announce(key);
}

void EqualizerModel::announce(int key)
{
    const double value = valueOf(key);
    if (value == m_announced[size_t(key)])
        return;
    m_announced[size_t(key)] = value;
    if (key == enabledKey)
        emit enabledChanged();
    else if (key == preampKey)
        emit preampChanged();
    else
        emit dataChanged(index(key), index(key), { GainRole });
}
