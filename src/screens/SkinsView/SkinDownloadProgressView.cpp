#include "screens/SkinsView/SkinDownloadProgressView.h"

#include "core/Localization.h"
#include "skin/SkinDownloader.h"
#include "ui/UiPalette.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
constexpr int panelHeight = 58;
constexpr int margin = 12;
// Above the toolbar, where one is shown.
constexpr int bottomGap = 56;
}

SkinDownloadProgressView* SkinDownloadProgressView::follow(SkinDownloader* downloader, QWidget* host)
{
    if (!downloader || !host)
        return nullptr;
    return new SkinDownloadProgressView(downloader, host);
}

SkinDownloadProgressView::SkinDownloadProgressView(SkinDownloader* downloader, QWidget* host)
    : QWidget(host)
    , m_host(host)
    , m_label(new QLabel(localizedString("Downloading skin..."), this))
    , m_bar(new QProgressBar(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 8, 14, 10);
    layout->setSpacing(6);
    m_label->setFont(UiPalette::boldFont(13));
    QPalette colours = m_label->palette();
    colours.setColor(QPalette::WindowText, UiPalette::text());
    m_label->setPalette(colours);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(8);
    m_bar->setRange(0, 0); // busy until the size is known
    m_bar->setStyleSheet(QStringLiteral("QProgressBar { background: #2a2c32; border: none; border-radius: 4px; }"
                                        "QProgressBar::chunk { background: %1; border-radius: 4px; }")
                             .arg(UiPalette::accent().name()));
    layout->addWidget(m_label);
    layout->addWidget(m_bar);

    connect(downloader, &SkinDownloader::progressChanged, this, &SkinDownloadProgressView::setProgress);
    connect(downloader, &SkinDownloader::finished, this, &QObject::deleteLater);
    connect(downloader, &QObject::destroyed, this, &QObject::deleteLater);
    host->installEventFilter(this);
    place();
    show();
    raise();
}

QString SkinDownloadProgressView::text() const
{
    return m_label->text();
}

void SkinDownloadProgressView::setProgress(qint64 received, qint64 total)
{
    if (total <= 0) {
        m_bar->setRange(0, 0);
        return;
    }
    // Kilobytes keep large sizes within the bar's int range.
    m_bar->setRange(0, int(total / 1024) + 1);
    m_bar->setValue(int(received / 1024));
}

void SkinDownloadProgressView::place()
{
    if (!m_host)
        return;
    const int width = qMin(m_host->width() - 2 * margin, 420);
    setGeometry((m_host->width() - width) / 2, m_host->height() - bottomGap - panelHeight, width, panelHeight);
    raise();
}

bool SkinDownloadProgressView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded))
        place();
    return QWidget::eventFilter(watched, event);
}

void SkinDownloadProgressView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(panel, QColor(0x10, 0x11, 0x14, 235));
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawPath(panel);
}
