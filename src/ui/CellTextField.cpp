#include "ui/CellTextField.h"

#include "ui/EditableTableViewCellDelegate.h"

#include <QEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace {
constexpr int fieldInset = 8;
constexpr int fieldTop = 12;
constexpr int fieldHeight = 30;
}

CellTextField::CellTextField(const QString& reuseIdentifier, QWidget* parent)
    : EditableTableViewCell(reuseIdentifier, parent)
{
}

QLineEdit* CellTextField::view() const
{
    // qobject_cast: the field may be part-way through its destruction.
    return qobject_cast<QLineEdit*>(m_view.view());
}

void CellTextField::setView(QLineEdit* field)
{
    if (QLineEdit* old = view(); old && old != field) {
        old->removeEventFilter(this);
        disconnect(old, nullptr, this, nullptr);
    }
    if (m_view.set(field, contentView()) && field) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this, &CellTextField::stopEditing);
    }
    setNeedsLayout();
}

void CellTextField::stopEditing()
{
    QLineEdit* field = view();
    endEditing();
    if (field && field->hasFocus())
        field->clearFocus();
}

void CellTextField::layoutSubviews()
{
    EditableTableViewCell::layoutSubviews();
    if (QLineEdit* field = view(); field && field->parentWidget() == contentView())
        field->setGeometry(fieldInset, fieldTop, contentView()->width() - 2 * fieldInset, fieldHeight);
}

bool CellTextField::eventFilter(QObject* watched, QEvent* event)
{
    // A field another cell has taken over is that cell's business now.
    QLineEdit* field = view();
    if (!field || watched != field || field->parentWidget() != contentView())
        return EditableTableViewCell::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && !isInlineEditing() && !beginEditing()) {
        // Refused: the field must not take the keyboard.
        field->clearFocus();
        return true;
    }
    if (event->type() == QEvent::FocusOut)
        endEditing();
    return EditableTableViewCell::eventFilter(watched, event);
}

bool CellTextField::beginEditing()
{
    if (delegate() && !delegate()->cellShouldBeginEditing(this))
        return false;
    setInlineEditing(true);
    return true;
}

void CellTextField::endEditing()
{
    // The delegate may move the focus again (a reload): end only once.
    if (!isInlineEditing() || m_endingEditing)
        return;
    const QScopedValueRollback<bool> ending(m_endingEditing, true);
    if (delegate())
        delegate()->cellDidEndEditing(this);
    setInlineEditing(false);
}
