#pragma once

#include "models/SendThrottle.h"
#include "vlc/PlayerStatus.h"

#include <QAbstractListModel>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class VLCController;

// VLC's presets for its equalizer, by name, as VLC lists them while the
// equalizer is on (kept while it is off).
class EqualizerPresetModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The presets belong to the equalizer")
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // as the display role
        PresetIdRole,                // what EqualizerModel::choosePreset takes
    };
    Q_ENUM(Role)
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setPresets(const std::vector<PlayerStatus::Equalizer::Preset>& presets);
    bool hasPreset(int id) const;

private:
    std::vector<PlayerStatus::Equalizer::Preset> m_presets;
};

// VLC's equalizer as its page shows it: one row per band (60 Hz to 16 kHz)
// with its gain, the preamp, on or off, and the presets. It shows what VLC
// reports, changes made elsewhere included; a value the user gives shows
// at once and stays until VLC reports it (or plainly did not take it).
// Gains a drag gives go at most ten a second, the last one always. While
// active, VLC is asked for its state every second.
class EqualizerModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The equalizer is made by the program")
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    // VLC tells of an equalizer (VLC 2 and later); the page shows nothing else without one.
    Q_PROPERTY(bool available READ isAvailable NOTIFY availableChanged)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(double preamp READ preamp WRITE setPreamp NOTIFY preampChanged)
    Q_PROPERTY(double minimumGain READ minimumGain CONSTANT)
    Q_PROPERTY(double maximumGain READ maximumGain CONSTANT)
    Q_PROPERTY(EqualizerPresetModel* presets READ presets CONSTANT)
public:
    enum Role {
        LabelRole = Qt::UserRole + 1, // "60 Hz" ... "16 kHz", as the display role
        BandRole,                     // 0 to 9, what setGain takes
        FrequencyRole,                // in Hz
        GainRole,                     // in dB
    };
    Q_ENUM(Role)
    static constexpr int refreshIntervalMs = 1000;
    // At most this many commands a second from a drag.
    static constexpr int sendsPerSecond = 10;

    explicit EqualizerModel(QObject* parent = nullptr);
    ~EqualizerModel() override;

    void setRemote(const std::shared_ptr<VLCController>& remote);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool isActive() const { return m_refresh.isActive(); }
    // Active: asks at once, then every second.
    void setActive(bool active);
    bool isAvailable() const { return m_available; }
    bool isEnabled() const;
    void setEnabled(bool enabled);
    double preamp() const;
    // Within the gains VLC applies.
    void setPreamp(double db);
    double minimumGain() const;
    double maximumGain() const;
    EqualizerPresetModel* presets() const { return m_presets; }
    double gain(int band) const;

    // A band's gain (VLC takes it while the equalizer is on).
    Q_INVOKABLE void setGain(int band, double db);
    // One of VLC's presets by its id (the presets' PresetIdRole): its gains
    // and preamp arrive with the next status.
    Q_INVOKABLE void choosePreset(int presetId);

signals:
    void activeChanged();
    void availableChanged();
    void enabledChanged();
    void preampChanged();

private:
    // The keys of the throttle and of the values shown until VLC reports them.
    static constexpr int preampKey = 10;
    static constexpr int enabledKey = 11;
    static constexpr int keyCount = 12;
    struct Shown {
        std::optional<double> value; // given by the user, not yet reported
        int repliesSince = 0;        // statuses that came since it went
    };

    std::optional<double> reported(int key) const;
    double valueOf(int key) const;
    void give(int key, double value);
    void sendDue();
    void scheduleSend();
    void send(int key, double value);
    void statusCame();
    void announce(int key);

    std::shared_ptr<VLCController> m_remote;
    EqualizerPresetModel* m_presets; // child
    QTimer m_refresh;
    QTimer m_sendTimer;
    SendThrottle m_throttle { 1.0 / sendsPerSecond };
    std::array<Shown, keyCount> m_shown {};
    // What the rows and properties showed last, to signal only changes.
    std::array<double, keyCount> m_announced {};
    bool m_available = false;
};
