// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "commandline.h"

#include "echo.h"

#include <algorithm>

namespace commandline {

namespace {

std::string Quoted(std::string_view argument) { return '"' + Echo(argument) + '"'; }

std::string Help(const Program &program, const content::Texts &texts)
{
    const std::span<const content::Texts> languages = content::Languages();
    std::string help = "Usage: " + std::string(program.name) + " [--language CODE] [-h | --help] [-v | --version]\n" +
                       program.describe(texts) + "\nOptions:\n  --language CODE  the language, " +
                       languages[0].code + " unless asked, one of:\n";
    for (const content::Texts &language : languages)
        help += "                     " + std::string(language.code) + "  " + language.name + "\n";
    return help + "  -h, --help       show this help and exit\n"
                  "  -v, --version    show the version and exit\n" + std::string(program.more);
}

// The name of a host's option in argument ("-style", "--style=x"), without
// its dashes and value, if it is one of names; empty if not.
std::string_view HostOption(std::string_view argument, std::span<const std::string_view> names)
{
    if (!argument.starts_with('-'))
        return {};
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    argument = argument.substr(0, argument.find('='));
    const auto found = std::find(names.begin(), names.end(), argument);
    return found == names.end() ? std::string_view() : *found;
}

} // namespace

std::string DescribeWindow(const content::Texts &)
{
    return "Walk the seven bridges of Königsberg: opens Kelvani's window.\n"
           "Press F1 in the window for help on the puzzle and the keys.\n";
}

Outcome Read(const Program &program, std::span<const std::string> arguments)
{
    const std::string name(program.name);
    const auto refuse = [&](const std::string &why, int status) {
        return Outcome{Action::Refuse, nullptr, name + ": " + why + "\n", status, {}};
    };
    Outcome outcome{Action::Run, &content::Languages()[0], {}, 0, {}};
    bool help = false, version = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "-v" || argument == "--version") {
            version = true;
        } else if (argument == "--language" || argument.starts_with("--language=")) {
            const bool joined = argument != "--language"; // --language=CODE
            if (!joined && i + 1 == arguments.size())
                return refuse("--language needs a language: " + content::KnownLanguages(), 2);
            const std::string_view code = joined ? argument.substr(11) : std::string_view(arguments[++i]);
            if (code.empty())
                return refuse("--language needs a language: " + content::KnownLanguages(), 2);
            outcome.texts = content::FindLanguage(code);
            if (!outcome.texts)
                return refuse("unknown language " + Quoted(code) + "; Kelvani speaks " + content::KnownLanguages(), 2);
        } else if (const std::string_view flag = HostOption(argument, program.flags); !flag.empty()) {
            if (argument.find('=') != std::string_view::npos)
                return refuse(Quoted(argument) + " takes no value; try '" + name + " --help'", 1);
            outcome.hostOptions.emplace_back(flag);
        } else if (const std::string_view option = HostOption(argument, program.valued); !option.empty()) {
            if (argument.find('=') == std::string_view::npos && ++i == arguments.size())
                return refuse(Quoted(argument) + " needs a value; try '" + name + " --help'", 1);
            outcome.hostOptions.emplace_back(option);
        } else {
            return refuse(std::string(argument.starts_with('-') ? "unknown option " : "unexpected argument ") +
                              Quoted(argument) + "; try '" + name + " --help'", 1);
        }
    }
    if (help)
        return {Action::Help, outcome.texts, Help(program, *outcome.texts), 0, {}};
    if (version)
        return {Action::Version, outcome.texts, name + " " KELVANI_VERSION "\n", 0, {}};
    return outcome;
}

} // namespace commandline
