// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include <QClipboard>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Vertices far apart on the canvas, each with pixels of its own.
const QList<QPoint> Spread = {{40, 50}, {200, 120}, {330, 40}, {100, 160}, {250, 30}, {420, 150}};
const VertexModel::Column Columns[] = {VertexModel::XColumn, VertexModel::YColumn, VertexModel::NumberColumn};

enum Input { Click, CtrlClick, KeyDown, KeyUp, CtrlSpace, TabIntoList, CanvasPress, ContourOrdering, RightClick,
             RightClickAfterContour };

} // namespace

// The X, Y and number lists of the window, driven by the mouse and the
// keyboard, show one selected vertex between them, and the canvas marks it.
class TestVertexLists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectionInAllLists_data();
    void selectionInAllLists();
    void numberListShowsItsRow_data();
    void numberListShowsItsRow();
    void copying_data();
    void copying();

private:
    void verifySelected(int row);
    void verifyOneRowShown(int row);

    std::unique_ptr<MainWindow> m_window;
};

void TestVertexLists::init()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestVertexLists::cleanup()
{
    m_window.reset();
}

// All three lists show `row` as their current and only selected row (none
// selected for -1), and the canvas marks it, and only it, in red.
void TestVertexLists::verifySelected(int row)
{
    const Board &board = m_window->board();
    QCOMPARE(board.selectedRow(), row);
    for (VertexModel::Column column : Columns) {
        const QListView *view = listOf(*m_window, column);
        QCOMPARE(selectedRowOf(view), row);
        if (row >= 0) {
            QCOMPARE(view->currentIndex().row(), row);
            QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
        }
    }
    const QImage picture = copiedPicture(canvasOf(*m_window));
    for (int r = 0; r < board.vertices().vertexCount(); ++r) {
        const Point p = board.points()[r];
        QCOMPARE(picture.pixel(int(p.x), int(p.y)), r == row ? qRgb(255, 0, 0) : qRgb(0, 0, 0));
    }
}

void TestVertexLists::selectionInAllLists_data()
{
    QTest::addColumn<int>("list"); // the column it shows
    QTest::addColumn<int>("before"); // selected first by a click in another list
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("row"); // clicked
    QTest::addColumn<int>("selected");

    const int x = VertexModel::XColumn, y = VertexModel::YColumn, number = VertexModel::NumberColumn;
    QTest::newRow("click in X list") << x << -1 << int(Click) << 2 << 2;
    QTest::newRow("click in Y list") << y << -1 << int(Click) << 1 << 1;
    QTest::newRow("click in number list") << number << -1 << int(Click) << 3 << 3;
    QTest::newRow("click on another row") << x << 0 << int(Click) << 4 << 4;
    QTest::newRow("Down in Y list") << y << 1 << int(KeyDown) << 0 << 2;
    QTest::newRow("Up in number list") << number << 2 << int(KeyUp) << 0 << 1;
    QTest::newRow("Ctrl+click on the selected row") << x << 2 << int(CtrlClick) << 2 << 2;
    QTest::newRow("Ctrl+Space on the selected row") << y << 2 << int(CtrlSpace) << 0 << 2;
    QTest::newRow("Ctrl+click on another row") << number << 1 << int(CtrlClick) << 3 << 3;
    QTest::newRow("Tab into a list") << number << -1 << int(TabIntoList) << 0 << -1;
    QTest::newRow("canvas press") << x << 2 << int(CanvasPress) << 0 << 2;
    QTest::newRow("contour ordering") << x << 2 << int(ContourOrdering) << 0 << -1;
    QTest::newRow("right click on another row, Escape") << y << 1 << int(RightClick) << 3 << 1;
    QTest::newRow("right click after contour ordering") << number << 2 << int(RightClickAfterContour) << 3 << -1;
}

// After the input the lists agree, and the delete button deletes the vertex
// they show, or nothing when none is selected.
void TestVertexLists::selectionInAllLists()
{
    QFETCH(int, list);
    QFETCH(int, before);
    QFETCH(int, input);
    QFETCH(int, row);
    QFETCH(int, selected);
    MainWindow &window = *m_window;
    for (QPoint p : Spread.mid(0, 5))
        pressCanvas(window, p);
    const auto column = VertexModel::Column(list);
    if (before >= 0)
        clickRow(window, column == VertexModel::NumberColumn ? VertexModel::XColumn : VertexModel::NumberColumn, before);
    QListView *view = listOf(window, column);
    view->setFocus();

    switch (Input(input)) {
    case Click: clickRow(window, column, row); break;
    case CtrlClick: clickRow(window, column, row, Qt::ControlModifier); break;
    case KeyDown: QTest::keyClick(view, Qt::Key_Down); break;
    case KeyUp: QTest::keyClick(view, Qt::Key_Up); break;
    case CtrlSpace: QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier); break;
    case TabIntoList:
        canvasOf(window)->setFocus();
        QTest::keyClick(canvasOf(window), Qt::Key_Tab);
        QVERIFY(view->hasFocus());
        break;
    case CanvasPress: pressCanvas(window, Spread.last()); break;
    case ContourOrdering: pressButton(window, "contourButton"); break;
    case RightClickAfterContour: pressButton(window, "contourButton"); Q_FALLTHROUGH();
    case RightClick: {
        // The context menu opens, and Escape closes it: the picture stays.
        const QImage picture = copiedPicture(canvasOf(window));
        bool menuShown = false;
        QTimer::singleShot(0, [&] {
            if ((menuShown = QApplication::activePopupWidget()))
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        });
        const QModelIndex index = view->model()->index(row, view->modelColumn());
        view->scrollTo(index); // and a click through the window, which brings the context menu
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
                          view->viewport()->mapTo(&window, view->visualRect(index).center()));
        settle();
        QVERIFY(menuShown);
        QCOMPARE(copiedPicture(canvasOf(window)), picture);
        view->scrollTo(view->currentIndex()); // back to the selected row
    }
    }
    verifySelected(selected);

    QStringList remaining = rows(window.board().vertices()).split(u' ');
    if (selected >= 0)
        remaining.removeAt(selected);
    pressButton(window, "deleteButton");
    QCOMPARE(rows(window.board().vertices()), remaining.join(u' '));
    verifySelected(-1);
}

void TestVertexLists::numberListShowsItsRow_data()
{
    QTest::addColumn<int>("vertices");
    QTest::newRow("100 vertices") << 100;
    QTest::newRow("1,000 vertices") << 1000;
    QTest::newRow("a full board") << VertexModel::MaxVertices;
}

// Every list shows exactly one whole row, the same vertex in all three,
// also after the wheel turns over one of them; the last vertex number,
// selected, is shown whole in the narrow number list, in a font that fits
// the part of the row the list shows, so not cut short.
void TestVertexLists::numberListShowsItsRow()
{
    QFETCH(int, vertices);
    Canvas *canvas = canvasOf(*m_window);
    for (int i = 0; i < vertices; ++i)
        emit canvas->pressed(QPoint(i % 400, i % 190), Qt::LeftButton);
    settle();
    QListView *numbers = listOf(*m_window, VertexModel::NumberColumn);
    numbers->setFocus();
    QTest::keyClick(numbers, Qt::Key_End);
    verifyOneRowShown(vertices - 1);

    const QModelIndex current = numbers->currentIndex();
    QCOMPARE(current.data().toString(), QString::number(vertices));
    QCOMPARE(m_window->board().selectedRow(), vertices - 1);
    QVERIFY(!numbers->horizontalScrollBar()->isVisible());
    QStyleOptionViewItem shown;
    shown.initFrom(numbers);
    shown.widget = numbers;
    shown.font = numbers->font();
    shown.rect = numbers->visualRect(current) & numbers->viewport()->rect();
    QVERIFY(numbers->itemDelegateForIndex(current)->sizeHint(shown, current).width() <= shown.rect.width());

    // A notch up over the Y list: a one-row list scrolls by a row.
    QWidget *wheeled = listOf(*m_window, VertexModel::YColumn)->viewport();
    QWheelEvent wheel(QPointF(5, 5), wheeled->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(wheeled, &wheel);
    verifyOneRowShown(vertices - 2);
}

// Each list shows the row whole, as high as a row of its font, and nothing
// of the next; all three the same.
void TestVertexLists::verifyOneRowShown(int row)
{
    for (VertexModel::Column column : Columns) {
        const QListView *view = listOf(*m_window, column);
        const QRect inside = view->viewport()->rect();
        const QModelIndex top = view->indexAt(inside.topLeft());
        QCOMPARE(top.row(), row);
        const QRect shown = view->visualRect(top);
        QVERIFY(shown.top() >= 0 && shown.bottom() <= inside.bottom());
        QVERIFY(shown.height() >= QFontMetrics(view->font()).height());
        QVERIFY(!view->visualRect(top.siblingAtRow(row + 1)).intersects(inside));
    }
}

void TestVertexLists::copying_data()
{
    QTest::addColumn<int>("vertices");
    QTest::addColumn<bool>("everyVertex"); // by the context menu's item, else by Ctrl+C
    QTest::addColumn<QString>("copied"); // none: the clipboard keeps what it had
    QTest::newRow("Ctrl+C, the current row") << 3 << false << "200";
    QTest::newRow("Ctrl+C on an empty list") << 0 << false << QString();
    QTest::newRow("every vertex") << 3 << true << "40\t50\n200\t120\n330\t40\n";
    QTest::newRow("every vertex of an empty board") << 0 << true << QString();
}

// Ctrl+C copies the list's current row, the context menu's item every
// vertex; an empty board copies nothing, and no warning is written.
void TestVertexLists::copying()
{
    QFETCH(int, vertices);
    QFETCH(bool, everyVertex);
    QFETCH(QString, copied);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    for (QPoint p : Spread.mid(0, vertices))
        pressCanvas(*m_window, p);
    if (vertices > 0)
        clickRow(*m_window, VertexModel::XColumn, 1);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    QListView *xs = listOf(*m_window, VertexModel::XColumn);

    if (everyVertex) {
        for (VertexModel::Column column : Columns) {
            const QListView *view = listOf(*m_window, column);
            QCOMPARE(view->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(view->actions(), xs->actions()); // one menu for the three
            QCOMPARE(view->actions().constFirst()->text(), QStringLiteral("Копирай всички върхове"));
        }
        xs->actions().constFirst()->trigger();
    } else {
        xs->setFocus();
        QTest::keyClick(xs, Qt::Key_C, Qt::ControlModifier);
    }

    QCOMPARE(clipboard->text(), copied.isEmpty() ? QStringLiteral("before") : copied);
}

QTEST_MAIN(TestVertexLists)
#include "tst_vertexlists.moc"
