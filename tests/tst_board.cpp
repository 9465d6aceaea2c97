// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"

#include "AreaReport.h"
#include "Fan.h"
#include "WholeFile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

// Vertices far apart, so that every dot has pixels of its own.
const QStringList Spread = {"40,50", "200,120", "330,240", "100,200", "250,30"};
// A mark away from every vertex, standing for a drawn polygon.
const QPoint Stray(380, 280);
const QString OldReport = QStringLiteral("отчет");

QString firstVertices(int n)
{
    return Spread.mid(0, n).join(u' ');
}

QPoint pointOf(const QString &pair)
{
    return {pair.section(u',', 0, 0).toInt(), pair.section(u',', 1).toInt()};
}

// A used board: vertices, the given one selected, a mark on the canvas and a
// report. The selection opened the board; `closed` closes it again, as a
// computation after it would.
void makeUsed(Board &board, const QString &rows, int selected, bool closed)
{
    setRows(board.vertices, rows);
    board.vertices.selectRow(selected);
    board.canvas.draw([](Picture &picture) { return picture.drawDot(Stray, 1, Qt::black); });
    board.report.setText(OldReport);
    board.vertices.setClosed(closed);
}

// Every vertex of `rows` shows as a whole dot in its colour, the marked one
// red over the plain one, and the mark of an earlier figure is gone.
void verifyDots(const Board &board, const QString &rows, int marked)
{
    const QImage &picture = board.canvas.picture().image();
    const QStringList pairs = rows.split(u' ', Qt::SkipEmptyParts);
    for (int r = 0; r < pairs.size(); ++r) {
        const QPoint p = pointOf(pairs[r]);
        const QRgb expected = r == marked ? Red : Black;
        // The dot's 21 pixels, five across without the corners, as far as
        // the picture goes.
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (std::abs(dx) + std::abs(dy) < 4 && picture.rect().contains(p + QPoint(dx, dy)))
                    QCOMPARE(picture.pixel(p + QPoint(dx, dy)), expected);
    }
    QCOMPARE(picture.pixel(Stray), White);
}

enum Action { Clear, OrderAndReport, ReportInOrder, Press, SelectRow, Delete };

// A verdict as the paste table writes it: nothing when all is placed, else
// what is wrong and the line at fault.
QString described(const VertexLinesVerdict &verdict)
{
    static const char *const outcomes[] = {"", "closed", "no vertices", "not a vertex", "off the canvas", "no room"};
    return verdict.outcome == VertexLinesVerdict::Placed ? QString()
        : QStringLiteral("%1 %2 %3").arg(outcomes[verdict.outcome]).arg(verdict.lineNumber).arg(verdict.lineText).trimmed();
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data();
    void transitions();
    void clearing_data();
    void clearing();
    void press_data();
    void press();
    void pressOnOneSpotTwice();
    void fullBoardRefusesPress();
    void select_data();
    void select();
    void deleteVertex_data();
    void deleteVertex();
    void refusedChangesNothing_data();
    void refusedChangesNothing();
    void pasteVertexLines_data();
    void pasteVertexLines();
    void copiedBoardPastesBack();
};

// The vertex count, the closed flag and the selection after each action.
void TestBoard::transitions_data()
{
    QTest::addColumn<int>("vertices");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("vertexCount");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("closedAfter");

    QTest::newRow("clear all, closed") << 3 << 1 << true << int(Clear) << 0 << -1 << false;
    QTest::newRow("contour order, open") << 3 << -1 << false << int(OrderAndReport) << 3 << -1 << true;
    QTest::newRow("contour order, closed, selected") << 3 << 1 << true << int(OrderAndReport) << 3 << -1 << true;
    QTest::newRow("in order, closed, selected") << 3 << 1 << true << int(ReportInOrder) << 3 << 1 << true;
    QTest::newRow("in order, two vertices") << 2 << -1 << false << int(ReportInOrder) << 2 << -1 << true;
    QTest::newRow("in order, empty board") << 0 << -1 << false << int(ReportInOrder) << 0 << -1 << true;
    QTest::newRow("press, open") << 3 << -1 << false << int(Press) << 4 << -1 << false;
    QTest::newRow("press, open, selected") << 3 << 1 << false << int(Press) << 4 << 1 << false;
    QTest::newRow("press, closed") << 3 << -1 << true << int(Press) << 3 << -1 << true;
    QTest::newRow("press, closed empty board") << 0 << -1 << true << int(Press) << 0 << -1 << true;
    QTest::newRow("select, closed") << 3 << -1 << true << int(SelectRow) << 3 << 2 << false;
    QTest::newRow("select, two vertices, closed") << 2 << 0 << true << int(SelectRow) << 2 << 1 << false;
    QTest::newRow("delete selected, closed") << 3 << 1 << true << int(Delete) << 2 << -1 << false;
}

void TestBoard::transitions()
{
    QFETCH(int, vertices);
    QFETCH(int, selected);
    QFETCH(bool, closed);
    QFETCH(int, action);
    Board board;
    makeUsed(board, firstVertices(vertices), selected, closed);

    switch (Action(action)) {
    case Clear: board.controller.clearAll(); break;
    case OrderAndReport: board.controller.orderContour(); break;
    case ReportInOrder: board.controller.connectInOrder(); break;
    case Press: pressCanvas(board.canvas, QPoint(10, 10)); break;
    case SelectRow: board.vertices.selectRow(vertices - 1); break;
    case Delete: board.controller.deleteSelected(); break;
    }

    QTEST(board.vertices.vertexCount(), "vertexCount");
    QTEST(board.vertices.selectedRow(), "selectedAfter");
    QTEST(board.vertices.isClosed(), "closedAfter");
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(board.vertices.vertexCount()));
}

// What clearing and the computations keep and what they erase.
void TestBoard::clearing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("keepsRows");

    QTest::newRow("clear all") << int(Clear) << firstVertices(3) << false;
    QTest::newRow("clear all, empty board") << int(Clear) << QString() << false;
    // Four vertices: the white diagonal 1-3 runs through two dots.
    QTest::newRow("in order") << int(ReportInOrder) << firstVertices(4) << true;
}

void TestBoard::clearing()
{
    QFETCH(int, command);
    QFETCH(QString, rows);
    QFETCH(bool, keepsRows);
    Board board;
    makeUsed(board, rows, 0, true);

    command == Clear ? board.controller.clearAll() : board.controller.connectInOrder();

    QCOMPARE(board.vertices.selectedRow(), keepsRows ? 0 : -1);
    if (!keepsRows) {
        QCOMPARE(::rows(board.vertices), QString());
        QVERIFY(isBlank(board.canvas.picture().image()));
        QCOMPARE(board.report.text(), QString());
        QVERIFY(!board.vertices.isClosed());
        return;
    }
    // A computation starts on an empty canvas and report; the vertex dots
    // end up black over the figure, the selected one too.
    QCOMPARE(::rows(board.vertices), rows);
    verifyDots(board, rows, -1);
    QCOMPARE(board.report.text(), areaReport(fanOf(board.vertices.points())));
}

void TestBoard::press_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closed");

    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << false;
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers() << false;
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers() << false;
    QTest::newRow("left with Shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("right with Ctrl and Alt")
        << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << false;
    QTest::newRow("closed board") << Qt::LeftButton << Qt::KeyboardModifiers() << true;
}

void TestBoard::press()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closed);
    Board board;
    board.vertices.setClosed(closed);

    pressCanvas(board.canvas, QPoint(120, 85), button, modifiers);

    QCOMPARE(::rows(board.vertices), closed ? QString() : QStringLiteral("120,85"));
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(closed ? 0 : 1));
    QCOMPARE(board.vertices.isClosed(), closed);
    QCOMPARE(board.vertices.selectedRow(), -1);
    const QImage &picture = board.canvas.picture().image();
    if (closed) {
        QVERIFY(isBlank(picture));
        return;
    }
    // A round dot five pixels across, centred on the press.
    for (QPoint p : {QPoint(120, 85), QPoint(118, 85), QPoint(122, 85), QPoint(120, 83), QPoint(121, 87)})
        QCOMPARE(picture.pixel(p), Black);
    for (QPoint p : {QPoint(123, 85), QPoint(120, 88), QPoint(122, 87), QPoint(117, 83)})
        QCOMPARE(picture.pixel(p), White);
}

void TestBoard::pressOnOneSpotTwice()
{
    Board board;
    setRows(board.vertices, firstVertices(2));

    pressCanvas(board.canvas, QPoint(60, 70));
    pressCanvas(board.canvas, QPoint(60, 70));

    QCOMPARE(rows(board.vertices), firstVertices(2) + " 60,70 60,70");
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(4));
}

// Vertex numbers are 16-bit and end at 32767: a full board keeps every
// vertex and reports the refusal instead of failing.
void TestBoard::fullBoardRefusesPress()
{
    Board board;
    for (int i = 1; i <= VertexModel::MaxVertices; ++i)
        board.vertices.appendVertex(float(i % 400), float(i % 300));
    const QString before = rows(board.vertices);
    QSignalSpy refused(&board.controller, &BoardController::vertexLimitReached);

    pressCanvas(board.canvas, QPoint(399, 299));

    QCOMPARE(refused.count(), 1);
    QCOMPARE(board.vertices.vertexCount(), VertexModel::MaxVertices);
    QCOMPARE(rows(board.vertices), before);
    QVERIFY(isBlank(board.canvas.picture().image()));
}

void TestBoard::select_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("row");

    QTest::newRow("first row") << firstVertices(3) << -1 << 0;
    QTest::newRow("last row") << firstVertices(3) << -1 << 2;
    QTest::newRow("one vertex") << firstVertices(1) << -1 << 0;
    QTest::newRow("another row after a selection") << firstVertices(3) << 0 << 1;
}

// Selecting a vertex redraws every vertex with the selected one red, erases
// the figure, keeps the report and reopens the board.
void TestBoard::select()
{
    QFETCH(QString, rows);
    QFETCH(int, previous);
    QFETCH(int, row);
    Board board;
    makeUsed(board, rows, previous, true);

    board.vertices.selectRow(row);

    QCOMPARE(board.vertices.selectedRow(), row);
    verifyDots(board, rows, row);
    QVERIFY(!board.vertices.isClosed());
    QCOMPARE(board.report.text(), OldReport);
    QCOMPARE(::rows(board.vertices), rows);
}

void TestBoard::deleteVertex_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("middle") << firstVertices(4) << 1 << "40,50 330,240 100,200";
    QTest::newRow("first") << firstVertices(4) << 0 << "200,120 330,240 100,200";
    QTest::newRow("last") << firstVertices(4) << 3 << firstVertices(3);
    QTest::newRow("only") << firstVertices(1) << 0 << QString();
}

// The selected vertex goes, the others keep their order and are numbered
// afresh, all drawn black; nothing stays selected and the board is open, so
// the next press gets the number after the last.
void TestBoard::deleteVertex()
{
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(QString, remaining);
    Board board;
    makeUsed(board, rows, selected, true);

    board.controller.deleteSelected();

    QCOMPARE(::rows(board.vertices), remaining);
    const int n = board.vertices.vertexCount();
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(n));
    QCOMPARE(board.vertices.selectedRow(), -1);
    QCOMPARE(board.canvas.picture().image().pixel(pointOf(rows.split(u' ')[selected])), White);
    verifyDots(board, remaining, -1);
    QVERIFY(!board.vertices.isClosed());
    QCOMPARE(board.report.text(), OldReport);

    pressCanvas(board.canvas, QPoint(10, 290));
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(n + 1));
    QCOMPARE(board.vertices.xText(n), QStringLiteral("10"));
}

// Deleting without a selected vertex, or selecting no new row, leaves the
// board exactly as it was, a closed board closed.
void TestBoard::refusedChangesNothing_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("command"); // -1: select `row` instead
    QTest::addColumn<int>("row");

    const int remove = int(Delete);
    const int order = int(OrderAndReport);
    QTest::newRow("delete, nothing selected") << firstVertices(3) << -1 << false << remove << 0;
    QTest::newRow("delete, nothing selected, closed") << firstVertices(3) << -1 << true << remove << 0;
    QTest::newRow("delete, empty board, closed") << QString() << -1 << true << remove << 0;
    QTest::newRow("delete after contour ordering") << firstVertices(3) << 1 << false << order << 0;
    QTest::newRow("select the selected row, closed") << firstVertices(3) << 1 << true << -1 << 1;
    QTest::newRow("select no row, closed") << firstVertices(3) << 1 << true << -1 << -1;
    QTest::newRow("select past the last row, closed") << firstVertices(3) << 1 << true << -1 << 3;
}

void TestBoard::refusedChangesNothing()
{
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(bool, closed);
    QFETCH(int, command);
    QFETCH(int, row);
    Board board;
    makeUsed(board, rows, selected, closed);
    // Contour ordering leaves no selected vertex behind: deleting after it
    // must find nothing to delete.
    if (command == OrderAndReport)
        board.controller.orderContour();
    const QString rowsBefore = ::rows(board.vertices);
    const int selectedBefore = board.vertices.selectedRow();
    const bool closedBefore = board.vertices.isClosed();
    const QImage pictureBefore = board.canvas.picture().image();
    const QString reportBefore = board.report.text();

    if (command < 0)
        board.vertices.selectRow(row);
    else
        board.controller.deleteSelected();

    QCOMPARE(::rows(board.vertices), rowsBefore);
    QCOMPARE(board.vertices.selectedRow(), selectedBefore);
    QCOMPARE(board.vertices.isClosed(), closedBefore);
    QCOMPARE(board.canvas.picture().image(), pictureBefore);
    QCOMPARE(board.report.text(), reportBefore);
}

void TestBoard::pasteVertexLines_data()
{
    QTest::addColumn<int>("placedBefore"); // vertices on the board already
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("opened"); // saved to a file and opened as a board, not pasted
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("placed"); // rows added, as setRows writes them
    QTest::addColumn<QString>("problem"); // the verdict, described; none when all is placed

    // The inner area is 400 x 300 pixels.
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
    QTest::newRow("more than the board holds") << VertexModel::MaxVertices - 2 << false << false
                                               << "1 1\n2 2\n3 3\n4 4" << QString() << "no room 3 3 3";
    QTest::newRow("filling the board") << VertexModel::MaxVertices - 2 << false << false << "1 1\n2 2" << "1,1 2,2" << QString();
    // A saved file replaces the board, closed or not; with Notepad's mark too.
    QTest::newRow("a file opened") << 2 << true << true << "10\t20\r\n30\t40\r\n" << "10,20 30,40" << QString();
    QTest::newRow("a file with a byte-order mark") << 0 << false << true << "\uFEFF5\t6\r\n" << "5,6" << QString();
    QTest::newRow("a bad file keeps the board") << 2 << false << true << "1\t2\r\nx" << QString() << "not a vertex 2 x";
}

// Every vertex of the text is placed, in order and as a press would place
// it, or none is and the message names the line and what is wrong with it.
void TestBoard::pasteVertexLines()
{
    QFETCH(int, placedBefore);
    QFETCH(bool, closed);
    QFETCH(bool, opened);
    QFETCH(QString, text);
    QFETCH(QString, placed);
    QFETCH(QString, problem);
    Board board;
    for (int i = 0; i < placedBefore; ++i)
        board.vertices.appendVertex(float(200 + i % 2), 200);
    board.vertices.setClosed(closed);
    const QImage pictureBefore = board.canvas.picture().image();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("върхове.txt"));
    QVERIFY(!opened || !saveWholeFile(file, text.toUtf8()));

    const VertexLinesVerdict verdict = opened ? board.controller.openVertexLines(readTextFile(file).text)
                                              : board.controller.placeVertexLines(text);

    QCOMPARE(described(verdict), problem);
    const QStringList added = placed.split(u' ', Qt::SkipEmptyParts);
    const int kept = opened && !added.isEmpty() ? 0 : placedBefore;
    QCOMPARE(board.vertices.vertexCount(), kept + added.size());
    QCOMPARE(rows(board.vertices).split(u' ', Qt::SkipEmptyParts).mid(kept), added);
    QCOMPARE(columnTexts(board.vertices, VertexModel::NumberColumn), numbersUpTo(board.vertices.vertexCount()));
    if (added.isEmpty())
        QCOMPARE(board.canvas.picture().image(), pictureBefore);
    else
        verifyDots(board, placed, -1);
}

// A board copied out of the lists and pasted onto a clear one gives the
// same rows, the same picture and, computed, the same report.
void TestBoard::copiedBoardPastesBack()
{
    Board pressed, pasted;
    for (const QString &pair : Spread)
        pressCanvas(pressed.canvas, pointOf(pair));

    QCOMPARE(pasted.controller.placeVertexLines(pressed.vertices.vertexLines()).outcome, VertexLinesVerdict::Placed);

    QCOMPARE(rows(pasted.vertices), rows(pressed.vertices));
    QCOMPARE(pasted.canvas.picture().image(), pressed.canvas.picture().image());
    pressed.controller.orderContour();
    pasted.controller.orderContour();
    QCOMPARE(pasted.report.text(), pressed.report.text());
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
