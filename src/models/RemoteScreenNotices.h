#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QString>

#include <optional>

// The notices of the remote screen, each until the user says enough: the
// DVD controls' need of the setup helper (older interface only), a skin
// made for an older version, a chosen skin that could not be loaded, and
// what is new in this version.
class RemoteScreenNotices : public QObject {
    Q_OBJECT
public:
    explicit RemoteScreenNotices(const AppContext& context, QObject* parent = nullptr);
    ~RemoteScreenNotices() override;

    void dvdWarning();
    void dvdActionSheetDidDismissWithButtonIndex(int index);
    // The skin notices, as the screen appears, for the shown skin's API
    // version (none without a skin): true when one was given.
    bool checkSkinValue(std::optional<double> skinApiVersion);
    void checkSkinSheetDidDismissWithButtonIndex(int index);
    // The built-in skin took the place of this one; the user hears of it
    // when the screen appears.
    void skinDropped(const QString& directory) { m_failedSkin = directory; }
    // The notice naming the dropped skin; false when there is none to give.
    bool showFailedSkinNotice();
    void showWhatsNewIfNeeded();

private:
    AppContext m_context;
    QString m_failedSkin;
};
