#pragma once

#include "ui/TableViewCell.h"

class QProgressBar;

// A name with a progress bar below it; the bar hides at 0.
class ProgressCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit ProgressCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QLabel* nameLabel() const { return m_nameLabel; }
    QProgressBar* progressView() const { return m_progressView; }
    // progress from 0 to 1.
    void setProgress(float progress);
    void setText(const QString& text) { m_nameLabel->setText(text); }

    // Selecting the cell lights the name, though the row shows no selection.
    void setSelected(bool selected, bool animated = false) override;
    void setHighlighted(bool highlighted, bool animated = false) override;

protected:
    void layoutSubviews() override;

private:
    void updateNameColor();

    QLabel* m_nameLabel;
    QProgressBar* m_progressView;
};
