#include "app/RemoteStateIconItem.h"

#include "models/RemoteAnswer.h"
#include "models/RemoteStateDrawing.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace {
std::optional<RemoteAnswer> answerFor(const QString& key)
{
    for (RemoteAnswer answer : { RemoteAnswer::AnswersAsVlc, RemoteAnswer::PasswordNeeded, RemoteAnswer::PasswordRefused,
                                 RemoteAnswer::PasswordNotSet, RemoteAnswer::Forbidden, RemoteAnswer::NoAnswer,
                                 RemoteAnswer::UnusableAddress })
        if (RemoteAnswers::key(answer) == key)
            return answer;
    return std::nullopt;
}
}

RemoteStateIconItem::RemoteStateIconItem(QQuickItem* parent)
    : QQuickPaintedItem(parent)
{
    setImplicitSize(size, size);
}

void RemoteStateIconItem::setAnswerKey(const QString& key)
{
    if (key == m_key)
        return;
    m_key = key;
    update();
    emit answerKeyChanged();
}

void RemoteStateIconItem::paint(QPainter* painter)
{
    const std::optional<RemoteAnswer> answer = answerFor(m_key);
    if (!answer)
        return;
    QPainter& p = *painter;
    p.save();
    const qreal side = std::min(width(), height());
    p.translate((width() - side) / 2, (height() - side) / 2);
    p.scale(side / size, side / size);
    RemoteStateDrawing::draw(p, *answer);
    p.restore();
}
