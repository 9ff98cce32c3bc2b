#pragma once

#include "models/AppContext.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

class SettingsModel;
class SkipDistanceModel;

// The settings screen's and the skip-distance screen's lists, over the
// program's preferences; what a row leads to goes through the navigator.
class SettingsScreen : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The settings are made by the program")
    // A SettingsModel and a SkipDistanceModel.
    Q_PROPERTY(QObject* rows READ rows CONSTANT)
    Q_PROPERTY(QObject* skipDistances READ skipDistances CONSTANT)
public:
    SettingsScreen(const AppContext& context, QObject* parent = nullptr);

    QObject* rows() const;
    QObject* skipDistances() const;
    SettingsModel& settings() const { return *m_rows; }

    // A row of the settings, chosen in a window of this shape.
    Q_INVOKABLE void activate(int row, bool portrait);
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void chooseSkipDistance(int row);

private:
    SettingsModel* m_rows;           // child
    SkipDistanceModel* m_distances;  // child
};
