// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fan.h"
#include "NumberText.h"
#include "NumberWriter.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

enum Kind { CanvasTriangles, TinyTriangles, HugeTriangles, AnyBits, Ties };

// Numbers of one kind: a random triangle's coordinates and measures, with
// Heron's areas just off whole numbers and degenerate triangles among the
// small ones; any double at all; or values halfway between two texts, and
// their neighbours.
std::vector<double> someNumbers(Kind kind, QRandomGenerator &random)
{
    if (kind == AnyBits) {
        const quint64 bits = random.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return {value};
    }
    if (kind == Ties) {
        const double halfway[] = {(2 * double(random.bounded(1 << 30)) + 1) / 16, random.bounded(1000) + 0.5,
                                  1e14 + random.bounded(1000) + 0.5, 1e15 - random.bounded(1000) - 0.5,
                                  std::ldexp(1.0, random.bounded(-20, 60))};
        const double tie = halfway[random.bounded(5)] * (random.bounded(2) ? 1 : -1);
        return {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 2 * tie)};
    }
    const int range[] = {463, 5, 1 << 28};
    const auto point = [&] { return Point{double(random.bounded(range[kind])), double(random.bounded(range[kind]))}; };
    const Point a = point(), b = point(), c = point();
    const TriangleMeasures m = measureTriangle(a, b, c);
    return {a.x, b.y, m.a, m.b, m.c, m.heron, m.determinant, std::fabs(m.determinant)};
}

template <typename Write>
QString written(Write write)
{
    TextWriter text(0);
    NumberWriter numbers(text);
    write(numbers);
    return text.take();
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void standardNumber_data();
    void standardNumber();
    void fixedDecimals_data();
    void fixedDecimals();
    void writerAgrees_data();
    void writerAgrees();

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
    addLocaleRows("exact half, sixteenths the finest step", 292020050261256.0625, "292,020,050,261,256.063");
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

void TestNumberText::writerAgrees_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("kind");
    const QByteArray kinds[] = {"canvas triangles", "triangles of a few pixels", "triangles of 2^28 pixels",
                                "any bits", "halfway and beside"};
    for (const char *locale : {"en_US", "bg_BG"})
        for (int kind = CanvasTriangles; kind <= Ties; ++kind)
            QTest::newRow(locale + (", " + kinds[kind])) << locale << kind;
}

// The report's writer gives the texts of the functions above, to the digit.
void TestNumberText::writerAgrees()
{
    QFETCH(QString, locale);
    QFETCH(int, kind);
    QLocale::setDefault(QLocale(locale));
    QRandomGenerator random(kind + 1);
    for (int run = 0; run < 4000; ++run) {
        for (double value : someNumbers(Kind(kind), random)) {
            const QByteArray row = QByteArray::number(value, 'g', 17);
            QCOMPARE(written([&](NumberWriter &w) { w.writeStandard(value); }), standardNumberText(value));
            for (int decimals = 0; decimals <= 4; ++decimals)
                QVERIFY2(written([&](NumberWriter &w) { w.writeFixedDecimals(value, decimals); })
                             == fixedDecimalsText(value, decimals), row + " at " + QByteArray::number(decimals));
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
