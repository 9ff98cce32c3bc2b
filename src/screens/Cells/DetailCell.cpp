#include "screens/Cells/DetailCell.h"

#include "ui/TableCellLabel.h"
#include "ui/UiPalette.h"

namespace {
constexpr int inset = 10;
constexpr int typeWidth = 60;
constexpr int nameOffset = 70;
constexpr int promptOffset = 15;

QLabel* makeLabel(QWidget* parent, int pixelSize)
{
    QLabel* label = new TableCellLabel(parent);
    label->setFont(UiPalette::boldFont(pixelSize));
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(false);
    return label;
}
}

DetailCell::DetailCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
    , m_type(makeLabel(contentView(), 12))
    , m_name(makeLabel(contentView(), 14))
    , m_prompt(makeLabel(contentView(), 12))
{
    m_type->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The standard labels stay empty: these three say everything.
    textLabel()->hide();
    detailTextLabel()->hide();
    m_prompt->hide();
    showHighlight(false);
}

void DetailCell::setPromptMode(bool promptMode)
{
    m_promptMode = promptMode;
    m_type->setVisible(!promptMode);
    m_name->setVisible(!promptMode);
    m_prompt->setVisible(promptMode);
}

void DetailCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    textLabel()->hide();
    detailTextLabel()->hide();
    const QRect r = contentView()->rect().adjusted(inset, inset, -inset, -inset);
    m_prompt->setGeometry(r.x() + promptOffset, r.y(), qMax(0, r.width() - promptOffset), r.height());
    m_type->setGeometry(r.x(), r.y(), typeWidth, r.height());
    m_name->setGeometry(r.x() + nameOffset, r.y(), qMax(0, r.width() - nameOffset), r.height());
}

void DetailCell::showHighlight(bool highlighted)
{
    TableViewCell::showHighlight(highlighted);
    // The name follows the row's text colours (white on the standard row
    // background); the two grey texts turn white only when lit.
    setLabelColor(m_name, highlighted ? highlightedTextColor() : textColor());
    setLabelColor(m_type, highlighted ? highlightedTextColor() : UiPalette::secondaryText());
    setLabelColor(m_prompt, highlighted ? highlightedTextColor() : UiPalette::secondaryText());
}
