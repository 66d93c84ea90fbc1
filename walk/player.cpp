// kelvani-walk: the bridge walk in a terminal, without any window.
//
// Prints the three visible lists, then reads one command a line: a number k
// crosses item k of Available (counting from 0), "c" starts again, "q" or the
// end of input quits. Bad input is reported on standard error and changes
// nothing.

#include "walk.h"

#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

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

// What may be typed, given how many entries Available holds.
std::string Usage(int count)
{
    if (count == 0)
        return "nothing can be crossed from here: type c to start again or q to quit";
    return "type a number from 0 to " + std::to_string(count - 1) + ", c to start again or q to quit";
}

} // namespace

int main()
{
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
            std::cerr << "kelvani-walk: \"" << command << "\" "
                      << (isNumber ? "is not an item of Available" : "is not a command") << "; "
                      << Usage(count) << '\n';
        }
    }
    return 0;
}
