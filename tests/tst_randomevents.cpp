// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of seeded random sequences of the user's events on the real
// window, with the board's invariants checked after every event. A failure
// names its seed and step; ZARVELON_SEED=<seed> replays that one sequence.
#include "WholeFile.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QTemporaryDir>

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr int Sequences = 2000;
constexpr int EventsPerSequence = 24;

struct Expected {
    bool closed = false;
    int selected = -1;         // the board's selected row; -1 none
    int marked = -1;           // the row whose dot is red on the canvas; -1 none
    int reportedVertices = -1; // the board's size at the last computation, if any
};

// Whether the canvas place is that of the vertex marked red.
bool isMarked(const Board &board, const Expected &expected, QPoint at)
{
    if (expected.marked < 0 || expected.marked >= board.vertices().vertexCount())
        return false;
    const Point marked = board.points()[expected.marked];
    return marked.x == at.x() && marked.y == at.y();
}

class Player
{
public:
    Player(MainWindow &window, quint32 seed) : m_window(window), m_random(seed) {}

    // Runs one random event and says what it was; a paste or a file too with `boardChanges`.
    QString step(Expected &expected, bool boardChanges = false)
    {
        const int n = m_window.board().vertices().vertexCount();
        if (boardChanges && m_random.bounded(6) == 0)
            return placeLines();
        switch (m_random.bounded(8)) {
        case 0: case 1: case 2: return press(expected);
        case 3: case 4: return n ? clickRow(expected, n) : press(expected);
        case 5: return n ? keyboard(expected) : press(expected);
        default: return command(expected);
        }
    }

private:
    // Lines of a few vertices, pasted onto an open board or opened as a file.
    QString placeLines()
    {
        QString lines;
        for (int i = 1 + m_random.bounded(4); i > 0; --i)
            lines += QStringLiteral("%1\t%2\r\n").arg(10 * m_random.bounded(46)).arg(10 * m_random.bounded(19));
        if (m_window.board().isClosed() || m_random.bounded(2)) {
            QTemporaryDir folder;
            const QString file = folder.filePath(QStringLiteral("board.txt"));
            saveWholeFile(file, lines.toUtf8());
            m_window.openVertexFile(file);
            return QStringLiteral("open %1").arg(lines);
        }
        QGuiApplication::clipboard()->setText(lines);
        QTest::keyClick(canvasOf(m_window), Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste %1").arg(lines);
    }

    QString press(Expected &expected)
    {
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        static const Qt::KeyboardModifiers modifiers[] = {{}, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        // A small grid, so that equal coordinates and ties are common.
        const QPoint at(10 * m_random.bounded(46), 10 * m_random.bounded(19));
        const Qt::MouseButton button = buttons[m_random.bounded(3)];
        // A new dot on the marked vertex covers its red.
        if (!expected.closed && isMarked(m_window.board(), expected, at))
            expected.marked = -1;
        pressCanvas(m_window, at, button, modifiers[m_random.bounded(4)]);
        return QStringLiteral("press %1,%2 button %3").arg(at.x()).arg(at.y()).arg(int(button));
    }

    // Any click on a row selects it, Ctrl+click on the selected row included.
    QString clickRow(Expected &expected, int n)
    {
        static const Qt::KeyboardModifiers modifiers[] = {{}, {}, Qt::ControlModifier, Qt::ShiftModifier};
        const auto list = VertexModel::Column(m_random.bounded(int(VertexModel::ColumnCount)));
        const int row = m_random.bounded(n);
        ::clickRow(m_window, list, row, modifiers[m_random.bounded(4)]);
        selected(expected, row);
        return QStringLiteral("click list %1 row %2").arg(list).arg(row);
    }

    // Up and Down move the selection; Ctrl+Space, which clears the selection
    // of a plain list, changes nothing.
    QString keyboard(Expected &expected)
    {
        const auto list = VertexModel::Column(m_random.bounded(int(VertexModel::ColumnCount)));
        QListView *view = listOf(m_window, list);
        view->setFocus();
        if (m_random.bounded(5) == 0)
            QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
        else
            QTest::keyClick(view, m_random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
        settle();
        selected(expected, m_window.board().selectedRow());
        return QStringLiteral("key in list %1").arg(list);
    }

    QString command(Expected &expected)
    {
        const int command = m_random.bounded(4);
        const bool byMenu = m_random.bounded(2);
        const char *name = byMenu ? ButtonsAndItems[command].item : ButtonsAndItems[command].button;
        byMenu ? chooseMenuItem(m_window, name) : pressButton(m_window, name);
        const int n = m_window.board().vertices().vertexCount();
        switch (command) {
        case 0: expected = {true, -1, -1, n}; break;
        case 1: expected = {true, expected.selected, -1, n}; break;
        case 2: expected = {}; break;
        default: if (expected.selected >= 0) expected = {false, -1, -1, expected.reportedVertices};
        }
        return QStringLiteral("%1 %2").arg(byMenu ? "menu" : "button", name);
    }

    // A row that was not selected before is marked red and opens the board.
    static void selected(Expected &expected, int row)
    {
        if (row >= 0 && row != expected.selected)
            expected = {false, row, row, expected.reportedVertices};
    }

    MainWindow &m_window;
    QRandomGenerator m_random;
};

// What is wrong with the window, or nothing.
QString violation(const MainWindow &window, const Expected &expected)
{
    const Snapshot shown = snap(window);
    const Board &board = window.board();
    const int n = board.vertices().vertexCount();
    if (shown.numbers != numbersUpTo(n))
        return QStringLiteral("%1 vertices numbered %2").arg(n).arg(shown.numbers.join(u' '));
    const QList<int> selected{board.selectedRow(), shown.selectedX, shown.selectedY, shown.selectedNumber};
    if (selected.count(expected.selected) != 4)
        return QStringLiteral("the board and the X, Y, number lists select %1, %2, %3, %4; expected %5")
            .arg(selected[0]).arg(selected[1]).arg(selected[2]).arg(selected[3]).arg(expected.selected);
    // Only the marked vertex, and any other at the same place, is red.
    for (int r = 0; r < n; ++r) {
        const QPoint at(int(board.points()[r].x), int(board.points()[r].y));
        const bool red = (shown.canvas.pixel(at) & 0xFFFFFF) == 0xFF0000;
        if (red != isMarked(board, expected, at))
            return QStringLiteral("vertex %1 is %2red").arg(r + 1).arg(red ? "" : "not ");
    }
    if (shown.closed != expected.closed)
        return QStringLiteral("closed is %1").arg(shown.closed);
    if (expected.reportedVertices >= 0) {
        static const QRegularExpression block(QStringLiteral(
            "Върхове: 1(\\d+) с координати: \\d+,\\d+; \\d+,\\d+; \\d+,\\d+\r\n"
            "Страни: a = [\\d,]+\\.\\d{3}; b = [\\d,]+\\.\\d{3}; c = [\\d,]+\\.\\d{3}\r\n"
            "Лице по Херон = [\\d.E+-]+; Лице ориентирано = \\d+(\\.5)?\r\n\r\n"));
        static const QRegularExpression total(QStringLiteral("Лице на изпъкналия многоъгълник = \\d+(\\.5)?\r\n"
                                                             "(Внимание: [^\r\n]+\r\n)?$"));
        const int blocks = int(shown.report.count(block));
        if (blocks != std::max(0, expected.reportedVertices - 2) || !total.match(shown.report).hasMatch())
            return QStringLiteral("report of %1 blocks for %2 vertices").arg(blocks).arg(expected.reportedVertices);
    }
    return {};
}

} // namespace

class RandomEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHoldAfterEveryEvent();
    void undoAndRedoRestoreEveryStep();
};

void RandomEventsTest::invariantsHoldAfterEveryEvent()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const bool replay = qEnvironmentVariableIsSet("ZARVELON_SEED");
    const quint32 first = replay ? qEnvironmentVariableIntValue("ZARVELON_SEED") : 1;
    const quint32 count = replay ? 1 : Sequences;
    for (quint32 seed = first; seed < first + count; ++seed) {
        pressButton(window, "clearButton");
        Expected expected;
        Player player(window, seed);
        QStringList steps;
        for (int i = 0; i < EventsPerSequence; ++i) {
            steps << player.step(expected);
            const QString wrong = violation(window, expected);
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nsteps: %4")
                                     .arg(seed).arg(i).arg(wrong, steps.join(QStringLiteral("; ")))));
        }
    }
}

// Random sequences, every change of the board a step: undone one by one to
// the start, each shows what the user saw before it, picture included; then
// redone to the end, each shows what the user saw after it.
void RandomEventsTest::undoAndRedoRestoreEveryStep()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    for (quint32 seed = 1; seed <= 150; ++seed) {
        MainWindow window;
        window.show();
        Player player(window, seed);
        Expected ignored;
        QList<Snapshot> before, after;
        QStringList steps;
        for (int i = 0; i < 20; ++i) {
            const Snapshot shown = snap(window);
            const int done = window.board().history().index();
            steps << player.step(ignored, true);
            if (window.board().history().index() > done) {
                QCOMPARE(window.board().history().index(), done + 1);
                before << shown;
                after << snap(window);
            }
        }
        // Anywhere in the window, the report box too.
        const auto key = [&](QKeyCombination keys) {
            QWidget *target = seed % 2 ? window.focusWidget() : reportOf(window);
            target->setFocus();
            QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
            settle();
        };
        const QByteArray sequence = QStringLiteral("seed %1: %2").arg(seed).arg(steps.join(u"; ")).toUtf8();
        for (qsizetype k = before.size() - 1; k >= 0; --k) {
            key(Qt::CTRL | Qt::Key_Z);
            QVERIFY2(snap(window) == before[k], sequence);
        }
        for (qsizetype k = 0; k < after.size(); ++k) {
            key(k % 2 ? Qt::CTRL | Qt::Key_Y : Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
            QVERIFY2(snap(window) == after[k], sequence);
        }
    }
}

QTEST_MAIN(RandomEventsTest)
#include "tst_randomevents.moc"
