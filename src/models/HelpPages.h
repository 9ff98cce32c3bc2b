#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class UserDefaults;

// Which page the help viewer loads for a help page, the about page and the
// newsletter: the maker's page when a help site is configured (translated
// for readers of other languages when a translation service is), with the
// bundled page to fall back on; the bundled page alone otherwise. And what
// a link of such a page asks of the program.
class HelpPages {
public:
    struct Choice {
        QUrl url;
        QUrl backup; // loaded when url fails; empty for none
    };

    // Where the help site keeps the pages that have bundled copies.
    static inline const QString helpPagePath = QStringLiteral("/MobileHelp/PlayerLink-iphone/");
    static inline const QString newsletterPath = QStringLiteral("/updates#news");
    static inline const QString aboutPath = QStringLiteral("/iAbout.php?source=PlayerLink");
    static inline const QString aboutPage = QStringLiteral("index");
    static constexpr const char* applicationScheme = "playerlink";
    static constexpr const char* makerScheme = "brindlewood";

    // A help page by name ("help", "cantSee", "credit", "whatsNew", ...).
    static Choice helpPage(const UserDefaults& defaults, const QString& name);
    static Choice bundledPage(const UserDefaults& defaults, const QString& name);
    static Choice about(const UserDefaults& defaults);
    // Empty without a help site: the newsletter lives only there.
    static QUrl newsletter(const UserDefaults& defaults);
    // The newsletter's stand-in when no help site is configured.
    static QString noNewsletterPage();
    // Where the bundled pages are, for the relative addresses of given pages.
    static QUrl bundleBase();

    // What a page may ask of the program through a link of its scheme;
    // pages come from the network, so these and nothing else.
    enum class Action {
        ShowSetup, // the setup helper, "playerlink://bw_setuphelper"
    };
    // The name a link gives for ShowSetup (the address's host).
    static inline const QString setupHelperAction = QStringLiteral("bw_setuphelper");

    enum class LinkUse { Load, Action, Outside };
    // What a link asks: a page to load, an action of the program (action is
    // set to it, or left empty for a name that is none of them), or a page
    // outside (mail, the software centre).
    static LinkUse useOf(const QUrl& url, std::optional<Action>* action = nullptr);
    // Follows a link of such a page as every help viewer does: a known
    // action goes to perform (an unknown one is only logged), a page
    // outside goes to openOutside. True when the viewer is to load the link
    // itself.
    static bool follow(const QUrl& url, const std::function<bool(const QUrl&)>& openOutside,
                       const std::function<void(Action)>& perform);
};
