// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextCaret.h"

#include <QKeyEvent>
#include <QTest>

class TestTextCaret : public QObject
{
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
};

void TestTextCaret::moves_data()
{
    QTest::addColumn<QString>("text");
    // Key sequences, or "select A P" from the anchor A to the position P.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("anchor");
    QTest::addColumn<QString>("changed"); // by the last step: "moved", "reselected", both or none

    const QString columns = QStringLiteral("abcdef\r\nab\r\nabcdef");
    const QString pages = QStringLiteral("a0\r\na1\r\na2\r\na3\r\na4\r\na5\r\na6");
    QTest::newRow("a position inside a CR LF goes before it")
        << "ab\r\ncd" << QStringList{"select 3 3"} << 2ll << 2ll << "moved";
    QTest::newRow("Left at the start changes nothing") << "ab" << QStringList{"Left"} << 0ll << 0ll << "";
    QTest::newRow("Up on the first row stays") << "abc\r\ndef" << QStringList{"Right", "Up"} << 1ll << 1ll << "";
    QTest::newRow("Down keeps the column through a shorter line")
        << columns << QStringList{"End", "Left", "Down", "Down"} << 17ll << 17ll << "moved";
    QTest::newRow("a move across forgets the column")
        << columns << QStringList{"End", "Left", "Down", "Left", "Down"} << 13ll << 13ll << "moved";
    QTest::newRow("Ctrl+Right to the next word")
        << "one two three" << QStringList{"Ctrl+Right", "Ctrl+Shift+Right"} << 8ll << 4ll << "moved reselected";
    QTest::newRow("Ctrl+Left from a line's start to the end of the one before")
        << "ab\r\ncd" << QStringList{"Down", "Ctrl+Left"} << 2ll << 2ll << "moved";
    QTest::newRow("Page Down a page of rows, the column kept")
        << pages << QStringList{"Right", "PgDown", "PgDown"} << 17ll << 17ll << "moved";
    QTest::newRow("the selection dropped by a move")
        << "abc" << QStringList{"Shift+Right", "Left"} << 0ll << 0ll << "moved reselected";
    QTest::newRow("the same stretch the other way")
        << "abc" << QStringList{"select 0 2", "select 2 0"} << 0ll << 2ll << "moved";
    QTest::newRow("the anchor alone moved")
        << "abc" << QStringList{"select 0 2", "select 1 2"} << 2ll << 1ll << "reselected";
}

// Where the keys of a text box take the cursor and the anchor over laid-out
// rows, and what the view must repaint and tell for it.
void TestTextCaret::moves()
{
    QFETCH(QString, text);
    QFETCH(QStringList, steps);
    LineLayouts lines;
    lines.setFont(QFont());
    lines.setText(LinedText::from(text));
    lines.setWidth(1000); // no line wraps
    TextCaret caret(lines);

    TextCaret::Change change;
    for (const QString &step : std::as_const(steps)) {
        const QStringList words = step.split(u' ');
        if (words.constFirst() == "select") {
            change = caret.select(words[1].toLongLong(), words[2].toLongLong());
            continue;
        }
        const QKeyCombination key = QKeySequence(step)[0];
        const auto move = TextCaret::moveOf(QKeyEvent(QEvent::KeyPress, key.key(), key.keyboardModifiers()));
        QVERIFY2(move, qPrintable(step));
        change = caret.move(*move, 2); // a page of two rows
    }

    QTEST(caret.position(), "position");
    QTEST(caret.anchor(), "anchor");
    QStringList changed;
    if (change.moved)
        changed << QStringLiteral("moved");
    if (change.reselected)
        changed << QStringLiteral("reselected");
    QTEST(changed.join(u' '), "changed");
}

QTEST_MAIN(TestTextCaret)
#include "tst_textcaret.moc"
