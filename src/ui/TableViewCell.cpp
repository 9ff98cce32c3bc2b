#include "ui/TableViewCell.h"

#include "core/Localization.h"
#include "ui/TableCellLabel.h"
#include "ui/TableCellPainter.h"
#include "ui/UiImages.h"
#include "ui/UiPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVariantAnimation>

namespace {
constexpr int contentMargin = 10;
constexpr int editingControlWidth = 40;
constexpr int reorderControlWidth = 40;
constexpr int accessoryWidth = 30;
constexpr int detailButtonWidth = 44;
constexpr int groupCornerRadius = 10;
constexpr int selectionFadeMs = 300;

QSize naturalSize(const QWidget* view)
{
    // A widget nobody sized yet has Qt's default size: use what it asks for.
    return view->testAttribute(Qt::WA_Resized) ? view->size() : view->sizeHint();
}
}

TableViewCell::TableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : QWidget(parent)
    , m_reuseIdentifier(reuseIdentifier)
    , m_contentView(new QWidget(this))
    , m_imageView(new QLabel(m_contentView))
    , m_textLabel(new TableCellLabel(m_contentView))
    , m_detailTextLabel(new TableCellLabel(m_contentView))
    , m_textColor(UiPalette::text())
    , m_highlightedTextColor(Qt::white)
{
    // Children draw against the cell, not against the list's base colour.
    setBackgroundRole(QPalette::Window);
    m_imageView->hide();
    m_textLabel->setFont(UiPalette::boldFont(17));
    m_detailTextLabel->setFont(UiPalette::font(15));
    m_detailTextLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_textLabel->setTextFormat(Qt::PlainText);
    m_detailTextLabel->setTextFormat(Qt::PlainText);
    setLabelColor(m_textLabel, m_textColor);
    setLabelColor(m_detailTextLabel, UiPalette::secondaryText());
    resize(320, 50);
}

TableViewCell::~TableViewCell() = default;

TableViewCell* TableViewCell::createCell(const QMetaObject* cellClass, const QString& reuseIdentifier)
{
    if (!cellClass)
        qFatal("TableViewCell::createCell: the row names no cell class");
    if (!cellClass->inherits(&TableViewCell::staticMetaObject))
        qFatal("TableViewCell::createCell: %s is not a table cell", cellClass->className());
    QObject* made = cellClass->newInstance(Q_ARG(QString, reuseIdentifier));
    if (!made)
        qFatal("TableViewCell::createCell: %s has no invocable (reuseIdentifier) constructor",
               cellClass->className());
    return static_cast<TableViewCell*>(made);
}

void TableViewCell::setAccessoryType(AccessoryType type)
{
    if (type == m_accessoryType)
        return;
    m_accessoryType = type;
    setNeedsLayout();
    update();
}

void TableViewCell::setEditingAccessoryType(AccessoryType type)
{
    if (type == m_editingAccessoryType)
        return;
    m_editingAccessoryType = type;
    setNeedsLayout();
    update();
}

void TableViewCell::setAccessoryView(QWidget* view)
{
    m_accessoryView.set(view, this);
    setNeedsLayout();
    update();
}

void TableViewCell::setSelectionStyle(SelectionStyle style)
{
    m_selectionStyle = style;
    updateHighlight(false);
}

void TableViewCell::setBackgroundImage(const QPixmap& image, int leftCapWidth, int topCapHeight)
{
    m_backgroundImage = image;
    m_leftCapWidth = leftCapWidth;
    m_topCapHeight = topCapHeight;
    update();
}

void TableViewCell::setSelectedBackgroundImage(const QPixmap& image, int leftCapWidth, int topCapHeight)
{
    m_selectedBackgroundImage = image;
    m_selectedLeftCapWidth = leftCapWidth;
    m_selectedTopCapHeight = topCapHeight;
    if (m_emphasized)
        updateHighlight(false);
    update();
}

void TableViewCell::setEmphasized(bool emphasized)
{
    if (emphasized == m_emphasized)
        return;
    m_emphasized = emphasized;
    updateHighlight(false);
}

void TableViewCell::setTextColor(const QColor& color)
{
    m_textColor = color;
    showHighlight(m_labelsHighlighted);
}

void TableViewCell::setHighlightedTextColor(const QColor& color)
{
    m_highlightedTextColor = color;
    showHighlight(m_labelsHighlighted);
}

void TableViewCell::setSelected(bool selected, bool animated)
{
    m_selected = selected;
    updateHighlight(animated);
}

void TableViewCell::setHighlighted(bool highlighted, bool animated)
{
    m_highlighted = highlighted;
    updateHighlight(animated);
}

void TableViewCell::setEditing(bool editing, bool)
{
    if (editing == m_editing)
        return;
    m_editing = editing;
    if (!editing)
        setShowingDeleteConfirmation(false);
    setNeedsLayout();
    update();
}

void TableViewCell::prepareForReuse()
{
    m_selected = false;
    m_highlighted = false;
    m_emphasized = false;
    m_accessoryPressed = false;
    updateHighlight(false);
    setShowingDeleteConfirmation(false);
}

bool TableViewCell::isShowingDeleteConfirmation() const
{
    return m_deleteButton && !m_deleteButton->isHidden();
}

bool TableViewCell::hasTappableAccessory() const
{
    return currentAccessoryType() == AccessoryDetailDisclosureButton && !m_accessoryRect.isEmpty();
}

void TableViewCell::setAccessoryPressed(bool pressed)
{
    if (pressed == m_accessoryPressed)
        return;
    m_accessoryPressed = pressed;
    update(m_accessoryRect);
}

void TableViewCell::setTablePlacement(bool grouped, bool firstInSection, bool lastInSection, bool separator)
{
    if (grouped == m_grouped && firstInSection == m_firstInSection && lastInSection == m_lastInSection
        && separator == m_separator)
        return;
    m_grouped = grouped;
    m_firstInSection = firstInSection;
    m_lastInSection = lastInSection;
    m_separator = separator;
    update();
}

void TableViewCell::setEditingControls(EditingStyle style, bool showsReorderControl)
{
    if (style == m_editingStyle && showsReorderControl == m_showsReorderControl)
        return;
    m_editingStyle = style;
    m_showsReorderControl = showsReorderControl;
    if (style != EditingStyleDelete)
        setShowingDeleteConfirmation(false);
    setNeedsLayout();
    update();
}

void TableViewCell::setShowingDeleteConfirmation(bool showing)
{
    if (showing == isShowingDeleteConfirmation())
        return;
    if (showing && !m_deleteButton) {
        m_deleteButton = new QPushButton(localizedString("Delete"), this);
        m_deleteButton->setFont(UiPalette::boldFont(14));
        m_deleteButton->setCursor(Qt::PointingHandCursor);
        // A click leaves the focus with the list, which goes on taking the keys.
        m_deleteButton->setFocusPolicy(Qt::NoFocus);
        m_deleteButton->setStyleSheet(QStringLiteral(
            "QPushButton { color: white; border: 1px solid #7a0e0a; border-radius: 6px; padding: 0 10px;"
            " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f0524a, stop:1 #c2221b); }"
            "QPushButton:pressed { background: #9e1812; }"));
        connect(m_deleteButton, &QPushButton::clicked, this, [this] { emit deleteConfirmationTapped(this); });
    }
    if (m_deleteButton)
        m_deleteButton->setVisible(showing);
    setNeedsLayout();
    update();
}

TableViewCell::AccessoryType TableViewCell::currentAccessoryType() const
{
    return m_editing ? m_editingAccessoryType : m_accessoryType;
}

bool TableViewCell::isVisiblyHighlighted() const
{
    return (m_selected || m_highlighted) && m_selectionStyle != SelectionStyleNone;
}

void TableViewCell::updateHighlight(bool animated)
{
    const bool on = isVisiblyHighlighted();
    if (m_fade)
        m_fade->stop();
    if (on || !animated || m_selectionOpacity <= 0) {
        setSelectionOpacity(on ? 1 : 0);
        showHighlight(on || (m_emphasized && !isEmphasizedInAccent()));
        return;
    }
    if (!m_fade) {
        m_fade = new QVariantAnimation(this);
        m_fade->setDuration(selectionFadeMs);
        m_fade->setEasingCurve(QEasingCurve::OutQuad);
        connect(m_fade, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& value) { setSelectionOpacity(value.toReal()); });
        connect(m_fade, &QVariantAnimation::finished, this,
                [this] { showHighlight(isVisiblyHighlighted() || (m_emphasized && !isEmphasizedInAccent())); });
    }
    m_fade->setStartValue(m_selectionOpacity);
    m_fade->setEndValue(0.0);
    m_fade->start();
}

void TableViewCell::setSelectionOpacity(qreal opacity)
{
    if (qFuzzyCompare(opacity + 1, m_selectionOpacity + 1))
        return;
    m_selectionOpacity = opacity;
    update();
}

void TableViewCell::showHighlight(bool highlighted)
{
    m_labelsHighlighted = highlighted;
    setLabelColor(m_textLabel, highlighted             ? m_highlightedTextColor
                                   : isEmphasizedInAccent() ? UiPalette::accent()
                                                            : m_textColor);
    setLabelColor(m_detailTextLabel, highlighted ? m_highlightedTextColor : UiPalette::secondaryText());
    update();
}

void TableViewCell::setLabelColor(QLabel* label, const QColor& color)
{
    // Both roles: a label inside a list takes Text, elsewhere WindowText.
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == color && palette.color(QPalette::Text) == color)
        return;
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    label->setPalette(palette);
}

void TableViewCell::resizeEvent(QResizeEvent*)
{
    layoutSubviews();
}

void TableViewCell::layoutSubviews()
{
    const int w = width();
    const int h = height();
    const bool withEditingControl = m_editing && m_editingStyle != EditingStyleNone;
    const int left = withEditingControl ? editingControlWidth : 0;
    m_editingControlRect = withEditingControl ? QRect(0, 0, editingControlWidth, h) : QRect();

    int right = w;
    m_reorderControlRect = QRect();
    if (m_editing && m_showsReorderControl) {
        right -= reorderControlWidth;
        m_reorderControlRect = QRect(right, 0, reorderControlWidth, h);
    }

    QWidget* accessory = m_editing ? nullptr : m_accessoryView.view();
    if (m_accessoryView.view())
        m_accessoryView.view()->setVisible(accessory != nullptr);
    m_accessoryRect = QRect();
    if (isShowingDeleteConfirmation()) {
        const QSize size(qMax(64, m_deleteButton->sizeHint().width()), 32);
        right -= size.width() + contentMargin;
        m_deleteButton->setGeometry(right, (h - size.height()) / 2, size.width(), size.height());
        m_deleteButton->raise();
        if (accessory)
            accessory->hide();
    } else if (accessory) {
        const QSize size = naturalSize(accessory);
        right -= size.width() + contentMargin;
        accessory->setGeometry(right, qRound((h - size.height()) / 2.0), size.width(), size.height());
        m_accessoryRect = accessory->geometry();
    } else if (currentAccessoryType() != AccessoryNone) {
        const int width = currentAccessoryType() == AccessoryDetailDisclosureButton ? detailButtonWidth
                                                                                       : accessoryWidth;
        right -= width;
        m_accessoryRect = QRect(right, 0, width, h);
        right -= 2;
    }
    m_contentView->setGeometry(left, 0, qMax(0, right - left), h);
    layoutLabels();
}

void TableViewCell::layoutLabels()
{
    const QRect bounds = m_contentView->rect();
    int x = contentMargin;
    const QPixmap image = m_imageView->pixmap();
    m_imageView->setVisible(!image.isNull());
    if (!image.isNull()) {
        const QSize size = image.deviceIndependentSize().toSize();
        m_imageView->setGeometry(x, (bounds.height() - size.height()) / 2, size.width(), size.height());
        x += size.width() + contentMargin;
    }
    int textRight = bounds.width() - contentMargin;
    const bool withDetail = !m_detailTextLabel->text().isEmpty();
    m_detailTextLabel->setVisible(withDetail);
    if (withDetail) {
        const int detailWidth = qMin(m_detailTextLabel->sizeHint().width(), (textRight - x) / 2);
        m_detailTextLabel->setGeometry(textRight - detailWidth, 0, detailWidth, bounds.height());
        textRight -= detailWidth + 8;
    }
    m_textLabel->setGeometry(x, 0, qMax(0, textRight - x), bounds.height());
}

QPainterPath TableViewCell::backgroundShape() const
{
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    if (!m_grouped) {
        shape.addRect(rect());
        return shape;
    }
    // Round only the corners at the ends of the group: a rounded rect with
    // the joins to the neighbouring rows squared off.
    const QRectF r = rect();
    shape.addRoundedRect(r, groupCornerRadius, groupCornerRadius);
    if (!m_firstInSection)
        shape.addRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2));
    if (!m_lastInSection)
        shape.addRect(QRectF(r.left(), r.center().y(), r.width(), r.height() / 2));
    return shape;
}

void TableViewCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPainterPath shape = backgroundShape();
    painter.setRenderHint(QPainter::Antialiasing, m_grouped);
    painter.setClipPath(shape);
    if (!m_backgroundImage.isNull())
        UiImages::drawStretchable(painter, rect(), m_backgroundImage, m_leftCapWidth, m_topCapHeight);
    else
        painter.fillRect(rect(), m_grouped ? TableCellPainter::groupedBackground() : TableCellPainter::plainBackground());
    // An emphasized row with a selected image wears it in full; a pressed
    // or selected one fades the selection in and out.
    const qreal selection = m_emphasized && !isEmphasizedInAccent() ? 1.0 : m_selectionOpacity;
    if (!m_selectedBackgroundImage.isNull() && selection > 0) {
        painter.save();
        painter.setOpacity(selection);
        UiImages::drawStretchable(painter, rect(), m_selectedBackgroundImage, m_selectedLeftCapWidth,
                                  m_selectedTopCapHeight);
        painter.restore();
    } else {
        TableCellPainter::drawSelection(painter, rect(), m_selectionStyle, selection);
    }
    if (isEmphasizedInAccent())
        TableCellPainter::drawCurrentItemBar(painter, rect());
    if (m_separator && !(m_grouped && m_lastInSection)) {
        const int inset = m_grouped ? 0 : contentMargin + (m_editing && m_editingStyle != EditingStyleNone ? editingControlWidth : 0);
        painter.fillRect(QRect(inset, height() - 1, width() - inset, 1), TableCellPainter::separator());
    }
    painter.setClipping(false);

    const bool lit = m_labelsHighlighted;
    switch (m_accessoryView.view() && !m_editing ? AccessoryNone : currentAccessoryType()) {
    case AccessoryDisclosureIndicator:
        TableCellPainter::drawDisclosureIndicator(painter, m_accessoryRect, lit);
        break;
    case AccessoryDetailDisclosureButton:
        TableCellPainter::drawDetailDisclosureButton(painter, m_accessoryRect, m_accessoryPressed);
        break;
    case AccessoryCheckmark:
        TableCellPainter::drawCheckmark(painter, m_accessoryRect, lit);
        break;
    case AccessoryNone:
        break;
    }
    if (!m_editingControlRect.isEmpty())
        TableCellPainter::drawEditingControl(painter, m_editingControlRect, m_editingStyle,
                                             isShowingDeleteConfirmation());
    if (!m_reorderControlRect.isEmpty())
        TableCellPainter::drawReorderControl(painter, m_reorderControlRect);
}
