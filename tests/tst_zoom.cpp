// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom on the screens of a classroom, side by side on the headless
// platform (classroom-screens.json): the largest step fits the screen, its
// frame included, and a smaller screen never forgets the zoom chosen;
// everything the program opens grows with the window and shrinks back.
#include "HelpWindow.h"
#include "PracticeWindow.h"
#include "ViewSettings.h"
#include "WindowFixture.h"
#include "WindowZoom.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QToolTip>
#include <QWindow>

namespace {

// The window at the top-left corner of the screen of that size.
void moveTo(MainWindow &window, QSize size)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->size() == size) {
            window.windowHandle()->setScreen(screen);
            window.move(screen->availableGeometry().topLeft());
        }
    settle();
}

// Each with Ctrl: "+", "-", "0", in the window, over any other open.
void press(MainWindow &window, const QString &keys)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window does not take the keys");
    for (QChar key : keys)
        QTest::keyClick(&window, key == u'+' ? Qt::Key_Plus : key == u'-' ? Qt::Key_Minus : Qt::Key_0,
                        Qt::ControlModifier);
    settle();
}

int pixelsOf(const QFont &font)
{
    return QFontInfo(font).pixelSize();
}

// The shown top-level widget of that kind.
QWidget *shown(const char *kind)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits(kind) && widget->isVisible())
            return widget;
    qFatal("no %s shown", kind);
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window.reset(new MainWindow);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        control<QAction>(*m_window, "zoomResetAction")->trigger();
        m_window.reset();
    }
    void largestStep_data();
    void largestStep();
    void largestWithAFrame_data();
    void largestWithAFrame();
    void everyStepAsMeasured();
    void everythingGrows_data();
    void everythingGrows();

private:
    int percent() const { return m_window->findChild<WindowZoom *>()->percent(); }
    qreal sizeOf(const QString &part);

    std::unique_ptr<MainWindow> m_window;
};

void ZoomTest::largestStep_data()
{
    QTest::addColumn<QString>("steps"); // "s WxH" to that screen, "k KEYS" the zoom's keys
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("remembered");
    const QString nine = QStringLiteral("k +++++++++");
    QTest::newRow("1024x768: 150 %") << "s 1024x768; " + nine << 150 << 150;
    QTest::newRow("1366x768: 150 %") << "s 1366x768; " + nine << 150 << 150;
    QTest::newRow("1920x1080: 225 %") << "s 1920x1080; " + nine << 225 << 225;
    QTest::newRow("2560x1600: never beyond 300 %") << "s 2560x1600; " + nine << 300 << 300;
    const QString moved = QStringLiteral("s 2560x1600; k ++++++; s 1366x768");
    QTest::newRow("250 % moved to 1366x768: 150 %, 250 % kept") << moved << 150 << 250;
    QTest::newRow("there Ctrl+Plus takes no step") << moved + "; k +" << 150 << 250;
    QTest::newRow("there Ctrl+Minus: 125 %") << moved + "; k -" << 125 << 125;
    QTest::newRow("back on the large screen: 250 %") << moved + "; s 2560x1600" << 250 << 250;
}

// The window, its frame included, lies inside its screen at the step shown.
void ZoomTest::largestStep()
{
    QFETCH(QString, steps);
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        const QStringList size = step.mid(2).split(u'x');
        step.startsWith(u's') ? moveTo(*m_window, QSize(size[0].toInt(), size.value(1).toInt()))
                              : press(*m_window, step.mid(2));
    }
    QTEST(percent(), "percent");
    QTEST(ViewSettings::zoomPercent(), "remembered");
    QCOMPARE(m_window->centralWidget()->size(), QSizeF(QSizeF(481, 424) * percent() / 100.0).toSize());
    QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry()));
}

void ZoomTest::largestWithAFrame_data()
{
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<int>("percent");
    QTest::newRow("1366x768 with a 30-pixel title bar") << QSize(1366, 768) << QMargins(1, 30, 1, 1) << 150;
    QTest::newRow("1920x1080 above a 40-pixel task bar") << QSize(1920, 1040) << QMargins(1, 30, 1, 1) << 225;
    QTest::newRow("1920x1080 above a 60-pixel task bar") << QSize(1920, 1020) << QMargins(1, 30, 1, 1) << 200;
    QTest::newRow("a netbook's 1024x600") << QSize(1024, 600) << QMargins(1, 30, 1, 1) << 125;
}

// The step at which the window as measured, with the frame a window
// manager gives it, fits the screen's free area.
void ZoomTest::largestWithAFrame()
{
    QFETCH(QSize, room);
    QFETCH(QMargins, frame);
    QTEST(m_window->findChild<WindowZoom *>()->largestFitting(frame, room), "percent");
}

// What a step measures before it is taken is the window's size after: the
// step chosen fits every screen.
void ZoomTest::everyStepAsMeasured()
{
    moveTo(*m_window, {2560, 1600});
    auto *zoom = m_window->findChild<WindowZoom *>();
    for (int step = WindowZoom::Smallest; step <= WindowZoom::Largest; step += WindowZoom::Step) {
        zoom->choose(step);
        settle();
        QCOMPARE(percent(), step);
        QCOMPARE(m_window->size(), zoom->windowSizeAt(step));
    }
}

void ZoomTest::everythingGrows_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("part");
    const QString largest = QStringLiteral("+++++++++"), twice = QStringLiteral("++++");
    for (QSize screen : {QSize(1024, 768), QSize(1366, 768)})
        for (const char *part : {"the report's context menu", "the help's text"})
            QTest::addRow("%s at %dx%d's largest", part, screen.width(), screen.height()) << screen << largest << part;
    for (const char *part : {"the report's context menu", "the canvas's tooltip", "a message box", "a list's scroll bar",
                             "the practice"})
        QTest::addRow("%s at 200 %%", part) << QSize(1920, 1080) << twice << part;
    QTest::newRow("the report's context menu back at 100 %")
        << QSize(1920, 1080) << twice + "0" << "the report's context menu";
}

// As many times as large as at 100 % as the zoom says, within a tenth.
void ZoomTest::everythingGrows()
{
    QFETCH(QSize, screen);
    QFETCH(QString, keys);
    QFETCH(QString, part);
    moveTo(*m_window, screen);
    const qreal before = sizeOf(part);
    press(*m_window, keys);
    const qreal zoom = percent() / 100.0;
    QCOMPARE(percent(), keys.endsWith(u'0') ? 100 : keys.size() > 4 ? 150 : 200);
    const qreal after = sizeOf(part);
    QVERIFY2(qAbs(after / before - zoom) <= zoom / 10, qPrintable(QStringLiteral("%1 → %2").arg(before).arg(after)));
}

// The size of the text, or of the scroll bar, of what the user opens.
qreal ZoomTest::sizeOf(const QString &part)
{
    MainWindow &window = *m_window;
    if (part.contains(u"menu")) {
        ReportView *report = reportOf(window);
        QContextMenuEvent opened(QContextMenuEvent::Keyboard, QPoint(5, 5), report->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(report, &opened);
        QWidget *menu = shown("QMenu");
        const int pixels = pixelsOf(menu->font());
        menu->close();
        return pixels;
    }
    if (part.contains(u"tooltip")) {
        Canvas *canvas = canvasOf(window);
        QToolTip::showText(canvas->mapToGlobal(canvas->rect().center()), QStringLiteral("Лице"), canvas);
        const int pixels = pixelsOf(shown("QTipLabel")->font());
        QToolTip::hideText();
        return pixels;
    }
    if (part.contains(u"help")) {
        control<QAction>(window, "helpAction")->trigger();
        return pixelsOf(window.findChild<HelpWindow *>()->document()->defaultFont());
    }
    if (part.contains(u"message")) {
        window.openVertexFile(QStringLiteral("/no such folder/върхове.txt"));
        settle();
        QWidget *box = shown("QMessageBox");
        const int pixels = pixelsOf(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font());
        box->close();
        return pixels;
    }
    if (part.contains(u"practice")) {
        control<QAction>(window, "practiceAction")->trigger();
        return pixelsOf(window.findChild<PracticeWindow *>()->font());
    }
    return listOf(window, VertexModel::XColumn)->verticalScrollBar()->sizeHint().width();
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
