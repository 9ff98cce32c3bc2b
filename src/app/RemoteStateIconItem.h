#pragma once

#include "models/RemoteStateDrawing.h"

#include <QQuickPaintedItem>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The remotes list's state icon in Qt Quick: the traffic cone of
// RemoteStateDrawing, drawn to the item's size.
class RemoteStateIconItem : public QQuickPaintedItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(RemoteStateIcon)
    // A RemoteAnswers::key ("answers", "password-needed", ...); an unknown
    // one draws nothing.
    Q_PROPERTY(QString answerKey READ answerKey WRITE setAnswerKey NOTIFY answerKeyChanged)
public:
    // In device-independent pixels.
    static constexpr int size = RemoteStateDrawing::size;

    explicit RemoteStateIconItem(QQuickItem* parent = nullptr);
    QString answerKey() const { return m_key; }
    void setAnswerKey(const QString& key);
    void paint(QPainter* painter) override;

signals:
    void answerKeyChanged();

private:
    QString m_key;
};
