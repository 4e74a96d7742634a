#include "app/EarlyArguments.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#include "platform/TerminalText.h"

namespace korvel::app {
namespace {

// The options Qt's application object takes for itself (and removes before the program's own
// parser sees them): accepted here, so that "-platform offscreen" is no usage error.
void AcceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                             "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

EarlyArguments ReadArgumentsEarly(int argc, char* argv[],
                                  const std::function<void(QCommandLineParser&)>& describe) {
    QCommandLineParser parser;
    describe(parser);
    AcceptQtOptions(parser);
    // Qt's own options are written with one dash ("-platform"); so may the program's be.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(arguments)) {
        const std::string message = "korvel: " + parser.errorText().toStdString() +
                                    "\nRun 'korvel --help' for the options it takes.";
        std::fprintf(stderr, "%s\n", TerminalText(message).c_str());
        return EarlyArguments::UsageError;
    }
    for (const char* name : {"help", "help-all", "version"}) {
        if (parser.isSet(QString::fromLatin1(name))) return EarlyArguments::PrintOnly;
    }
    return EarlyArguments::Run;
}

}  // namespace korvel::app
