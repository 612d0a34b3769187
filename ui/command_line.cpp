// The game's own command-line options, answered before any window is opened.
#include "command_line.h"

#include "identity.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

namespace spinzaro {

namespace {

// Options that QApplication and its platform plugins read themselves; the
// parser only has to know them so that it does not refuse them.
constexpr const char* qtOptionsWithValue[] = {
    "platform",          "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry",   "qwindowicon",        "qwindowtitle",  "session",
    "display",           "geometry",           "name",          "style",
    "stylesheet",        "qmljsdebugger",      "dialogs",       "fontengine",
    "qdevicepixelratio",
};
constexpr const char* qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// An answer is only given once it is written: a full disk or a closed
// output is reported, as the GNU tools do.
int answer(const QString& program, const QString& text)
{
    if (std::fputs(text.toLocal8Bit().constData(), stdout) >= 0 && std::fflush(stdout) == 0)
        return 0;
    const QString error = QString::fromLocal8Bit(std::strerror(errno));
    std::fputs(qPrintable(QCoreApplication::translate("CommandLine", "%1: write error: %2").arg(program, error) +
                          QLatin1Char('\n')),
               stderr);
    std::fflush(stderr);
    return 1;
}

void acceptQtsOwnOptions(QCommandLineParser& parser)
{
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The unknown option as the player typed it, dashes and all.
QString spelledAsGiven(const QString& name)
{
    for (const QString& argument : QCoreApplication::arguments())
        if (argument.startsWith(QLatin1Char('-')) && argument.section(QLatin1Char('='), 0, 0).endsWith(name))
            return argument.section(QLatin1Char('='), 0, 0);
    return name;
}

int refuse(const QString& program, QString problem)
{
    if (problem.endsWith(QLatin1Char('.')))
        problem.chop(1);
    std::fputs(qPrintable(QCoreApplication::translate("CommandLine", "%1: %2; try '%1 --help'.").arg(program, problem) +
                          QLatin1Char('\n')),
               stderr);
    std::fflush(stderr);
    return 2;
}

// Written here rather than by the parser, whose headings would stay English
// unless Qt's own translations were installed too.
QString helpText(const QString& program, const QString& description, const QList<QCommandLineOption>& options)
{
    QString text = QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(program) + QLatin1Char('\n') +
                   description + QStringLiteral("\n\n") + QCoreApplication::translate("CommandLine", "Options:") +
                   QLatin1Char('\n');
    for (const QCommandLineOption& option : options)
        text += QStringLiteral("  -%1, --%2  %3\n")
                    .arg(option.names().at(0), option.names().at(1).leftJustified(7), option.description());
    return text;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    // A start from the menu has no arguments and pays nothing here.
    if (argc <= 1)
        return std::nullopt;

    // An application of its own, gone before the window's is made, so that
    // the texts can be translated and no display is needed.
    int ownCount = argc;
    std::vector<char*> ownArguments(argv, argv + argc + 1);
    const QCoreApplication application(ownCount, ownArguments.data());
    QCoreApplication::setApplicationName(QString::fromUtf8(identity::title));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(identity::version));
    installTranslation();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "A three-reel fruit slot machine, played with play money."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    acceptQtsOwnOptions(parser);

    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    if (!parser.parse(QCoreApplication::arguments())) {
        if (parser.unknownOptionNames().isEmpty())
            return refuse(program, parser.errorText());
        return refuse(program, QCoreApplication::translate("CommandLine", "unknown option '%1'")
                                   .arg(spelledAsGiven(parser.unknownOptionNames().front())));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(program, QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                                   .arg(parser.positionalArguments().front()));
    if (parser.isSet(help))
        return answer(program, helpText(program, parser.applicationDescription(), {help, version}));
    if (parser.isSet(version))
        return answer(program, QStringLiteral("%1 %2\n%3\n")
                                   .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                                        QString::fromUtf8(identity::copyright)));
    return std::nullopt;
}

QtArguments::QtArguments(int argc, char* argv[])
{
    for (int i = 0; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        const std::size_t dashes = argument.rfind("--", 0) == 0 ? 2 : 1;
        const std::string name = argument.substr(dashes, equals - dashes);
        const bool split = i > 0 && argument.starts_with('-') && equals != std::string::npos &&
                           std::any_of(std::begin(qtOptionsWithValue), std::end(qtOptionsWithValue),
                                       [&](const char* option) { return name == option; });
        if (split) {
            texts_.push_back("-" + name);
            texts_.push_back(argument.substr(equals + 1));
        } else {
            texts_.push_back(argument);
        }
    }
    for (std::string& text : texts_)
        pointers_.push_back(text.data());
    count_ = static_cast<int>(texts_.size());
    pointers_.push_back(nullptr);
}

}  // namespace spinzaro
