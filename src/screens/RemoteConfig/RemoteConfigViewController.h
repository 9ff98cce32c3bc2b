#pragma once

#include "models/AppContext.h"
#include "ui/EditableTableViewCellDelegate.h"
#include "ui/TableViewController.h"

#include <QPointer>
#include <QString>

#include <memory>

class BarButtonItem;
class QLineEdit;
class RemotesModel;
class VLCController;

// Entering or changing a remote by hand: its name, its address (typed, or
// chosen from the computers discovery found), VLC's password and whether
// it is the default remote. Nothing reaches the remote until Save; a new
// remote joins the saved list then, and is probed at once so that the list
// shows its state when it reappears.
class RemoteConfigViewController : public TableViewController, public EditableTableViewCellDelegate {
    Q_OBJECT
public:
    enum Row {
        NameRow = 0,
        AddressRow = 1,
        DefaultRow = 2,
        FoundComputersRow = 3,
        AddressHelpRow = 4,
        PasswordRow = 5,
    };
    static constexpr int keyboardShift = 150;

    // remotes: the saved list a new remote joins, and the found computers
    // to choose an address from.
    RemoteConfigViewController(const AppContext& context, RemotesModel& remotes, QWidget* parent = nullptr);
    ~RemoteConfigViewController() override;

    // Starts an edit of the remote (nullptr: forgets it).
    void setConfigRemote(const std::shared_ptr<VLCController>& remote);
    std::shared_ptr<VLCController> configRemote() const { return m_configRemote; }

    void finishedEdit();
    void cancelEdit();

    QString newNickname() const { return m_newNickname; }
    void setNewNickname(const QString& nickname) { m_newNickname = nickname; }
    QString newHostAddress() const { return m_newHostAddress; }
    void setNewHostAddress(const QString& address) { m_newHostAddress = address; }
    QString newPassword() const { return m_newPassword; }
    bool newDefaultStatus() const { return m_newDefaultStatus; }

    QLineEdit* nicknameField() const { return m_nicknameField; }
    QLineEdit* hostIpField() const { return m_hostIpField; }
    QLineEdit* passwordField() const { return m_passwordField; }
    BarButtonItem* saveButton() const { return m_saveButton; }
    BarButtonItem* cancelButton() const { return m_cancelButton; }

    // The keyboard shift: an on-screen keyboard would cover rows low in
    // the table.
    void setViewMovedUp(bool movedUp);
    bool tableMovedUp() const { return m_tableMovedUp; }
    bool cellShouldBeginEditing(EditableTableViewCell* cell) override;
    void cellDidEndEditing(EditableTableViewCell* cell) override;

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    QWidget* viewForHeaderInSection(TableView* table, int section) override;
    int heightForHeaderInSection(TableView* table, int section) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void copyFieldsIntoEdit();
    void layoutTable();

    AppContext m_context;
    RemotesModel& m_remotes;
    QLineEdit* m_nicknameField;
    QLineEdit* m_hostIpField;
    QLineEdit* m_passwordField;
    QString m_newNickname;
    QString m_newHostAddress;
    QString m_newPassword;
    bool m_newDefaultStatus = false;
    std::shared_ptr<VLCController> m_configRemote;
    bool m_tableMovedUp = false;
    BarButtonItem* m_saveButton;
    BarButtonItem* m_cancelButton;
};
