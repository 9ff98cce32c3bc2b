#pragma once

#include "ui/CellHostedView.h"

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QPainterPath;
class QPushButton;
class QVariantAnimation;

// One row of a TableView: a background, a content view holding an image, a
// main and a detail label, and at the right an accessory (a drawn
// indicator, or any widget). Tables recycle cells by their reuse identifier,
// so everything a row shows must be set each time the cell is handed out.
//
// Subclasses that rows name by class (BW_ROW_CELL_CLASS_CLASS) declare a
// Q_INVOKABLE constructor (const QString& reuseIdentifier, QWidget* parent).
class TableViewCell : public QWidget {
    Q_OBJECT
public:
    enum AccessoryType : int {
        AccessoryNone = 0,
        AccessoryDisclosureIndicator = 1,
        AccessoryDetailDisclosureButton = 2,
        AccessoryCheckmark = 3,
    };
    enum SelectionStyle : int { SelectionStyleNone = 0, SelectionStyleBlue = 1, SelectionStyleGray = 2 };
    enum EditingStyle : int { EditingStyleNone = 0, EditingStyleDelete = 1, EditingStyleInsert = 2 };

    Q_INVOKABLE explicit TableViewCell(const QString& reuseIdentifier, QWidget* parent = nullptr);
    ~TableViewCell() override;

    // A new cell of the given class, which must derive from TableViewCell.
    static TableViewCell* createCell(const QMetaObject* cellClass, const QString& reuseIdentifier);

    QString reuseIdentifier() const { return m_reuseIdentifier; }
    QWidget* contentView() const { return m_contentView; }
    QLabel* textLabel() const { return m_textLabel; }
    QLabel* detailTextLabel() const { return m_detailTextLabel; }
    // Shows a pixmap at the left of the content when given one.
    QLabel* imageView() const { return m_imageView; }

    AccessoryType accessoryType() const { return m_accessoryType; }
    void setAccessoryType(AccessoryType type);
    // The accessory shown while the table is editing.
    AccessoryType editingAccessoryType() const { return m_editingAccessoryType; }
    void setEditingAccessoryType(AccessoryType type);
    // A widget in place of the drawn accessory (outside editing); see
    // CellHostedView for what happens to the one it replaces.
    QWidget* accessoryView() const { return m_accessoryView.view(); }
    void setAccessoryView(QWidget* view);

    SelectionStyle selectionStyle() const { return m_selectionStyle; }
    void setSelectionStyle(SelectionStyle style);

    QPixmap backgroundImage() const { return m_backgroundImage; }
    void setBackgroundImage(const QPixmap& image, int leftCapWidth = 0, int topCapHeight = 0);
    // Drawn instead of the selection style's fill while the row is pressed,
    // selected or emphasized.
    QPixmap selectedBackgroundImage() const { return m_selectedBackgroundImage; }
    void setSelectedBackgroundImage(const QPixmap& image, int leftCapWidth = 0, int topCapHeight = 0);

    // A list's current item, apart from the table's selection: with a
    // selected background image the row wears that image for as long as it
    // is set; without one its text takes the accent colour beside an accent
    // bar, so that it never looks like the chosen row.
    bool isEmphasized() const { return m_emphasized; }
    void setEmphasized(bool emphasized);

    // Colours of the main label, normally and while selected.
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);
    QColor highlightedTextColor() const { return m_highlightedTextColor; }
    void setHighlightedTextColor(const QColor& color);

    // Subclasses may follow these whatever the selection style (the look
    // of the standard labels follows showHighlight()).
    bool isSelected() const { return m_selected; }
    virtual void setSelected(bool selected, bool animated = false);
    bool isHighlighted() const { return m_highlighted; }
    virtual void setHighlighted(bool highlighted, bool animated = false);
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing, bool animated = false);
    EditingStyle editingStyle() const { return m_editingStyle; }
    bool showsReorderControl() const { return m_showsReorderControl; }
    bool isShowingDeleteConfirmation() const;

    // Called when the table hands the cell out again: clears selection,
    // highlight and the delete button; content stays as it was.
    virtual void prepareForReuse();

    // Where the parts a table reacts to lie, in the cell's coordinates
    // (empty when not shown).
    QRect accessoryRect() const { return m_accessoryRect; }
    QRect editingControlRect() const { return m_editingControlRect; }
    QRect reorderControlRect() const { return m_reorderControlRect; }
    bool hasTappableAccessory() const;
    void setAccessoryPressed(bool pressed);

signals:
    void deleteConfirmationTapped(TableViewCell* cell);

protected:
    // Places the content view, the accessory and the labels; subclasses call
    // this first and then place their own parts inside contentView().
    virtual void layoutSubviews();
    void setNeedsLayout() { layoutSubviews(); }
    // The selection shows (selected or pressed, with a selection style);
    // subclasses with labels of their own recolour them here (and call this).
    virtual void showHighlight(bool highlighted);
    static void setLabelColor(QLabel* label, const QColor& color);

    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TableView;
    // Set by the table that shows the cell.
    void setTablePlacement(bool grouped, bool firstInSection, bool lastInSection, bool separator);
    void setEditingControls(EditingStyle style, bool showsReorderControl);
    void setShowingDeleteConfirmation(bool showing);

    AccessoryType currentAccessoryType() const;
    bool isEmphasizedInAccent() const { return m_emphasized && m_selectedBackgroundImage.isNull(); }
    bool isVisiblyHighlighted() const;
    void updateHighlight(bool animated);
    void setSelectionOpacity(qreal opacity);
    QPainterPath backgroundShape() const;
    void layoutLabels();

    QString m_reuseIdentifier;
    QWidget* m_contentView;
    QLabel* m_imageView;
    QLabel* m_textLabel;
    QLabel* m_detailTextLabel;
    QPushButton* m_deleteButton = nullptr;
    QVariantAnimation* m_fade = nullptr;
    CellHostedView m_accessoryView;

    AccessoryType m_accessoryType = AccessoryNone;
    AccessoryType m_editingAccessoryType = AccessoryNone;
    SelectionStyle m_selectionStyle = SelectionStyleBlue;
    EditingStyle m_editingStyle = EditingStyleNone;
    QPixmap m_backgroundImage;
    int m_leftCapWidth = 0;
    int m_topCapHeight = 0;
    QPixmap m_selectedBackgroundImage;
    int m_selectedLeftCapWidth = 0;
    int m_selectedTopCapHeight = 0;
    bool m_emphasized = false;
    QColor m_textColor;
    QColor m_highlightedTextColor;

    bool m_selected = false;
    bool m_highlighted = false;
    bool m_editing = false;
    bool m_showsReorderControl = false;
    bool m_accessoryPressed = false;
    bool m_labelsHighlighted = false;
    qreal m_selectionOpacity = 0;

    bool m_grouped = false;
    bool m_firstInSection = true;
    bool m_lastInSection = true;
    bool m_separator = true;

    QRect m_accessoryRect;
    QRect m_editingControlRect;
    QRect m_reorderControlRect;
};
