// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// How every program reads its command line (commandline.h): one table of
// arguments and what they must come to; and how much of what the user typed
// is echoed back.

#include "commandline.h"
#include "echo.h"

#include <QTest>

#include <string_view>
#include <vector>

namespace {

std::string Describe(const content::Texts &texts) { return std::string("In ") + texts.name + ".\n"; }

// A host with options of its own, as Qt has.
constexpr std::string_view kFlags[] = {"reverse", "sync"};
constexpr std::string_view kValued[] = {"platform", "style"};
const commandline::Program kWalk{"kelvani-walk", Describe};
const commandline::Program kWindow{"kelvani", Describe, kFlags, kValued, "Qt's options work too.\n"};

QString Known() { return QString::fromStdString(content::KnownLanguages()); }

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The outcome: what to do, in which language, the message (for help, its
    // start), the exit status, and the host's options found.
    void read_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("hostOptions");
        const int run = int(commandline::Action::Run), help = int(commandline::Action::Help),
                  version = int(commandline::Action::Version), refuse = int(commandline::Action::Refuse);
        const QString own = QString::fromLatin1(content::Languages()[0].code);
        QTest::newRow("nothing") << false << QStringList{} << run << own << "" << 0 << QStringList{};
        QTest::newRow("a language") << false << QStringList{"--language", "en"} << run << "en" << "" << 0 << QStringList{};
        QTest::newRow("a language, =, as tags go") << false << QStringList{"--language=EN"} << run << "en" << "" << 0 << QStringList{};
        QTest::newRow("the last language") << false << QStringList{"--language=en", "--language", "de"} << run << "de" << ""
                                           << 0 << QStringList{};
        QTest::newRow("a part of a code") << false << QStringList{"--language=e"} << refuse << ""
                                          << "kelvani-walk: unknown language \"e\"; Kelvani speaks " + Known() + "\n" << 2
                                          << QStringList{};
        QTest::newRow("more than a code") << false << QStringList{"--language", "english"} << refuse << ""
                                          << "kelvani-walk: unknown language \"english\"; Kelvani speaks " + Known() + "\n"
                                          << 2 << QStringList{};
        QTest::newRow("an empty code") << false << QStringList{"--language="} << refuse << ""
                                       << "kelvani-walk: --language needs a language: " + Known() + "\n" << 2 << QStringList{};
        QTest::newRow("no code") << true << QStringList{"--language"} << refuse << ""
                                 << "kelvani: --language needs a language: " + Known() + "\n" << 2 << QStringList{};
        QTest::newRow("a code that drives a terminal") << false << QStringList{"--language", "\x1b[2Jxx"} << refuse << ""
            << "kelvani-walk: unknown language \"\\x1B[2Jxx\"; Kelvani speaks " + Known() + "\n" << 2 << QStringList{};
        QTest::newRow("help") << false << QStringList{"-h"} << help << own
                              << "Usage: kelvani-walk [--language CODE] [-h | --help] [-v | --version]\nIn Български.\n"
                              << 0 << QStringList{};
        QTest::newRow("help in a language") << true << QStringList{"--language", "el", "--help"} << help << "el"
                                            << "Usage: kelvani [--language CODE] [-h | --help] [-v | --version]\nIn Ελληνικά.\n"
                                            << 0 << QStringList{};
        QTest::newRow("version") << true << QStringList{"--version", "-style", "x"} << version << own
                                 << "kelvani " KELVANI_VERSION "\n" << 0 << QStringList{};
        QTest::newRow("a mistake wins over help") << false << QStringList{"-h", "\x1b[2J"} << refuse << ""
            << "kelvani-walk: unexpected argument \"\\x1B[2J\"; try 'kelvani-walk --help'\n" << 1 << QStringList{};
        QTest::newRow("an unknown option") << true << QStringList{"--what"} << refuse << ""
                                           << "kelvani: unknown option \"--what\"; try 'kelvani --help'\n" << 1 << QStringList{};
        QTest::newRow("a long one, cut") << false << QStringList{"--" + QString(60, 'x')} << refuse << ""
            << "kelvani-walk: unknown option \"--" + QString(38, 'x') + "...\"; try 'kelvani-walk --help'\n" << 1 << QStringList{};
        QTest::newRow("the host's options") << true << QStringList{"-style", "Fusion", "--platform=xcb", "-sync", "--language", "fr"}
                                            << run << "fr" << "" << 0 << QStringList{"style", "platform", "sync"};
        QTest::newRow("not the host's options elsewhere") << false << QStringList{"-style", "Fusion"} << refuse << ""
            << "kelvani-walk: unknown option \"-style\"; try 'kelvani-walk --help'\n" << 1 << QStringList{};
        QTest::newRow("a host's option without its value") << true << QStringList{"-platform"} << refuse << ""
            << "kelvani: \"-platform\" needs a value; try 'kelvani --help'\n" << 1 << QStringList{};
        QTest::newRow("a host's flag with a value") << true << QStringList{"-reverse=1"} << refuse << ""
            << "kelvani: \"-reverse=1\" takes no value; try 'kelvani --help'\n" << 1 << QStringList{};
    }
    void read()
    {
        QFETCH(bool, window);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        std::vector<std::string> utf8;
        for (const QString &argument : arguments)
            utf8.push_back(argument.toStdString());
        const commandline::Outcome outcome = commandline::Read(window ? kWindow : kWalk, utf8);
        QTEST(int(outcome.action), "action");
        QTEST(outcome.texts ? QString::fromLatin1(outcome.texts->code) : QString(), "language");
        if (outcome.action == commandline::Action::Help)
            QVERIFY2(QString::fromStdString(outcome.message).startsWith(message), outcome.message.c_str());
        else
            QCOMPARE(QString::fromStdString(outcome.message), message);
        QTEST(outcome.status, "status");
        QStringList found;
        for (const std::string &option : outcome.hostOptions)
            found << QString::fromStdString(option);
        QTEST(found, "hostOptions");
    }

    // Help names every language in itself, and the host's word last.
    void help()
    {
        const std::vector<std::string> arguments = {"--help"};
        const QString help = QString::fromStdString(commandline::Read(kWindow, arguments).message);
        for (const content::Texts &texts : content::Languages())
            QVERIFY(help.contains(QStringLiteral("  %1  %2\n").arg(texts.code, QString::fromUtf8(texts.name))));
        QVERIFY(help.endsWith("Qt's options work too.\n"));
    }

    // What is echoed of bad input: the length the caller asks for, in
    // characters, then "..." when there was more.
    void echo_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("echo");
        QTest::newRow("short") << QByteArray("abc") << 3 << "abc";
        QTest::newRow("cut") << QByteArray("abcdef") << 3 << "abc...";
        QTest::newRow("nothing") << QByteArray("abc") << 0 << "...";
        QTest::newRow("characters, not bytes") << QByteArray("ЖЖЖ") << 2 << "ЖЖ...";
        QTest::newRow("an escape is one") << QByteArray("\x1b\x1b\x1b") << 2 << "\\x1B\\x1B...";
    }
    void echo()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, limit);
        QTEST(QString::fromStdString(commandline::Echo(input.toStdString(), std::size_t(limit))), "echo");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
