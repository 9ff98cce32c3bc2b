#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The bar's back button names the page it goes back to: a page may give itself a name for it (its backTitle property),
// else its title counts.
class BackButton : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit BackButton(QObject* parent = nullptr);

    Q_INVOKABLE static QString titleOver(const QObject* below);
};
