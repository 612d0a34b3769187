// What an assistive tool reads of the window and the About window: every
// object it can reach named once and by a name of its own, in the player's
// language, and the news the focused object carries.
#include "about.h"
#include "translations.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QScopeGuard>

#include <gmock/gmock.h>

#include <functional>
#include <map>

namespace spinzaro {
namespace {

using ::testing::IsSupersetOf;

// The names of the showing objects, as an accessibility bridge reads them,
// each checked to be borne by one object alone. An unnamed object counts
// unless it holds others, as the window's client area and menu bar do.
std::vector<std::string> heardOnceEach(QWidget& window)
{
    std::map<std::string, int> names;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        if (node == nullptr || node->state().invisible)
            return;
        const QString name = node->text(QAccessible::Name);
        if (!name.isEmpty() || node->childCount() == 0)
            ++names[name.toStdString()];
        for (int child = 0; child < node->childCount(); ++child)
            visit(node->child(child));
    };
    visit(QAccessible::queryAccessibleInterface(&window));
    std::vector<std::string> heard;
    for (const auto& [name, count] : names) {
        EXPECT_FALSE(name.empty()) << count << " unnamed";
        EXPECT_EQ(count, 1) << name;
        heard.push_back(name);
    }
    return heard;
}

// A screen reader hears tallies, pay lines, reels and a win with their amounts, and can
// press the coin slot; in French, so that a sentence left untranslated shows.
TEST(AccessibilityTest, AListenerHearsEachObjectOnceByItsOwnNameAndEachRoundsNewsInTheirLanguage)
{
    EXPECT_EQ(installTranslation({QStringLiteral("fr")}), "fr");
    const auto english = qScopeGuard([] { installTranslation({}); });
    PlayedWindow played;
    EXPECT_THAT(heardOnceEach(played.window), IsSupersetOf({"Mise $1.00", "cloche cloche cloche rapporte $30.00",
                                                            "joker joker joker rapporte $4.00", "Rouleau 1 : vide"}));

    // Pressed by its action, as a listener without a mouse would.
    QAccessibleActionInterface* slot =
        QAccessible::queryAccessibleInterface(played.control("lbCoinSlot"))->actionInterface();
    ASSERT_NE(slot, nullptr);
    slot->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return played.caption("lbSpinBet") == "$2.00"; }));
    EXPECT_THAT(heardOnceEach(played.window), IsSupersetOf({"Mise $2.00", "cerises cerises cerises rapporte $200.00"}));
    const auto notice = [&] { return QAccessible::queryAccessibleInterface(played.control("notice")); };
    EXPECT_EQ(notice()->role(), QAccessible::Notification);
    EXPECT_EQ(notice()->text(QAccessible::Name), "Mise maintenant $2.00");

    played.spinOnto(Symbol::emblem);
    ASSERT_TRUE(played.waitForEvaluation());
    EXPECT_THAT(heardOnceEach(played.window), IsSupersetOf({"Rouleau 3 : emblème", "Mises $2.00", "Solde -$2.00"}));
    EXPECT_EQ(notice()->text(QAccessible::Name), "Perdu. Solde -$2.00");

    played.spinOnto(Symbol::singleBar);
    ASSERT_TRUE(played.waitForEvaluation());
    EXPECT_THAT(heardOnceEach(played.window),
                IsSupersetOf({"Vous gagnez $16.00 avec barre simple barre simple barre simple. "
                              "Solde $12.00",
                              "Rouleau 2 : barre simple", "Gains $16.00", "pièces", "Monnayeur"}));
}

// A screen reader reads a dialog's loose texts only when they have three
// words or more: each of the About window's does, in every language.
TEST(AccessibilityTest, EveryTextOfTheAboutWindowIsReadInEveryLanguage)
{
    const auto english = qScopeGuard([] { installTranslation({}); });
    std::vector<std::string> languages = shippedLanguages();
    languages.push_back("en");
    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        installTranslation({QString::fromStdString(language)});
        FrmAbout about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        heardOnceEach(about);
        for (QLabel* label : about.findChildren<QLabel*>()) {
            const QString name = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            EXPECT_TRUE(name.contains(label->text())) << name.toStdString();
            // The title is the dialog's own name.
            if (label->objectName() != QLatin1String("lblTitle")) {
                EXPECT_GE(name.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 3) << name.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace spinzaro
