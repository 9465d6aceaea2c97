// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window without a mouse: vertices placed with the canvas's crosshair,
// commands run from a focused button, and Qt's own texts in Bulgarian.
#include "BulgarianCatalogue.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers = {};
    int times = 1;
};
using Keys = QList<Key>;

void type(QWidget *widget, const Keys &keys)
{
    for (const Key &k : keys)
        for (int i = 0; i < k.times; ++i)
            QTest::keyClick(widget, Qt::Key(k.key), k.modifiers);
    settle();
}

// From the report, where the focus is at start, Tab by Tab to a control.
void tabTo(QWidget *target)
{
    for (int i = 0; i < 10 && QApplication::focusWidget() != target; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
}

// A triangle placed with the mouse.
void pressTriangle(MainWindow &window)
{
    for (QPoint p : {QPoint(20, 30), QPoint(120, 30), QPoint(60, 110)})
        pressCanvas(window, p);
}

struct Shown {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    Shown()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
};

} // namespace

Q_DECLARE_METATYPE(Keys)

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void crosshairPlacesAsTheMouseDoes_data();
    void crosshairPlacesAsTheMouseDoes();
    void focusedButtonRunsItsCommand_data();
    void focusedButtonRunsItsCommand();
    void marksOnlyForTheKeyboard_data();
    void marksOnlyForTheKeyboard();
    void menuBarByKeyboard_data();
    void menuBarByKeyboard();
    void keysOnAControl_data();
    void keysOnAControl();
    void vertexMovedInPlace_data();
    void vertexMovedInPlace();
    void qtTextsInBulgarian();
};

void TestKeyboard::crosshairPlacesAsTheMouseDoes_data()
{
    QTest::addColumn<QList<QPoint>>("pressedFirst"); // by the mouse
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QPoint>("placed");
    // The inner area is 463 x 196 pixels.
    QTest::newRow("centre of an empty board") << QList<QPoint>() << Keys{{Qt::Key_Space}} << QPoint(231, 98);
    QTest::newRow("arrows, one pixel")
        << QList<QPoint>() << Keys{{Qt::Key_Right, {}, 3}, {Qt::Key_Down, {}, 2}, {Qt::Key_Return}} << QPoint(234, 100);
    QTest::newRow("Shift, ten pixels")
        << QList<QPoint>() << Keys{{Qt::Key_Left, Qt::ShiftModifier, 2}, {Qt::Key_Up}, {Qt::Key_Enter}} << QPoint(211, 97);
    QTest::newRow("kept inside, top left")
        << QList<QPoint>() << Keys{{Qt::Key_Up, Qt::ShiftModifier, 20}, {Qt::Key_Left, Qt::ShiftModifier, 30}, {Qt::Key_Space}}
        << QPoint(0, 0);
    QTest::newRow("kept inside, bottom right")
        << QList<QPoint>() << Keys{{Qt::Key_Down, Qt::ShiftModifier, 20}, {Qt::Key_Right, Qt::ShiftModifier, 30}, {Qt::Key_Space}}
        << QPoint(462, 195);
    QTest::newRow("from the last vertex placed")
        << QList<QPoint>{{50, 60}, {300, 20}} << Keys{{Qt::Key_Left}, {Qt::Key_Space}} << QPoint(299, 20);
}

// Same rows, dot and report as a left press at the crosshair, which places
// the vertex there, the inner area's corners included; the crosshair itself
// never reaches the picture.
void TestKeyboard::crosshairPlacesAsTheMouseDoes()
{
    QFETCH(QList<QPoint>, pressedFirst);
    QFETCH(Keys, keys);
    QFETCH(QPoint, placed);
    Shown byKeys, byMouse;
    for (QPoint p : pressedFirst) {
        pressCanvas(*byKeys.window, p);
        pressCanvas(*byMouse.window, p);
    }
    byKeys.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(byKeys.window.get()));
    Canvas *canvas = canvasOf(*byKeys.window);
    canvas->setFocus(Qt::TabFocusReason);
    type(canvas, keys);
    pressCanvas(*byMouse.window, placed);
    settle();

    const Snapshot shown = snap(*byKeys.window);
    QCOMPARE(shown, snap(*byMouse.window));
    QCOMPARE(shown.x.value(shown.x.size() - 1) + u',' + shown.y.value(shown.y.size() - 1),
             QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y()));
    pressButton(*byKeys.window, "inOrderButton");
    pressButton(*byMouse.window, "inOrderButton");
    QCOMPARE(snap(*byKeys.window), snap(*byMouse.window));
}

void TestKeyboard::focusedButtonRunsItsCommand_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("verticesAfter");
    QTest::addColumn<bool>("closedAfter");
    QTest::newRow("Enter on the clear button") << QByteArray("clearButton") << int(Qt::Key_Enter) << 0 << false;
    QTest::newRow("Return on the clear button") << QByteArray("clearButton") << int(Qt::Key_Return) << 0 << false;
    QTest::newRow("Space on the clear button") << QByteArray("clearButton") << int(Qt::Key_Space) << 0 << false;
    QTest::newRow("Enter on the contour button") << QByteArray("contourButton") << int(Qt::Key_Enter) << 3 << true;
}

// Tab from the report to the button, as the user does, and the key.
void TestKeyboard::focusedButtonRunsItsCommand()
{
    QFETCH(QByteArray, command);
    QFETCH(int, key);
    Shown shown;
    MainWindow &window = *shown.window;
    pressTriangle(window);
    reportOf(window)->setFocus();
    tabTo(control<QPushButton>(window, command));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    settle();

    QTEST(window.board().vertices().vertexCount(), "verticesAfter");
    QTEST(window.board().isClosed(), "closedAfter");
    QCOMPARE(reportOf(window)->text().isEmpty(), command == "clearButton");
}

enum Step { TabIn, BacktabIn, Press, Arrow, Space };
using Steps = QList<Step>;
Q_DECLARE_METATYPE(Steps)

void TestKeyboard::marksOnlyForTheKeyboard_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Tab to the canvas") << Steps{TabIn} << true;
    QTest::newRow("Shift+Tab to the canvas") << Steps{BacktabIn} << true;
    QTest::newRow("a press") << Steps{Press} << false;
    QTest::newRow("a press, then an arrow key") << Steps{Press, Arrow} << true;
    QTest::newRow("Tab, then a press") << Steps{TabIn, Press} << false;
    QTest::newRow("a press, then Space") << Steps{Press, Space} << false;
}

// The focus frame and the crosshair show for the keyboard's user only: the
// mouse's user sees the picture as he made it.
void TestKeyboard::marksOnlyForTheKeyboard()
{
    QFETCH(Steps, steps);
    QFETCH(bool, shown);
    Shown window;
    Canvas *canvas = canvasOf(*window.window);
    for (Step step : steps) {
        switch (step) {
        case TabIn: reportOf(*window.window)->setFocus(); tabTo(canvas); break;
        case BacktabIn:
            listOf(*window.window, VertexModel::NumberColumn)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Press: pressCanvas(*window.window, QPoint(40, 50)); break;
        case Arrow: QTest::keyClick(canvas, Qt::Key_Right); break;
        case Space: QTest::keyClick(canvas, Qt::Key_Space); break;
        }
    }
    settle();

    QVERIFY(canvas->hasFocus());
    const QImage picture = copiedPicture(canvas);
    const QImage onScreen = canvas->grab().toImage().copy(QRect(canvas->contentsRect().topLeft(), picture.size()));
    QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32) == picture, !shown);
}

void TestKeyboard::menuBarByKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Keys>("then"); // on the menu bar
    QTest::addColumn<int>("verticesAfter");
    QTest::newRow("F10, two to the right, Enter") << int(Qt::Key_F10) << Keys{{Qt::Key_Right, {}, 2}, {Qt::Key_Return}} << 0;
    QTest::newRow("Alt, two to the right, Enter") << int(Qt::Key_Alt) << Keys{{Qt::Key_Right, {}, 2}, {Qt::Key_Return}} << 0;
    QTest::newRow("F10, Escape") << int(Qt::Key_F10) << Keys{{Qt::Key_Escape}} << 3;
    QTest::newRow("F10 twice") << int(Qt::Key_F10) << Keys{{Qt::Key_F10}} << 3;
}

// The key puts the focus on the menu bar, marking its first item; the
// arrows and Enter run an item, and the focus goes back where it was.
void TestKeyboard::menuBarByKeyboard()
{
    QFETCH(int, key);
    QFETCH(Keys, then);
    Shown shown;
    MainWindow &window = *shown.window;
    pressTriangle(window);
    ReportView *report = reportOf(window);
    report->setFocus();
    QMenuBar *bar = window.menuBar();
    QAction *first = bar->actions().constFirst();
    const QImage unmarked = bar->grab(bar->actionGeometry(first)).toImage();

    QTest::keyClick(report, Qt::Key(key));

    QCOMPARE(QApplication::focusWidget(), bar);
    QCOMPARE(bar->activeAction(), first);
    QVERIFY(bar->grab(bar->actionGeometry(first)).toImage() != unmarked);
    type(bar, then);
    QTEST(window.board().vertices().vertexCount(), "verticesAfter");
    QCOMPARE(QApplication::focusWidget(), report);
}

void TestKeyboard::keysOnAControl_data()
{
    QTest::addColumn<QByteArray>("control"); // that has the focus
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<int>("picked"); // the row picked before; -1 none
    QTest::addColumn<int>("verticesAfter");
    QTest::addColumn<QString>("shows"); // in the menu or message that opens; none

    const QKeyCombination shiftF10 = Qt::SHIFT | Qt::Key_F10;
    QTest::newRow("Delete on a list, a row picked") << QByteArray("yList") << QKeyCombination(Qt::Key_Delete) << 1 << 2 << "";
    QTest::newRow("Shift+F10 on a list") << QByteArray("numberList") << shiftF10 << -1 << 3 << "Покажи на цял екран";
    QTest::newRow("Shift+F10 on the report") << QByteArray("report") << shiftF10 << -1 << 3 << "Запиши рисунката като...";
    QTest::newRow("Shift+F10 on the canvas") << QByteArray("canvas") << shiftF10 << -1 << 3 << "Запиши рисунката като...";
    QTest::newRow("a pasted line's tabs as blanks") << QByteArray("canvas") << (Qt::CTRL | Qt::Key_V) << -1 << 3
                                                   << "ред 2 („900 60 7“)";
}

// Delete deletes a list's picked vertex; Shift+F10 opens the focused
// control's context menu; a message quotes a pasted line, tabs as blanks.
void TestKeyboard::keysOnAControl()
{
    QFETCH(QByteArray, control);
    QFETCH(QKeyCombination, keys);
    QFETCH(int, picked);
    Shown shown;
    MainWindow &window = *shown.window;
    pressTriangle(window);
    if (picked >= 0)
        clickRow(window, VertexModel::YColumn, picked);
    QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\n900\t60\t7\n"));
    QWidget *focused = ::control<QWidget>(window, control);
    focused->setFocus();
    QString opened;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            opened = menu->actions().constLast()->text();
            menu->close();
        }
    });

    QTest::keyClick(focused, keys.key(), keys.keyboardModifiers());
    settle();

    QTEST(window.board().vertices().vertexCount(), "verticesAfter");
    if (auto *message = window.findChild<QMessageBox *>())
        opened = message->text();
    QFETCH(QString, shows);
    QVERIFY2(shows.isEmpty() ? opened.isEmpty() : opened.contains(shows), qPrintable(opened));
}

void TestKeyboard::vertexMovedInPlace_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<bool>("byDoubleClick"); // else F2
    QTest::addColumn<QString>("typed"); // then Enter; none: Escape
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("message"); // a part of it; none without one

    QTest::newRow("F2 on the X list, Enter") << QByteArray("xList") << false << "77" << "20,30 77,30 60,110" << "";
    QTest::newRow("a double-click on the Y list, Enter") << QByteArray("yList") << true << "5" << "20,30 120,5 60,110" << "";
    QTest::newRow("Escape leaves it") << QByteArray("xList") << false << "" << "20,30 120,30 60,110" << "";
    QTest::newRow("not a whole number") << QByteArray("yList") << false << "3.5" << "20,30 120,30 60,110"
                                        << "Y трябва да е цяло число от 0 до 195.";
}

// The picked vertex's X or Y typed in its list: the dot and the row move,
// the numbers stay; anything but a whole number on the canvas moves nothing
// and says why.
void TestKeyboard::vertexMovedInPlace()
{
    QFETCH(QByteArray, list);
    QFETCH(bool, byDoubleClick);
    QFETCH(QString, typed);
    Shown shown;
    MainWindow &window = *shown.window;
    pressTriangle(window);
    auto *view = control<QListView>(window, list);
    clickRow(window, list == "xList" ? VertexModel::XColumn : VertexModel::YColumn, 1);

    if (byDoubleClick)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->currentIndex()).center());
    else
        QTest::keyClick(view, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != view);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    settle();

    QTEST(rows(window.board().vertices()), "rows");
    QCOMPARE(columnTexts(window.board().vertices(), VertexModel::NumberColumn), numbersUpTo(3));
    QFETCH(QString, message);
    auto *box = window.findChild<QMessageBox *>();
    QVERIFY2(box ? box->text().contains(message) : message.isEmpty(), qPrintable(box ? box->text() : QString()));
}

// The report box's context menu, one form for all its items, and the full
// board's message box, which names the most vertices a board holds, under
// any locale of the user's.
void TestKeyboard::qtTextsInBulgarian()
{
    QVERIFY(installBulgarianCatalogue(*QCoreApplication::instance()));
    Shown shown;
    MainWindow &window = *shown.window;
    ReportView *report = reportOf(window);
    report->selectAll();
    QContextMenuEvent opening(QContextMenuEvent::Keyboard, QPoint(5, 5), report->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(report, &opening);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0).remove(u'&');
    menu->close();
    QCOMPARE(texts, (QStringList{QStringLiteral("Копирай"), QStringLiteral("Избери всичко"),
                                 QStringLiteral("Покажи изчислението"), QStringLiteral("Запиши като..."),
                                 QStringLiteral("Отпечатай..."), QStringLiteral("Запиши като PDF..."),
                                 QStringLiteral("Покажи на цял екран"), QStringLiteral("Упражнявай се"),
                                 QStringLiteral("Запиши рисунката като...")}));

    Canvas *canvas = canvasOf(window);
    for (int i = 0; i <= VertexModel::MaxVertices; ++i)
        emit canvas->pressed(QPoint(i % 400, i % 190), Qt::LeftButton);
    settle();
    auto *box = window.findChild<QMessageBox *>();
    QVERIFY(box && box->text().contains(QStringLiteral("32767")));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("Добре"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
