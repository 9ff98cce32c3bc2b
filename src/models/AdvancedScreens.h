#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class AdvancedControlsModel;
class AspectRatioModel;
class AudioDelayKnob;
class ChapterTitleModel;
class ChoiceRows;
class EqualizerModel;
class RemoteSession;
class SpeedKnob;
class TrackModel;

// The advanced controls of the session's remote for the pages: the
// "More..." choices, both menus, the player's lists (tracks, aspect ratios,
// titles and chapters), the speed and audio-delay knobs, the equalizer and
// the DVD keys.
// The lists follow the session's remote.
class AdvancedScreens : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The advanced controls are made by the program")
    Q_MOC_INCLUDE("models/ChoiceRows.h")
    Q_MOC_INCLUDE("models/EqualizerModel.h")
    Q_PROPERTY(QString moreTitle READ moreTitle CONSTANT)
    Q_PROPERTY(QStringList moreButtons READ moreButtons CONSTANT)
    // AdvancedControlsModels: the key commands, and the screens.
    Q_PROPERTY(QObject* keyCommands READ keyCommands CONSTANT)
    Q_PROPERTY(QObject* screens READ screens CONSTANT)
    Q_PROPERTY(ChoiceRows* audioVideoTracks READ audioVideoTracks CONSTANT)
    Q_PROPERTY(ChoiceRows* subtitleTracks READ subtitleTracks CONSTANT)
    Q_PROPERTY(ChoiceRows* aspectRatios READ aspectRatios CONSTANT)
    Q_PROPERTY(ChoiceRows* chapters READ chapters CONSTANT)
    Q_PROPERTY(bool chaptersActive READ chaptersActive WRITE setChaptersActive NOTIFY chaptersActiveChanged)
    Q_PROPERTY(double speedValue READ speedValue NOTIFY speedChanged)
    Q_PROPERTY(QString speedText READ speedText NOTIFY speedChanged)
    Q_PROPERTY(double delayValue READ delayValue NOTIFY delayChanged)
    Q_PROPERTY(QString delayText READ delayText NOTIFY delayChanged)
    Q_PROPERTY(EqualizerModel* equalizer READ equalizer CONSTANT)
    // While the equalizer's page shows, VLC is asked every second.
    Q_PROPERTY(bool equalizerActive READ equalizerActive WRITE setEqualizerActive NOTIFY equalizerActiveChanged)
public:
    AdvancedScreens(const AppContext& context, RemoteSession& session, QObject* parent = nullptr);
    ~AdvancedScreens() override;

    QString moreTitle() const;
    QStringList moreButtons() const;
    // The "More..." button at index.
    Q_INVOKABLE void chooseMore(int index);

    QObject* keyCommands() const;
    QObject* screens() const;
    // A row of a menu: of the screens' or of the key commands'.
    Q_INVOKABLE void activate(bool screens, int row);
    Q_INVOKABLE void showKeyCommands();

    ChoiceRows* audioVideoTracks() const { return m_audioVideo; }
    ChoiceRows* subtitleTracks() const { return m_subtitles; }
    ChoiceRows* aspectRatios() const { return m_ratios; }
    ChoiceRows* chapters() const { return m_chapters; }
    // While the chapters page shows, VLC is asked again every second.
    bool chaptersActive() const;
    void setChaptersActive(bool active);
    // Asks VLC for its state at once, as a list appears.
    Q_INVOKABLE void refreshStatus();

    SpeedKnob& speed() const { return *m_speed; }
    double speedValue() const;
    QString speedText() const;
    // The knobs, as their pages appear, turn and are let go.
    Q_INVOKABLE void loadSpeed();
    Q_INVOKABLE void turnSpeed(double value, bool release);
    Q_INVOKABLE void slower();
    Q_INVOKABLE void normalSpeed();
    Q_INVOKABLE void faster();

    AudioDelayKnob& audioDelay() const { return *m_delay; }
    double delayValue() const;
    QString delayText() const;
    Q_INVOKABLE void loadDelay();
    Q_INVOKABLE void turnDelay(double value, bool release);
    Q_INVOKABLE void delayMinusOne();
    Q_INVOKABLE void delayZero();
    Q_INVOKABLE void delayAddOne();

    EqualizerModel* equalizer() const { return m_equalizer; }
    bool equalizerActive() const;
    void setEqualizerActive(bool active);

    // DVD navigation.
    Q_INVOKABLE void dvdUp();
    Q_INVOKABLE void dvdDown();
    Q_INVOKABLE void dvdLeft();
    Q_INVOKABLE void dvdRight();
    Q_INVOKABLE void dvdSelect();
    Q_INVOKABLE void dvdMenu();

signals:
    void chaptersActiveChanged();
    void equalizerActiveChanged();
    void speedChanged();
    void delayChanged();

private:
    void followRemote();

    AppContext m_context;
    RemoteSession& m_session;
    AdvancedControlsModel* m_keyCommands; // child
    AdvancedControlsModel* m_screens;     // child
    TrackModel* m_audioVideoModel;        // child
    TrackModel* m_subtitleModel;          // child
    AspectRatioModel* m_ratioModel;       // child
    ChapterTitleModel* m_chapterModel;    // child
    ChoiceRows* m_audioVideo;             // child
    ChoiceRows* m_subtitles;              // child
    ChoiceRows* m_ratios;                 // child
    ChoiceRows* m_chapters;               // child
    SpeedKnob* m_speed;                   // child
    AudioDelayKnob* m_delay;              // child
    EqualizerModel* m_equalizer;          // child
};
