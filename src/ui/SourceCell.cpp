#include "ui/SourceCell.h"

#include "ui/UiPalette.h"

SourceCell::SourceCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
    , m_sourceLabel(new QLabel(contentView()))
{
    m_sourceLabel->setAlignment(Qt::AlignCenter);
    m_sourceLabel->setFont(UiPalette::font(12));
    m_sourceLabel->setTextFormat(Qt::PlainText);
    m_sourceLabel->setAutoFillBackground(false);
    setLabelColor(m_sourceLabel, UiPalette::secondaryText());
    setSelectionStyle(SelectionStyleNone);
}

void SourceCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    m_sourceLabel->setGeometry(contentView()->rect());
}

void SourceCell::showHighlight(bool highlighted)
{
    TableViewCell::showHighlight(highlighted);
    setLabelColor(m_sourceLabel, highlighted ? QColor(Qt::black) : UiPalette::secondaryText());
}
