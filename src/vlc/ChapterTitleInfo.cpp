#include "vlc/ChapterTitleInfo.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/VLCController.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

ChapterTitleInfo ChapterTitleInfo::fromStatus(const VLCController& remote)
{
    ChapterTitleInfo info;
    for (int i = 0; i < remote.state().playerStatus().titles; ++i)
        info.titles.push_back({ remote.state().nameForTitle(i), i });
    for (int i = 0; i < remote.state().playerStatus().chapters; ++i)
        info.chapters.push_back({ remote.state().nameForChapter(i), i });
    info.currentTitle = remote.state().playerStatus().currentTitle;
    info.currentChapter = remote.state().playerStatus().currentChapter;
    return info;
}

namespace {
// VLC's JSON writer turns an empty list into an empty object.
std::vector<int> numbers(const QJsonValue& value)
{
    std::vector<int> result;
    for (const QJsonValue& n : value.toArray())
        if (n.isDouble())
            result.push_back(n.toInt());
    return result;
}

void fill(std::vector<ChapterTitleInfo::Entry>& entries, int& current, const QJsonObject& info, const QString& listKey,
          const QString& currentKey, const char* nameFormat)
{
    for (int number : numbers(info.value(listKey)))
        entries.push_back({ fmt(localizedString(nameFormat), number + 1), number });
    const QJsonValue inForce = info.value(currentKey);
    if (!inForce.isDouble())
        return;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].number == inForce.toInt())
            current = int(i);
}
}

std::optional<ChapterTitleInfo> ChapterTitleInfo::fromStatusJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() || !document.object().contains(u"state"))
        return std::nullopt;
    const QJsonObject information = document.object().value(u"information").toObject();
    ChapterTitleInfo info;
    fill(info.titles, info.currentTitle, information, QStringLiteral("titles"), QStringLiteral("title"),
         L10N_NOOP("Title %d"));
    fill(info.chapters, info.currentChapter, information, QStringLiteral("chapters"), QStringLiteral("chapter"),
         L10N_NOOP("Chapter %d"));
    return info;
}
