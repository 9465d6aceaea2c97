// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four commands by button and by menu, driven through the real window
// with mouse events: what each runs. What a command does to the board in
// every state is the board's own test.
#include "WindowFixture.h"

#include <QSignalSpy>

namespace {

// Plays a short script of user actions, separated by ";":
// "p X,Y" press on the canvas, "b N" the button of command N, "m N" its menu
// item, "s C,R" a click on row R of the list of column C (0 X, 1 Y, 2 number).
void play(MainWindow &window, const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString action = step.trimmed().left(1);
        const QStringList args = step.trimmed().mid(1).trimmed().split(u',');
        const int a = args.value(0).toInt(), b = args.value(1).toInt();
        if (action == u"p")
            pressCanvas(window, QPoint(a, b));
        else if (action == u"b")
            pressButton(window, ButtonsAndItems[a].button);
        else if (action == u"m")
            chooseMenuItem(window, ButtonsAndItems[a].item);
        else if (action == u"s")
            clickRow(window, VertexModel::Column(a), b);
        settle();
    }
}

const QString Triangle = QStringLiteral("p 20,30; p 120,30; p 60,110");
const QString Pentagon = QStringLiteral("p 200,40; p 60,120; p 340,100; p 120,190; p 280,180");

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void buttonAndMenuAgree_data();
    void buttonAndMenuAgree();
    void commandResults_data();
    void commandResults();
};

// Every command gives the same result by button and by menu, in every state.
void CommandsTest::buttonAndMenuAgree_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("command"); // in ButtonsAndItems
    const QList<std::pair<const char *, QString>> states{
        {"empty", QString()},
        {"one vertex", QStringLiteral("p 50,50")},
        {"open triangle", Triangle},
        {"closed by contour", Triangle + QStringLiteral("; b 0")},
        {"closed, then selected", Triangle + QStringLiteral("; b 1; s 2,1")},
        {"selected, open", Pentagon + QStringLiteral("; s 0,3")},
        {"contour after selection", Pentagon + QStringLiteral("; s 1,2; b 0")},
    };
    for (const auto &[name, script] : states)
        for (int command = 0; command < int(std::size(ButtonsAndItems)); ++command)
            QTest::addRow("%s, %s", name, ButtonsAndItems[command].button) << script << command;
}

void CommandsTest::buttonAndMenuAgree()
{
    QFETCH(QString, state);
    QFETCH(int, command);
    MainWindow byButton, byMenu;
    byButton.show();
    byMenu.show();
    play(byButton, state);
    play(byMenu, state);
    // Both run the command through its one action.
    QSignalSpy buttonAction(control<QAction>(byButton, ButtonsAndItems[command].item), &QAction::triggered);
    QSignalSpy menuAction(control<QAction>(byMenu, ButtonsAndItems[command].item), &QAction::triggered);
    play(byButton, QStringLiteral("b %1").arg(command));
    play(byMenu, QStringLiteral("m %1").arg(command));
    QCOMPARE(buttonAction.count(), 1);
    QCOMPARE(menuAction.count(), 1);
    QCOMPARE(snap(byButton), snap(byMenu));
}

// What each button runs: the rows in order, the report's first and last
// lines, and whether the board is closed.
void CommandsTest::commandResults_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("vertexRows");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<bool>("closed");

    QTest::newRow("contour orders the rows")
        << Pentagon + QStringLiteral("; b 0") << QStringLiteral("120,190 60,120 200,40 340,100 280,180")
        << QStringLiteral("Върхове: 123 с координати: 120,190; 60,120; 200,40")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 26300") << true;
    QTest::newRow("in order keeps the order of entry, crossing or not")
        << Pentagon + QStringLiteral("; b 1") << QStringLiteral("200,40 60,120 340,100 120,190 280,180")
        << QStringLiteral("Върхове: 123 с координати: 200,40; 60,120; 340,100")
        << QStringLiteral("Внимание: върховете не са подредени по контура, затова това не е лицето на изпъкнал "
                          "многоъгълник. „Контур“ ги подрежда.") << true;
    QTest::newRow("clear empties board and report")
        << Triangle + QStringLiteral("; b 0; b 2") << QString() << QString() << QString() << false;
    QTest::newRow("delete after contour needs a new selection")
        << Triangle + QStringLiteral("; s 1,1; b 0; b 3; m 3") << QStringLiteral("60,110 20,30 120,30")
        << QStringLiteral("Върхове: 123 с координати: 60,110; 20,30; 120,30")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 4000") << true;
}

void CommandsTest::commandResults()
{
    QFETCH(QString, script);
    QFETCH(QString, vertexRows);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    QFETCH(bool, closed);
    MainWindow window;
    window.show();
    play(window, script);

    const Snapshot shown = snap(window);
    QCOMPARE(rows(window.board().vertices()), vertexRows);
    QCOMPARE(shown.numbers, numbersUpTo(window.board().vertices().vertexCount()));
    const QStringList report = shown.report.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(report.value(0), firstLine);
    QCOMPARE(report.isEmpty() ? QString() : report.last(), lastLine);
    QCOMPARE(shown.closed, closed);
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
