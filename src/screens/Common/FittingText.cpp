#include "screens/Common/FittingText.h"

#include "ui/UiPalette.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>

namespace {
class Fitter : public QObject {
public:
    Fitter(QWidget* widget, int full, int smallest)
        : QObject(widget)
        , m_full(full)
        , m_smallest(smallest)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Before each paint, so that new text and a new width both count.
        if (event->type() == QEvent::Paint)
            fit(static_cast<QWidget*>(watched));
        return false;
    }

private:
    void fit(QWidget* widget) const
    {
        QString text;
        int room = widget->contentsRect().width();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            room -= 12; // the button's frame and padding
        }
        int size = m_full;
        while (size > m_smallest && QFontMetrics(UiPalette::boldFont(size)).horizontalAdvance(text) > room)
            --size;
        if (widget->font().pixelSize() != size)
            widget->setFont(UiPalette::boldFont(size));
    }

    int m_full;
    int m_smallest;
};
}

void FittingText::keepFitting(QWidget* widget, int fullPixelSize, int smallestPixelSize)
{
    widget->setFont(UiPalette::boldFont(fullPixelSize));
    widget->installEventFilter(new Fitter(widget, fullPixelSize, smallestPixelSize));
}
