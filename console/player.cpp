// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// kelvani-walk: the bridge walk in a terminal, without any window.
//
// Prints the three visible lists, then reads one command a line: a number k
// crosses item k of Available (counting from 0), "c" starts again, "q", the
// end of input or Ctrl+Z at the start of a line quits. Bad input is reported
// on standard error and changes nothing; what of it is echoed is cut short
// and escaped, so that nothing typed can drive the terminal. The lists show
// in Kelvani's own language, or in the one --language asks for.

#include "commandline.h"
#include "content/languages.h"
#include "echo.h"
#include "walk.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

void PrintList(const char *caption, const walk::ItemList &list, const content::Lands &lands)
{
    std::cout << caption << ": ";
    for (int i = 0; i < list.ListCount(); ++i)
        std::cout << (i > 0 ? ", " : "") << content::ShownEntry(list.List(i), lands);
    std::cout << '\n';
}

void PrintState(const walk::Walk &walk, const content::Texts &texts)
{
    PrintList(texts.available, walk.List1[walk::kAvailable], texts.lands);
    PrintList(texts.crossed, walk.List1[walk::kCrossed], texts.lands);
    PrintList(texts.remaining, walk.List1[walk::kRemaining], texts.lands);
    std::cout << std::endl;
}

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// What --help says the player does, naming the lists as the language
// chosen does.
std::string Describe(const content::Texts &texts)
{
    const std::string available = texts.available;
    // The worked example's first crossing, bridge 5 from the north bank to the eastern island.
    const std::string example = content::ShownEntry(walk::kCatalogueEntries[8], texts.lands);
    return "Walk the seven bridges of Königsberg in a terminal.\n"
           "\n"
           "Prints three lines, the lists " + available + " (the bridges that can be crossed\n"
           "from where you stand), " + texts.crossed + " (crossed so far, in order) and " + texts.remaining + "\n"
           "(the rest), each entry a bridge number and the two lands it leads from\n"
           "and to (\"" + example + "\"), then a blank line. Then reads one command a line:\n"
           "  k   (a number) cross item k of " + available + ", counting from 0\n"
           "  c   start again\n"
           "  q   quit (so does the end of input, or Ctrl+Z at the start of a line)\n"
           "and prints the lists again after each crossing or new start. Bad input\n"
           "is reported on standard error and changes nothing.\n";
}

// What may be typed, given how many entries Available holds.
std::string Usage(int count)
{
    if (count == 0)
        return "nothing can be crossed from here: type c to start again or q to quit";
    return "type a number from 0 to " + std::to_string(count - 1) + ", c to start again or q to quit";
}

// The player, once its arguments are in UTF-8.
int Play(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const commandline::Outcome command = commandline::Read({"kelvani-walk", Describe}, arguments);
    if (command.action != commandline::Action::Run) {
        (command.action == commandline::Action::Refuse ? std::cerr : std::cout) << command.message;
        return command.status;
    }
    const content::Texts *texts = command.texts;

    walk::Walk walk;
    walk.ResetWalk();
    PrintState(walk, *texts);

    // Ctrl+Z at the start of a line ends the input, as in a Windows console;
    // whatever follows it is not read.
    std::string line;
    while (std::getline(std::cin, line) && !line.starts_with('\x1A')) {
        const std::string_view command = Trim(line);
        if (command == "q")
            break;
        if (command == "c") {
            walk.ResetWalk();
            PrintState(walk, *texts);
            continue;
        }
        const int count = walk.List1[walk::kAvailable].ListCount();
        int k = 0;
        const auto [end, error] = std::from_chars(command.data(), command.data() + command.size(), k);
        const bool isNumber = !command.empty() && end == command.data() + command.size()
                              && error != std::errc::invalid_argument;
        if (isNumber && error == std::errc() && k >= 0 && k < count) {
            walk.List1[walk::kAvailable].Select(k);
            walk.CrossBridge(walk::kAvailable);
            PrintState(walk, *texts);
        } else {
            std::cerr << "kelvani-walk: \"" << commandline::Echo(command) << "\" "
                      << (isNumber ? "is not an item of Available" : "is not a command") << "; "
                      << Usage(count) << '\n';
        }
    }
    return 0;
}

} // namespace

#ifdef _WIN32
// On Windows the arguments arrive in UTF-16 and the console has a code page
// of its own: the player takes its arguments in UTF-8, sets the console to
// UTF-8 while it runs and back afterwards, and reads its input as bytes, as
// the player on Linux does: a CR before a line's end is trimmed as a blank
// is, and Ctrl+Z at the start of a line ends the input wherever it comes
// from, a console, a pipe or a file.
int wmain(int argc, wchar_t *wide[])
{
    std::vector<std::string> arguments;
    std::vector<char *> argv;
    for (int i = 0; i < argc; ++i) {
        std::string &utf8 = arguments.emplace_back(
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
        utf8.pop_back(); // the terminating zero
    }
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const UINT input = GetConsoleCP(), output = GetConsoleOutputCP();
    SetConsoleCP(CP_UTF8);
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);
    const int status = Play(argc, argv.data());
    if (input != 0) { // 0: there is no console, only pipes or files
        SetConsoleCP(input);
        SetConsoleOutputCP(output);
    }
    return status;
}
#else
int main(int argc, char *argv[]) { return Play(argc, argv); }
#endif
