#include "skin/SkinReader.h"

#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"
#include "core/xml/XMLParser.h"
#include "skin/SkinFileAccess.h"
#include "skin/SkinImageBudget.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {
// The longest chain of views nested in views anywhere in the definition,
// counted without recursion: a downloaded skin may nest thousands.
int deepestViewNesting(const XmlNode* root)
{
    std::vector<std::pair<const XmlNode*, int>> pending { { root, 0 } };
    int deepest = 0;
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        for (const auto& [name, children] : node->childGroups())
            for (const XmlNode* child : children)
                pending.emplace_back(child, name == u"view" ? depth + 1 : 0);
    }
    return deepest;
}
}

SkinReader SkinReader::read(const QString& folder, const QString& name)
{
    SkinReader result;
    const SkinFileAccess files(folder);
    XMLParser parser;
    QString path;
    QFile file;
    const bool opened = files.resolve(QStringLiteral("SkinDefinition.xml"), &path) == SkinFileAccess::Verdict::Found
        && SkinFileAccess::openRegular(file, path, maxDefinitionBytes);
    if (opened)
        parser.parseData(file.read(maxDefinitionBytes));
    result.skin = parser.dictAtPath(u"skin");
    const XmlNodePtr document = parser.rootNode();
    result.readWhole = opened && parser.lastParseWasComplete() && document && document->children(u"skin");
    if (deepestViewNesting(result.skin.get()) > maxViewNesting) {
        ConsoleLog::log(logSkin, QStringLiteral("skin nests views deeper than %d; not used: %@"), maxViewNesting, folder);
        result.refusal = Refusal::TooDeep;
    } else if (QString problem = SkinImageBudget::problemWith(result.skin.get(), files); !problem.isEmpty()) {
        // Every image it names is looked at before any is decoded.
        ConsoleLog::log(logSkin, QStringLiteral("skin %@ not used: %@"), name, problem);
        result.refusal = Refusal::Images;
        result.problem = std::move(problem);
    }
    if (result.refusal != Refusal::None)
        result.skin = XMLParser().rootNode();
    result.isLoaded = result.readWhole && result.refusal == Refusal::None;
    result.apiVersion = float(StringHelpers::doubleValue(result.skin->attributeDict.value(u"apiVersion")));
    return result;
}
