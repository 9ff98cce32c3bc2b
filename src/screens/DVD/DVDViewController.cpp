#include "screens/DVD/DVDViewController.h"

#include "core/Localization.h"
#include "models/RemoteSession.h"
#include "ui/ImageButton.h"
#include "ui/UiImages.h"
#include "ui/UiPalette.h"
#include "ui_DVDView.h"

#include <QKeyEvent>

DVDViewController::DVDViewController(RemoteSession& session, QWidget* parent)
    : ViewController(parent)
    , m_session(session)
    , m_ui(std::make_unique<Ui::DVDView>())
{
    m_ui->setupUi(this);
    setTitle(localizedString("DVD"));
    // Takes the arrow keys for the menu; Tab passes it by for its buttons.
    setFocusPolicy(Qt::ClickFocus);
    const struct {
        ImageButton* button;
        const char* image;
        const char* name;
        void (DVDViewController::*action)();
    } buttons[] = {
        { m_ui->upButton, "dvdUp", L10N_NOOP("Up"), &DVDViewController::up },
        { m_ui->downButton, "dvdDown", L10N_NOOP("Down"), &DVDViewController::down },
        { m_ui->leftButton, "dvdLeft", L10N_NOOP("Left"), &DVDViewController::left },
        { m_ui->rightButton, "dvdRight", L10N_NOOP("Right"), &DVDViewController::right },
        { m_ui->selectButton, "dvdSelect", L10N_NOOP("Select"), &DVDViewController::select },
        { m_ui->menuButton, "dvdMenu", L10N_NOOP("Menu"), &DVDViewController::menu },
    };
    for (const auto& b : buttons) {
        const QString image = QString::fromLatin1(b.image);
        b.button->setImage(ImageButton::Normal, UiImages::named(image + QStringLiteral(".png")));
        b.button->setImage(ImageButton::Highlighted, UiImages::named(image + QStringLiteral("_down.png")));
        b.button->setAccessibleName(localizedString(b.name));
        connect(b.button, &ImageButton::clicked, this, b.action);
    }
    m_ui->padLayout->setAlignment(Qt::AlignCenter);
    m_ui->dvdLayout->setAlignment(m_ui->menuButton, Qt::AlignHCenter);
    m_ui->keysHint->setText(localizedString("Arrow keys, Enter and M work here too."));
    m_ui->keysHint->setAlignment(Qt::AlignCenter);
    m_ui->keysHint->setFont(UiPalette::font(12));
    QPalette colours = m_ui->keysHint->palette();
    colours.setColor(QPalette::WindowText, UiPalette::secondaryText());
    m_ui->keysHint->setPalette(colours);
}

DVDViewController::~DVDViewController() = default;

void DVDViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    setFocus(Qt::OtherFocusReason);
}

void DVDViewController::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        up();
        break;
    case Qt::Key_Down:
        down();
        break;
    case Qt::Key_Left:
        left();
        break;
    case Qt::Key_Right:
        right();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        select();
        break;
    case Qt::Key_M:
        menu();
        break;
    default:
        ViewController::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DVDViewController::up()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdUp);
}

void DVDViewController::down()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdDown);
}

void DVDViewController::left()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdLeft);
}

void DVDViewController::right()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdRight);
}

void DVDViewController::select()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdSelect);
}

void DVDViewController::menu()
{
    m_session.sendKeyCommand(RemoteSession::KeyCommand::DvdMenu);
}
