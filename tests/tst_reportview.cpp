// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleReportView.h"
#include "LineFeedOffsets.h"
#include "ReportView.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {

QString lines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Line %1\r\n").arg(i);
    return text;
}

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A point on the left edge of the character at the position, in the viewport.
QPoint pointAt(const ReportView &view, const QString &position)
{
    const QRect character = view.characterRect(position.toLongLong());
    return QPoint(character.left() + 1, character.center().y());
}

// The context menu as the Menu key opens it, where the box says its caret is;
// a click there puts the caret where it is.
void openMenuAtCaret(ReportView &view)
{
    const QPoint at = view.inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, view.mapToGlobal(at));
    QCoreApplication::sendEvent(&view, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->pos(), view.mapToGlobal(at));
    QCOMPARE(menu->actions().constFirst()->isEnabled(), view.hasSelection());
    menu->close();
    QCOMPARE(view.positionAt(view.viewport()->mapFrom(&view, at)), view.cursorPosition());
}

} // namespace

class TestReportView : public QObject
{
    Q_OBJECT

private slots:
    void behaviour_data();
    void behaviour();
    void lineFeedOffsets_data();
    void lineFeedOffsets();
};

void TestReportView::behaviour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("rowText"); // the box holds this much in a row; empty: 300 px wide
    QTest::addColumn<qreal>("rows");      // the box's height in rows
    // Key sequences, or "click P", "shift-click P", "double-click P",
    // "triple-click P", "drag P Q" at character positions, "set TEXT",
    // "notice TEXT" (above the text), "menu";
    // "ink R": the box's row R from its top, whole or in part, shows text.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<qsizetype>("cursor");
    QTest::addColumn<qsizetype>("anchor");
    QTest::addColumn<QString>("copied"); // by Ctrl+C; empty when nothing is
    QTest::addColumn<int>("top");        // the scroll bar's line; -1 its end, the last line in view

    const QStringList all{"Ctrl+A"};
    QTest::newRow("CR LF kept, copied as LF") << "x\r\ny\r\n" << "" << 4.5 << all << 6ll << 0ll << "x\ny\n" << 0;
    QTest::newRow("CR and LF alone") << "a\rb\nc" << "" << 4.5 << all << 5ll << 0ll << "a\nb\nc" << 0;
    QTest::newRow("an empty box") << "" << "" << 4.5 << all << 0ll << 0ll << "" << 0;
    QTest::newRow("typing and editing keys change nothing")
        << "ab" << "" << 4.5 << QStringList{"Right", "x", "Backspace", "Del", "Return", "Ctrl+V", "Ctrl+X"}
        << 1ll << 1ll << "" << 0;
    QTest::newRow("Right steps over a CR LF") << "ab\r\ncd" << "" << 4.5 << QStringList{"End", "Right", "Shift+Left"}
                                             << 2ll << 4ll << "\n" << 0;
    QTest::newRow("Shift+Right") << "abc" << "" << 4.5 << QStringList{"Shift+Right", "Shift+Right"} << 2ll << 0ll
                                 << "ab" << 0;
    QTest::newRow("Shift+Down keeps the column") << "abc\r\ndef\r\n" << "" << 4.5 << QStringList{"Right", "Shift+Down"}
                                                << 6ll << 1ll << "bc\nd" << 0;
    QTest::newRow("Shift+Up on the first row selects to the start")
        << "abc\r\ndef" << "" << 4.5 << QStringList{"Right", "Right", "Shift+Up"} << 0ll << 2ll << "ab" << 0;
    QTest::newRow("Shift+Down on the last row selects to the end")
        << "abc\r\ndef\r\n" << "" << 4.5 << QStringList{"Down", "Shift+Down"} << 10ll << 5ll << "def\n" << 0;
    QTest::newRow("Ctrl+End, Shift+Ctrl+Home") << "x\r\ny\r\n" << "" << 4.5 << QStringList{"Ctrl+End", "Shift+Ctrl+Home"}
                                              << 0ll << 6ll << "x\ny\n" << 0;
    QTest::newRow("End and Home of a wrapped row") << "aaa bbb ccc ddd" << "aaa bbb" << 4.5
                                                  << QStringList{"End", "Shift+Home"} << 0ll << 7ll << "aaa bbb" << 0;
    QTest::newRow("Down to the next row of a line") << "aaa bbb ccc ddd" << "aaa bbb" << 4.5
                                                   << QStringList{"Right", "Shift+Down"} << 9ll << 1ll << "aa bbb c" << 0;
    QTest::newRow("a word wider than the box breaks anywhere") << QString(25, u'x') << QString(10, u'x') << 4.5
                                                              << QStringList{"Shift+Down"} << 10ll << 0ll
                                                              << QString(10, u'x') << 0;

    const QString forty = lines(40);
    const qsizetype line4 = forty.indexOf(QStringLiteral("Line 4")), line8 = forty.indexOf(QStringLiteral("Line 8"));
    QTest::newRow("PgDown: a page on, the caret along") << forty << "" << 4.5 << QStringList{"PgDown"} << line4 << line4
                                                       << "" << 4;
    QTest::newRow("Down past the last line in view: a line on") << forty << "" << 4.5
                                                               << QStringList{"Down", "Down", "Down", "Down"} << line4
                                                               << line4 << "" << 1;
    QTest::newRow("a line half in view is drawn") << forty << "" << 4.5 << QStringList{"ink 4"} << 0ll << 0ll << "" << 0;
    QTest::newRow("Shift+PgUp") << forty << "" << 4.5 << QStringList{"PgDown", "PgDown", "Shift+PgUp"} << line4 << line8
                                << "Line 4\nLine 5\nLine 6\nLine 7\n" << 4;
    QTest::newRow("Ctrl+End shows the last line") << forty << "" << 4.5 << QStringList{"Ctrl+End"} << forty.size()
                                                 << forty.size() << "" << -1;
    QTest::newRow("a new text shows the top, the caret at the start")
        << forty << "" << 4.5 << QStringList{"Ctrl+End", "set x\r\ny"} << 0ll << 0ll << "" << 0;
    QTest::newRow("a line taller than the box, to its end by Down")
        << "aaa bbb ccc ddd eee fff ggg hhh" << "aaa bbb" << 1.5 << QStringList{"Down", "Down", "Down", "Shift+End"}
        << 31ll << 24ll << "ggg hhh" << -1;

    QTest::newRow("click, Shift+click") << "abc def" << "" << 4.5 << QStringList{"click 2", "shift-click 5"} << 5ll
                                       << 2ll << "c d" << 0;
    QTest::newRow("double-click selects a word") << "abc def ghi" << "" << 4.5 << QStringList{"double-click 5"} << 7ll
                                                << 4ll << "def" << 0;
    QTest::newRow("triple-click selects the line") << "abc def\r\nghi" << "" << 4.5 << QStringList{"triple-click 5"}
                                                  << 7ll << 0ll << "abc def" << 0;
    QTest::newRow("dragging selects") << "abc def" << "" << 4.5 << QStringList{"drag 1 5"} << 5ll << 1ll << "bc d" << 0;
    QTest::newRow("the keyboard's context menu at the caret")
        << "ab\r\ncd\r\n" << "" << 4.5 << QStringList{"Down", "End", "menu"} << 6ll << 6ll << "" << 0;
    QTest::newRow("...with a selection") << "ab\r\ncd\r\n" << "" << 4.5 << QStringList{"Shift+Down", "menu"} << 4ll
                                         << 0ll << "ab\n" << 0;

    // A full board's report: no line end lost or doubled.
    const QString board = lines(130000);
    QTest::newRow("a notice above: the text as it was, its end in view")
        << forty << "" << 4.5 << QStringList{"notice Старо", "Ctrl+End"} << forty.size() << forty.size() << "" << -1;

    QTest::newRow("a full board, all copied") << board << "" << 4.5 << all << board.size() << 0ll
                                              << withLineFeeds(board) << 0;
    QTest::newRow("a full board, to its end") << board << "" << 4.5 << QStringList{"Ctrl+End"} << board.size()
                                              << board.size() << "" << -1;
}

// The keys and the mouse move the caret and the selection as in any
// read-only text box; the text stays exactly as set, and a screen reader
// reads it as Ctrl+C copies it.
void TestReportView::behaviour()
{
    QFETCH(QString, text);
    QFETCH(QString, rowText);
    QFETCH(qreal, rows);
    QFETCH(QStringList, steps);

    ReportView view;
    AccessibleReportView::follow(&view);
    view.setText(text);
    view.resize(300, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QSize frame = view.size() - view.viewport()->size();
    const QFontMetricsF metrics(view.font());
    const qreal margins = 2 * LineLayouts::Margin;
    // Room for half a character more than the row's text, whatever the font.
    const qreal rowWidth = metrics.horizontalAdvance(rowText) + metrics.horizontalAdvance(rowText.right(1)) / 2;
    view.resize(rowText.isEmpty() ? 300 : int(std::ceil(rowWidth + margins)) + frame.width(),
                int(std::ceil(metrics.lineSpacing() * rows + margins)) + frame.height());
    QCoreApplication::processEvents();

    for (const QString &step : std::as_const(steps)) {
        const QStringList words = step.split(u' ');
        const QString &verb = words.constFirst();
        if (verb == "click" || verb == "shift-click") {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, verb == "click" ? Qt::NoModifier : Qt::ShiftModifier,
                              pointAt(view, words[1]));
        } else if (verb == "double-click" || verb == "triple-click") {
            QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pointAt(view, words[1]));
            if (verb == "triple-click")
                QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pointAt(view, words[1]));
        } else if (verb == "drag") {
            QTest::mousePress(view.viewport(), Qt::LeftButton, {}, pointAt(view, words[1]));
            QTest::mouseMove(view.viewport(), pointAt(view, words[2]));
            QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pointAt(view, words[2]));
        } else if (verb == "set") {
            text = step.mid(4);
            view.setText(text);
        } else if (verb == "notice") {
            view.setNotice(step.mid(7));
        } else if (verb == "menu") {
            openMenuAtCaret(view);
        } else if (verb == "ink") {
            const QImage shown = view.viewport()->grab().toImage();
            const qreal top = LineLayouts::Margin + words[1].toInt() * metrics.lineSpacing();
            bool ink = false;
            for (int y = int(top); y < std::min<qreal>(shown.height(), top + metrics.lineSpacing()); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    ink |= qGray(shown.pixel(x, y)) < 128;
            QVERIFY2(ink, qPrintable(step));
        } else {
            QTest::keySequence(&view, QKeySequence(step));
        }
    }

    QCOMPARE(view.text(), text);
    QTEST(view.cursorPosition(), "cursor");
    const auto [from, to] = view.selectionRange(); // from the anchor to the cursor
    QTEST(from == view.cursorPosition() ? to : from, "anchor");
    QFETCH(int, top);
    const QScrollBar *bar = view.verticalScrollBar();
    QCOMPARE(bar->value(), top < 0 ? bar->maximum() : top);
    if (top < 0) {
        const QRect last = view.characterRect(text.size());
        QVERIFY(!last.isNull() && view.viewport()->rect().contains(last));
    }
    const QString marker = QStringLiteral("nothing copied");
    QGuiApplication::clipboard()->setText(marker);
    QTest::keySequence(&view, QKeySequence::Copy);
    QFETCH(QString, copied);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? marker : copied);

    QAccessibleTextInterface *read = QAccessible::queryAccessibleInterface(&view)->textInterface();
    QCOMPARE(read->text(0, read->characterCount()), withLineFeeds(text));
    QCOMPARE(read->cursorPosition(), withLineFeeds(text.left(view.cursorPosition())).size());
    int start = 0, end = 0;
    read->selection(0, &start, &end);
    QCOMPARE(end - start, copied.size());
}

void TestReportView::lineFeedOffsets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qsizetype>>("lineStarts");

    QTest::newRow("empty") << "" << QList<qsizetype>{0};
    QTest::newRow("one line, its end") << "ab\r\n" << QList<qsizetype>{0};
    QTest::newRow("CR LF, CR, LF") << "a\r\nb\rc\nd" << QList<qsizetype>{0, 3, 5, 7};
    QTest::newRow("empty lines") << "\r\n\n\r\r\n" << QList<qsizetype>{0, 2, 3, 4};
    QTest::newRow("CR, then CR LF") << "a\r\r\nb" << QList<qsizetype>{0, 2, 4};
    QString many;
    QList<qsizetype> starts;
    for (int i = 0; i < 700; ++i) {
        starts << many.size();
        many += i % 3 ? QStringLiteral("line %1\r\n").arg(i) : QStringLiteral("%1\n").arg(i);
    }
    QTest::newRow("many lines, mixed ends") << many << starts;
}

// Where lines start, and every position as a screen reader counts it: the
// length of the text before it with every line end as one line feed.
void TestReportView::lineFeedOffsets()
{
    QFETCH(QString, text);
    const LinedText lined = LinedText::from(text);
    QTEST(lined.lineStarts, "lineStarts");
    const LineFeedOffsets offsets(lined);
    QCOMPARE(offsets.length(), withLineFeeds(text).size());
    for (qsizetype position = 0; position <= text.size(); ++position) {
        if (position > 0 && text[position - 1] == u'\r' && position < text.size() && text[position] == u'\n')
            continue; // inside a CR LF
        const qsizetype offset = withLineFeeds(text.left(position)).size();
        QCOMPARE(offsets.offsetOf(position), offset);
        QCOMPARE(offsets.positionOf(offset), position);
    }
}

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
