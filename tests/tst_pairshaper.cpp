// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PairShaper.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>
#include <QTextLayout>

// A line put together from its pairs against the same line shaped whole by
// Qt, in the worksheet's font on a 1200 dpi PDF page.
class PairShaperTest : public QObject
{
    Q_OBJECT

private slots:
    void likeShapedWhole_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("reportLine"); // which must be put together by pairs
        // Each pair below kerns in the font (a "1" before a digit, "Ст",
        // "ър", "е" before a blank): a pair kerned twice or not at all moves
        // every glyph after it.
        QTest::newRow("sides") << u"Страни: a = 11,1803398874989; b = 12; c = 1"_qs << true;
        QTest::newRow("Heron") << u"Лице по Херон = 9599,99999999999; Лице ориентирано = -9600"_qs << true;
        QTest::newRow("vertices run together") << u"Върхове: 1910 с координати: (0; 0); (10; 11)"_qs << true;
        // A blank kerns with a Latin "V" after it, but not where the blank
        // belongs to the Cyrillic before it: the pair differs by the script.
        QTest::newRow("a Latin capital after a Cyrillic word") << u"ъгъл VA"_qs << false;
        QTest::newRow("a character of another font") << u"ъгъл ∠A"_qs << false;
        QTest::newRow("one character") << u"1"_qs << false;
        QTest::newRow("empty") << QString() << false;
    }
    void likeShapedWhole()
    {
        QFETCH(QString, line);
        QFETCH(bool, reportLine);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QPdfWriter page(&pdf);
        page.setResolution(1200);
        const QFont font(QStringLiteral("Liberation Serif"), 12);
        const std::optional<QGlyphRun> glyphs = PairShaper(font, &page).glyphsOf(line);
        if (reportLine)
            QVERIFY(glyphs);
        if (!glyphs)
            return;

        QTextLayout layout(line, font, &page);
        layout.beginLayout();
        const QTextLine row = layout.createLine();
        layout.endLayout();
        QList<quint32> shapedGlyphs;
        QList<QPointF> shapedPlaces;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            QCOMPARE(run.rawFont().familyName(), glyphs->rawFont().familyName());
            shapedGlyphs += run.glyphIndexes();
            for (const QPointF place : run.positions())
                shapedPlaces.append(place - QPointF(0, row.ascent()));
        }
        QCOMPARE(glyphs->glyphIndexes(), shapedGlyphs);
        QCOMPARE(glyphs->positions(), shapedPlaces);
    }
};

QTEST_MAIN(PairShaperTest)
#include "tst_pairshaper.moc"
