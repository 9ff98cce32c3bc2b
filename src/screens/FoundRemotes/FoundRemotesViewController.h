#pragma once

#include "ui/TableViewController.h"

#include <QPointer>

#include <memory>
#include <vector>

class RemoteConfigViewController;
class VLCController;

// The computers discovery found, to fill the configuration's name and
// address with one of them instead of typing.
class FoundRemotesViewController : public TableViewController {
    Q_OBJECT
public:
    explicit FoundRemotesViewController(QWidget* parent = nullptr);

    RemoteConfigViewController* targetForChoice() const { return m_targetForChoice; }
    void setTargetForChoice(RemoteConfigViewController* target) { m_targetForChoice = target; }
    // Hands the remote's address and name to the target and goes back.
    void selectRemote(const std::shared_ptr<VLCController>& remote);
    const std::vector<std::shared_ptr<VLCController>>& playerLinks() const { return m_playerLinks; }

    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    std::vector<std::shared_ptr<VLCController>> m_playerLinks;
    QPointer<RemoteConfigViewController> m_targetForChoice;
};
