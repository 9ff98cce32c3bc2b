#pragma once

#include "ui/PickerViewWheel.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class PickerViewDataSource;
class PickerViewDelegate;

// A spinning-wheel picker: wheels (components) side by side, each a
// vertical list of row views turning on a drum, the selected row under a
// glassy band across the middle. Rows shrink and fade towards the top and
// bottom as on a real cylinder. The user turns a wheel by dragging (with
// momentum, settling on a row), with the mouse wheel or trackpad, by
// clicking a row, or with the arrow keys; the delegate hears where it
// came to rest. Row views come from the delegate and are reused: only the
// rows near the band have live views.
//
// The data source and delegate are not owned. When they are QObjects the
// picker notices their destruction; otherwise they must outlive it.
//
// Widths and row heights asked of the delegate are points: they, the row
// views and the bezel are drawn at the content scale. A disabled picker is
// drawn faded.
class PickerView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal contentScale READ contentScale WRITE setContentScale)
public:
    explicit PickerView(QWidget* parent = nullptr);
    ~PickerView() override;

    PickerViewDataSource* dataSource() const;
    void setDataSource(PickerViewDataSource* dataSource);
    PickerViewDelegate* delegate() const;
    void setDelegate(PickerViewDelegate* delegate);

    qreal contentScale() const { return m_contentScale; }
    virtual void setContentScale(qreal scale);

    bool showsSelectionIndicator() const { return m_showsSelectionIndicator; }
    void setShowsSelectionIndicator(bool shows);

    int numberOfComponents() const { return int(m_wheels.size()); }
    int numberOfRowsInComponent(int component) const;
    // Asks the data source and delegate again (counts, widths, row views).
    void reloadAllComponents();
    void reloadComponent(int component);

    // -1 when the wheel has no rows. While the user turns a wheel this is
    // the row it stood on before; a programmatic selection counts at once.
    int selectedRowInComponent(int component) const;
    void selectRowInComponent(int row, int component, bool animated);

    // The live view of a row near the band, or nullptr.
    QWidget* viewForRow(int row, int component) const;
    int liveRowViewCount() const;

    // Where a wheel lies in the picker, and where a row is drawn now (its
    // centre), if it is on the visible part of the drum.
    QRectF rectForComponent(int component) const;
    std::optional<QPointF> centerOfRow(int row, int component) const;
    // The wheel under a point, or -1.
    int componentAt(const QPointF& point) const;
    bool isMoving(int component) const;
    bool isAnimating() const;
    // The wheel the arrow keys turn.
    int keyboardComponent() const { return m_keyboardComponent; }
    // Turns a wheel to a row as the user would, telling the delegate where
    // it comes to rest.
    void turnToRow(int row, int component);

    // The clock the motion runs on, in milliseconds (by default a monotonic
    // timer). Tests drive it by hand and call advanceAnimations().
    void setClock(std::function<qint64()> clock);
    void advanceAnimations();

    QSize sizeHint() const override;

protected:
    // The user's finger (or mouse, wheel, keys) has just landed on a wheel,
    // before anything moves or is reported.
    virtual void componentTouched(int component) { }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Component {
        PickerViewWheel wheel;
        int requestedWidth = -1;
        int rowHeight = 44;
        QRectF rect;
        std::map<int, QWidget*> views;
        std::vector<QWidget*> spareViews;
    };
    struct RowPlacement {
        double centerY;
        double scale;
        double opacity;
    };

    void askAbout(int component);
    void layoutComponents();
    double drumRadius(const Component& c) const;
    std::optional<RowPlacement> placeRow(const Component& c, int row) const;
    int rowAtY(const Component& c, double y) const;
    void syncRowViews(int component);
    void recycleAllViews(Component& c);
    void retireView(QWidget* view);
    void motionChanged();
    void reportSettled(const std::vector<int>& components);

    void pointerDown(const QPointF& pos);
    void pointerMove(const QPointF& pos);
    void pointerUp(const QPointF& pos);

    void paintBezel(QPainter& p) const;
    void paintWheel(QPainter& p, const Component& c) const;
    void paintSelectionBand(QPainter& p) const;
    void paintKeyboardFocus(QPainter& p) const;
    QRectF bandRect() const;

    PickerViewDataSource* m_dataSource = nullptr;
    PickerViewDelegate* m_delegate = nullptr;
    QPointer<QObject> m_dataSourceGuard;
    QPointer<QObject> m_delegateGuard;
    bool m_dataSourceGuarded = false;
    bool m_delegateGuarded = false;

    std::vector<Component> m_wheels;
    QWidget* m_rowViewHolder;
    bool m_showsSelectionIndicator = false;
    qreal m_contentScale = 1;

    std::function<qint64()> m_clock;
    QTimer m_frameTimer;

    // The one finger (or mouse button) being followed.
    int m_pressedComponent = -1;
    QPointF m_pressPos;
    bool m_dragging = false;
    std::optional<int> m_touchId;

    int m_keyboardComponent = 0;
    bool m_showKeyboardFocus = false;
    int m_wheelRemainder = 0;
};
