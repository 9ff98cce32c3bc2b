#pragma once

#include "ui/TableViewCell.h"

// A row of two texts side by side, a short grey `type` at the left and the
// main `name`, or in prompt mode a single grey `prompt` line in their place
// (such as "Tap to load more").
class DetailCell : public TableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit DetailCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QLabel* type() const { return m_type; }
    QLabel* name() const { return m_name; }
    QLabel* prompt() const { return m_prompt; }

    bool promptMode() const { return m_promptMode; }
    void setPromptMode(bool promptMode);

protected:
    void layoutSubviews() override;
    void showHighlight(bool highlighted) override;

private:
    QLabel* m_type;
    QLabel* m_name;
    QLabel* m_prompt;
    bool m_promptMode = false;
};
