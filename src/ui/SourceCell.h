#pragma once

#include "ui/TableViewCell.h"

// A short row with one small, centred grey line (version and build notes).
class SourceCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit SourceCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QLabel* sourceLabel() const { return m_sourceLabel; }
    void setText(const QString& text) { m_sourceLabel->setText(text); }

protected:
    void layoutSubviews() override;
    void showHighlight(bool highlighted) override;

private:
    QLabel* m_sourceLabel;
};
