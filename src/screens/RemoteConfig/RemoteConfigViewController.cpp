#include "screens/RemoteConfig/RemoteConfigViewController.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/RemoteConfigProblem.h"
#include "models/RemotesModel.h"
#include "ui/BarButtonItem.h"
#include "ui/CellTextField.h"
#include "ui/DisplayCell.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "ui/TableStyledHeaderView.h"
#include "ui/UiImages.h"
#include "vlc/HostAddress.h"
#include "vlc/VLCController.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLayout>
#include <QLineEdit>
#include <QPropertyAnimation>

namespace {
const QString textCellId = QStringLiteral("remoteTextCell");
const QString displayCellId = QStringLiteral("DisplayCell_ID");
const QString analyticsName = QStringLiteral("config view");
constexpr int headerHeight = 24;
constexpr int shiftDurationMs = 300;

QLineEdit* makeField(QWidget* parent)
{
    QLineEdit* field = InterfaceHelpers::createTextField_Rounded(parent);
    field->hide(); // shown by the cell that takes it
    return field;
}

}

RemoteConfigViewController::RemoteConfigViewController(const AppContext& context, RemotesModel& remotes,
                                                       QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
    , m_context(context)
    , m_remotes(remotes)
    , m_nicknameField(makeField(this))
    , m_hostIpField(makeField(this))
    , m_passwordField(makeField(this))
{
    setTitle(localizedString("Configure Remote"));
    setBackButtonTitle(localizedString("Back"));
    m_nicknameField->setObjectName(QStringLiteral("nicknameField"));
    m_hostIpField->setObjectName(QStringLiteral("hostIpField"));
    m_passwordField->setObjectName(QStringLiteral("passwordField"));
    m_hostIpField->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhUrlCharactersOnly);
    m_passwordField->setEchoMode(QLineEdit::Password);
    m_passwordField->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    m_passwordField->setPlaceholderText(localizedString("VLC's web interface password"));

    m_saveButton = new BarButtonItem(localizedString("Save"), BarButtonItem::Done, this);
    m_cancelButton = new BarButtonItem(localizedString("Cancel"), BarButtonItem::Bordered, this);
    connect(m_saveButton, &BarButtonItem::triggered, this, &RemoteConfigViewController::finishedEdit);
    connect(m_cancelButton, &BarButtonItem::triggered, this, &RemoteConfigViewController::cancelEdit);
    navigationItem()->setRightBarButtonItem(m_saveButton);
    navigationItem()->setLeftBarButtonItem(m_cancelButton);
    navigationItem()->setHidesBackButton(true);
}

RemoteConfigViewController::~RemoteConfigViewController() = default;

void RemoteConfigViewController::setConfigRemote(const std::shared_ptr<VLCController>& remote)
{
    m_configRemote = remote;
    m_newNickname = remote ? remote->record().nickname : QString();
    m_newHostAddress = remote ? remote->record().hostAddress : QString();
    m_newPassword = remote ? remote->record().password : QString();
    m_newDefaultStatus = remote && remote->record().isDefault;
    m_nicknameField->setText(m_newNickname);
    m_hostIpField->setText(m_newHostAddress);
    m_passwordField->setText(m_newPassword);
}

void RemoteConfigViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    // The table is placed by hand, so that it can shift for a keyboard.
    if (layout())
        layout()->removeWidget(myTableView());
    myTableView()->setRowHeight(TableView::defaultRowHeight);
    layoutTable();
}

void RemoteConfigViewController::viewWillAppear(bool)
{
    // The fields show the edit, also after the chooser wrote into it.
    m_nicknameField->setText(m_newNickname);
    m_hostIpField->setText(m_newHostAddress);
    m_passwordField->setText(m_newPassword);
    TableStructure structure;
    structure.addSection(localizedString("Remote Name"));
    structure.addRow(NameRow);
    structure.addSection(localizedString("Remote Address"));
    structure.addRow(AddressRow);
    structure.addRow(DefaultRow);
    if (m_remotes.foundCount() > 0)
        structure.addRow(FoundComputersRow);
    structure.addRow(AddressHelpRow);
    structure.addSection(localizedString("Password"));
    structure.addRow(PasswordRow);
    setTableStructure(structure);
    myTableView()->reloadData();
    Analytics::viewEntered(m_context.defaults, analyticsName);
}

void RemoteConfigViewController::viewDidDisappear(bool)
{
    Analytics::viewLeft(m_context.defaults, analyticsName);
}

TableViewCell* RemoteConfigViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int rowId = tableStructure()->rowIdForIndexPath(indexPath);
    QLineEdit* field = rowId == NameRow ? m_nicknameField
        : rowId == AddressRow           ? m_hostIpField
        : rowId == PasswordRow          ? m_passwordField
                                        : nullptr;
    if (field) {
        auto* cell = qobject_cast<CellTextField*>(table->dequeueReusableCellWithIdentifier(textCellId));
        if (!cell) {
            cell = new CellTextField(textCellId);
            StylingHelpers::setVLCBackground(cell);
        }
        cell->setAccessoryType(TableViewCell::AccessoryNone);
        cell->setAccessoryView(nullptr);
        cell->setView(field);
        cell->setDelegate(this);
        return cell;
    }
    auto* cell = qobject_cast<DisplayCell*>(table->dequeueReusableCellWithIdentifier(displayCellId));
    if (!cell) {
        cell = new DisplayCell(displayCellId);
        StylingHelpers::setVLCBackground(cell);
    }
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    cell->setAccessoryView(nullptr);
    cell->setView(nullptr);
    switch (rowId) {
    case DefaultRow: {
        cell->textLabel()->setText(localizedString("Use as default remote"));
        if (m_newDefaultStatus) {
            auto* tick = InterfaceHelpers::imageViewWithImageNamed(QStringLiteral("tick.png"));
            tick->setObjectName(QStringLiteral("tick"));
            cell->setAccessoryView(tick);
        }
        break;
    }
    case FoundComputersRow:
        cell->textLabel()->setText(localizedString("Select from 'found computers'"));
        break;
    case AddressHelpRow:
        cell->textLabel()->setText(localizedString("Help setting address"));
        break;
    default:
        qFatal("Classes/ViewControllers/RemoteConfig/RemoteConfigViewController: unrecognised rowId");
    }
    return cell;
}

QWidget* RemoteConfigViewController::viewForHeaderInSection(TableView*, int section)
{
    return StylingHelpers::styledHeaderForText(tableStructure()->titleForSection(section));
}

int RemoteConfigViewController::heightForHeaderInSection(TableView*, int)
{
    return headerHeight;
}

void RemoteConfigViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    table->deselectRowAtIndexPath(indexPath, true);
    switch (tableStructure()->rowIdForIndexPath(indexPath)) {
    case DefaultRow:
        copyFieldsIntoEdit();
        m_newDefaultStatus = !m_newDefaultStatus;
        table->reloadData();
        break;
    case FoundComputersRow: {
        copyFieldsIntoEdit();
        m_nicknameField->clearFocus();
        m_hostIpField->clearFocus();
        m_passwordField->clearFocus();
        m_context.navigator.chooseFoundComputer([self = QPointer(this)](const std::shared_ptr<VLCController>& remote) {
            if (!self || !remote)
                return;
            self->setNewHostAddress(remote->record().hostAddress);
            self->setNewNickname(remote->record().nickname);
        });
        break;
    }
    case AddressHelpRow: {
        copyFieldsIntoEdit();
        m_context.navigator.showBundledPage(QStringLiteral("router"));
        break;
    }
    default:
        break;
    }
}

void RemoteConfigViewController::copyFieldsIntoEdit()
{
    m_newNickname = m_nicknameField->text();
    m_newHostAddress = m_hostIpField->text();
    m_newPassword = m_passwordField->text();
}

void RemoteConfigViewController::finishedEdit()
{
    copyFieldsIntoEdit();
    // A pasted address often carries a space at its end, which would make
    // every request fail.
    m_newHostAddress = m_newHostAddress.trimmed();
    if (const QString problem = RemoteConfigProblem::describe(m_newNickname, m_newHostAddress); !problem.isEmpty()) {
        RemoteConfigProblem::show(m_context.alerts, problem);
        return;
    }
    // Kept as the requests use it ("http://host:port/" becomes "host:port").
    m_newHostAddress = HostAddress::read(m_newHostAddress).address.value_or(m_newHostAddress);
    if (!m_configRemote)
        return;
    const std::shared_ptr<VLCController> remote = m_configRemote;
    remote->setNickname(m_newNickname);
    remote->setHostAddress(m_newHostAddress);
    // An empty field means no password, as VLC without one knows it.
    remote->setPassword(m_newPassword.isEmpty() ? QString() : m_newPassword);
    remote->setIsDefault(m_newDefaultStatus);
    if (!m_remotes.isSaved(*remote))
        m_remotes.save(remote);
    // Its state icon is then right when the list shows again.
    remote->searchForPlayerLink();
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void RemoteConfigViewController::cancelEdit()
{
    setConfigRemote(nullptr);
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

bool RemoteConfigViewController::cellShouldBeginEditing(EditableTableViewCell* cell)
{
    // Only an on-screen keyboard covers the lower rows; a desktop's does not.
    const int cellY = cell->mapTo(myTableView(), QPoint(0, 0)).y();
    if (cellY > keyboardShift && QGuiApplication::inputMethod()->isVisible())
        setViewMovedUp(true);
    return true;
}

void RemoteConfigViewController::cellDidEndEditing(EditableTableViewCell*)
{
    copyFieldsIntoEdit();
    if (m_tableMovedUp)
        setViewMovedUp(false);
}

void RemoteConfigViewController::setViewMovedUp(bool movedUp)
{
    if (movedUp == m_tableMovedUp || !myTableView())
        return;
    m_tableMovedUp = movedUp;
    const int shift = movedUp ? keyboardShift : 0;
    auto* animation = new QPropertyAnimation(myTableView(), "geometry", this);
    animation->setDuration(shiftDurationMs);
    animation->setEndValue(QRect(0, -shift, width(), height() + shift));
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void RemoteConfigViewController::resizeEvent(QResizeEvent* event)
{
    TableViewController::resizeEvent(event);
    layoutTable();
}

void RemoteConfigViewController::layoutTable()
{
    if (!myTableView())
        return;
    const int shift = m_tableMovedUp ? keyboardShift : 0;
    myTableView()->setGeometry(0, -shift, width(), height() + shift);
}
