// Thousands of seeded random sequences of the user's events on the real
// window, with the board's invariants checked after every event. A failure
// names its seed and step; ZARVELON_SEED=<seed> replays that one sequence.
#include "WindowFixture.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

constexpr int Sequences = 2000;
constexpr int EventsPerSequence = 24;

struct Expected {
    bool closed = false;
    int drawWidth = 5;
    int reportedVertices = -1; // the board's size at the last computation, if any
};

class Player
{
public:
    Player(Zarvelon &window, quint32 seed) : m_window(window), m_board(window.board()), m_random(seed) {}

    // Runs one random event and says what it was.
    QString step(Expected &expected)
    {
        const int n = m_board.List1[0].ListCount();
        switch (m_random.bounded(9)) {
        case 0: case 1: case 2: return press(expected);
        case 3: case 4: return n ? clickRow(expected, n) : press(expected);
        case 5: return n ? keyboard(expected) : press(expected);
        case 6: case 7: return command(expected);
        default: return outOfRange();
        }
    }

private:
    QString press(Expected &expected)
    {
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        static const Qt::KeyboardModifiers modifiers[] = {{}, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
        // A small grid, so that equal coordinates and ties are common.
        const QPoint at(10 * m_random.bounded(46), 10 * m_random.bounded(19));
        const Qt::MouseButton button = buttons[m_random.bounded(3)];
        PressCanvas(m_window, at, button, modifiers[m_random.bounded(4)]);
        if (!expected.closed)
            expected.drawWidth = 1;
        return QStringLiteral("press %1,%2 button %3").arg(at.x()).arg(at.y()).arg(int(button));
    }

    QString clickRow(Expected &expected, int n)
    {
        const int list = m_random.bounded(3), row = m_random.bounded(n);
        const int before = m_board.List1[list].ListIndex();
        ClickRow(m_window, list, row);
        if (before != row)
            selected(expected);
        return QStringLiteral("click list %1 row %2").arg(list).arg(row);
    }

    QString keyboard(Expected &expected)
    {
        const int list = m_random.bounded(3);
        QListWidget *view = m_board.List1[list].widget();
        const int before = m_board.List1[list].ListIndex();
        view->setFocus();
        const Qt::Key key = m_random.bounded(2) ? Qt::Key_Down : Qt::Key_Up;
        // Ctrl+Space toggles the current row: it can leave a list without a selection.
        if (m_random.bounded(5) == 0)
            QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
        else
            QTest::keyClick(view, key);
        Settle();
        const int after = m_board.List1[list].ListIndex();
        if (after >= 0 && after != before)
            selected(expected);
        return QStringLiteral("key in list %1").arg(list);
    }

    QString command(Expected &expected)
    {
        const int index = m_random.bounded(4);
        const bool byMenu = m_random.bounded(2);
        const bool canDelete = m_board.List1[0].ListIndex() >= 0 && m_board.List1[0].ListCount() > 0;
        byMenu ? ChooseMenu(m_window, index) : PressButton(m_window, index);
        switch (index) {
        case 0: case 1: expected = {true, 1, m_board.List1[0].ListCount()}; break;
        case 2: expected = {false, 5, -1}; break;
        default:
            if (canDelete) {
                expected.closed = false;
                expected.drawWidth = 1;
            }
        }
        return QStringLiteral("%1 %2").arg(byMenu ? "menu" : "button").arg(index);
    }

    QString outOfRange()
    {
        const int index = m_random.bounded(2) ? -1 - int(m_random.bounded(5)) : 4 + int(m_random.bounded(5));
        m_random.bounded(2) ? m_window.Command1_Click(index) : m_window.menu_h_Click(index);
        return QStringLiteral("index %1").arg(index);
    }

    void selected(Expected &expected)
    {
        expected.closed = false;
        expected.drawWidth = 1;
    }

    Zarvelon &m_window;
    Board &m_board;
    QRandomGenerator m_random;
};

// What is wrong with the board, or nothing.
QString Violation(const Board &board, const Expected &expected)
{
    const int n = board.List1[0].ListCount();
    if (board.List1[1].ListCount() != n || board.List1[2].ListCount() != n)
        return QStringLiteral("vertex lists of different lengths");
    if (board.PointCount != n)
        return QStringLiteral("PointCount %1 for %2 rows").arg(board.PointCount).arg(n);
    for (int r = 0; r < n; ++r)
        if (board.List1[2].List(r) != QString::number(r + 1))
            return QStringLiteral("row %1 numbered %2").arg(r).arg(board.List1[2].List(r));
    for (const ListBox &scratch : board.List2)
        if (scratch.ListCount())
            return QStringLiteral("a scratch list holds rows");
    if (board.Closed != expected.closed)
        return QStringLiteral("Closed is %1").arg(board.Closed);
    if (board.Picture1.DrawWidth() != expected.drawWidth)
        return QStringLiteral("pen width %1, expected %2").arg(board.Picture1.DrawWidth()).arg(expected.drawWidth);
    if (expected.reportedVertices >= 0) {
        static const QRegularExpression block(QStringLiteral(
            "Върхове: 1(\\d+) с координати: \\d+,\\d+; \\d+,\\d+; \\d+,\\d+\r\n"
            "Страни: a = [\\d,]+\\.\\d{3}; b = [\\d,]+\\.\\d{3}; c = [\\d,]+\\.\\d{3}\r\n"
            "Лице по Херон = [\\d.E+-]+; Лице ориентирано = \\d+(\\.5)?\r\n\r\n"));
        static const QRegularExpression total(QStringLiteral("Лице на изпъкналия многоъгълник = \\d+(\\.5)?\r\n$"));
        const QString report = board.Text1.Text();
        const int blocks = int(report.count(block));
        if (blocks != std::max(0, expected.reportedVertices - 2) || !total.match(report).hasMatch())
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
};

void RandomEventsTest::invariantsHoldAfterEveryEvent()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Zarvelon window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const bool replay = qEnvironmentVariableIsSet("ZARVELON_SEED");
    const quint32 first = replay ? qEnvironmentVariableIntValue("ZARVELON_SEED") : 1;
    const quint32 count = replay ? 1 : Sequences;
    for (quint32 seed = first; seed < first + count; ++seed) {
        PressButton(window, 2);
        Expected expected;
        Player player(window, seed);
        QStringList steps;
        for (int i = 0; i < EventsPerSequence; ++i) {
            steps << player.step(expected);
            const QString violation = Violation(window.board(), expected);
            if (!violation.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nsteps: %4")
                                     .arg(seed).arg(i).arg(violation, steps.join(QStringLiteral("; ")))));
        }
    }
}

QTEST_MAIN(RandomEventsTest)
#include "tst_randomevents.moc"
