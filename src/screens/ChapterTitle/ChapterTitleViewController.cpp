#include "screens/ChapterTitle/ChapterTitleViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/RowKeys.h"
#include "vlc/VLCController.h"

ChapterTitleViewController::ChapterTitleViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Chapter & Title"));
    m_updateStatusTimer.setInterval(1000);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &ChapterTitleViewController::updateUI);
    connect(&m_reader, &ChapterTitleReader::changed, this, &ChapterTitleViewController::rebuild);
}

ChapterTitleViewController::~ChapterTitleViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void ChapterTitleViewController::initialiseStructure()
{
    TableStructure structure;
    const std::shared_ptr<VLCController> remote = currentRemote();
    const ChapterTitleInfo info = remote ? m_reader.info(*remote) : ChapterTitleInfo();
    QVariantMap row = displayRow();
    auto addEntries = [&](int section, const std::vector<ChapterTitleInfo::Entry>& entries, int current) {
        for (size_t i = 0; i < entries.size(); ++i) {
            row.insert(BW_ROW__AUTO_TEXT_STRING, entries[i].name);
            DictionaryHelpers::setInt(row, section, BW_ROW_ID_INT);
            DictionaryHelpers::setInt(row, entries[i].number, BW_ROW_INFO_INT);
            DictionaryHelpers::setInt(row,
                                      int(i) == current ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone,
                                      BW_ROW_AUTO_ACCESSORY_STYLE_INT);
            structure.addRow(row);
        }
    };
    structure.addSection(localizedString("Title"));
    addEntries(TitleRows, info.titles, info.currentTitle);
    structure.addSection(localizedString("Chapter"));
    addEntries(ChapterRows, info.chapters, info.currentChapter);
    setTableStructure(structure);
}

void ChapterTitleViewController::viewDidAppear(bool animated)
{
    rebuild();
    startTimer();
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::vlcStatusChanged,
                                                    [this](const Notification&) { respondToUpdateStatusNotification(); });
    StyledTableViewController::viewDidAppear(animated);
}

void ChapterTitleViewController::viewDidDisappear(bool animated)
{
    StyledTableViewController::viewDidDisappear(animated);
    stopTimer();
    NotificationCenter::defaultCenter().removeObserver(this, NotificationNames::vlcStatusChanged);
}

void ChapterTitleViewController::startTimer()
{
    stopTimer();
    m_updateStatusTimer.start();
    updateUI(); // the list at once, not a second later
}

void ChapterTitleViewController::stopTimer()
{
    m_updateStatusTimer.stop();
}

void ChapterTitleViewController::updateUI()
{
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        remote->updateStatus();
        m_reader.refresh(*remote);
    }
}

void ChapterTitleViewController::respondToUpdateStatusNotification()
{
    rebuild();
}

void ChapterTitleViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    const int number = DictionaryHelpers::intForKey(row, BW_ROW_INFO_INT);
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        if (tableStructure()->rowIdForIndexPath(indexPath) == TitleRows)
            remote->playTitle(number);
        else
            remote->playChapter(number);
    }
    table->deselectRowAtIndexPath(indexPath, true);
}
