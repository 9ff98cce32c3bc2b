#include "ui/ProgressCell.h"

#include "ui/TableCellLabel.h"
#include "ui/UiPalette.h"

#include <QProgressBar>

namespace {
constexpr int steps = 1000;
}

ProgressCell::ProgressCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
    , m_nameLabel(new TableCellLabel(contentView()))
    , m_progressView(new QProgressBar(contentView()))
{
    m_nameLabel->setFont(UiPalette::boldFont(18));
    setLabelColor(m_nameLabel, UiPalette::text());
    m_progressView->setRange(0, steps);
    m_progressView->setTextVisible(false);
    m_progressView->setFixedHeight(9);
    m_progressView->setStyleSheet(QStringLiteral(
        "QProgressBar { background: #111214; border: 1px solid #3a3d44; border-radius: 4px; }"
        "QProgressBar::chunk { background: #ff8c1a; border-radius: 3px; }"));
    m_progressView->hide();
    setSelectionStyle(SelectionStyleNone);
}

void ProgressCell::setProgress(float progress)
{
    m_progressView->setVisible(progress != 0);
    m_progressView->setValue(qRound(qBound(0.0f, progress, 1.0f) * steps));
}

void ProgressCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const QRect bounds = contentView()->rect();
    m_nameLabel->setGeometry(bounds.left() + 8, 12, bounds.width(), 25);
    m_progressView->setGeometry(bounds.left() + 8, 38, bounds.width() - 30, m_progressView->height());
}

void ProgressCell::setSelected(bool selected, bool animated)
{
    TableViewCell::setSelected(selected, animated);
    updateNameColor();
}

void ProgressCell::setHighlighted(bool highlighted, bool animated)
{
    TableViewCell::setHighlighted(highlighted, animated);
    updateNameColor();
}

void ProgressCell::updateNameColor()
{
    setLabelColor(m_nameLabel, isSelected() || isHighlighted() ? UiPalette::accent() : UiPalette::text());
}
