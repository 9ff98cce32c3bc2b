#include "models/WebPageScreen.h"

#include "models/WebPictureStore.h"
#include "net/WebPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

#include <vector>

namespace {
// The file a local page names beside it (in its folder or below), empty for
// anything else: a web page names no file of this computer.
QString fileBesidePage(const QUrl& name, const QUrl& page)
{
    const QString folder = page.adjusted(QUrl::RemoveFilename).toLocalFile();
    const QString path = QFileInfo(name.toLocalFile()).canonicalFilePath();
    if (!page.isLocalFile() || !name.isLocalFile() || folder.isEmpty() || path.isEmpty()
        || !path.startsWith(QFileInfo(folder).canonicalFilePath() + u'/'))
        return {};
    return path;
}

// Qt's HTML reader loading nothing but a bundled page's own style sheets
// (small local files beside it): pictures and anything from the network
// stay where they are.
class InertDocument : public QTextDocument {
public:
    static constexpr qint64 maximumStyleSheetBytes = 256 * 1024;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QString path = fileBesidePage(name, baseUrl());
        if (type != QTextDocument::StyleSheetResource || path.isEmpty())
            return {};
        QFile file(path);
        if (file.size() > maximumStyleSheetBytes || !file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.read(maximumStyleSheetBytes));
    }
};

// An empty anchor before a heading names the heading's block, which the
// written HTML would forget: its first letter carries the names instead.
void keepBlockAnchors(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QStringList names = block.charFormat().anchorNames();
        if (names.isEmpty() || block.length() < 2)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        QTextCharFormat named;
        named.setAnchor(true);
        named.setAnchorNames(names + cursor.charFormat().anchorNames());
        cursor.mergeCharFormat(named);
    }
}

// The document's pictures, each resolved against base into wanted: those
// fetched point at the picture provider, the others go.
void placePictures(QTextDocument& document, const QUrl& base, const QHash<QUrl, int>& pictures, QList<QUrl>* wanted)
{
    struct Found {
        int position;
        QTextImageFormat format;
        QUrl url;
    };
    std::vector<Found> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QUrl url = base.resolved(QUrl(format.name(), QUrl::TolerantMode));
            for (int i = 0; i < fragment.length(); ++i)
                found.push_back({ fragment.position() + i, format, url });
        }
    // From the end, so that a picture taken out moves none still to come.
    for (auto picture = found.rbegin(); picture != found.rend(); ++picture) {
        if (wanted && !wanted->contains(picture->url))
            wanted->append(picture->url);
        QTextCursor cursor(&document);
        cursor.setPosition(picture->position);
        cursor.setPosition(picture->position + 1, QTextCursor::KeepAnchor);
        const int number = pictures.value(picture->url, -1);
        if (number < 0) {
            cursor.removeSelectedText();
            continue;
        }
        QTextImageFormat shown = picture->format;
        shown.setName(WebPictureStore::url(number).toString());
        cursor.setCharFormat(shown);
    }
}

QString pageText(const QString& html, const QUrl& base, const QHash<QUrl, int>& pictures, QString* title,
                 QList<QUrl>* wanted)
{
    InertDocument document;
    document.setBaseUrl(base);
    document.setHtml(html);
    keepBlockAnchors(document);
    placePictures(document, base, pictures, wanted);
    if (title)
        *title = document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    QString text = document.toHtml();
    // What the text item would fetch by itself: backgrounds, and any
    // picture not the provider's.
    static const QRegularExpression fetched(
        QStringLiteral(R"(<img\b(?![^>]*\ssrc="image://webpicture/)[^>]*>|\sbackground="[^"]*"|background-image:[^;"]*;?)"),
        QRegularExpression::CaseInsensitiveOption);
    return text.remove(fetched);
}

QString decodedText(const WebFetch::Result& result, bool html)
{
    if (!result.charset.isEmpty()) {
        QStringDecoder decoder(result.charset.constData());
        if (decoder.isValid())
            return decoder.decode(result.data);
    }
    if (html) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(result.data);
        if (decoder.isValid())
            return decoder.decode(result.data);
    }
    return QString::fromUtf8(result.data);
}

bool isWeb(const QUrl& url)
{
    return url.scheme() == u"http" || url.scheme() == u"https";
}

bool isSameDocument(const QUrl& a, const QUrl& b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}
}

WebPageScreen::WebPageScreen(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    m_redraw.setSingleShot(true);
    m_redraw.setInterval(30);
    connect(&m_redraw, &QTimer::timeout, this, [this] {
        m_text = pageText(m_html, m_base, m_pictures, nullptr, nullptr);
        emit textChanged();
    });
}

WebPageScreen::~WebPageScreen()
{
    clearPictures();
}

QUrl WebPageScreen::url() const
{
    const WebHistory::Item* current = m_history.current();
    return current ? current->url : QUrl();
}

QString WebPageScreen::address() const
{
    return isWeb(url()) ? url().toString() : QString();
}

QString WebPageScreen::inertText(const QString& html, const QUrl& base, QString* title)
{
    return pageText(html, base, {}, title, nullptr);
}

void WebPageScreen::setPictureWidth(int width)
{
    if (width == m_pictureWidth)
        return;
    m_pictureWidth = width;
    emit pictureWidthChanged();
}

void WebPageScreen::showPage(const QString& html, const QUrl& base)
{
    m_html = html;
    m_base = base;
    QList<QUrl> wanted;
    m_text = pageText(m_html, m_base, m_pictures, &m_title, &wanted);
    const int known = int(m_pictures.size());
    for (const QUrl& picture : std::as_const(wanted))
        askForPicture(picture);
    // Pictures read at once from beside a local page are shown at once.
    if (int(m_pictures.size()) != known)
        m_text = pageText(m_html, m_base, m_pictures, nullptr, nullptr);
}

void WebPageScreen::askForPicture(const QUrl& url)
{
    if (m_pictures.contains(url) || m_pictureFetches.contains(url))
        return;
    if (!isWeb(url)) {
        // A local page's own pictures, beside it.
        const QString path = fileBesidePage(url, m_base);
        QFile file(path);
        const bool readable = !path.isEmpty() && file.size() <= WebPicture::maximumBytes && file.open(QIODevice::ReadOnly);
        addPicture(url, readable ? WebPicture::decoded(file.readAll(), m_pictureWidth) : QImage());
        return;
    }
    if (m_picturesAsked >= WebPicture::maximumPerPage) {
        addPicture(url, {});
        return;
    }
    ++m_picturesAsked;
    auto* fetch = new WebFetch(m_network, url, WebPicture::maximumBytes, this);
    m_pictureFetches.insert(url, fetch);
    connect(fetch, &WebFetch::finished, this, [this, url, fetch](const WebFetch::Result& result) {
        m_pictureFetches.remove(url);
        fetch->deleteLater();
        addPicture(url, WebPicture::decoded(result.data, m_pictureWidth));
        // Pictures arrive one by one; the page is redrawn once a burst is in.
        m_redraw.start();
    });
    connect(fetch, &WebFetch::failed, this, [this, url, fetch](const WebLoadError&) {
        m_pictureFetches.remove(url);
        fetch->deleteLater();
        addPicture(url, {});
    });
    fetch->start();
}

void WebPageScreen::addPicture(const QUrl& url, const QImage& picture)
{
    m_pictures.insert(url, picture.isNull() ? -1 : WebPictureStore::add(picture));
}

void WebPageScreen::clearPictures()
{
    m_redraw.stop();
    for (const QPointer<WebFetch>& fetch : std::as_const(m_pictureFetches))
        if (fetch) {
            fetch->abort();
            fetch->deleteLater();
        }
    m_pictureFetches.clear();
    for (const int number : std::as_const(m_pictures))
        if (number >= 0)
            WebPictureStore::remove(number);
    m_pictures.clear();
    m_picturesAsked = 0;
}

void WebPageScreen::load(const QUrl& url)
{
    if (url.isEmpty() || (m_policy && !m_policy(url)))
        return;
    navigate(url, -1);
}

void WebPageScreen::loadHtml(const QString& html, const QUrl& base)
{
    stop();
    clearPictures();
    showPage(html, base);
    m_history.push({ base, html, true, 0 });
    emit loadingChanged();
    show();
}

void WebPageScreen::follow(const QString& link)
{
    const QUrl target = url().resolved(QUrl(link, QUrl::TolerantMode));
    if (target.scheme() == u"javascript")
        return; // no script runs here
    if (m_policy && !m_policy(target))
        return;
    // A web page does not lead to this computer's files.
    if ((target.isLocalFile() || target.scheme() == u"qrc") && isWeb(url()))
        return;
    // A jump within the page shown stays on it.
    if (target.hasFragment() && m_history.current() && isSameDocument(target, url())) {
        WebHistory::Item jump = *m_history.current();
        jump.url = target;
        stop();
        m_history.push(std::move(jump));
        emit loadingChanged();
        emit historyChanged();
        emit jumped();
        return;
    }
    navigate(target, -1);
}

void WebPageScreen::back()
{
    if (canGoBack())
        goTo(m_history.index() - 1);
}

void WebPageScreen::forward()
{
    if (canGoForward())
        goTo(m_history.index() + 1);
}

void WebPageScreen::reload()
{
    if (m_history.current())
        goTo(m_history.index());
}

void WebPageScreen::goTo(int historyIndex)
{
    const WebHistory::Item item = m_history.at(historyIndex);
    const WebHistory::Item* current = m_history.current();
    if (historyIndex != m_history.index() && current && isSameDocument(item.url, current->url)) {
        // Between two places of the page shown.
        stop();
        m_history.moveTo(historyIndex);
        emit loadingChanged();
        emit historyChanged();
        emit jumped();
        return;
    }
    if (!item.givenAsText) {
        navigate(item.url, historyIndex);
        return;
    }
    // A page given as text keeps its text.
    stop();
    m_history.moveTo(historyIndex);
    clearPictures();
    showPage(item.html, item.url);
    emit loadingChanged();
    show();
}

void WebPageScreen::show()
{
    emit historyChanged();
    emit textChanged();
    emit shown();
}

void WebPageScreen::stop()
{
    if (m_fetch) {
        m_fetch->abort();
        m_fetch->deleteLater();
    }
    m_fetch = nullptr;
}

void WebPageScreen::navigate(const QUrl& url, int historyIndex)
{
    const bool wasLoading = isLoading();
    stop();
    m_pendingIndex = historyIndex;
    m_pendingUrl = url;
    m_fetch = new WebFetch(m_network, url.adjusted(QUrl::RemoveFragment), maximumPageBytes, this);
    connect(m_fetch, &WebFetch::finished, this, &WebPageScreen::fetched);
    connect(m_fetch, &WebFetch::failed, this, &WebPageScreen::failedToFetch);
    m_fetch->start();
    if (!wasLoading)
        emit loadingChanged();
}

void WebPageScreen::fetched(const WebFetch::Result& result)
{
    stop();
    emit loadingChanged();
    const QByteArray& type = result.contentType;
    const bool isImage = type.startsWith("image/");
    const bool isHtml = type.isEmpty() || type == "text/html" || type == "application/xhtml+xml";
    if (!isImage && !isHtml && !type.startsWith("text/")) {
        emit failed({ WebLoadError::Kind::Unsupported, result.url, 0,
                      QStringLiteral("cannot show %1").arg(QString::fromLatin1(type)) });
        return;
    }
    clearPictures();
    QString html;
    if (isImage) {
        // A picture by itself, as the page it is.
        addPicture(result.url, WebPicture::decoded(result.data, m_pictureWidth));
        html = QStringLiteral("<p align=\"center\"><img src=\"%1\"></p>").arg(result.url.toString(QUrl::FullyEncoded).toHtmlEscaped());
    } else if (isHtml) {
        html = decodedText(result, true);
    } else {
        html = QStringLiteral("<pre>%1</pre>").arg(decodedText(result, false).toHtmlEscaped());
    }
    showPage(html, result.url);
    QUrl shownUrl = result.url;
    if (m_pendingUrl.hasFragment())
        shownUrl.setFragment(m_pendingUrl.fragment());
    if (m_history.isValidIndex(m_pendingIndex)) {
        m_history.moveTo(m_pendingIndex);
        *m_history.current() = { shownUrl, {}, false, 0 };
    } else {
        m_history.push({ shownUrl, {}, false, 0 });
    }
    show();
}

void WebPageScreen::failedToFetch(const WebLoadError& error)
{
    stop();
    emit loadingChanged();
    emit failed(error);
}
