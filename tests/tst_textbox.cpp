#include "platform/TextBox.h"

#include <QPlainTextEdit>
#include <QTest>

class TestTextBox : public QObject
{
    Q_OBJECT

private slots:
    void textAndView_data();
    void textAndView();
    void manyLines();
};

void TestTextBox::textAndView_data()
{
    // Steps: "+text" appends, "=text" sets, "|" lets the event loop run.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("view");

    QTest::newRow("append CR LF") << QStringList{"+a\r\n", "+b"} << "a\r\nb" << "a\nb";
    QTest::newRow("set CR LF") << QStringList{"=x\r\ny\r\n"} << "x\r\ny\r\n" << "x\ny\n";
    QTest::newRow("LF only") << QStringList{"+a\n", "+b"} << "a\nb" << "a\nb";
    QTest::newRow("CR only") << QStringList{"+a\r", "+b"} << "a\rb" << "a\nb";
    QTest::newRow("split CR LF") << QStringList{"+a\r", "+\nb"} << "a\r\nb" << "a\nb";
    QTest::newRow("split CR LF across events")
        << QStringList{"+a\r", "|", "+\nb"} << "a\r\nb" << "a\nb";
    QTest::newRow("split CR LF after set")
        << QStringList{"=a\r", "|", "+\nb"} << "a\r\nb" << "a\nb";
    QTest::newRow("CR, then split CR LF")
        << QStringList{"+a\r\r", "+\nb"} << "a\r\r\nb" << "a\n\nb";
    QTest::newRow("appends across events")
        << QStringList{"+a\r\n", "|", "+b\r\n", "|", "+c"} << "a\r\nb\r\nc" << "a\nb\nc";
    QTest::newRow("set replaces appends") << QStringList{"+old\r\n", "=new"} << "new" << "new";
    QTest::newRow("set replaces shown appends")
        << QStringList{"+old\r\n", "|", "=new"} << "new" << "new";
    QTest::newRow("append after set") << QStringList{"=a", "+b"} << "ab" << "ab";
    QTest::newRow("set empty") << QStringList{"+a", "|", "="} << "" << "";
}

void TestTextBox::textAndView()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QString, view);

    TextBox box;
    for (const QString &step : steps) {
        if (step.startsWith(u'+'))
            box.AppendText(step.mid(1));
        else if (step.startsWith(u'='))
            box.SetText(step.mid(1));
        else
            QCoreApplication::processEvents();
    }
    QCOMPARE(box.Text(), text);
    QCoreApplication::processEvents();
    QCOMPARE(box.widget()->toPlainText(), view);
}

void TestTextBox::manyLines()
{
    constexpr int lineCount = 130000;
    TextBox box;
    box.SetText("Report\r\n");
    QString text = "Report\r\n";
    for (int i = 0; i < lineCount; ++i) {
        const QString line = QStringLiteral("Line %1\r\n").arg(i);
        box.AppendText(line);
        text += line;
    }
    QCOMPARE(box.Text(), text);
    QCoreApplication::processEvents();
    const QString shown = box.widget()->toPlainText();
    QVERIFY(shown.endsWith(QStringLiteral("\nLine 129999\n")));
    QCOMPARE(shown, text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
