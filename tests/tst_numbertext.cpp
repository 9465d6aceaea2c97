// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberText.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void standardNumber_data();
    void standardNumber();
    void fixedDecimals_data();
    void fixedDecimals();

private:
    static void addLocaleRows(const char *tag, double value, const QString &english);
};

// The coordinate texts are stored with "." and read back the same way
// whatever the user's settings: test them under a decimal comma.
void TestNumberText::init()
{
    QLocale::setDefault(QLocale("bg_BG"));
}

void TestNumberText::addLocaleRows(const char *tag, double value, const QString &english)
{
    const QString bgGroup = QLocale("bg_BG").groupSeparator();
    QString bulgarian;
    for (QChar c : english)
        bulgarian += c == u'.' ? QString(u',') : c == u',' ? bgGroup : QString(c);
    QTest::addRow("en_US %s", tag) << "en_US" << value << english;
    QTest::addRow("bg_BG %s", tag) << "bg_BG" << value << bulgarian;
}

void TestNumberText::standardNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    addLocaleRows("15 digits", 14.142135623730951, "14.142135623731");
    addLocaleRows("rounds to whole", 3999.9999999999973, "4000");
    addLocaleRows("whole", 600, "600");
    addLocaleRows("zero", 0, "0");
    addLocaleRows("no grouping", 123456789012345, "123456789012345");
    addLocaleRows("carry 9.99..", 9.9999999999999999, "10");
    addLocaleRows("carry below 10", 9.999999999999998, "10");
    addLocaleRows("carry 0.99..", 0.99999999999999999, "1");
    addLocaleRows("carry below 1", 0.9999999999999999, "1");
    addLocaleRows("carry stays plain", 99999999999999.99, "100000000000000");
    addLocaleRows("carry into exponent", 999999999999999.9, "1E+15");
    addLocaleRows("1E+15", 1e15, "1E+15");
    addLocaleRows("large exponent", 1.5e300, "1.5E+300");
    addLocaleRows("0.0001 plain", 0.0001, "0.0001");
    addLocaleRows("carry out of exponent", 0.00009999999999999995, "0.0001");
    addLocaleRows("1E-05", 0.00001, "1E-05");
    addLocaleRows("small with digits", 6.59032143842795E-05, "6.59032143842795E-05");
    addLocaleRows("binary noise", 0.1 + 0.2, "0.3");
    addLocaleRows("negative", -14.142135623730951, "-14.142135623731");
    addLocaleRows("negative half", -0.5, "-0.5");
    addLocaleRows("negative exponent form", -1e-5, "-1E-05");
}

void TestNumberText::standardNumber()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(standardNumberText(value), expected);
}

void TestNumberText::fixedDecimals_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    addLocaleRows("exact half rounds up", 0.0625, "0.063");
    addLocaleRows("exact half negative", -0.0625, "-0.063");
    addLocaleRows("exact half grouped", 1234567.0625, "1,234,567.063");
    addLocaleRows("just over half", 0.0005, "0.001");
    addLocaleRows("rounds down", 85.44003745317531, "85.440");
    addLocaleRows("whole", 50, "50.000");
    addLocaleRows("zero", 0, "0.000");
    addLocaleRows("grouping", 1234.5678, "1,234.568");
    addLocaleRows("negative grouping", -1234.5678, "-1,234.568");
    addLocaleRows("carry to 1", 0.9995, "1.000");
    addLocaleRows("carry into a group", 999.9995, "1,000.000");
    addLocaleRows("tiny", 0.0004, "0.000");
    addLocaleRows("tiny negative has no sign", -0.0004, "0.000");
}

void TestNumberText::fixedDecimals()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(fixedDecimalsText(value, 3), expected);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
