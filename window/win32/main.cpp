// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// kelvani.exe: Kelvani's window on Windows.
//   kelvani.exe [--language CODE]

#include "content/languages.h"
#include "echo.h"
#include "mainwindow.h"
#include "platform.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// The window's language: Kelvani's own, or the one --language CODE (or
// --language=CODE) asks for. Anything else on the command line is a
// mistake, which error says and status gives the exit status of.
const content::Texts *Language(std::string &error, int &status)
{
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Narrow(wide[i]));
    LocalFree(wide);

    const content::Texts *texts = content::kLanguages[0];
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        std::string_view code;
        if (argument == "--language" && i + 1 < arguments.size())
            code = arguments[++i];
        else if (argument.starts_with("--language="))
            code = argument.substr(11);
        else {
            error = "Unknown option \"" + walk::Echo(argument) + "\". Kelvani takes one option: --language CODE, "
                    "where CODE is " + content::KnownLanguages() + ".";
            status = 1;
            return nullptr;
        }
        texts = content::FindLanguage(code);
        if (!texts) {
            error = "Unknown language \"" + walk::Echo(code) + "\". Kelvani speaks " + content::KnownLanguages() + ".";
            status = 2;
            return nullptr;
        }
    }
    return texts;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    std::string error;
    int status = 0;
    const content::Texts *texts = Language(error, status);
    if (!texts) { // a window program has no terminal to say so on
        MessageBoxW(nullptr, Wide(error).c_str(), L"Kelvani", MB_OK | MB_ICONERROR);
        return status;
    }

    // The standard controls of common controls 6, which the program's
    // manifest asks for, so that they look as the system's do.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow window(*texts);
    if (!window.Create(instance, show))
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.HandleKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
