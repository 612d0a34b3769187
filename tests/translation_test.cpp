// The window in each shipped language: every text translated, inside its
// window, clear of the others and fitting its box; the language chosen as
// the desktop asks.
#include "about.h"
#include "design.h"
#include "translations.h"
#include "window_fixture.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QXmlStreamReader>

#include <gmock/gmock.h>

#include <map>
#include <optional>
#include <set>
#include <span>
#include <utility>

namespace spinzaro {
namespace {

// One translation file of the source tree: context and source text to translation.
using Translations = std::map<std::pair<QString, QString>, QString>;

Translations readTranslations(const QString& language)
{
    QFile file(QStringLiteral(SPINZARO_SOURCE_DIR "/translations/spinzaro_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Translations translations;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        // An unfinished entry is the translations_hold_every_text test's to find.
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            translations[{context, source}] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return translations;
}

// A text as drawn: a mnemonic's ampersand is not drawn, a doubled one is.
QString drawn(QString text)
{
    return text.replace(QLatin1String("&&"), QChar(1)).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
}

struct ShownText {
    QString owner;
    QString text;
    QRect box;   // the text as drawn, in the window's coordinates
    QRect room;  // where its widget draws text
};

// Every visible text under the window, with where it is drawn.
std::vector<ShownText> shownTexts(const QWidget& window)
{
    std::vector<ShownText> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        QRect room = widget->contentsRect();
        Qt::Alignment alignment = Qt::AlignCenter;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            alignment = label->alignment();
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            text = button->text();
            room.adjust(5, 2, -5, -2);  // inside the bevel and the focus line
        }
        if (text.isEmpty() || !widget->isVisible())
            continue;
        const QFontMetrics metrics(widget->font());
        const QSize size(metrics.horizontalAdvance(drawn(text)), metrics.height());
        const QPoint offset = widget->mapTo(&window, QPoint());
        const QRect box = QStyle::alignedRect(Qt::LeftToRight, alignment, size, room);
        texts.push_back({widget->objectName(), text, box.translated(offset), room.translated(offset)});
    }
    return texts;
}

// Each text inside the window and its own box, and clear of every other;
// none of them an English text the translations change. Returns the texts.
std::vector<QString> expectFitted(const QWidget& window, const Translations& translations)
{
    const std::vector<ShownText> texts = shownTexts(window);
    std::vector<QString> shown;
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        SCOPED_TRACE(text->owner.toStdString() + ": " + text->text.toStdString());
        EXPECT_TRUE(window.rect().contains(text->box));
        EXPECT_TRUE(text->room.contains(text->box));
        for (auto other = std::next(text); other != texts.end(); ++other)
            EXPECT_FALSE(text->box.intersects(other->box)) << other->owner.toStdString();
        for (const auto& [key, translation] : translations)
            EXPECT_TRUE(text->text != key.second || translation == key.second);
        shown.push_back(text->text);
    }
    return shown;
}

class LanguageTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LanguageTest, TheWindowAndTheAboutWindowAreTranslatedAndEveryTextFits)
{
    const QString language = QString::fromStdString(GetParam());
    EXPECT_EQ(installTranslation({language}), language);
    const auto english = qScopeGuard([] { installTranslation({}); });
    const Translations translations = readTranslations(language);
    const auto translated = [&](const char* context, const char* source) {
        return translations.at({QString::fromLatin1(context), QString::fromLatin1(source)});
    };

    PlayedWindow played;
    std::vector<QString> shown = expectFitted(*played.window.canvas(), translations);
    for (const QAction* entry : played.window.menuBar()->actions())
        shown.push_back(entry->text());
    // Every text of the main window is shown in it.
    for (const auto& [key, translation] : translations)
        EXPECT_TRUE(key.first != QLatin1String("Form1") || std::ranges::count(shown, translation) > 0)
            << translation.toStdString();
    EXPECT_EQ(played.caption("lbAmount_7"), "$100.00") << "amounts are the game's own, in every language";
    // The coin key named as the player's keyboard names it, by Qt's own translation.
    const QString pageUp = QKeySequence(Qt::Key_PageUp).toString(QKeySequence::NativeText);
    if (language == QLatin1String("de")) {
        EXPECT_TRUE(pageUp.startsWith(QLatin1String("Bild"))) << pageUp.toStdString();  // German keyboards say "Bild"
    }
    EXPECT_TRUE(played.control("lbCoinSlot")->toolTip().contains(pageUp)) << pageUp.toStdString();
    EXPECT_TRUE(played.control("lbCoinSlot")->accessibleDescription().contains(pageUp));

    // Each heading centred over what it heads, which the design puts just after it.
    const std::span<const ControlDesign> design = mainWindowDesign();
    for (auto heading = design.begin(); heading != design.end(); ++heading) {
        if (heading->kind != ControlKind::heading)
            continue;
        const QRect over = played.control(heading->name)->geometry();
        const QRect under = played.control(std::next(heading)->name)->geometry();
        EXPECT_LE(std::abs(over.center().x() * 2 + 1 - under.center().x() * 2 - 1), 6) << heading->name;
    }

    const QMenuBar* menu = played.window.menuBar();
    QAction* about = menu->actions().front();
    EXPECT_GE(menu->actionGeometry(about).width(), menu->fontMetrics().horizontalAdvance(drawn(about->text())));

    FrmAbout aboutWindow(&played.window);
    aboutWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aboutWindow));
    expectFitted(aboutWindow, translations);
    EXPECT_EQ(aboutWindow.windowTitle(), translated("FrmAbout", "About %1").arg("Spinzaro"));
    EXPECT_EQ(aboutWindow.findChild<QLabel*>("lblVersion")->text(),
              translated("FrmAbout", "Version %1.%2").arg(9).arg(0));
}

// Alt and the letter that opens About in any language the player knows never quits.
TEST(MnemonicTest, QuitNeverTakesTheLetterOfAboutInAnyShippedLanguage)
{
    const auto letter = [](const QString& text) { return QKeySequence::mnemonic(text).toString(); };
    std::map<std::string, QString> quits{{"en", letter("&Quit")}};
    std::set<QString> abouts{letter("&About")};
    for (const std::string& language : shippedLanguages()) {
        const Translations translations = readTranslations(QString::fromStdString(language));
        quits[language] = letter(translations.at({"Form1", "&Quit"}));
        abouts.insert(letter(translations.at({"Form1", "&About"})));
    }
    EXPECT_FALSE(abouts.contains(QString())) << "an About without its letter";
    for (const auto& [language, quit] : quits) {
        EXPECT_FALSE(quit.isEmpty()) << language;
        EXPECT_FALSE(abouts.contains(quit)) << language << ": " << quit.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageTest, ::testing::ValuesIn(shippedLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& parameter) { return parameter.param; });

// The language chosen with the desktop's locale variables as given and the
// others unset; they are restored after.
QString languageFor(std::initializer_list<std::pair<const char*, const char*>> values)
{
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qunsetenv(name);
    }
    for (const auto& [name, value] : values)
        qputenv(name, value);
    const QString chosen = installTranslation();
    for (const auto& [name, value] : saved)
        value ? qputenv(name, *value) : qunsetenv(name);
    return chosen;
}

TEST(DesktopLanguageTest, TheLanguageIsReadAsGettextReadsItAndFallsBackToEnglish)
{
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(languageFor({{"LANG", "es_ES.UTF-8"}, {"LC_MESSAGES", "nl_NL"}}), "nl");
    EXPECT_EQ(languageFor({{"LANG", "de_DE"}, {"LC_MESSAGES", "nl_NL"}, {"LC_ALL", "it_IT.UTF-8@euro"}}), "it");
    // LANGUAGE is a list, before the locale, the first with a translation winning.
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:fr_CA:de"}}), "fr");
    // English first, or no translation at all, is English.
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), "");
    EXPECT_EQ(languageFor({{"LANG", "pt_BR.UTF-8"}}), "");
    // The C locale ignores LANGUAGE, and so does a desktop that sets no locale.
    EXPECT_EQ(languageFor({{"LANG", "C"}, {"LANGUAGE", "de"}}), "");
    EXPECT_EQ(languageFor({{"LANGUAGE", "de"}}), "");

    // The English window, even after another language was installed.
    installTranslation({QStringLiteral("de")});
    EXPECT_EQ(languageFor({{"LANG", "C"}}), "");
    EXPECT_EQ(PlayedWindow().control<QPushButton>("cmdQuit")->text(), "&Quit");
}

}  // namespace
}  // namespace spinzaro
