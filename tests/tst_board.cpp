// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as a document, without a widget: what every event does to its
// rows, selection, closed flag, report and figure, what undo and redo bring
// back, and how vertices come in from text.
#include "BoardFixture.h"

#include <QCryptographicHash>
#include <QtTest>

#include <numeric>

namespace {

// Vertices far apart, so that every dot has pixels of its own.
const QStringList Spread = {"40,50", "200,120", "330,240", "100,200", "250,30"};

QString firstVertices(int n)
{
    return Spread.mid(0, n).join(u' ');
}

QPoint pointOf(const QString &pair)
{
    return {pair.section(u',', 0, 0).toInt(), pair.section(u',', 1).toInt()};
}

std::vector<Point> pointsOf(const QString &pairs)
{
    std::vector<Point> points;
    for (const QString &pair : pairs.split(u' ', Qt::SkipEmptyParts))
        points.push_back(VertexModel::pointAt(pointOf(pair)));
    return points;
}

// The figure in words: "nothing", "dots", "dots, 2 red" or "fan of 4".
QString figureOf(const Board &board)
{
    const DrawnFigure &figure = board.figure();
    switch (figure.base) {
    case DrawnFigure::Base::Nothing: return QStringLiteral("dots");
    case DrawnFigure::Base::Vertices:
        return figure.marked < 0 ? QStringLiteral("dots") : QStringLiteral("dots, %1 red").arg(figure.marked);
    case DrawnFigure::Base::Fan: return QStringLiteral("fan of %1").arg(figure.baseVertices);
    }
    return {};
}

// The report in words: its first line, "task" for the one shown at start;
// " (old)" after it while it describes the rows before a change.
QString reportOf(const Board &board)
{
    const QString report = board.report() == TestedBoard::Task ? QStringLiteral("task") : board.report().section(u'\r', 0, 0);
    return board.isReportOutOfDate() ? report + QStringLiteral(" (old)") : report;
}

// Plays a script of the user's events, separated by ";": "p X,Y" a press,
// "v X,Y X,Y ..." lines pasted at once, "s R" row R picked, "o" "Контур",
// "i" "Поред", "c" "Чисти", "d" "Трий 1т", "z" undo, "y" redo, "x R,T" and
// "h R,T" the X or the Y of row R typed anew as T, "t X,Y X,Y ..." a task,
// "g R" row R taken, "m X,Y" the taken vertex moved, "u" put down, "b" back.
void play(Board &board, const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString event = step.trimmed().left(1);
        QString argument = step.trimmed().mid(1).trimmed();
        if (event == u"p")
            board.placeVertex(pointOf(argument));
        else if (event == u"v")
            board.placeVertexLines(argument.replace(u',', u'\t').replace(u' ', u'\n'));
        else if (event == u"s")
            board.selectRow(argument.toInt());
        else if (event == u"o")
            board.orderContour();
        else if (event == u"i")
            board.connectInOrder();
        else if (event == u"c")
            board.clearAll();
        else if (event == u"d")
            board.deleteSelected();
        else if (event == u"x" || event == u"h")
            board.moveVertex(argument.section(u',', 0, 0).toInt(),
                             event == u"x" ? VertexModel::XColumn : VertexModel::YColumn, argument.section(u',', 1));
        else if (event == u"t")
            board.openInContourOrder(pointsOf(argument));
        else if (event == u"g")
            board.takeVertex(argument.toInt());
        else if (event == u"m")
            board.moveTaken(pointOf(argument));
        else if (event == u"u")
            board.putDown();
        else if (event == u"b")
            board.putBack();
        else if (event == u"z")
            board.undo();
        else if (event == u"y")
            board.redo();
    }
}

// A verdict as the paste table writes it: nothing when all is placed, else
// what is wrong and the line at fault.
QString described(const Placement &placement)
{
    static const char *const outcomes[] = {"", "closed", "no vertices", "not a vertex", "off the canvas", "no room"};
    return placement.placed() ? QString()
        : QStringLiteral("%1 %2 %3").arg(outcomes[placement.outcome]).arg(placement.lineNumber).arg(placement.lineText).trimmed();
}

// A step of a given size, which changes nothing.
class SizedStep : public BoardHistory::Step
{
public:
    SizedStep(qint64 bytes, qint64 found) : m_bytes(bytes), m_found(found) {}
    void undo() override {}
    void redo() override {}
    qint64 keptBytes() const override { return m_bytes; }
    qint64 foundBytes() const override { return m_found; }

private:
    qint64 m_bytes;
    qint64 m_found;
};

} // namespace

class TestBoardDocument : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void undoAndRedo_data();
    void undoAndRedo();
    void dragFollowsInOrder_data();
    void dragFollowsInOrder();
    void reportFollowsALargeMove();
    void historyKeepsItsBytes_data();
    void historyKeepsItsBytes();
    void deleteVertex_data();
    void deleteVertex();
    void pressOnOneSpotTwice();
    void fullBoardRefusesPress();
    void pasteVertexLines_data();
    void pasteVertexLines();
    void copiedBoardPastesBack();
    void keptBoardGivenBack_data();
    void keptBoardGivenBack();
    void keptBoardRefused_data();
    void keptBoardRefused();
};

// What each event does, from a board of `vertices`, of which `state` made
// row `selected` the picked one and `closed` a computed one.
void TestBoardDocument::transitions_data()
{
    QTest::addColumn<int>("vertices");
    QTest::addColumn<QString>("state"); // the script that made the board, after its vertices
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("rowsAfter");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("closedAfter");
    QTest::addColumn<QString>("figureAfter");
    QTest::addColumn<QString>("reportAfter");

    const QString three = firstVertices(3), total = QStringLiteral("Върхове: 123 с координати: 40,50; 200,120; 330,240");
    QTest::newRow("clear, closed") << 3 << "s 1; i" << "c" << "" << -1 << false << "dots" << "";
    QTest::newRow("clear, empty board") << 0 << "" << "c" << "" << -1 << false << "dots" << "";
    QTest::newRow("contour, open")
        << 3 << "" << "o" << "330,240 200,120 40,50" << -1 << true << "fan of 3"
        << "Върхове: 123 с координати: 330,240; 200,120; 40,50";
    QTest::newRow("contour, closed, picked")
        << 3 << "s 1; i" << "o" << "330,240 200,120 40,50" << -1 << true << "fan of 3"
        << "Върхове: 123 с координати: 330,240; 200,120; 40,50";
    QTest::newRow("in order, closed, picked") << 3 << "s 1; i" << "i" << three << 1 << true << "fan of 3" << total;
    QTest::newRow("in order, two vertices")
        << 2 << "" << "i" << firstVertices(2) << -1 << true << "fan of 2" << "Лице на изпъкналия многоъгълник = 0";
    QTest::newRow("in order, empty board") << 0 << "" << "i" << "" << -1 << true << "fan of 0"
                                           << "Лице на изпъкналия многоъгълник = 0";
    QTest::newRow("press, open") << 3 << "" << "p 10,10" << three + " 10,10" << -1 << false << "dots" << "task";
    QTest::newRow("press, open, picked") << 3 << "s 1" << "p 10,10" << three + " 10,10" << 1 << false << "dots, 1 red"
                                         << "task";
    QTest::newRow("press, closed") << 3 << "i" << "p 10,10" << three << -1 << true << "fan of 3" << total;
    QTest::newRow("press, closed empty board") << 0 << "i" << "p 10,10" << "" << -1 << true << "fan of 0"
                                               << "Лице на изпъкналия многоъгълник = 0";
    QTest::newRow("pick, closed") << 3 << "i" << "s 2" << three << 2 << false << "dots, 2 red" << total;
    QTest::newRow("pick another row, two vertices, closed")
        << 2 << "s 0; i" << "s 1" << firstVertices(2) << 1 << false << "dots, 1 red"
        << "Лице на изпъкналия многоъгълник = 0";
    QTest::newRow("pick the picked row, closed") << 3 << "s 1; i" << "s 1" << three << 1 << true << "fan of 3" << total;
    QTest::newRow("pick past the last row, closed") << 3 << "s 1; i" << "s 3" << three << 1 << true << "fan of 3" << total;
    QTest::newRow("delete, picked, closed") << 3 << "s 1; i" << "d" << "40,50 330,240" << -1 << false << "dots"
                                            << total + " (old)";
    QTest::newRow("press after a pick, closed") << 3 << "i; s 1" << "p 10,10" << three + " 10,10" << 1 << false
                                                << "dots, 1 red" << total + " (old)";
    QTest::newRow("delete, nothing picked") << 3 << "" << "d" << three << -1 << false << "dots" << "task";
    QTest::newRow("delete, nothing picked, closed") << 3 << "i" << "d" << three << -1 << true << "fan of 3" << total;
    QTest::newRow("delete after contour") << 3 << "s 1; o" << "d" << "330,240 200,120 40,50" << -1 << true
                                          << "fan of 3" << "Върхове: 123 с координати: 330,240; 200,120; 40,50";
}

void TestBoardDocument::transitions()
{
    QFETCH(int, vertices);
    QFETCH(QString, state);
    QFETCH(QString, event);
    TestedBoard board;
    if (vertices > 0)
        board.placeVertexLines(firstVertices(vertices).replace(u',', u'\t').replace(u' ', u'\n'));
    play(board, state);
    const QString reportBefore = board.report();
    QSignalSpy reportSent(&board, &Board::reportChanged);

    play(board, event);

    // Sent to the report box only when its text changed: a press keeps the
    // box's scroll position, caret and selection.
    QCOMPARE(reportSent.count(), board.report() == reportBefore ? 0 : 1);
    QTEST(rows(board.vertices()), "rowsAfter");
    QCOMPARE(columnTexts(board.vertices(), VertexModel::NumberColumn), numbersUpTo(board.vertices().vertexCount()));
    QTEST(board.selectedRow(), "selectedAfter");
    QTEST(board.isClosed(), "closedAfter");
    QTEST(figureOf(board), "figureAfter");
    QTEST(reportOf(board), "reportAfter");
}

// Each change is one step, taken back whole; a change that shows nothing
// new is none.
void TestBoardDocument::undoAndRedo_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("rowsAfter");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("closedAfter");
    QTest::addColumn<QString>("figureAfter");
    QTest::addColumn<QString>("reportAfter");

    const QString triangle = QStringLiteral("p 10,10; p 200,20; p 30,150");
    QTest::newRow("a press") << triangle + "; z" << "10,10 200,20" << -1 << false << "dots" << "task";
    QTest::newRow("a deletion keeps its row") << triangle + "; s 1; d; z" << "10,10 200,20 30,150" << 1 << false
                                              << "dots, 1 red" << "task";
    QTest::newRow("a paste, whole") << "p 5,5; v 1,1 2,2 3,3; z" << "5,5" << -1 << false << "dots" << "task";
    QTest::newRow("clear brings back the closed board")
        << triangle + "; i; c; z" << "10,10 200,20 30,150" << -1 << true << "fan of 3"
        << "Върхове: 123 с координати: 10,10; 200,20; 30,150";
    QTest::newRow("a command that changes only what is shown")
        << triangle + "; o; s 1; i; z" << "30,150 10,10 200,20" << 1 << false << "dots, 1 red"
        << "Върхове: 123 с координати: 30,150; 10,10; 200,20";
    QTest::newRow("in order after contour shows nothing new")
        << triangle + "; o; i; z" << "10,10 200,20 30,150" << -1 << false << "dots" << "task";
    QTest::newRow("clear of a cleared board shows nothing new")
        << "c; p 60,40; s 0; d; c; z" << "60,40" << 0 << false << "dots, 0 red" << "";
    QTest::newRow("contour, undone and redone")
        << triangle + "; o; z; y" << "30,150 10,10 200,20" << -1 << true << "fan of 3"
        << "Върхове: 123 с координати: 30,150; 10,10; 200,20";
    QTest::newRow("a vertex moved, the polygon gone, the report kept")
        << triangle + "; i; s 1; x 1,77" << "10,10 77,20 30,150" << 1 << false << "dots, 1 red"
        << "Върхове: 123 с координати: 10,10; 200,20; 30,150 (old)";
    QTest::newRow("a deletion undone: the report of the rows again")
        << triangle + "; i; s 1; d; z" << "10,10 200,20 30,150" << 1 << false << "dots, 1 red"
        << "Върхове: 123 с координати: 10,10; 200,20; 30,150";
    QTest::newRow("a move undone") << triangle + "; h 2,99; z" << "10,10 200,20 30,150" << -1 << false << "dots" << "task";
    QTest::newRow("a move to no number") << triangle + "; h 2,9a" << "10,10 200,20 30,150" << -1 << false << "dots"
                                         << "task";
    QTest::newRow("a move off the canvas") << triangle + "; x 0,400" << "10,10 200,20 30,150" << -1 << false << "dots"
                                           << "task";
    const QString task = QStringLiteral("Върхове: 123 с координати: 30,150; 10,10; 200,20");
    QTest::newRow("a task, in contour order") << "p 5,5; t 10,10 200,20 30,150" << "30,150 10,10 200,20" << -1
                                              << true << "fan of 3" << task;
    QTest::newRow("a task, one step") << "p 5,5; t 10,10 200,20 30,150; z" << "5,5" << -1 << false << "dots" << "task";
    QTest::newRow("a task off the canvas") << "p 5,5; t 10,10 500,20" << "5,5" << -1 << false << "dots" << "task";
    const QString pentagon = QStringLiteral("v 260,230 140,230 100,110 200,40 300,110; o");
    const QString dragged = QStringLiteral("260,230 140,230 120,120 200,40 300,110");
    const QString draggedReport = QStringLiteral("Върхове: 123 с координати: 260,230; 140,230; 120,120");
    QTest::newRow("a drag, one step") << pentagon + "; g 2; m 110,115; m 120,120; u" << dragged << -1 << true
                                      << "fan of 5" << draggedReport;
    QTest::newRow("a drag undone whole") << pentagon + "; g 2; m 110,115; m 120,120; u; z"
                                         << "260,230 140,230 100,110 200,40 300,110" << -1 << true << "fan of 5"
                                         << "Върхове: 123 с координати: 260,230; 140,230; 100,110";
    QTest::newRow("a drag put down by undo, then undone")
        << pentagon + "; g 2; m 120,120; z; y" << dragged << -1 << true << "fan of 5" << draggedReport;
    QTest::newRow("a drag put down by another command, a step of its own")
        << pentagon + "; g 2; m 120,120; c; z; z" << "260,230 140,230 100,110 200,40 300,110" << -1 << true
        << "fan of 5" << "Върхове: 123 с координати: 260,230; 140,230; 100,110";
    QTest::newRow("back where it was taken: no step") << pentagon + "; g 2; m 120,120; m 100,110; u; z"
                                                      << "260,230 140,230 100,110 200,40 300,110" << -1 << false
                                                      << "dots" << "task";
    QTest::newRow("a drag kept on the canvas") << pentagon + "; g 4; m 500,-9; u"
                                               << "260,230 140,230 100,110 200,40 399,0" << -1 << true << "fan of 5"
                                               << "Върхове: 123 с координати: 260,230; 140,230; 100,110";
    QTest::newRow("no drag on an open board") << triangle + "; g 1; m 50,50; u" << "10,10 200,20 30,150" << -1
                                              << false << "dots" << "task";
    QTest::newRow("undone to the start") << triangle + "; o; c; z; z; z; z; z; z" << "" << -1 << false << "dots"
                                         << "task";
}

void TestBoardDocument::undoAndRedo()
{
    QFETCH(QString, script);
    TestedBoard board;

    play(board, script);

    QTEST(rows(board.vertices()), "rowsAfter");
    QTEST(board.selectedRow(), "selectedAfter");
    QTEST(board.isClosed(), "closedAfter");
    QTEST(figureOf(board), "figureAfter");
    QTEST(reportOf(board), "reportAfter");
}

// Vertex 3 of a pentagon after "Контур" dragged along a path: at every
// place, and where it is put down, the report is to the byte that of
// "Поред" on the rows as they stand; put back, or undone, it is the report
// before.
void TestBoardDocument::dragFollowsInOrder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("end"); // "u" put down, "b" put back
    QTest::addColumn<QString>("vertex3");
    QTest::addColumn<bool>("warned");

    QTest::newRow("by (+20, +10)") << "105,112 120,120" << "u" << "120,120" << false;
    QTest::newRow("across its neighbours' line: the warning") << "150,120 180,130" << "u" << "180,130" << true;
    QTest::newRow("across and back: the warning goes") << "180,130 120,120" << "u" << "120,120" << false;
    QTest::newRow("put back: Escape") << "180,130" << "b" << "100,110" << false;
}

void TestBoardDocument::dragFollowsInOrder()
{
    QFETCH(QString, path);
    QFETCH(QString, end);
    TestedBoard board;
    play(board, QStringLiteral("v 260,230 140,230 100,110 200,40 300,110; o"));
    const QString before = board.report();
    const auto inOrder = [&] {
        TestedBoard fresh;
        fresh.placeVertexLines(board.vertices().vertexLines());
        fresh.connectInOrder();
        QCOMPARE(board.reportLines().lineStarts, fresh.reportLines().lineStarts);
        QCOMPARE(board.report(), fresh.report());
    };

    QVERIFY(board.takeVertex(2));
    for (const QString &to : path.split(u' ')) {
        play(board, "m " + to);
        inOrder();
    }
    play(board, end);

    QTEST(rows(board.vertices()).split(u' ')[2], "vertex3");
    inOrder();
    QTEST(board.report().contains(QStringLiteral("Внимание: връх 3 е вътре")), "warned");
    board.undo();
    QCOMPARE(board.report(), end == u"u" ? before : QStringLiteral("задача\r\n"));
}

// Vertex 1 of a full board moved on and on, faster than its report of
// 32,765 triangles is written: the report follows while it moves, and
// comes to that of the rows where it stops.
void TestBoardDocument::reportFollowsALargeMove()
{
    TestedBoard board, fresh;
    QString others;
    for (int i = 1; i < Board::MaxVertices; ++i)
        others += QStringLiteral("%1\t%2\n").arg(200 + i % 150).arg(i % 97);
    board.placeVertexLines("5\t5\n" + others);
    board.connectInOrder();
    QVERIFY(board.takeVertex(0));
    QSignalSpy written(&board, &Board::reportChanged);
    for (int x = 10; x < 60; ++x) {
        board.moveTaken(QPoint(x, 250));
        QTest::qWait(20);
    }
    QVERIFY(written.count() > 1); // written again while the vertex moves on
    fresh.placeVertexLines("59\t250\n" + others);
    fresh.connectInOrder();
    QTRY_COMPARE(board.report(), fresh.report());
}

void TestBoardDocument::historyKeepsItsBytes_data()
{
    QTest::addColumn<QList<qint64>>("steps"); // their bytes, oldest first
    QTest::addColumn<QList<qint64>>("found"); // the bytes each found; none: 0
    QTest::addColumn<int>("kept");            // the newest steps

    const QList<qint64> none;
    QTest::newRow("all fit") << QList<qint64>{300, 300, 300} << none << 3;
    QTest::newRow("the oldest go") << QList<qint64>{300, 400, 500} << none << 2;
    QTest::newRow("the newest stays, however large") << QList<qint64>{100, 5000} << none << 1;
    QTest::newRow("exactly the bound") << QList<qint64>{200, 500, 500} << none << 2;
    QTest::newRow("what the oldest kept found counts") << QList<qint64>{600, 300, 200} << QList<qint64>{0, 600, 0} << 1;
    QTest::newRow("by count too") << QList<qint64>(BoardHistory::MostSteps + 5, 1) << none << BoardHistory::MostSteps;
}

void TestBoardDocument::historyKeepsItsBytes()
{
    QFETCH(QList<qint64>, steps);
    QFETCH(QList<qint64>, found);
    QFETCH(int, kept);
    BoardHistory history(1000);

    for (qsizetype i = 0; i < steps.size(); ++i)
        history.record(std::make_shared<SizedStep>(steps[i], found.value(i)));

    QCOMPARE(history.count(), kept);
    QCOMPARE(history.index(), history.count());
    const qsizetype oldest = steps.size() - kept;
    QCOMPARE(history.bytes(), std::accumulate(steps.begin() + oldest, steps.end(), found.value(oldest)));
}

void TestBoardDocument::deleteVertex_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("middle") << firstVertices(4) << 1 << "40,50 330,240 100,200";
    QTest::newRow("first") << firstVertices(4) << 0 << "200,120 330,240 100,200";
    QTest::newRow("last") << firstVertices(4) << 3 << firstVertices(3);
    QTest::newRow("only") << firstVertices(1) << 0 << QString();
}

// The picked vertex goes, the others keep their order and are numbered
// afresh; the next press gets the number after the last.
void TestBoardDocument::deleteVertex()
{
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(QString, remaining);
    TestedBoard board;
    setRows(board, rows);
    board.selectRow(selected);

    board.deleteSelected();

    QCOMPARE(::rows(board.vertices()), remaining);
    const int n = board.vertices().vertexCount();
    board.placeVertex(QPoint(10, 290));
    QCOMPARE(columnTexts(board.vertices(), VertexModel::NumberColumn), numbersUpTo(n + 1));
    QCOMPARE(columnTexts(board.vertices(), VertexModel::XColumn).last(), QStringLiteral("10"));
}

void TestBoardDocument::pressOnOneSpotTwice()
{
    TestedBoard board;
    setRows(board, firstVertices(2));

    board.placeVertex(QPoint(60, 70));
    board.placeVertex(QPoint(60, 70));

    QCOMPARE(rows(board.vertices()), firstVertices(2) + " 60,70 60,70");
    QCOMPARE(columnTexts(board.vertices(), VertexModel::NumberColumn), numbersUpTo(4));
}

// Vertex numbers are 16-bit and end at 32767: a full board keeps every
// vertex and says so instead of failing, and takes every command.
void TestBoardDocument::fullBoardRefusesPress()
{
    TestedBoard board;
    QString lines;
    for (int i = 1; i <= Board::MaxVertices; ++i)
        lines += QStringLiteral("%1 %2\n").arg(i % 400).arg(i % 300);
    QVERIFY(board.placeVertexLines(lines).placed());
    const QString before = rows(board.vertices());

    QCOMPARE(board.placeVertex(QPoint(399, 299)).outcome, Placement::NoRoom);

    QCOMPARE(board.vertices().vertexCount(), Board::MaxVertices);
    QCOMPARE(rows(board.vertices()), before);
    const auto reportedTriangles = [&] { return int(board.report().count(QStringLiteral("Върхове: 1"))); };
    board.connectInOrder();
    QCOMPARE(reportedTriangles(), Board::MaxVertices - 2);
    QVERIFY(board.report().contains(QStringLiteral("Върхове: 13276632767 с координати: ")));
    board.selectRow(20000);
    board.deleteSelected();
    QVERIFY(board.placeVertex(QPoint(5, 6)).placed());
    QCOMPARE(columnTexts(board.vertices(), VertexModel::NumberColumn).last(), QStringLiteral("32767"));
    board.orderContour();
    QVERIFY(board.isClosed());
    QCOMPARE(reportedTriangles(), Board::MaxVertices - 2);
}

void TestBoardDocument::pasteVertexLines_data()
{
    QTest::addColumn<int>("placedBefore"); // vertices on the board already
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("opened"); // opened as a board, not pasted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("placed"); // rows added, as setRows writes them
    QTest::addColumn<QString>("problem"); // the verdict, described; none when all is placed

    // The canvas is 400 x 300 pixels.
    QTest::newRow("tab, blanks, semicolon; every line end")
        << 0 << false << false << "10\t20\n30  40\r\n50;60\r 70 ; 80 \n" << "10,20 30,40 50,60 70,80" << QString();
    QTest::newRow("blank lines passed over") << 0 << false << false << "\n \t\n0\t0\n\n399\t299\n" << "0,0 399,299" << QString();
    QTest::newRow("after the vertices there are") << 2 << false << false << "5 6" << "5,6" << QString();
    QTest::newRow("a decimal number") << 0 << false << false << "1 2\n10.5\t20" << QString() << "not a vertex 2 10.5\t20";
    QTest::newRow("one number") << 0 << false << false << "1 2\n\n30\n" << QString() << "not a vertex 3 30";
    QTest::newRow("three numbers") << 0 << false << false << "1 2 3" << QString() << "not a vertex 1 1 2 3";
    QTest::newRow("signs run together") << 0 << false << false << "1-2" << QString() << "not a vertex 1 1-2";
    QTest::newRow("two semicolons") << 0 << false << false << "1;;2" << QString() << "not a vertex 1 1;;2";
    QTest::newRow("words") << 0 << false << false << "X\tY\n1\t2" << QString() << "not a vertex 1 X\tY";
    QTest::newRow("right of the canvas") << 0 << false << false << "1 2\n400 10" << QString() << "off the canvas 2 400 10";
    QTest::newRow("above the canvas") << 0 << false << false << "10 -1" << QString() << "off the canvas 1 10 -1";
    QTest::newRow("far too large") << 0 << false << false << "99999999999999999999 1" << QString()
                                   << "off the canvas 1 99999999999999999999 1";
    QTest::newRow("closed board") << 0 << true << false << "1 2" << QString() << "closed 0";
    QTest::newRow("no vertices at all") << 0 << false << false << " \n" << QString() << "no vertices 0";
    QTest::newRow("more than the board holds") << Board::MaxVertices - 2 << false << false
                                               << "1 1\n2 2\n3 3\n4 4" << QString() << "no room 3 3 3";
    QTest::newRow("filling the board") << Board::MaxVertices - 2 << false << false << "1 1\n2 2" << "1,1 2,2" << QString();
    // An opened board replaces the board, closed or not.
    QTest::newRow("a board opened") << 2 << true << true << "10\t20\r\n30\t40\r\n" << "10,20 30,40" << QString();
    QTest::newRow("a bad board keeps the board") << 2 << false << true << "1\t2\r\nx" << QString() << "not a vertex 2 x";
}

// Every vertex of the text is placed, in order and as a press would place
// it, or none is and the verdict names the line and what is wrong with it.
void TestBoardDocument::pasteVertexLines()
{
    QFETCH(int, placedBefore);
    QFETCH(bool, closed);
    QFETCH(bool, opened);
    QFETCH(QString, text);
    QFETCH(QString, placed);
    QFETCH(QString, problem);
    TestedBoard board;
    QString before;
    for (int i = 0; i < placedBefore; ++i)
        before += QStringLiteral("%1 200\n").arg(200 + i % 2);
    board.placeVertexLines(before);
    if (closed)
        board.connectInOrder();
    const int steps = board.history().count();

    const Placement placement = opened ? board.openVertexLines(text) : board.placeVertexLines(text);

    QCOMPARE(described(placement), problem);
    const QStringList added = placed.split(u' ', Qt::SkipEmptyParts);
    const int kept = opened && !added.isEmpty() ? 0 : placedBefore;
    QCOMPARE(board.vertices().vertexCount(), kept + added.size());
    QCOMPARE(rows(board.vertices()).split(u' ', Qt::SkipEmptyParts).mid(kept), added);
    QCOMPARE(board.history().count(), steps + (added.isEmpty() ? 0 : 1));
}

// A board copied out of the lists and pasted onto a clear one gives the
// same rows and, computed, the same report.
void TestBoardDocument::copiedBoardPastesBack()
{
    TestedBoard pressed, pasted;
    for (const QString &pair : Spread)
        pressed.placeVertex(pointOf(pair));

    QVERIFY(pasted.placeVertexLines(pressed.vertices().vertexLines()).placed());

    QCOMPARE(rows(pasted.vertices()), rows(pressed.vertices()));
    pressed.orderContour();
    pasted.orderContour();
    QCOMPARE(pasted.report(), pressed.report());
}

// A board kept in a recovery file and given back to a board just started is
// the same board, its report to the last byte; one undo takes it back to the
// start.
void TestBoardDocument::keptBoardGivenBack_data()
{
    QTest::addColumn<QString>("script");
    const QString five = QStringLiteral("v ") + Spread.join(u' ');
    QTest::newRow("placed") << five;
    QTest::newRow("contour") << five + "; o";
    QTest::newRow("in order, picked") << five + "; i; s 2";
    QTest::newRow("a vertex deleted under the report") << five + "; o; s 1; d";
    QTest::newRow("a vertex moved under the report") << five + "; i; s 3; x 3,77";
    QTest::newRow("placed after a pick") << five + "; i; s 1; p 10,10";
    QTest::newRow("walked round the boundary")
        << "v 100,190 250,10 300,150 125,145 275,80 250,10 200,170 300,150 200,55 150,100; o";
    QTest::newRow("computed without vertices") << "i";
}

void TestBoardDocument::keptBoardGivenBack()
{
    QFETCH(QString, script);
    TestedBoard board, restored;
    play(board, script);
    KeptBoard kept = board.kept();
    kept.marks = {{QStringLiteral("grid"), QStringLiteral("shown")}};

    const KeptBoardReading reading = readKeptBoard(keptBoardBytes(kept));
    QCOMPARE(reading.outcome, KeptBoardReading::Read);
    QVERIFY(restored.openKept(reading.board).placed());

    QCOMPARE(reading.board.marks, kept.marks);
    QCOMPARE(rows(restored.vertices()), rows(board.vertices()));
    QCOMPARE(restored.report(), board.report());
    QCOMPARE(reportOf(restored), reportOf(board));
    QCOMPARE(restored.selectedRow(), board.selectedRow());
    QCOMPARE(restored.isClosed(), board.isClosed());
    QCOMPARE(figureOf(restored), figureOf(board));
    QVERIFY(restored.kept() == board.kept());
    restored.history().undo();
    QCOMPARE(reportOf(restored) + rows(restored.vertices()), QStringLiteral("task"));
}

// A file whose every byte is checked: the heading, the rows' counts, the
// picked row, and the check of all before it on its last line.
void TestBoardDocument::keptBoardRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("outcome");
    TestedBoard board;
    play(board, QStringLiteral("v ") + Spread.join(u' ') + "; o");
    const QByteArray file = keptBoardBytes(board.kept());
    const auto checked = [](QByteArray lines) {
        lines.prepend("Zarvelon recovery file 1\n");
        return lines + "check=" + QCryptographicHash::hash(lines, QCryptographicHash::Sha1).toHex() + '\n';
    };
    QTest::newRow("whole") << file << int(KeptBoardReading::Read);
    QTest::newRow("a key of a later program") << checked("grid=on\nrows=1\n1\t2\n") << int(KeptBoardReading::Read);
    QTest::newRow("empty") << QByteArray() << int(KeptBoardReading::Truncated);
    QTest::newRow("cut in half") << file.first(file.size() / 2) << int(KeptBoardReading::Truncated);
    QTest::newRow("its last line end cut") << file.chopped(1) << int(KeptBoardReading::Truncated);
    QTest::newRow("a digit changed") << QByteArray(file).replace("40\t50", "41\t50") << int(KeptBoardReading::Corrupted);
    QTest::newRow("vertex lines") << QByteArray("40\t50\n200\t120\n") << int(KeptBoardReading::Foreign);
    QTest::newRow("a later version") << QByteArray(file).replace("file 1", "file 2") << int(KeptBoardReading::Foreign);
    QTest::newRow("larger than any board") << file + QByteArray(LargestKeptBoard, '\n') << int(KeptBoardReading::TooLarge);
    QTest::newRow("fewer rows than counted") << checked("rows=2\n1\t2\n") << int(KeptBoardReading::Corrupted);
    QTest::newRow("a row not a number") << checked("rows=1\n1\t2a\n") << int(KeptBoardReading::Corrupted);
    QTest::newRow("no rows") << checked("picked=-1\n") << int(KeptBoardReading::Corrupted);
    QTest::newRow("picked past the rows") << checked("picked=1\nrows=1\n1\t2\n") << int(KeptBoardReading::Corrupted);
    QTest::newRow("an old report without one")
        << checked("computed=no\nrows=0\nreported=0\n") << int(KeptBoardReading::Corrupted);
}

void TestBoardDocument::keptBoardRefused()
{
    QFETCH(QByteArray, bytes);
    QTEST(int(readKeptBoard(bytes).outcome), "outcome");
}

QTEST_GUILESS_MAIN(TestBoardDocument)
#include "tst_board.moc"
