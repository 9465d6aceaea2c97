// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpWindow.h"
#include "MainWindow.h"
#include "WorkingWindow.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

// The icon as the window and the program file carry it: every size compiled
// in, the smallest still crisp, and the program file's 32 x 32 icon of 256
// colours the same picture as the window's; and the help's text compiled in.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void windowIconAtEverySize_data();
    void windowIconAtEverySize();
    void smallestIconIsCrisp();
    void programFileIcon();
    void windowsOfTheirOwn_data();
    void windowsOfTheirOwn();
};

namespace {

QImage compiledIn(int size)
{
    return QImage(QStringLiteral(":/icons/zarvelon-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestResources::windowIconAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

// Catches a size the build did not draw, a resource the linker left out,
// and a window that shows another picture.
void TestResources::windowIconAtEverySize()
{
    QFETCH(int, size);
    const QImage image = compiledIn(size);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(size / 2, size / 2).alpha(), 255);
    MainWindow window;
    window.show(); // it takes its icon once shown
    QTRY_VERIFY(window.windowIcon().availableSizes().contains(QSize(size, size)));
    QCOMPARE(window.windowIcon().pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32), image);
}

// Catches the 16-pixel icon drawn from a picture that does not sit on whole
// pixels, such as the big one scaled down: its outline and diagonals then
// blur into greys, over a hundred of the 256 pixels.
void TestResources::smallestIconIsCrisp()
{
    const QImage image = compiledIn(16);
    const QList<QRgb> figureColours{qRgb(192, 192, 255), qRgb(255, 255, 255), qRgb(0, 0, 0)};
    int blurred = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blurred += !figureColours.contains(image.pixel(x, y));
    QVERIFY2(blurred <= 8, qPrintable(QStringLiteral("%1 pixels are neither lavender, white nor black").arg(blurred)));
}

// Catches a wrong header, and an icon not made again after the picture changed.
void TestResources::programFileIcon()
{
    const QString path = QStringLiteral(ZARVELON_RESOURCES_DIR "/zarvelon.ico");
    QFile ico(path);
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray head = ico.read(6 + 16);
    QCOMPARE(head.size(), 22);
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(1));     // one image
    QCOMPARE(int(bytes[6]), 32);                                     // 32 wide
    QCOMPARE(int(bytes[6 + 2]), 0);                                  // 0 means 256 colours
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 6 + 6), quint16(8)); // bits per pixel
    QCOMPARE(QImage(path).convertToFormat(QImage::Format_ARGB32), compiledIn(32));
}

void TestResources::windowsOfTheirOwn_data()
{
    QTest::addColumn<bool>("help"); // else the working of a triangle
    QTest::addColumn<QStringList>("shows"); // parts of its text
    QTest::newRow("the help") << true << QStringList{"F1", "Ctrl+Z"};
    QTest::newRow("a triangle's working") << false << QStringList{"√(p(p − a)(p − b)(p − c))", "= 600"};
}

// Catches the help's text left out of the program, and a window modal, not
// of the window's icon, whose text cannot be copied or that Escape leaves.
void TestResources::windowsOfTheirOwn()
{
    QFETCH(bool, help);
    QFETCH(QStringList, shows);
    MainWindow window;
    window.show();
    QTRY_VERIFY(!window.windowIcon().isNull());
    HelpWindow helpWindow(&window);
    WorkingWindow working(&window);
    TextWindow &own = help ? static_cast<TextWindow &>(helpWindow) : working;
    help ? helpWindow.show() : working.showWorking(fanOf({{0, 0}, {30, 0}, {0, 40}}), 0);
    QVERIFY(own.isWindow() && own.isVisible() && !own.isModal());
    QCOMPARE(own.windowIcon().cacheKey(), window.windowIcon().cacheKey());
    QTest::keyClick(&own, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&own, Qt::Key_C, Qt::ControlModifier);
    for (const QString &part : shows)
        QVERIFY2(QGuiApplication::clipboard()->text().contains(part), qPrintable(part));
    QTest::keyClick(&own, Qt::Key_Escape);
    QVERIFY(!own.isVisible());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
