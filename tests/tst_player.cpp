// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Both programs from a terminal: the console player end to end, a scripted
// session and bad input, and the command line of both without a display.

#include "content/languages.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

namespace {

struct Session
{
    QString out;
    QStringList errors;
    int exitCode = -1;
};

Session Play(const QByteArray &input, const QString &program = QStringLiteral(KELVANI_WALK_PATH),
             const QStringList &arguments = {})
{
    QProcess player;
    // As over ssh: no display of any kind.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    player.setProcessEnvironment(environment);
    player.start(program, arguments);
    player.write(input);
    player.closeWriteChannel();
    Session s;
    if (!player.waitForFinished(10000))
        return s;
    s.out = QString::fromUtf8(player.readAllStandardOutput());
    s.errors = QString::fromUtf8(player.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    s.exitCode = player.exitStatus() == QProcess::NormalExit ? player.exitCode() : -1;
    return s;
}

const QString kFresh = QStringLiteral("Достъпни: 1 АБ, 1 БА, 2 БГ, 2 ГБ, 3 БГ, 3 ГБ, 4 АБ, 4 БА, 5 АВ, 5 ВА, 6 ВГ, 6 ГВ, 7 БВ, 7 ВБ\n"
                                      "Преминати: \n"
                                      "Оставащи: \n\n");
const QString kAfter5 = QStringLiteral("Достъпни: 6 ВГ, 7 ВБ\n"
                                       "Преминати: 5 АВ\n"
                                       "Оставащи: 1 АБ, 1 БА, 2 БГ, 2 ГБ, 3 БГ, 3 ГБ, 4 АБ, 4 БА, 6 ГВ, 7 БВ\n\n");
const QString kDeadEnd = QStringLiteral("Достъпни: \n"
                                        "Преминати: 6 ВГ, 2 ГБ, 3 БГ\n"
                                        "Оставащи: 1 АБ, 1 БА, 4 АБ, 4 БА, 5 АВ, 5 ВА, 7 БВ, 7 ВБ\n\n");

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void firstCrossing()
    {
        const Session s = Play("8\n");
        QCOMPARE(s.exitCode, 0);
        QCOMPARE(s.out, kFresh + kAfter5);
        QVERIFY(s.errors.isEmpty());
    }

    // Play to a dead end ("6 ВГ" is item 10, then "2 ГБ" and "3 БГ" are
    // items 0 and 1), start again, and stop at "q" with lines still unread.
    void scriptedSession()
    {
        const Session s = Play("10\r\n 0 \n1\nc\n8\nq\n0\n");
        QCOMPARE(s.exitCode, 0);
        const QStringList states = s.out.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
        QCOMPARE(states.size(), 6);
        QCOMPARE(states[3] + "\n\n", kDeadEnd);
        QCOMPARE(states[4] + "\n\n", kFresh);
        QCOMPARE(states[5] + "\n\n", kAfter5);
        QVERIFY(s.errors.isEmpty());
    }

    // Every language: the lists named and their entries written as it
    // writes them, and the first crossing as in Kelvani's own.
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        for (const content::Texts &texts : content::Languages())
            QTest::newRow(texts.code) << QString::fromLatin1(texts.code);
    }
    void languages()
    {
        QFETCH(QString, code);
        const content::Texts &texts = *content::FindLanguage(code.toStdString());
        QString expected = kFresh + kAfter5;
        for (const auto &[own, theirs] : {std::pair{content::Languages()[0].available, texts.available},
                                          std::pair{content::Languages()[0].crossed, texts.crossed},
                                          std::pair{content::Languages()[0].remaining, texts.remaining}})
            expected.replace(QString::fromUtf8(own) + ':', QString::fromUtf8(theirs) + ':');
        for (std::size_t i = 0; i < walk::kLands.size(); ++i)
            expected.replace(QString::fromUtf8(walk::kLands[i].data(), walk::kLands[i].size()), QString::fromUtf8(texts.lands[i]));
        const Session s = Play("8\n", QStringLiteral(KELVANI_WALK_PATH), {"--language", code});
        QCOMPARE(s.exitCode, 0);
        QCOMPARE(s.out, expected);
    }

    // Ctrl+Z at the start of a line ends the input, as a Windows console's
    // end of input does: nothing after it is read.
    void ctrlZEndsInput()
    {
        const Session s = Play("8\n\x1a\n0\n");
        QCOMPARE(s.exitCode, 0);
        QCOMPARE(s.out, kFresh + kAfter5);
        QVERIFY(s.errors.isEmpty());
    }

    // Every bad line is reported with the input and what may be typed, and
    // neither changes the walk nor prints a state.
    void badInput()
    {
        const Session s = Play("x\n14\n-1\n99999999999999999999\n\n1.5\n8\n2\n0\n0\n1\n0\n");
        QCOMPARE(s.exitCode, 0);
        QCOMPARE(s.out.count(QStringLiteral("Достъпни")), 5); // start, 8, 0, 0, 1
        QVERIFY(s.out.startsWith(kFresh + kAfter5));
        QCOMPARE(s.errors.size(), 8);
        const QStringList inputs = {"x", "14", "-1", "99999999999999999999", "", "1.5", "2"};
        const QList<bool> numbers = {false, true, true, true, false, false, true};
        for (int i = 0; i < inputs.size(); ++i) {
            QVERIFY2(s.errors[i].contains('"' + inputs[i] + '"'), qPrintable(s.errors[i]));
            QVERIFY2(s.errors[i].contains(i < 6 ? "0 to 13" : "0 to 1"), qPrintable(s.errors[i]));
            const char *kind = numbers[i] ? "\" is not an item of Available;" : "\" is not a command;";
            QVERIFY2(s.errors[i].contains(kind), qPrintable(s.errors[i]));
        }
        QVERIFY2(s.errors[7].contains("\"0\"") && s.errors[7].contains("c to start again"), qPrintable(s.errors[7]));
        QVERIFY(s.out.endsWith(QStringLiteral("Достъпни: \nПреминати: 5 АВ, 6 ВГ, 2 ГБ, 3 БГ\n"
                                              "Оставащи: 1 АБ, 1 БА, 4 АБ, 4 БА, 7 БВ, 7 ВБ\n\n")));
    }

    // Nothing typed reaches the terminal unescaped: control characters and
    // invalid bytes are escaped, and a long line is cut.
    void badInputIsEchoedSafely_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("echo");
        QTest::newRow("escape sequence") << QByteArray("\x1b[2J\x1b]0;owned\x07") << "\\x1B[2J\\x1B]0;owned\\x07";
        QTest::newRow("bell and C1") << QByteArray("\a\xc2\x9b" "31m") << "\\x07\\x9B31m";
        QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\xc0\xaf\xed\xa0\x80 Ж") << "\\xFF\\xFE\\xC0\\xAF\\xED\\xA0\\x80 Ж";
        QTest::newRow("quote and backslash") << QByteArray("a\"b\\c") << "a\\\"b\\\\c";
        QTest::newRow("CR, TAB and DEL") << QByteArray("a\rb\tc\x7f") << "a\\x0Db\\x09c\\x7F";
        QTest::newRow("overlong and past U+10FFFF") << QByteArray("\xe0\x9f\xbf\xf0\x8f\xbf\xbf\xf4\x90\x80\x80\xf5\xbf\xbf\xbf")
                                                   << "\\xE0\\x9F\\xBF\\xF0\\x8F\\xBF\\xBF\\xF4\\x90\\x80\\x80\\xF5\\xBF\\xBF\\xBF";
        QTest::newRow("a megabyte") << QByteArray(1 << 20, 'x') << QString(40, 'x') + "...";
    }
    void badInputIsEchoedSafely()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, echo);
        const Session s = Play(line + "\n");
        QCOMPARE(s.errors.size(), 1);
        QCOMPARE(s.errors[0], "kelvani-walk: \"" + echo + "\" is not a command; type a number from 0 to 13, c to start again or q to quit");
    }

    // --help and --version answer on standard output, with no display at
    // all; a mistake is one line on standard error, and its status.
    void commandLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // how standard output starts
        QTest::addColumn<QString>("error"); // the one line on standard error
        const QString walk = QStringLiteral(KELVANI_WALK_PATH), window = QStringLiteral(KELVANI_PATH);
        const QString version = QStringLiteral(KELVANI_VERSION "\n");
        const QString known = QString::fromStdString(content::KnownLanguages());
        QTest::newRow("walk --help") << walk << QStringList{"--help"} << 0 << QStringLiteral(
            "Usage: kelvani-walk [--language CODE] [-h | --help] [-v | --version]\nWalk the seven bridges of Königsberg in a terminal.\n\n"
            "Prints three lines, the lists Достъпни (the bridges that can be crossed\nfrom where you stand), Преминати "
            "(crossed so far, in order) and Оставащи\n(the rest), each entry a bridge number and the two lands it leads from\n"
            "and to (\"5 АВ\"), then a blank line. Then reads one command a line:\n  k   (a number) cross item k of Достъпни, "
            "counting from 0\n  c   start again\n  q   quit (so does the end of input, or Ctrl+Z at the start of a line)\n"
            "and prints the lists again after each crossing or new start. Bad input\nis reported on standard error and changes "
            "nothing.\n\nOptions:\n  --language CODE  the language, bg unless asked, one of:\n") << "";
        QTest::newRow("walk --help in English") << walk << QStringList{"--language", "en", "-h"} << 0 << QStringLiteral(
            "Usage: kelvani-walk [--language CODE] [-h | --help] [-v | --version]\nWalk the seven bridges of Königsberg in a terminal.\n\n"
            "Prints three lines, the lists Available (the bridges that can be crossed\nfrom where you stand), Crossed "
            "(crossed so far, in order) and Remaining\n(the rest), each entry a bridge number and the two lands it leads from\n"
            "and to (\"5 AC\"), then a blank line. Then reads one command a line:\n  k   (a number) cross item k of Available, "
            "counting from 0\n") << "";
        QTest::newRow("walk in English") << walk << QStringList{"--language=en"} << 0
                                         << "Available: 1 AB, 1 BA, 2 BD, 2 DB, 3 BD, 3 DB, 4 AB, 4 BA, 5 AC, 5 CA, 6 CD, 6 DC, 7 BC, 7 CB\n"
                                            "Crossed: \nRemaining: \n\n" << "";
        QTest::newRow("walk in Greek") << walk << QStringList{"--language", "el"} << 0
                                       << "Διαθέσιμες: 1 ΑΒ, 1 ΒΑ, 2 ΒΔ, 2 ΔΒ, 3 ΒΔ, 3 ΔΒ, 4 ΑΒ, 4 ΒΑ, 5 ΑΓ, 5 ΓΑ, 6 ΓΔ, 6 ΔΓ, 7 ΒΓ, 7 ΓΒ\n"
                                          "Περασμένες: \nΥπόλοιπες: \n\n" << "";
        QTest::newRow("walk in Bulgarian") << walk << QStringList{"--language", "bg"} << 0 << kFresh << "";
        QTest::newRow("walk -v") << walk << QStringList{"-v"} << 0 << "kelvani-walk " + version << "";
        QTest::newRow("kelvani --help") << window << QStringList{"--help"} << 0
                                        << "Usage: kelvani [--language CODE] [-h | --help] [-v | --version]\n"
                                           "Walk the seven bridges of Königsberg: opens Kelvani's window.\n" << "";
        QTest::newRow("kelvani Qt option") << window << QStringList{"-platform", "xcb", "--version"} << 0 << "kelvani " + version << "";
        QTest::newRow("kelvani in English") << window << QStringList{"--language=EN", "-v"} << 0 << "kelvani " + version << "";
        // The same mistakes, the same words from both programs.
        for (const QString &program : {walk, window}) {
            const QString name = QFileInfo(program).fileName();
            QTest::addRow("%s unknown", qPrintable(name)) << program << QStringList{"--what"} << 1 << ""
                << name + ": unknown option \"--what\"; try '" + name + " --help'";
            QTest::addRow("%s argument", qPrintable(name)) << program << QStringList{"file\x1b[2J"} << 1 << ""
                << name + ": unexpected argument \"file\\x1B[2J\"; try '" + name + " --help'";
            QTest::addRow("%s unknown language", qPrintable(name)) << program << QStringList{"--language", "\x1b[2Jxx"} << 2 << ""
                << name + ": unknown language \"\\x1B[2Jxx\"; Kelvani speaks " + known;
            QTest::addRow("%s no language", qPrintable(name)) << program << QStringList{"--language"} << 2 << ""
                << name + ": --language needs a language: " + known;
        }
    }
    void commandLine()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, error);
        const Session s = Play({}, program, arguments);
        QCOMPARE(s.exitCode, status);
        QVERIFY2(out.isEmpty() ? s.out.isEmpty() : s.out.startsWith(out), qPrintable(s.out));
        QCOMPARE(s.errors, error.isEmpty() ? QStringList() : QStringList{error});
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
