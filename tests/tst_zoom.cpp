// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom on a classroom's screens side by side (classroom-screens.json).
#include "HelpWindow.h"
#include "PracticeWindow.h"
#include "ViewSettings.h"
#include "WindowFixture.h"
#include "WindowZoom.h"

#include <QScreen>
#include <QScrollBar>
#include <QToolTip>

namespace {

WindowZoom &zoomOf(const MainWindow &window) { return *window.findChild<WindowZoom *>(); }

// "s WxH" to that screen, "k KEYS" the keys "+", "-", "0" with Ctrl, "t WxH"
// the largest step for a screen of that size under a 30-pixel title bar.
void play(MainWindow &window, const QString &steps)
{
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        if (const QStringList room = step.mid(2).split(u'x'); step.startsWith(u't'))
            zoomOf(window).choose(zoomOf(window).largestFitting(QMargins(1, 30, 1, 1), QSize(room[0].toInt(), room[1].toInt())));
        for (QScreen *screen : QGuiApplication::screens())
            if (step == QStringLiteral("s ") + screen->name())
                window.windowHandle()->setScreen(screen), window.move(screen->availableGeometry().topLeft());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (QChar key : step.startsWith(u'k') ? step.mid(2) : QString())
            QTest::keyClick(&window, key == u'+' ? Qt::Key_Plus : key == u'-' ? Qt::Key_Minus : Qt::Key_0, Qt::ControlModifier);
        settle();
    }
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window.reset(new MainWindow); m_window->show(); QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }
    void cleanup() { control<QAction>(*m_window, "zoomResetAction")->trigger(); m_window.reset(); }
    void largestStep_data();
    void largestStep();
    void everythingGrows_data();
    void everythingGrows();

private:
    int sizeOf(const QString &part);

    std::unique_ptr<MainWindow> m_window;
};

void ZoomTest::largestStep_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("remembered");
    for (int steps = 0; steps <= 8; ++steps) // every step as measured before it is taken
        QTest::addRow("2560x1600, %d steps", steps) << "s 2560x1600; k " + QString(steps, u'+') << 100 + 25 * steps << 100 + 25 * steps;
    QTest::newRow("2560x1600: never beyond 300 %") << "s 2560x1600; k +++++++++" << 300 << 300;
    QTest::newRow("1920x1080: 225 %") << "s 1920x1080; k +++++++++" << 225 << 225;
    QTest::newRow("1366x768: 150 %") << "s 1366x768; k +++++++++" << 150 << 150;
    QTest::newRow("1024x768: 150 %") << "s 1024x768; k +++++++++" << 150 << 150;
    QTest::newRow("1366x768 under a title bar: 150 %") << "s 2560x1600; t 1366x768" << 150 << 100;
    const QString moved = QStringLiteral("s 2560x1600; k ++++++; s 1366x768");
    QTest::newRow("250 % moved to 1366x768: 150 %, 250 % kept") << moved << 150 << 250;
    QTest::newRow("there Ctrl+Plus takes no step") << moved + "; k +" << 150 << 250;
    QTest::newRow("there Ctrl+Minus: 125 %") << moved + "; k -" << 125 << 125;
    QTest::newRow("back on the large screen: 250 %") << moved + "; s 2560x1600" << 250 << 250;
}

// The window as measured before the step, inside its screen with its frame.
void ZoomTest::largestStep()
{
    QFETCH(QString, steps);
    play(*m_window, steps);
    QTEST(zoomOf(*m_window).percent(), "percent");
    QTEST(ViewSettings::zoomPercent(), "remembered");
    QCOMPARE(m_window->size(), zoomOf(*m_window).windowSizeAt(zoomOf(*m_window).percent()));
    QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry()));
}

void ZoomTest::everythingGrows_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("part");
    for (const char *screen : {"1024x768", "1366x768"})
        for (const char *part : {"the report's context menu", "the help's text"})
            QTest::addRow("%s at %s's largest", part, screen) << QStringLiteral("s %1; k +++++++++").arg(screen) << part;
    for (const char *part : {"the report's context menu", "a tooltip", "a list's scroll bar", "the practice"})
        QTest::addRow("%s at 200 %%", part) << "s 1920x1080; k ++++" << part;
    QTest::newRow("the report's context menu back at 100 %") << "s 1920x1080; k ++++0" << "the report's context menu";
}

// As many times as large as at 100 % as the zoom says, within a tenth.
void ZoomTest::everythingGrows()
{
    QFETCH(QString, steps);
    QFETCH(QString, part);
    const qreal before = sizeOf(part);
    play(*m_window, steps);
    const qreal zoomed = zoomOf(*m_window).percent() / 100.0, after = sizeOf(part);
    QVERIFY2(qAbs(after / before - zoomed) <= zoomed / 10, qPrintable(QStringLiteral("%1 → %2").arg(before).arg(after)));
}

// The text's size in the report's menu, a tooltip, the help, the practice.
int ZoomTest::sizeOf(const QString &part)
{
    if (part.contains(u"scroll"))
        return listOf(*m_window, VertexModel::XColumn)->verticalScrollBar()->sizeHint().width();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, {5, 5}, reportOf(*m_window)->mapToGlobal(QPoint(5, 5)));
    if (part.contains(u"menu"))
        QCoreApplication::sendEvent(reportOf(*m_window), &menu);
    if (part.contains(u"help") || part.contains(u"practice"))
        control<QAction>(*m_window, part.contains(u"help") ? "helpAction" : "practiceAction")->trigger();
    QWidget *popup = QApplication::activePopupWidget();
    const QFont text = popup ? popup->font() : part.contains(u"tooltip") ? QToolTip::font()
        : part.contains(u"help") ? m_window->findChild<HelpWindow *>()->document()->defaultFont()
                                 : m_window->findChild<PracticeWindow *>()->font();
    if (popup)
        popup->close();
    return QFontInfo(text).pixelSize();
}

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
