#pragma once

#include "ui/TableViewController.h"

#include <functional>
#include <memory>
#include <vector>

class RemotesModel;
class VLCController;

// The computers discovery found (the remotes list's found rows), to fill
// the configuration's name and address with one of them instead of typing.
class FoundRemotesViewController : public TableViewController {
    Q_OBJECT
public:
    using Choice = std::function<void(const std::shared_ptr<VLCController>&)>;

    explicit FoundRemotesViewController(RemotesModel& remotes, QWidget* parent = nullptr);

    // Who hears the next choice (once).
    void setChoice(Choice chosen) { m_chosen = std::move(chosen); }
    // Tells the one who asked which computer was chosen, and goes back.
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
    RemotesModel& m_remotes;
    Choice m_chosen;
};
