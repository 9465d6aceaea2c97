#include "BoardFixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

// Vertices far apart, so that every dot has pixels of its own.
const QStringList Spread = {"40,50", "200,120", "330,240", "100,200", "250,30"};
// A pen width no routine sets: still there afterwards means "unchanged".
constexpr int UntouchedPen = 3;
// A mark away from every vertex, standing for a drawn polygon.
const QPoint Stray(380, 280);

QString FirstVertices(int n)
{
    return Spread.mid(0, n).join(u' ');
}

QPoint VertexPoint(const QString &pair)
{
    return {pair.section(u',', 0, 0).toInt(), pair.section(u',', 1).toInt()};
}

// A used board: vertices, a mark on the canvas, a report, scratch rows,
// closed, and a pen width of its own.
void MakeUsed(Board &board, const QString &rows)
{
    SetRows(board, rows);
    for (ListBox &scratch : board.List2)
        scratch.AddItem(QStringLiteral("7"));
    board.Picture1.PSet(Stray.x(), Stray.y());
    board.Text1.SetText(QStringLiteral("отчет"));
    board.Closed = true;
    board.Picture1.SetDrawWidth(UntouchedPen);
}

// A selection reopens the board and redraws it; this puts the closed state
// and the stray mark back, so that what follows must undo them itself.
void SelectThenCloseAgain(Board &board, int list, int row)
{
    board.List1[list].SetListIndex(row);
    board.Closed = true;
    board.Picture1.PSet(Stray.x(), Stray.y());
}

void VerifyInvariants(const Board &board)
{
    QCOMPARE(board.List1[0].ListCount(), int(board.PointCount));
    QCOMPARE(board.List1[1].ListCount(), int(board.PointCount));
    QCOMPARE(Texts(board.List1[2]), Numbers(board.PointCount));
}

enum Action { FormLoad, ClearCanvas, ClearAll, ResetOutput, DrawVertices, Press, SelectRow, Delete };

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void clearing_data();
    void clearing();
    void transitions_data();
    void transitions();
    void press_data();
    void press();
    void pressOnOneSpotTwice();
    void drawVerticesPlotsEveryRow();
    void fullBoardRefusesPress();
    void select_data();
    void select();
    void deleteVertex_data();
    void deleteVertex();
    void refusedChangesNothing_data();
    void refusedChangesNothing();
    void nextNumberAfterDeletion();
};

void TestBoard::clearing_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("rows");
    QTest::newRow("Form_Load") << int(FormLoad) << FirstVertices(3);
    QTest::newRow("ClearAll") << int(ClearAll) << FirstVertices(3);
    QTest::newRow("ClearAll, empty board") << int(ClearAll) << QString();
    QTest::newRow("ResetOutput") << int(ResetOutput) << FirstVertices(3);
}

void TestBoard::clearing()
{
    QFETCH(int, action);
    QFETCH(QString, rows);
    Board board;
    StartBoard(board);
    MakeUsed(board, rows);
    board.DrawVertices();
    board.Closed = true;

    const bool reset = action == ResetOutput; // keeps the vertices, empties the report
    action == FormLoad ? board.Form_Load() : reset ? board.ResetOutput() : board.ClearAll();

    QCOMPARE(Rows(board), reset ? rows : QString());
    VerifyInvariants(board);
    for (const ListBox &scratch : board.List2)
        QCOMPARE(scratch.ListCount(), reset ? 1 : 0);
    QCOMPARE(board.Closed, false);
    QCOMPARE(board.Picture1.DrawWidth(), reset ? 1 : 5);
    QVERIFY(IsBlank(board));
    QCOMPARE(board.Text1.Text(), reset ? QString() : QStringLiteral("отчет"));
    QVERIFY(board.Picture1.AutoRedraw());
}

void TestBoard::transitions_data()
{
    QTest::addColumn<int>("vertices");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("pointCount");
    QTest::addColumn<bool>("closedAfter");
    QTest::addColumn<int>("pen");

    QTest::newRow("Form_Load") << 3 << true << int(FormLoad) << 0 << false << 5;
    QTest::newRow("ClearCanvas") << 3 << true << int(ClearCanvas) << 3 << false << UntouchedPen;
    QTest::newRow("ClearAll") << 3 << true << int(ClearAll) << 0 << false << 5;
    QTest::newRow("ResetOutput") << 3 << true << int(ResetOutput) << 3 << false << 1;
    QTest::newRow("DrawVertices") << 3 << true << int(DrawVertices) << 3 << true << 1;
    QTest::newRow("DrawVertices, empty") << 0 << false << int(DrawVertices) << 0 << false << 1;
    QTest::newRow("press, open") << 3 << false << int(Press) << 4 << false << 1;
    QTest::newRow("press, closed") << 3 << true << int(Press) << 3 << true << UntouchedPen;
    QTest::newRow("select, closed") << 3 << true << int(SelectRow) << 3 << false << 1;
    QTest::newRow("delete selected, closed") << 3 << true << int(Delete) << 2 << false << 1;
}

void TestBoard::transitions()
{
    QFETCH(int, vertices);
    QFETCH(bool, closed);
    QFETCH(int, action);
    Board board;
    StartBoard(board);
    SetRows(board, FirstVertices(vertices));
    if (action == Delete)
        board.List1[0].SetListIndex(1);
    board.Closed = closed;
    board.Picture1.SetDrawWidth(UntouchedPen);

    switch (Action(action)) {
    case FormLoad: board.Form_Load(); break;
    case ClearCanvas: board.ClearCanvas(); break;
    case ClearAll: board.ClearAll(); break;
    case ResetOutput: board.ResetOutput(); break;
    case DrawVertices: board.DrawVertices(); break;
    case Press: board.Picture1_MouseDown(1, 0, 10, 10); break;
    case SelectRow: board.List1[2].SetListIndex(1); break;
    case Delete: board.DeleteVertex(); break;
    }

    QTEST(int(board.PointCount), "pointCount");
    QTEST(board.Closed, "closedAfter");
    QTEST(board.Picture1.DrawWidth(), "pen");
    VerifyInvariants(board);
}

void TestBoard::press_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<bool>("closed");
    QTest::newRow("left") << 1 << 0 << false;
    QTest::newRow("right") << 2 << 0 << false;
    QTest::newRow("middle") << 4 << 0 << false;
    QTest::newRow("left with Shift") << 1 << 1 << false;
    QTest::newRow("right with Ctrl and Alt") << 2 << 6 << false;
    QTest::newRow("closed board") << 1 << 0 << true;
}

void TestBoard::press()
{
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(bool, closed);
    Board board;
    StartBoard(board);
    board.Closed = closed;
    board.Picture1.SetDrawWidth(UntouchedPen);

    board.Picture1_MouseDown(button, shift, 120, 85);

    const QStringList added = closed ? QStringList() : QStringList{"1"};
    QCOMPARE(Texts(board.List1[0]), closed ? QStringList() : QStringList{"120"});
    QCOMPARE(Texts(board.List1[1]), closed ? QStringList() : QStringList{"85"});
    QCOMPARE(Texts(board.List1[2]), added);
    QCOMPARE(int(board.PointCount), added.size());
    QCOMPARE(board.Closed, closed);
    QCOMPARE(board.Picture1.DrawWidth(), closed ? UntouchedPen : 1);
    QCOMPARE(board.List1[0].ListIndex(), -1);
    if (closed) {
        QVERIFY(IsBlank(board));
        return;
    }
    // A round dot five pixels across, centred on the press.
    for (QPoint p : {QPoint(120, 85), QPoint(118, 85), QPoint(122, 85), QPoint(120, 83), QPoint(121, 87)})
        QCOMPARE(Pixel(board, p.x(), p.y()), Black);
    for (QPoint p : {QPoint(123, 85), QPoint(120, 88), QPoint(122, 87), QPoint(117, 83)})
        QCOMPARE(Pixel(board, p.x(), p.y()), White);
}

void TestBoard::pressOnOneSpotTwice()
{
    Board board;
    StartBoard(board);
    SetRows(board, FirstVertices(2));
    board.List1[0].SetListIndex(0);

    board.Picture1_MouseDown(1, 0, 60, 70);
    board.Picture1_MouseDown(1, 0, 60, 70);

    QCOMPARE(Rows(board), FirstVertices(2) + " 60,70 60,70");
    VerifyInvariants(board);
    QCOMPARE(board.PointCount, 4);
    for (const ListBox &list : board.List1) // appending selects nothing
        QCOMPARE(list.ListIndex(), 0);
}

void TestBoard::drawVerticesPlotsEveryRow()
{
    Board board;
    StartBoard(board);
    board.DrawVertices();
    QVERIFY(IsBlank(board));

    SetRows(board, FirstVertices(5));
    board.DrawVertices();
    for (const QString &pair : Spread) {
        const QPoint p = VertexPoint(pair);
        QCOMPARE(Pixel(board, p.x() + 2, p.y()), Black);
    }
    QCOMPARE(board.Picture1.DrawWidth(), 1);
}

// The 16-bit vertex count ends at 32767: a full board keeps every vertex and
// reports the refusal instead of failing.
void TestBoard::fullBoardRefusesPress()
{
    Board board;
    StartBoard(board);
    for (int i = 1; i <= Board::MaxVertices; ++i) {
        board.List1[0].AddItem(QString::number(i % 400));
        board.List1[1].AddItem(QString::number(i % 300));
        board.List1[2].AddItem(QString::number(i));
    }
    board.PointCount = Board::MaxVertices;
    board.Picture1.SetDrawWidth(UntouchedPen);
    const QStringList xs = Texts(board.List1[0]), ys = Texts(board.List1[1]);
    QSignalSpy refused(&board, &Board::VertexLimitReached);

    board.Picture1_MouseDown(1, 0, 399, 299);

    QCOMPARE(refused.count(), 1);
    QCOMPARE(board.PointCount, Board::MaxVertices);
    QCOMPARE(board.Picture1.DrawWidth(), UntouchedPen);
    QVERIFY(IsBlank(board));
    QCOMPARE(Texts(board.List1[0]), xs);
    QCOMPARE(Texts(board.List1[1]), ys);
    VerifyInvariants(board);
}

void TestBoard::select_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::newRow("X list") << FirstVertices(3) << -1 << 0 << 0;
    QTest::newRow("Y list") << FirstVertices(3) << -1 << 1 << 1;
    QTest::newRow("number list") << FirstVertices(3) << -1 << 2 << 2;
    QTest::newRow("one vertex") << FirstVertices(1) << -1 << 1 << 0;
    QTest::newRow("another row after a selection") << FirstVertices(3) << 0 << 2 << 1;
}

void TestBoard::select()
{
    QFETCH(QString, rows);
    QFETCH(int, previous);
    QFETCH(int, list);
    QFETCH(int, row);
    Board board;
    StartBoard(board);
    MakeUsed(board, rows);
    SelectThenCloseAgain(board, 0, previous);

    // Raises the click event, which selects the row in the other lists and
    // so raises theirs inside it.
    board.List1[list].SetListIndex(row);

    for (const ListBox &each : board.List1)
        QCOMPARE(each.ListIndex(), row);
    const QStringList pairs = rows.split(u' ');
    for (int r = 0; r < pairs.size(); ++r) {
        const QPoint p = VertexPoint(pairs[r]);
        const QRgb expected = r == row ? Red : Black;
        QCOMPARE(Pixel(board, p.x(), p.y()), expected);
        QCOMPARE(Pixel(board, p.x() - 2, p.y() + 1), expected); // the red dot covers the plain one
    }
    QCOMPARE(Pixel(board, Stray.x(), Stray.y()), White);
    QCOMPARE(board.Picture1.DrawWidth(), 1);
    QCOMPARE(board.Closed, false);
    QCOMPARE(board.Text1.Text(), QStringLiteral("отчет"));
    VerifyInvariants(board);
}

void TestBoard::deleteVertex_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("middle") << FirstVertices(4) << 1 << "40,50 330,240 100,200";
    QTest::newRow("first") << FirstVertices(4) << 0 << "200,120 330,240 100,200";
    QTest::newRow("last") << FirstVertices(4) << 3 << FirstVertices(3);
    QTest::newRow("only") << FirstVertices(1) << 0 << QString();
}

void TestBoard::deleteVertex()
{
    QFETCH(QString, rows);
    QFETCH(int, selected);
    QFETCH(QString, remaining);
    Board board;
    StartBoard(board);
    MakeUsed(board, rows);
    SelectThenCloseAgain(board, 2, selected);

    board.DeleteVertex();

    QCOMPARE(Rows(board), remaining);
    QCOMPARE(int(board.PointCount), rows.split(u' ').size() - 1);
    VerifyInvariants(board);
    for (const ListBox &list : board.List1)
        QCOMPARE(list.ListIndex(), -1);
    const QPoint gone = VertexPoint(rows.split(u' ')[selected]);
    QCOMPARE(Pixel(board, gone.x(), gone.y()), White);
    for (const QString &pair : remaining.split(u' ', Qt::SkipEmptyParts)) {
        const QPoint p = VertexPoint(pair);
        QCOMPARE(Pixel(board, p.x(), p.y()), Black);
    }
    QCOMPARE(Pixel(board, Stray.x(), Stray.y()), White);
    QCOMPARE(board.Closed, false);
    QCOMPARE(board.Picture1.DrawWidth(), 1);
    QCOMPARE(board.Text1.Text(), QStringLiteral("отчет"));
}

// A click event on a list without a selected row, and a deletion without a
// selected vertex, leave the board exactly as it was.
void TestBoard::refusedChangesNothing_data()
{
    QTest::addColumn<int>("list"); // the list whose click event is raised; -1: delete
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("numberSelected");
    QTest::addColumn<bool>("closed");
    QTest::newRow("click X list") << 0 << FirstVertices(3) << false << true;
    QTest::newRow("click Y list") << 1 << FirstVertices(3) << false << true;
    QTest::newRow("click number list") << 2 << FirstVertices(3) << false << true;
    QTest::newRow("click X list, number list selected") << 0 << FirstVertices(3) << true << true;
    QTest::newRow("delete, nothing selected") << -1 << FirstVertices(3) << false << false;
    QTest::newRow("delete, nothing selected, closed") << -1 << FirstVertices(3) << false << true;
    QTest::newRow("delete, empty board, closed") << -1 << QString() << false << true;
    QTest::newRow("delete, number list selected, closed") << -1 << FirstVertices(3) << true << true;
}

void TestBoard::refusedChangesNothing()
{
    QFETCH(int, list);
    QFETCH(QString, rows);
    QFETCH(bool, numberSelected);
    QFETCH(bool, closed);
    Board board;
    StartBoard(board);
    MakeUsed(board, rows);
    if (numberSelected) { // as contour ordering leaves the lists
        board.List1[2].SetListIndex(1);
        board.List1[0].SetListIndex(-1);
        board.List1[1].SetListIndex(-1);
    }
    board.DrawVertices();
    board.Closed = closed;
    board.Picture1.SetDrawWidth(UntouchedPen);
    const QImage before = board.Picture1.Image();

    list < 0 ? board.DeleteVertex() : board.List1_Click(list);

    QCOMPARE(Rows(board), rows);
    VerifyInvariants(board);
    QCOMPARE(board.Picture1.Image(), before);
    QCOMPARE(board.Closed, closed);
    QCOMPARE(board.Picture1.DrawWidth(), UntouchedPen);
    QCOMPARE(board.List1[0].ListIndex(), -1);
    QCOMPARE(board.List1[2].ListIndex(), numberSelected ? 1 : -1);
}

void TestBoard::nextNumberAfterDeletion()
{
    Board board;
    StartBoard(board);
    SetRows(board, FirstVertices(5));
    board.List1[0].SetListIndex(2);
    board.DeleteVertex();

    board.Picture1_MouseDown(1, 0, 10, 290);

    QCOMPARE(Texts(board.List1[2]), Numbers(5));
    QCOMPARE(board.PointCount, 5);
    QCOMPARE(board.List1[0].List(4), QStringLiteral("10"));
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
