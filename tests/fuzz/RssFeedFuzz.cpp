// libFuzzer target: an RSS feed as the news screen downloads it, through the
// parser's whole path (headers, declared encoding, the cap, the items and
// their dates), served from memory. Run by make fuzz; not part of make test.
#include "MemoryNetwork.h"
#include "core/ConsoleLog.h"
#include "net/RssParser.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    MemoryNetwork network;
    network.setHandler([&body](const QNetworkRequest&) {
        MemoryNetwork::Response response = MemoryNetwork::ok(body);
        response.addHeader("Content-Type", "application/rss+xml");
        return response;
    });
    RssParser parser(1);
    bool completed = false;
    QObject::connect(&parser, &RssParser::completed, [&completed](RssParser*) { completed = true; });
    parser.parse(QUrl(QStringLiteral("http://news.test/feed.xml")), &network);
    for (int spins = 0; !completed && spins < 1000; ++spins)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!completed)
        std::abort(); // every load must end with completed()
    for (const RssItem& item : parser.getItems())
        (void)item.value(QStringLiteral("title"));
    (void)parser.mostRecentItem();
    return 0;
}
