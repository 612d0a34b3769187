// The window in each shipped language: every text translated, inside its
// window, clear of the others and fitting its box; the language chosen as
// the desktop asks; and what a screen reader hears, in French.
#include "about.h"
#include "spoken.h"
#include "translations.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gmock/gmock.h>

#include <map>
#include <utility>

namespace spinzaro {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

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
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString translation = xml.readElementText();
            EXPECT_TRUE(type.isEmpty() && !translation.isEmpty())
                << language.toStdString() << ": " << type.toStdString() << " " << source.toStdString();
            translations[{context, source}] = translation;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return translations;
}

std::vector<std::string> shippedLanguages()
{
    std::vector<std::string> languages;
    for (const QString& file : QDir(QStringLiteral(SPINZARO_SOURCE_DIR "/translations"))
                                   .entryList({QStringLiteral("spinzaro_*.ts")}, QDir::Files, QDir::Name))
        languages.push_back(file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0).toStdString());
    return languages;
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

// Installs the translation for one language for the life of the object.
class Speaking {
public:
    explicit Speaking(const QString& language) { EXPECT_EQ(installTranslation({language}), language); }
    ~Speaking() { installTranslation({}); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
};

class LanguageTest : public ::testing::TestWithParam<std::string> {
protected:
    QString language() const { return QString::fromStdString(GetParam()); }
};

TEST_P(LanguageTest, TheWindowAndTheAboutWindowAreTranslatedAndEveryTextFits)
{
    const Speaking speaking(language());
    const Translations translations = readTranslations(language());
    const auto translated = [&](const char* context, const char* source) {
        return translations.at({QString::fromLatin1(context), QString::fromLatin1(source)});
    };

    PlayedWindow played;
    const std::vector<QString> shown = expectFitted(*played.window.canvas(), translations);
    for (const auto& [key, translation] : translations) {
        if (key.first == QLatin1String("Layout")) {
            EXPECT_THAT(shown, Contains(translation));
        }
    }
    const QString quit = played.control<QPushButton>("cmdQuit")->text();
    EXPECT_EQ(played.caption("lbAmount_7"), "$100.00") << "amounts are the game's own, in every language";

    QMenuBar* menu = played.window.menuBar();
    QAction* about = menu->actions().front();
    EXPECT_EQ(about->text(), translated("spinzaro::Form1", "&About"));
    EXPECT_GE(menu->actionGeometry(about).width(), menu->fontMetrics().horizontalAdvance(drawn(about->text())));
    // Alt and a letter: each of the two is chosen by a letter of its own.
    const QKeySequence aboutKey = QKeySequence::mnemonic(about->text());
    EXPECT_FALSE(aboutKey.isEmpty());
    EXPECT_FALSE(QKeySequence::mnemonic(quit).isEmpty());
    EXPECT_NE(aboutKey, QKeySequence::mnemonic(quit));

    FrmAbout aboutWindow(&played.window);
    aboutWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aboutWindow));
    expectFitted(aboutWindow, translations);
    EXPECT_EQ(aboutWindow.windowTitle(), translated("spinzaro::FrmAbout", "About %1").arg("Spinzaro"));
    EXPECT_EQ(aboutWindow.findChild<QLabel*>("lblVersion")->text(),
              translated("spinzaro::FrmAbout", "Version %1.%2").arg(9).arg(0));
    EXPECT_EQ(aboutWindow.findChild<QPushButton*>("cmdOK")->text(), translated("spinzaro::FrmAbout", "OK"));
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageTest, ::testing::ValuesIn(shippedLanguages()),
                         [](const ::testing::TestParamInfo<std::string>& parameter) { return parameter.param; });

// Sets the desktop's locale variables for the life of the object, as given
// and the others unset, and restores them after.
class DesktopLocale {
public:
    explicit DesktopLocale(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (const char* name : names) {
            if (qEnvironmentVariableIsSet(name))
                saved_[name] = qgetenv(name);
            qunsetenv(name);
        }
        for (const auto& [name, value] : values)
            qputenv(name, value);
    }
    ~DesktopLocale()
    {
        for (const char* name : names)
            if (saved_.contains(name))
                qputenv(name, saved_.at(name));
            else
                qunsetenv(name);
    }
    DesktopLocale(const DesktopLocale&) = delete;
    DesktopLocale& operator=(const DesktopLocale&) = delete;

private:
    static constexpr std::array names = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, QByteArray> saved_;
};

QString languageFor(std::initializer_list<std::pair<const char*, const char*>> values)
{
    const DesktopLocale locale(values);
    QTranslator translator;
    return loadTranslation(translator);
}

TEST(DesktopLanguageTest, TheLanguageIsReadAsGettextReadsItAndFallsBackToEnglish)
{
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(languageFor({{"LANG", "es_ES.UTF-8"}, {"LC_MESSAGES", "nl_NL"}}), "nl");
    EXPECT_EQ(languageFor({{"LANG", "de_DE"}, {"LC_MESSAGES", "nl_NL"}, {"LC_ALL", "it_IT.UTF-8@euro"}}), "it");
    // LANGUAGE is a list, before the locale, the first with a translation winning.
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:fr_CA:de"}}), "fr");
    EXPECT_EQ(languageFor({{"LANG", "C.UTF-8"}, {"LANGUAGE", "es"}}), "es");
    // English first, or no translation at all, is English.
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), "");
    EXPECT_EQ(languageFor({{"LANG", "pt_BR.UTF-8"}}), "");
    // The C locale ignores LANGUAGE, and so does a desktop that sets no locale.
    EXPECT_EQ(languageFor({{"LANG", "C"}, {"LANGUAGE", "de"}}), "");
    EXPECT_EQ(languageFor({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "POSIX"}, {"LANGUAGE", "de"}}), "");
    EXPECT_EQ(languageFor({{"LANGUAGE", "de"}}), "");

    // With LANG=C the window is the English one, as the game starts it.
    const DesktopLocale english({{"LANG", "C"}, {"LANGUAGE", "de"}});
    EXPECT_THAT(desktopLanguages(), IsEmpty());
    EXPECT_EQ(installTranslation(), "");
    PlayedWindow played;
    EXPECT_EQ(played.caption("Label4"), "Winnings");
    EXPECT_EQ(played.control<QPushButton>("cmdQuit")->text(), "&Quit");
    EXPECT_EQ(played.window.menuBar()->actions().front()->text(), "&About");
    EXPECT_EQ(played.control("lbCoinSlot")->accessibleName(), "Coin Slot");
}

TEST(DesktopLanguageTest, TheLineSaidWhereNoWindowOpensIsInTheDesktopsLanguage)
{
    // Said while the application is being made, before it holds a translation.
    const QTemporaryDir runtime;
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("PULSE_SERVER", "unix:/nonexistent");
    environment.insert("LANG", "de_DE.UTF-8");
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("spinzaro")));
    ASSERT_TRUE(game.waitForFinished(10'000));
    EXPECT_EQ(game.exitCode(), 1);
    const std::string said = QString::fromUtf8(game.readAllStandardError()).toStdString();
    EXPECT_THAT(said, ::testing::StartsWith("Spinzaro: Es kann kein Fenster geöffnet werden: "));
    EXPECT_THAT(said, HasSubstr(" (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"));
}

TEST(SpokenLanguageTest, AListenerHearsTheWindowAndAWinInFrench)
{
    const Speaking french(QStringLiteral("fr"));
    PlayedWindow played;
    const auto heard = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(heard(played.control("lbCoinSlot")), "Monnayeur");
    EXPECT_EQ(heard(played.control("cmdQuit")), "Quitter");
    EXPECT_EQ(heard(played.control("imgMenu")), "table des gains");
    EXPECT_EQ(heard(played.control("imgSpinPix_0")), "Rouleau 1 : vide");
    EXPECT_EQ(heard(played.control("lbAmount_5")), "cloche cloche cloche rapporte $30.00");
    EXPECT_EQ(heard(played.control("lbSpinBet")), "Mise $1.00");

    played.spinOnto(Symbol::singleBar);
    ASSERT_TRUE(played.waitForEvaluation());
    auto* announcement = played.window.findChild<Announcement*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcement->isVisible(); }));
    EXPECT_EQ(heard(announcement), "Vous gagnez $8.00 avec barre simple barre simple barre simple");
    EXPECT_EQ(heard(played.control("imgSpinPix_1")), "Rouleau 2 : barre simple");
    EXPECT_EQ(heard(played.control("lbWin")), "Gains $8.00");
    EXPECT_EQ(heard(played.control("imgCoins2")), "pièces");
}

}  // namespace
}  // namespace spinzaro
