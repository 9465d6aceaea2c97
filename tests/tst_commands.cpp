// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four commands by button and by menu, vertex selection in the lists and
// vertex entry, all driven through the real window with mouse and keyboard
// events.
#include "WindowFixture.h"

#include <QMessageBox>
#include <QSignalSpy>

namespace {

// Plays a short script of user actions, separated by ";":
// "p X,Y" press on the canvas, "r X,Y" the same with the right button,
// "b N" the button of command N, "m N" its menu item, "s C,R" a click on row
// R of the list of column C (0 X, 1 Y, 2 number).
void play(MainWindow &window, const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString action = step.trimmed().left(1);
        const QStringList args = step.trimmed().mid(1).trimmed().split(u',');
        const int a = args.value(0).toInt(), b = args.value(1).toInt();
        if (action == u"p" || action == u"r")
            pressCanvas(window, QPoint(a, b), action == u"p" ? Qt::LeftButton : Qt::RightButton);
        else if (action == u"b")
            QTest::mouseClick(window.commands().at(a).button, Qt::LeftButton);
        else if (action == u"m")
            chooseMenuItem(window, qPrintable(window.commands().at(a).action->objectName()));
        else if (action == u"s")
            clickRow(window, VertexModel::Column(a), b);
        settle();
    }
}

const QString Triangle = QStringLiteral("p 20,30; p 120,30; p 60,110");
const QString Pentagon = QStringLiteral("p 200,40; p 60,120; p 340,100; p 120,190; p 280,180");

QRgb canvasPixel(const MainWindow &window, int x, int y)
{
    return canvasOf(window)->picture().image().pixel(x, y) & 0xFFFFFF;
}

// The selected row of the X, Y and number lists and of the board.
QList<int> selectedRows(const MainWindow &window)
{
    const Snapshot shown = snap(window);
    return {shown.selectedX, shown.selectedY, shown.selectedNumber, window.board().selectedRow()};
}

} // namespace

Q_DECLARE_METATYPE(VertexModel::Column)

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void buttonAndMenuAgree_data();
    void buttonAndMenuAgree();
    void commandResults_data();
    void commandResults();
    void selectingARowFromEachList_data();
    void selectingARowFromEachList();
    void keyboardSelectionSelectsInAllLists();
    void fullBoardRefusesAPressAndTakesEveryCommand();
};

// Every command gives the same result by button and by menu, in every state.
void CommandsTest::buttonAndMenuAgree_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("command"); // in the window's table
    const QList<std::pair<const char *, QString>> states{
        {"empty", QString()},
        {"one vertex", QStringLiteral("p 50,50")},
        {"open triangle", Triangle},
        {"closed by contour", Triangle + QStringLiteral("; b 0")},
        {"closed, then selected", Triangle + QStringLiteral("; b 1; s 2,1")},
        {"selected, open", Pentagon + QStringLiteral("; s 0,3")},
        {"contour after selection", Pentagon + QStringLiteral("; s 1,2; b 0")},
    };
    MainWindow window;
    const QList<MainWindow::CommandControls> commands = window.commands();
    for (const auto &[name, script] : states)
        for (int command = 0; command < commands.size(); ++command)
            if (commands[command].button)
                QTest::addRow("%s, %s", name, qPrintable(commands[command].action->text())) << script << command;
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
    QSignalSpy buttonAction(byButton.commands().at(command).action, &QAction::triggered);
    QSignalSpy menuAction(byMenu.commands().at(command).action, &QAction::triggered);
    play(byButton, QStringLiteral("b %1").arg(command));
    play(byMenu, QStringLiteral("m %1").arg(command));
    QCOMPARE(buttonAction.count(), 1);
    QCOMPARE(menuAction.count(), 1);
    QCOMPARE(snap(byButton), snap(byMenu));
}

// What each command sequence leaves: the rows in order, the report's first
// and last lines, and whether the board is closed.
void CommandsTest::commandResults_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("vertexRows");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<bool>("closed");

    const QString pentagonContour = QStringLiteral("120,190 60,120 200,40 340,100 280,180");
    QTest::newRow("contour orders the rows")
        << Pentagon + QStringLiteral("; b 0") << pentagonContour
        << QStringLiteral("Върхове: 123 с координати: 120,190; 60,120; 200,40")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 26300") << true;
    QTest::newRow("contour twice gives the same")
        << Pentagon + QStringLiteral("; b 0; b 0") << pentagonContour
        << QStringLiteral("Върхове: 123 с координати: 120,190; 60,120; 200,40")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 26300") << true;
    QTest::newRow("in order after contour keeps the contour")
        << Pentagon + QStringLiteral("; b 0; b 1") << pentagonContour
        << QStringLiteral("Върхове: 123 с координати: 120,190; 60,120; 200,40")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 26300") << true;
    QTest::newRow("in order keeps the order of entry, crossing or not")
        << Pentagon + QStringLiteral("; b 1") << QStringLiteral("200,40 60,120 340,100 120,190 280,180")
        << QStringLiteral("Върхове: 123 с координати: 200,40; 60,120; 340,100")
        << QStringLiteral("Внимание: върховете не са подредени по контура, затова това не е лицето на изпъкнал "
                          "многоъгълник. „Контур“ ги подрежда.") << true;
    QTest::newRow("a right-button press adds a vertex")
        << QStringLiteral("r 10,10; r 40,10; p 10,50; b 1") << QStringLiteral("10,10 40,10 10,50")
        << QStringLiteral("Върхове: 123 с координати: 10,10; 40,10; 10,50")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 600") << true;
    QTest::newRow("two vertices close the board too")
        << QStringLiteral("p 10,10; p 40,10; b 1") << QStringLiteral("10,10 40,10")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 0")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 0") << true;
    QTest::newRow("a closed board ignores presses")
        << Triangle + QStringLiteral("; b 1; p 200,150") << QStringLiteral("20,30 120,30 60,110")
        << QStringLiteral("Върхове: 123 с координати: 20,30; 120,30; 60,110")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 4000") << true;
    QTest::newRow("a selection reopens the board")
        << Triangle + QStringLiteral("; b 1; s 0,0; p 200,150") << QStringLiteral("20,30 120,30 60,110 200,150")
        << QStringLiteral("Върхове: 123 с координати: 20,30; 120,30; 60,110")
        << QStringLiteral("Лице на изпъкналия многоъгълник = 4000") << false;
    QTest::newRow("clear empties board and report")
        << Triangle + QStringLiteral("; b 0; b 2") << QString() << QString() << QString() << false;
    QTest::newRow("clear on an empty board empties the description")
        << QStringLiteral("m 2") << QString() << QString() << QString() << false;
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

void CommandsTest::selectingARowFromEachList_data()
{
    QTest::addColumn<VertexModel::Column>("list");
    QTest::newRow("X") << VertexModel::XColumn;
    QTest::newRow("Y") << VertexModel::YColumn;
    QTest::newRow("number") << VertexModel::NumberColumn;
}

// A row clicked in any list is selected in all three, the canvas shows every
// vertex with the selected one red over the plain dot, and the board opens.
void CommandsTest::selectingARowFromEachList()
{
    QFETCH(VertexModel::Column, list);
    MainWindow window;
    window.show();
    play(window, Triangle + QStringLiteral("; b 1"));
    clickRow(window, list, 2);

    QCOMPARE(selectedRows(window), QList<int>(4, 2));
    QCOMPARE(canvasPixel(window, 60, 110), QRgb(0xFF0000));
    QCOMPARE(canvasPixel(window, 62, 111), QRgb(0xFF0000));
    QCOMPARE(canvasPixel(window, 20, 30), QRgb(0x000000));
    QCOMPARE(canvasPixel(window, 70, 30), QRgb(0xFFFFFF)); // the polygon is gone
    QVERIFY(!window.board().isClosed());
    QVERIFY(reportOf(window)->text().startsWith(QStringLiteral("Върхове: 123"))); // the report stays
}

void CommandsTest::keyboardSelectionSelectsInAllLists()
{
    MainWindow window;
    window.show();
    play(window, Triangle + QStringLiteral("; s 2,0"));
    QListView *numbers = listOf(window, VertexModel::NumberColumn);
    numbers->setFocus();
    QTest::keyClick(numbers, Qt::Key_Down);
    settle();
    QCOMPARE(selectedRows(window), QList<int>(4, 1));
    QCOMPARE(canvasPixel(window, 120, 30), QRgb(0xFF0000));
}

// A full board: the 32,768th press is refused with a message and loses
// nothing; every command, a selection and a deletion still work on it.
void CommandsTest::fullBoardRefusesAPressAndTakesEveryCommand()
{
    MainWindow window;
    window.show();
    for (int i = 0; i < VertexModel::MaxVertices; ++i)
        pressCanvas(window, QPoint(i % 461, i % 193));
    settle();
    const Snapshot full = snap(window);
    QCOMPARE(full.vertexCount, VertexModel::MaxVertices);

    pressCanvas(window, QPoint(100, 100));
    settle();
    QCOMPARE(snap(window), full);
    auto *message = window.findChild<QMessageBox *>();
    QVERIFY(message && message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("32767")));
    message->accept();

    const auto reportedTriangles = [&] { return reportOf(window)->text().count(QStringLiteral("Върхове: 1")); };
    pressButton(window, "connectInOrderAction");
    QCOMPARE(reportedTriangles(), VertexModel::MaxVertices - 2);
    QVERIFY(reportOf(window)->text().contains(QStringLiteral("Върхове: 13276632767 с координати: ")));
    clickRow(window, VertexModel::YColumn, 20000);
    QCOMPARE(selectedRows(window), QList<int>(4, 20000));
    pressButton(window, "deleteVertexAction");
    QCOMPARE(window.board().vertices().vertexCount(), VertexModel::MaxVertices - 1);
    pressCanvas(window, QPoint(5, 6));
    const Snapshot refilled = snap(window);
    QCOMPARE(refilled.numbers.last(), QStringLiteral("32767"));
    QCOMPARE(refilled.x.last(), QStringLiteral("5"));
    pressButton(window, "orderContourAction");
    QVERIFY(window.board().isClosed());
    QCOMPARE(reportedTriangles(), VertexModel::MaxVertices - 2);
    pressButton(window, "clearAllAction");
    QCOMPARE(window.board().vertices().vertexCount(), 0);
    QVERIFY(reportOf(window)->text().isEmpty());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
