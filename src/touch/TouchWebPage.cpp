#include "touch/TouchWebPage.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QStringDecoder>
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
    emit shown();
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
    if (target.adjusted(QUrl::RemoveFragment) == url().adjusted(QUrl::RemoveFragment) && target.hasFragment())
        return;
    navigate(target, -1);
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
    if (!item.givenAsText) {
        navigate(item.url, historyIndex);
        return;
    }
    // A page given as text keeps its text.
    stop();
    m_history.moveTo(historyIndex);
    m_text = inertText(item.html, item.url, &m_title);
    emit loadingChanged();
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
    if (m_history.isValidIndex(m_pendingIndex)) {
        m_history.moveTo(m_pendingIndex);
        *m_history.current() = { result.url, {}, false, 0 };
    } else {
        m_history.push({ result.url, {}, false, 0 });
    }
    emit shown();
}

void TouchWebPage::failedToFetch(const WebLoadError& error)
{
    stop();
    emit loadingChanged();
    emit failed(error);
}
