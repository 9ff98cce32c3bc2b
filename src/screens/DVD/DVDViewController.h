#pragma once

#include "ui/ViewController.h"

#include <memory>

class RemoteSession;
namespace Ui {
class DVDView;
}

// Disc menu navigation: up, down, left, right, select and the disc menu,
// each a key command of the shown remote (which asks for its one-time
// notice about DVD controls first). The arrow keys, Enter and M do the same
// while the screen is shown.
class DVDViewController : public ViewController {
    Q_OBJECT
public:
    explicit DVDViewController(RemoteSession& session, QWidget* parent = nullptr);
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
    RemoteSession& m_session;
    std::unique_ptr<Ui::DVDView> m_ui;
};
