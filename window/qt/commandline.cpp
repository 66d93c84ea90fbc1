// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "commandline.h"

#include "content/languages.h"
#include "echo.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

// Qt's own options, which QApplication takes out of the command line itself:
// those that take a value, then those that do not.
constexpr const char *kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title", "name", "visual",
    "ncols", "qmljsdebugger"};
constexpr const char *kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap"};

} // namespace

CommandLine ParseCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption language(QStringLiteral("language"), QString(), QStringLiteral("code"));
    parser.addOptions({help, version, language});
    for (const char *name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    // An error is Qt's words around the user's, which are shown escaped
    // and cut short, so that nothing typed can drive the terminal.
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "kelvani: %s Try 'kelvani --help'.\n", walk::Echo(error.toStdString(), 2 * walk::kEchoLimit).c_str());
        return {1};
    }
    const content::Texts *texts = content::kLanguages[0];
    if (parser.isSet(language)) {
        const std::string code = parser.value(language).toStdString();
        texts = content::FindLanguage(code);
        if (!texts) {
            std::fprintf(stderr, "kelvani: unknown language \"%s\"; Kelvani speaks %s\n", walk::Echo(code).c_str(),
                         content::KnownLanguages().c_str());
            return {2};
        }
    }
    if (parser.isSet(help)) {
        std::fputs("Usage: kelvani [options]\n"
                   "Walk the seven bridges of Königsberg: opens Kelvani's window.\n"
                   "Press F1 in the window for help on the puzzle and the keys.\n"
                   "\n"
                   "Options:\n",
                   stdout);
        std::printf("  --language CODE  the window's language, %s;\n"
                    "                   %s unless asked\n",
                    content::KnownLanguages().c_str(), content::kLanguages[0]->name);
        std::fputs("  -h, --help       show this help and exit\n"
                   "  -v, --version    show the version and exit\n"
                   "\n"
                   "Qt's standard options, such as -platform NAME and -style NAME, work as well.\n",
                   stdout);
        return {0};
    }
    if (parser.isSet(version)) {
        std::printf("kelvani %s\n", KELVANI_VERSION);
        return {0};
    }
    return {std::nullopt, parser.isSet(QStringLiteral("style")), texts};
}
