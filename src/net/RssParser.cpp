#include "net/RssParser.h"

#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimeZone>
#include <QXmlStreamReader>

RssParser::RssParser(int callId, QObject* parent)
    : QObject(parent)
    , m_callId(callId)
    , m_mostRecentItem(distantPast())
{
}

RssParser::~RssParser()
{
    // Deleting a reply ends its download; no abort(), whose error could
    // meet one already on its way.
    delete m_reply;
}

QDateTime RssParser::distantPast()
{
    return QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC);
}

void RssParser::parse(const QUrl& address, QNetworkAccessManager* network)
{
    m_requestUrl = address;
    m_loading = true;
    m_webData.clear();
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(transferTimeoutMs);
    m_reply = network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &RssParser::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &RssParser::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &RssParser::onFinished);
}

void RssParser::onMetaData()
{
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return;
    m_responded = true;
    const int code = status.toInt();
    ConsoleLog::log(logNet, QStringLiteral("RssParser: Response is an NSHTTPURLResponse: Response=%d"), code);
    if (code >= 400 && code <= 599)
        m_success = false;
    else if (code >= 100 && code <= 299)
        m_success = true;
    else
        ConsoleLog::log(logNet, QStringLiteral("RssParser: Status code is unknown."));
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maximumFeedBytes)
        fail();
}

void RssParser::onReadyRead()
{
    if (!m_reply)
        return;
    if (m_webData.size() + m_reply->bytesAvailable() > maximumFeedBytes) {
        ConsoleLog::log(logNet, QStringLiteral("RssParser: %@ is larger than a feed may be"), m_requestUrl.toString());
        fail();
        return;
    }
    m_webData += m_reply->readAll();
}

void RssParser::onFinished()
{
    if (!m_reply)
        return;
    onReadyRead();
    if (!m_reply)
        return;
    // Below ContentAccessDenied the errors are the connection's own (refused,
    // closed early, timed out, proxy); above, the server answered a status.
    const QNetworkReply::NetworkError error = m_reply->error();
    const bool connectionFailed
        = error != QNetworkReply::NoError && (!m_responded || error < QNetworkReply::ContentAccessDenied);
    m_reply->deleteLater();
    m_reply = nullptr;
    if (connectionFailed) {
        fail();
        return;
    }
    // An empty body is no feed: it ends like a failure rather than never.
    if (m_webData.trimmed().isEmpty()) {
        m_success = false;
        complete();
        return;
    }
    parseDocument(m_webData);
    complete();
}

void RssParser::fail()
{
    if (m_reply) {
        m_reply->disconnect(this);
        if (m_reply->isRunning())
            m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_success = false;
    m_items.clear();
    complete();
}

void RssParser::complete()
{
    m_loading = false;
    m_webData.clear();
    m_webData.squeeze();
    emit completed(this);
}

// --- Reading the document -----------------------------------------------------

void RssParser::parseDocument(const QByteArray& data)
{
    // QXmlStreamReader reads the declared encoding (UTF-8 by default),
    // expands only internal entities within its limit and never fetches an
    // external one: such references arrive as unresolved entity tokens.
    QXmlStreamReader reader(data);
    reader.setNamespaceProcessing(false);
    QString run; // the text between two pieces of markup
    auto flush = [&] {
        takeText(run);
        run.clear();
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            ConsoleLog::log(logNet, QStringLiteral("RssParser: Started document."));
            break;
        case QXmlStreamReader::StartElement:
            flush();
            m_currentElement = reader.qualifiedName().toString().trimmed();
            if (m_currentElement.compare(u"item", Qt::CaseInsensitive) == 0) {
                m_inItem = true;
                m_itemsDictionary = {};
            }
            break;
        case QXmlStreamReader::Characters:
            run += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            flush();
            if (reader.qualifiedName().toString().trimmed().compare(u"item", Qt::CaseInsensitive) == 0) {
                m_inItem = false;
                m_items.append(m_itemsDictionary);
                m_itemsDictionary = {};
            }
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EndDocument:
            flush();
            break;
        default: // DTD, unresolved entity references: nothing to read
            break;
        }
    }
    if (reader.hasError()) {
        ConsoleLog::log(logNet, QStringLiteral("RestResponse: Parsing error occurred."));
        m_parsed = false;
        m_success = false;
        m_items.clear();
        return;
    }
    m_parsed = true;
    noteDates();
}

void RssParser::takeText(const QString& chunk)
{
    const QString text = chunk.trimmed();
    if (text.isEmpty() || m_currentElement.isEmpty())
        return;
    RssItem& target = m_inItem ? m_itemsDictionary : m_root;
    auto existing = target.find(m_currentElement);
    if (existing == target.end())
        target.insert(m_currentElement, text);
    else if (m_currentElement == u"category")
        *existing = QStringLiteral("%1, %2").arg(*existing, text);
    else
        *existing += text;
}

void RssParser::noteDates()
{
    for (const RssItem& item : std::as_const(m_items)) {
        const std::optional<QDateTime> date = StringHelpers::rssDateValue(item.value(QStringLiteral("pubDate")));
        if (date && *date > m_mostRecentItem)
            m_mostRecentItem = *date;
    }
}
