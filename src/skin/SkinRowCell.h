#pragma once

#include "ui/DisplayCell.h"

// A playlist row of a skin's table: the title is cut at its head when it is
// too long, so the end of a long file name stays readable. The row of the
// item that plays wears the skin's highlighted-row look and a play mark.
class SkinRowCell : public DisplayCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit SkinRowCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    void setPlaying(bool playing);
    bool isPlaying() const { return isEmphasized(); }

protected:
    void layoutSubviews() override;

private:
    QString m_title;
};
