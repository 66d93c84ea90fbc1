// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// kelvani.exe: Kelvani's window on Windows.
//   kelvani.exe [--language CODE] [-h | --help] [-v | --version]

#include "commandline.h"
#include "mainwindow.h"
#include "platform.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

// What the command line asks for, read as every Kelvani program reads it.
commandline::Outcome ReadCommandLine()
{
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return commandline::Read({"kelvani", commandline::DescribeWindow}, arguments);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    // A window program has no terminal: help, the version and mistakes are
    // told in a message box, with the status the console player gives them.
    const commandline::Outcome command = ReadCommandLine();
    if (command.action != commandline::Action::Run) {
        const bool mistake = command.action == commandline::Action::Refuse;
        MessageBoxW(nullptr, Wide(command.message).c_str(), L"Kelvani", MB_OK | (mistake ? MB_ICONERROR : MB_ICONINFORMATION));
        return command.status;
    }

    // The standard controls of common controls 6, which the program's
    // manifest asks for, so that they look as the system's do.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow window(*command.texts);
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
