// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>

class TestReportView : public QObject
{
    Q_OBJECT

private slots:
    void textAndView_data();
    void textAndView();
};

void TestReportView::textAndView_data()
{
    // Steps: "+text" appends, "=text" sets.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("append CR LF") << QStringList{"+a\r\n", "+b"} << "a\r\nb" << "a\nb";
    QTest::newRow("set CR LF") << QStringList{"=x\r\ny\r\n"} << "x\r\ny\r\n" << "x\ny\n";
    QTest::newRow("LF only") << QStringList{"+a\n", "+b"} << "a\nb" << "a\nb";
    QTest::newRow("CR only") << QStringList{"+a\r", "+b"} << "a\rb" << "a\nb";
    QTest::newRow("split CR LF") << QStringList{"+a\r", "+\nb"} << "a\r\nb" << "a\nb";
    QTest::newRow("split CR LF after set") << QStringList{"=a\r", "+\nb"} << "a\r\nb" << "a\nb";
    QTest::newRow("CR, then split CR LF") << QStringList{"+a\r\r", "+\nb"} << "a\r\r\nb" << "a\n\nb";
    QTest::newRow("set replaces appends") << QStringList{"+old\r\n", "=new"} << "new" << "new";
    QTest::newRow("append after set") << QStringList{"=a", "+b"} << "ab" << "ab";
    QTest::newRow("set empty") << QStringList{"+a", "="} << "" << "";

    // The view holds lines in groups: no line end may be lost or doubled
    // between them, in a report as long as a full board's, nor in lines
    // appended one by one.
    QString report = QStringLiteral("+");
    for (int i = 0; i < 130000; ++i)
        report += QStringLiteral("Line %1\r\n").arg(i);
    QStringList steps{"=Report\r\n", report};
    for (int i = 0; i < 40; ++i)
        steps << QStringLiteral("+More %1\r\n").arg(i);
    const QString text = steps.join(QString()).remove(u'+').remove(0, 1);
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTest::newRow("many lines") << steps << text << shown;
}

// The text is kept exactly; the view shows, and copies, every line end as a
// line break, and after each change shows the top with the caret at the
// start, wherever the user had scrolled to.
void TestReportView::textAndView()
{
    QFETCH(QStringList, steps);

    ReportView view;
    view.resize(300, 100);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.show();
    for (const QString &step : std::as_const(steps)) {
        // The user has gone to the end.
        view.moveCursor(QTextCursor::End);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        if (step.startsWith(u'+'))
            view.appendText(step.mid(1));
        else
            view.setText(step.mid(1));
    }
    QTEST(view.text(), "text");
    QTEST(view.toPlainText(), "shown");
    QCOMPARE(view.textCursor().position(), 0);
    QCOMPARE(view.verticalScrollBar()->value(), 0);

    QGuiApplication::clipboard()->clear();
    view.selectAll();
    view.copy();
    QTEST(QGuiApplication::clipboard()->text(), "shown");
}

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
