#include "ui/StylingHelpers.h"

#include "ui/TableStyledHeaderView.h"
#include "ui/TableViewCell.h"
#include "ui/UiImages.h"
#include "ui/UiPalette.h"

namespace {
const QString rowBackgroundImage = QStringLiteral("tableRowBackground.png");
const QString headerImage = QStringLiteral("tableHeader.png");
constexpr int rowBackgroundLeftCap = 30;
constexpr int headerLeftCap = 2;
}

void StylingHelpers::setVLCBackground(TableViewCell* cell)
{
    cell->setBackgroundImage(UiImages::named(rowBackgroundImage), rowBackgroundLeftCap, 0);
    cell->setTextColor(Qt::white);
    cell->setSelectionStyle(TableViewCell::SelectionStyleGray);
}

TableStyledHeaderView* StylingHelpers::styledHeaderForText(const QString& text)
{
    auto* header = new TableStyledHeaderView(UiImages::named(headerImage), headerLeftCap, 0);
    QPalette colours = header->label()->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Text, Qt::white);
    // Grey 0.6 with no alpha: the header image shows through.
    colours.setColor(QPalette::Window, QColor::fromRgbF(0.6f, 0.6f, 0.6f, 0.0f));
    header->label()->setPalette(colours);
    header->setFont(UiPalette::boldFont(12));
    header->setText(QStringLiteral("      %1").arg(text));
    return header;
}
