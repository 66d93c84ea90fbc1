// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// kelvani-walk: the bridge walk in a terminal, without any window.
//
// Prints the three visible lists, then reads one command a line: a number k
// crosses item k of Available (counting from 0), "c" starts again, "q" or the
// end of input quits. Bad input is reported on standard error and changes
// nothing; what of it is echoed is cut short and escaped, so that nothing
// typed can drive the terminal.

#include "walk.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <vector>
#include <windows.h>
#endif

namespace {

void PrintList(const char *caption, const walk::ItemList &list)
{
    std::cout << caption << ": ";
    for (int i = 0; i < list.ListCount(); ++i)
        std::cout << (i > 0 ? ", " : "") << list.List(i);
    std::cout << '\n';
}

void PrintState(const walk::Walk &walk)
{
    PrintList("Достъпни", walk.List1[walk::kAvailable]);
    PrintList("Преминати", walk.List1[walk::kCrossed]);
    PrintList("Оставащи", walk.List1[walk::kRemaining]);
    std::cout << std::endl;
}

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

constexpr char kUsage[] =
    "Usage: kelvani-walk [-h | --help] [-v | --version]\n"
    "Walk the seven bridges of Königsberg in a terminal.\n"
    "\n"
    "Prints three lines, the lists Достъпни (the bridges that can be crossed\n"
    "from where you stand), Преминати (crossed so far, in order) and Оставащи\n"
    "(the rest), each entry a bridge number and the two lands it leads from\n"
    "and to (\"5 АВ\"), then a blank line. Then reads one command a line:\n"
    "  k   (a number) cross item k of Достъпни, counting from 0\n"
    "  c   start again\n"
    "  q   quit (so does the end of input)\n"
    "and prints the lists again after each crossing or new start. Bad input\n"
    "is reported on standard error and changes nothing.\n";

// At most this many characters of a bad line are echoed back.
constexpr std::size_t kEchoLimit = 40;

// The length of the UTF-8 sequence at the start of text, or 0 when it is not
// a valid one (a stray, overlong, surrogate or cut-short sequence).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    // The second byte's range rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) || (lead == 0xF0 && byte(1) < 0x90)
        || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

// A bad line as it is safe to show: its first kEchoLimit characters, with
// control characters (C0, DEL and C1), invalid bytes, backslashes and
// quotes written as escapes, and "..." when it was cut.
std::string Echo(std::string_view line)
{
    std::string shown;
    std::size_t characters = 0;
    while (!line.empty() && characters < kEchoLimit) {
        const std::size_t length = Utf8Length(line);
        const auto lead = static_cast<unsigned char>(line[0]);
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(line[1]) < 0xA0;
        if (length == 0 || lead < 0x20 || lead == 0x7F || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c1 ? static_cast<unsigned char>(line[1]) : lead);
            shown += escaped;
            line.remove_prefix(c1 ? 2 : 1);
        } else {
            if (lead == '\\' || lead == '"')
                shown += '\\';
            shown += line.substr(0, length);
            line.remove_prefix(length);
        }
        ++characters;
    }
    if (!line.empty())
        shown += "...";
    return shown;
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
    if (argc > 1) {
        const std::string_view option = argv[1];
        const bool help = option == "-h" || option == "--help", version = option == "-v" || option == "--version";
        if (argc == 2 && help) {
            std::cout << kUsage;
            return 0;
        }
        if (argc == 2 && version) {
            std::cout << "kelvani-walk " KELVANI_VERSION "\n";
            return 0;
        }
        const bool known = help || version;
        std::cerr << "kelvani-walk: " << (known ? "unexpected argument" : "unknown option") << " \""
                  << Echo(known ? argv[2] : option) << "\"; try 'kelvani-walk --help'\n";
        return 1;
    }

    walk::Walk walk;
    walk.ResetWalk();
    PrintState(walk);

    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string_view command = Trim(line);
        if (command == "q")
            break;
        if (command == "c") {
            walk.ResetWalk();
            PrintState(walk);
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
            PrintState(walk);
        } else {
            std::cerr << "kelvani-walk: \"" << Echo(command) << "\" "
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
// UTF-8 while it runs and back afterwards, and reads its input as bytes, so
// that CR and Ctrl+Z are bytes like any other (a CR before a line's end is
// trimmed as a blank is).
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
