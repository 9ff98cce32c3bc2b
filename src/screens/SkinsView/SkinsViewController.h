#pragma once

#include "ui/TableViewController.h"

#include <QFileSystemWatcher>
#include <QStringList>

class BarButtonItem;
class Navigator;
class SkinListModel;
class UserDefaults;

// The installed skins: the shipped one first, then every folder of the
// skins folder. A tick marks the one in use; tapping a row chooses it; in
// edit mode downloaded skins can be deleted. The toolbar's "Download Skins"
// opens the skin gallery. While shown, the list follows the skins folder,
// so a skin installed meanwhile (by another playerlink) appears.
class SkinsViewController : public TableViewController {
    Q_OBJECT
public:
    // skins: the rows; the choice is kept in defaults.
    SkinsViewController(SkinListModel& skins, UserDefaults& defaults, Navigator& navigator, QWidget* parent = nullptr);

    const QStringList& skinList() const;
    BarButtonItem* seeSkinsButton() const { return m_seeSkinsButton; }
    BarButtonItem* editButton() const { return m_editButton; }

    void updateSkinList();
    void selectRow(int row);
    void setEditing(bool editing);
    bool isEditing() const;
    void deleteRow(int row);
    void downloadSkins();

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void commitEditingStyle(TableView* table, TableViewCell::EditingStyle style, const IndexPath& indexPath) override;

signals:
    // The list is shown: the skin chosen here is built afresh when the
    // remote screen next shows.
    void shown();

protected:
    void initialiseStructure() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    // Pushes the gallery browser on the gallery page.
    void openSkinGallery();
    void watchSkinsFolder();
    void skinsFolderChanged();

    QString selectedSkin() const;

    SkinListModel& m_skins;
    UserDefaults& m_defaults;
    Navigator& m_navigator;
    BarButtonItem* m_seeSkinsButton = nullptr;
    BarButtonItem* m_editButton = nullptr;
    BarButtonItem* m_doneButton = nullptr;
    QFileSystemWatcher m_skinsFolderWatcher;
};
