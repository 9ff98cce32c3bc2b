#include "touch/TouchWebPage.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QQuickTextDocument>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// Qt's HTML reader loading nothing but a bundled page's own style sheets
// (small local files beside it): pictures and anything from the network
// stay where they are.
class InertDocument : public QTextDocument {
public:
    static constexpr qint64 maximumStyleSheetBytes = 256 * 1024;

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QString folder = baseUrl().adjusted(QUrl::RemoveFilename).toLocalFile();
        const QString path = QFileInfo(name.toLocalFile()).canonicalFilePath();
        if (type != QTextDocument::StyleSheetResource || !baseUrl().isLocalFile() || !name.isLocalFile()
            || folder.isEmpty() || !path.startsWith(QFileInfo(folder).canonicalFilePath() + u'/'))
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

TouchWebPage::TouchWebPage(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
}

TouchWebPage::~TouchWebPage() = default;

QUrl TouchWebPage::url() const
{
    const WebHistory::Item* current = m_history.current();
    return current ? current->url : QUrl();
}

QString TouchWebPage::address() const
{
    return isWeb(url()) ? url().toString() : QString();
}

QString TouchWebPage::inertText(const QString& html, const QUrl& base, QString* title)
{
    InertDocument document;
    document.setBaseUrl(base);
    document.setHtml(html);
    keepBlockAnchors(document);
    if (title)
        *title = document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    QString text = document.toHtml();
    // What the text item would fetch by itself: pictures and backgrounds.
    static const QRegularExpression fetched(
        QStringLiteral(R"(<img\b[^>]*>|\sbackground="[^"]*"|background-image:[^;"]*;?)"),
        QRegularExpression::CaseInsensitiveOption);
    return text.remove(fetched);
}

void TouchWebPage::load(const QUrl& url)
{
    if (url.isEmpty() || (m_policy && !m_policy(url)))
        return;
    navigate(url, -1);
}

void TouchWebPage::loadHtml(const QString& html, const QUrl& base)
{
    stop();
    m_text = inertText(html, base, &m_title);
    m_history.push({ base, html, true, 0 });
    emit loadingChanged();
    show();
}

void TouchWebPage::follow(const QString& link)
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
    if (target.hasFragment() && isSameDocument(target, url())) {
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

int TouchWebPage::anchorPosition(QQuickTextDocument* document) const
{
    const QString name = anchor();
    if (!document || !document->textDocument() || name.isEmpty())
        return -1;
    for (QTextBlock block = document->textDocument()->begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorNames().contains(name))
                return it.fragment().position();
        }
    return -1;
}

void TouchWebPage::back()
{
    if (canGoBack())
        goTo(m_history.index() - 1);
}

void TouchWebPage::forward()
{
    if (canGoForward())
        goTo(m_history.index() + 1);
}

void TouchWebPage::reload()
{
    if (m_history.current())
        goTo(m_history.index());
}

void TouchWebPage::goTo(int historyIndex)
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
    m_text = inertText(item.html, item.url, &m_title);
    emit loadingChanged();
    show();
}

void TouchWebPage::show()
{
    emit historyChanged();
    emit shown();
}

void TouchWebPage::stop()
{
    if (m_fetch) {
        m_fetch->abort();
        m_fetch->deleteLater();
    }
    m_fetch = nullptr;
}

void TouchWebPage::navigate(const QUrl& url, int historyIndex)
{
    const bool wasLoading = isLoading();
    stop();
    m_pendingIndex = historyIndex;
    m_pendingUrl = url;
    m_fetch = new WebFetch(m_network, url.adjusted(QUrl::RemoveFragment), maximumPageBytes, this);
    connect(m_fetch, &WebFetch::finished, this, &TouchWebPage::fetched);
    connect(m_fetch, &WebFetch::failed, this, &TouchWebPage::failedToFetch);
    m_fetch->start();
    if (!wasLoading)
        emit loadingChanged();
}

void TouchWebPage::fetched(const WebFetch::Result& result)
{
    stop();
    emit loadingChanged();
    const QByteArray& type = result.contentType;
    const bool isHtml = type.isEmpty() || type == "text/html" || type == "application/xhtml+xml";
    if (!isHtml && !type.startsWith("text/")) {
        emit failed({ WebLoadError::Kind::Unsupported, result.url, 0,
                      QStringLiteral("cannot show %1").arg(QString::fromLatin1(type)) });
        return;
    }
    const QString html = isHtml ? decodedText(result, true)
                                : QStringLiteral("<pre>%1</pre>").arg(decodedText(result, false).toHtmlEscaped());
    m_text = inertText(html, result.url, &m_title);
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

void TouchWebPage::failedToFetch(const WebLoadError& error)
{
    stop();
    emit loadingChanged();
    emit failed(error);
}
