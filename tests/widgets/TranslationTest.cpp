#include "core/Localization.h"
#include "LaunchedApp.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "TestSupport.h"
#include "ui/BarButton.h"
#include "ui/NavigationBar.h"

#include <QAbstractButton>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QAccessible>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// The texts a reader sees: labels, buttons, the bar's title and what the
// lists and controls say to assistive technology (rows out of sight too).
void visibleTexts(QAccessibleInterface* node, QStringList& out)
{
    if (!node || node->state().invisible)
        return;
    for (QAccessible::Text kind : { QAccessible::Name, QAccessible::Description })
        if (const QString text = node->text(kind).trimmed(); !text.isEmpty())
            out << text;
    for (int i = 0; i < node->childCount(); ++i)
        visibleTexts(node->child(i), out);
}

QStringList visibleTexts(QWidget* root)
{
    QStringList texts;
    visibleTexts(QAccessible::queryAccessibleInterface(root), texts);
    for (const QLabel* label : root->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().trimmed().isEmpty())
            texts << label->text().trimmed();
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->text().trimmed().isEmpty())
            texts << button->text().trimmed();
    for (const NavigationBar* bar : root->findChildren<NavigationBar*>())
        if (bar->isVisible() && !bar->titleText().isEmpty())
            texts << bar->titleText();
    texts.removeDuplicates();
    return texts;
}

// Every German text of the table.
QSet<QString> germanTexts()
{
    QSet<QString> texts;
    QFile file(QStringLiteral(PLAYERLINK_TRANSLATIONS_DIR "/playerlink_de.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"translation")
            texts << xml.readElementText();
    return texts;
}

// Each text shown is German from the table, or content (names, addresses,
// times: anything with a digit or a dot) or the program's name, or one of
// the texts shown as they stand.
void expectNoEnglishLeft(const QStringList& texts, const QSet<QString>& asTheyStand = {})
{
    static const QSet<QString> german = germanTexts();
    // German texts with a place for content ("Skin: %@") and that content.
    static const QList<QRegularExpression> filled = [] {
        QList<QRegularExpression> patterns;
        for (const QString& text : german)
            if (text.contains(QStringLiteral("%@"))) {
                QStringList parts = text.split(QStringLiteral("%@"));
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                patterns << QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".+"))));
            }
        return patterns;
    }();
    static const QRegularExpression content(QStringLiteral("[0-9.]"));
    for (const QString& text : texts)
        EXPECT_TRUE(german.contains(text) || text.contains(content) || text == u"PlayerLink" || asTheyStand.contains(text)
                    || std::any_of(filled.begin(), filled.end(), [&](const auto& p) { return p.match(text).hasMatch(); }))
            << "not German: " << text.toStdString();
}

struct German {
    German() { EXPECT_TRUE(Localization::installTranslations(QLocale(QStringLiteral("de_DE")))); }
    ~German() { Localization::installTranslations(QLocale(QStringLiteral("en_US"))); }
};
}

TEST(Translation, RemotesListAndMoreSheetSpeakGerman)
{
    ScopedHome home;
    German german;
    LaunchedApp app;
    app.factory().setSavedRemotes({ RemoteRecord::forAddress(QStringLiteral("10.0.0.2")) });
    spinEventLoop(300);
    const QStringList remotes = visibleTexts(app.app->window());
    EXPECT_TRUE(remotes.contains(QStringLiteral("Computer"))) << remotes.join(u'|').toStdString();
    EXPECT_TRUE(remotes.contains(QStringLiteral("Gespeicherte Computer"))) << remotes.join(u'|').toStdString();
    expectNoEnglishLeft(remotes);
    // The longer German words still leave every bar button whole on screen.
    QWidget* window = app.app->window();
    for (const BarButton* button : window->findChildren<BarButton*>()) {
        if (button->isVisible()) {
            EXPECT_TRUE(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())))
                << button->text().toStdString();
        }
    }
    // Texts with line breaks, quotes and markup are found too.
    EXPECT_EQ(localizedString("Do you want to download a skin from:\n%@"),
              QStringLiteral("Möchten Sie einen Skin herunterladen von:\n%@"));
    EXPECT_TRUE(localizedString("To use PlayerLink, you'll need to switch on VLC's web interface and give it a password, "
                                "on each computer you want to control. The <a href=\"help\">help page</a> shows how, "
                                "step by step.")
                    .startsWith(QStringLiteral("Um PlayerLink")));

    app.app->connectTo(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), QStringLiteral("pw"));
    spinEventLoop(300);
    auto* screen = qobject_cast<MainViewController*>(app.top());
    ASSERT_TRUE(screen);
    screen->actions();
    AlertView* sheet = AlertView::topAlert();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->title(), QStringLiteral("Mehr …"));
    EXPECT_EQ(sheet->buttonTitles(),
              (QStringList { QStringLiteral("Erweiterte Steuerung …"), QStringLiteral("In IMDb suchen"),
                             QStringLiteral("Bei Amazon suchen"), QStringLiteral("Skins …"),
                             QStringLiteral("Einstellungen …"), QStringLiteral("Abbrechen") }));
    const QStringList remoteScreen = visibleTexts(app.app->window());
    EXPECT_TRUE(remoteScreen.contains(QStringLiteral("Mehr …"))) << remoteScreen.join(u'|').toStdString();
    expectNoEnglishLeft(remoteScreen);
    sheet->pressButton(5);
}

TEST(Translation, SettingsAndAdvancedControlsRowsSpeakGerman)
{
    ScopedHome home;
    German german;
    LaunchedApp app;
    // Their rows come from tables; the advanced menu's two headers are shown
    // as they stand.
    ViewController* screens[] = { app.factory().flipsideViewController(), app.factory().additionalActionsViewController(),
                                  app.factory().luaAdditionalActionsViewController() };
    for (ViewController* screen : screens) {
        app.navigation()->pushViewController(screen, false);
        spinEventLoop(200);
        const QStringList texts = visibleTexts(app.app->window());
        expectNoEnglishLeft(texts, { QStringLiteral("Speed"), QStringLiteral("Delays") });
        app.navigation()->popViewControllerAnimated(false);
    }
    app.navigation()->pushViewController(screens[0], false);
    spinEventLoop(200);
    const QStringList settings = visibleTexts(app.app->window());
    // The shipped skip distance is stored in English; the row says it in German.
    EXPECT_TRUE(settings.contains(QStringLiteral("Sprungweite: 30 Sekunden"))) << settings.join(u'|').toStdString();
    EXPECT_TRUE(settings.contains(QStringLiteral("Lautstärke bis 400 % erlauben"))) << settings.join(u'|').toStdString();
}
