#pragma once

#include "ui/ViewController.h"

#include <memory>

namespace Ui {
class DVDView;
}

// Disc menu navigation: up, down, left, right, select and the disc menu,
// each sent through the remote screen (which shows its one-time notice
// about DVD controls first). The arrow keys, Enter and M do the same while
// the screen is shown.
class DVDViewController : public ViewController {
    Q_OBJECT
public:
    explicit DVDViewController(QWidget* parent = nullptr);
    ~DVDViewController() override;

    void up();
    void down();
    void left();
    void right();
    void select();
    void menu();

protected:
    void viewDidAppear(bool animated) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::DVDView> m_ui;
};
