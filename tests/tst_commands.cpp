// The four commands by button and by menu, vertex selection in the lists and
// vertex entry, all driven through the real window with mouse and keyboard
// events.
#include "WindowFixture.h"

#include <QMessageBox>

namespace {

// Plays a short script of user actions, separated by ";":
// "p X,Y" press on the canvas, "r X,Y" the same with the right button,
// "b N" button N, "m N" menu item N, "s L,R" click row R of vertex list L.
void Play(Zarvelon &window, const QString &script)
{
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString action = step.trimmed().left(1);
        const QStringList args = step.trimmed().mid(1).trimmed().split(u',');
        const int a = args.value(0).toInt(), b = args.value(1).toInt();
        if (action == u"p" || action == u"r")
            PressCanvas(window, QPoint(a, b), action == u"p" ? Qt::LeftButton : Qt::RightButton);
        else if (action == u"b")
            PressButton(window, a);
        else if (action == u"m")
            ChooseMenu(window, a);
        else if (action == u"s")
            ClickRow(window, a, b);
        Settle();
    }
}

const QString Triangle = QStringLiteral("p 20,30; p 120,30; p 60,110");
const QString Pentagon = QStringLiteral("p 200,40; p 60,120; p 340,100; p 120,190; p 280,180");

QRgb CanvasPixel(Zarvelon &window, int x, int y)
{
    return window.board().Picture1.Image().pixel(x, y) & 0xFFFFFF;
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void buttonAndMenuAgree_data();
    void buttonAndMenuAgree();
    void outOfRangeIndexDoesNothing_data();
    void outOfRangeIndexDoesNothing();
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
    QTest::addColumn<int>("command");
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
        for (int command = 0; command < 4; ++command)
            QTest::addRow("%s, command %d", name, command) << script << command;
}

void CommandsTest::buttonAndMenuAgree()
{
    QFETCH(QString, state);
    QFETCH(int, command);
    Zarvelon byButton, byMenu;
    byButton.show();
    byMenu.show();
    Play(byButton, state + QStringLiteral("; b %1").arg(command));
    Play(byMenu, state + QStringLiteral("; m %1").arg(command));
    QCOMPARE(Snap(byButton), Snap(byMenu));
}

void CommandsTest::outOfRangeIndexDoesNothing_data()
{
    QTest::addColumn<int>("index");
    for (int index : {-1, 4, 5, 32767, -32768})
        QTest::addRow("%d", index) << index;
}

void CommandsTest::outOfRangeIndexDoesNothing()
{
    QFETCH(int, index);
    Zarvelon window;
    window.show();
    Play(window, Pentagon + QStringLiteral("; s 2,1"));
    const Snapshot before = Snap(window);
    window.Command1_Click(index);
    window.menu_h_Click(index);
    Settle();
    QCOMPARE(Snap(window), before);
}

// What each command sequence leaves: the rows in order, the report's first
// and last lines, and whether the board is closed.
void CommandsTest::commandResults_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("rows");
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
        << QStringLiteral("Лице на изпъкналия многоъгълник = 34300") << true;
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
    QFETCH(QString, rows);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    QFETCH(bool, closed);
    Zarvelon window;
    window.show();
    Play(window, script);

    Board &board = window.board();
    QCOMPARE(Rows(board), rows);
    QCOMPARE(Texts(board.List1[2]), Numbers(board.List1[0].ListCount()));
    QCOMPARE(int(board.PointCount), board.List1[0].ListCount());

    const QStringList report = board.Text1.Text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(report.value(0), firstLine);
    QCOMPARE(report.isEmpty() ? QString() : report.last(), lastLine);
    QCOMPARE(board.Closed, closed);
}

void CommandsTest::selectingARowFromEachList_data()
{
    QTest::addColumn<int>("list");
    for (int list = 0; list < 3; ++list)
        QTest::addRow("list %d", list) << list;
}

// A row clicked in any list is selected in all three, the canvas shows every
// vertex with the selected one red over the plain dot, and the board opens.
void CommandsTest::selectingARowFromEachList()
{
    QFETCH(int, list);
    Zarvelon window;
    window.show();
    Play(window, Triangle + QStringLiteral("; b 1"));
    ClickRow(window, list, 2);

    Board &board = window.board();
    for (const ListBox &l : board.List1)
        QCOMPARE(l.ListIndex(), 2);
    QCOMPARE(CanvasPixel(window, 60, 110), QRgb(0xFF0000));
    QCOMPARE(CanvasPixel(window, 62, 111), QRgb(0xFF0000));
    QCOMPARE(CanvasPixel(window, 20, 30), QRgb(0x000000));
    QCOMPARE(CanvasPixel(window, 70, 30), QRgb(0xFFFFFF)); // the polygon is gone
    QCOMPARE(board.Picture1.DrawWidth(), 1);
    QVERIFY(!board.Closed);
    QVERIFY(board.Text1.Text().startsWith(QStringLiteral("Върхове: 123"))); // the report stays
}

void CommandsTest::keyboardSelectionSelectsInAllLists()
{
    Zarvelon window;
    window.show();
    Play(window, Triangle + QStringLiteral("; s 2,0"));
    QListWidget *numbers = window.board().List1[2].widget();
    numbers->setFocus();
    QTest::keyClick(numbers, Qt::Key_Down);
    Settle();
    for (const ListBox &l : window.board().List1)
        QCOMPARE(l.ListIndex(), 1);
    QCOMPARE(CanvasPixel(window, 120, 30), QRgb(0xFF0000));
}

// A full board: the 32,768th press is refused with a message and loses
// nothing; every command, a selection and a deletion still work on it.
void CommandsTest::fullBoardRefusesAPressAndTakesEveryCommand()
{
    Zarvelon window;
    window.show();
    Board &board = window.board();
    QStringList xs, ys;
    for (int i = 0; i < Board::MaxVertices; ++i) {
        xs << QString::number(i % 461);
        ys << QString::number(i % 193);
    }
    board.List1[0].AddItems(xs);
    board.List1[1].AddItems(ys);
    board.List1[2].AddItems(Numbers(Board::MaxVertices));
    board.PointCount = Board::MaxVertices;
    const Snapshot full = Snap(window);

    PressCanvas(window, QPoint(100, 100));
    Settle();
    QCOMPARE(Snap(window), full);
    auto *message = window.findChild<QMessageBox *>();
    QVERIFY(message && message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("32767")));
    message->accept();

    PressButton(window, 1);
    QCOMPARE(board.Text1.Text().count(QStringLiteral("Върхове: 1")), Board::MaxVertices - 2);
    QVERIFY(board.Text1.Text().contains(QStringLiteral("Върхове: 13276632767 с координати: ")));
    board.List1[1].SetListIndex(20000);
    PressButton(window, 3);
    QCOMPARE(int(board.PointCount), Board::MaxVertices - 1);
    PressCanvas(window, QPoint(5, 6));
    QCOMPARE(board.List1[2].List(Board::MaxVertices - 1), QStringLiteral("32767"));
    QCOMPARE(board.List1[0].List(Board::MaxVertices - 1), QStringLiteral("5"));
    PressButton(window, 0);
    QVERIFY(board.Closed);
    QCOMPARE(board.Text1.Text().count(QStringLiteral("Върхове: 1")), Board::MaxVertices - 2);
    PressButton(window, 2);
    QCOMPARE(Snap(window).pointCount, 0);
    QVERIFY(board.Text1.Text().isEmpty());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
