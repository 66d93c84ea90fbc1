// The console player end to end: a scripted session and bad input.

#include <QProcess>
#include <QTest>

namespace {

struct Session
{
    QString out;
    QStringList errors;
    int exitCode = -1;
};

Session Play(const QByteArray &input)
{
    QProcess player;
    player.start(QStringLiteral(KELVANI_WALK_PATH), {});
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
        for (int i = 0; i < inputs.size(); ++i) {
            QVERIFY2(s.errors[i].contains('"' + inputs[i] + '"'), qPrintable(s.errors[i]));
            QVERIFY2(s.errors[i].contains(i < 6 ? "0 to 13" : "0 to 1"), qPrintable(s.errors[i]));
        }
        QVERIFY2(s.errors[7].contains("\"0\"") && s.errors[7].contains("c to start again"), qPrintable(s.errors[7]));
        QVERIFY(s.out.endsWith(QStringLiteral("Достъпни: \nПреминати: 5 АВ, 6 ВГ, 2 ГБ, 3 БГ\n"
                                              "Оставащи: 1 АБ, 1 БА, 4 АБ, 4 БА, 7 БВ, 7 ВБ\n\n")));
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
