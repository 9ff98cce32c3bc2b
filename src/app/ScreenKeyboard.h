#pragma once

#include <QObject>
#include <QRectF>
#include <QtQml/qqmlregistration.h>

// Where the on-screen keyboard stands, in window coordinates, as the input
// method tells it (empty when none shows, or when the platform makes the
// window smaller for it instead, as Phosh does).
class ScreenKeyboard : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QRectF area READ area NOTIFY areaChanged)
public:
    explicit ScreenKeyboard(QObject* parent = nullptr);

    QRectF area() const;

signals:
    void areaChanged();
};
