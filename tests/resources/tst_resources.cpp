#include "MainWindow.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

// The icon as the window, the program file and the desktop see it: one
// 32 x 32 picture, the same in every file.
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void sameIconEverywhere_data();
    void sameIconEverywhere();
    void programFileIconHas256Colours();
    void windowShowsTheIcon();
};

namespace {

const QString ResourceDir = QStringLiteral(ZARVELON_RESOURCES_DIR);

QImage reference()
{
    return QImage(ResourceDir + QStringLiteral("/zarvelon.png")).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

void TestResources::sameIconEverywhere_data()
{
    QTest::addColumn<QString>("path");
    // Catches a resource the linker left out of the program.
    QTest::newRow("compiled in") << QStringLiteral(":/icons/zarvelon.png");
    // Catches a wrong header, a bitmap stored top-down or a mask that hides pixels.
    QTest::newRow("program file icon") << ResourceDir + QStringLiteral("/zarvelon.ico");
}

void TestResources::sameIconEverywhere()
{
    QFETCH(QString, path);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image, reference()); // the reference is opaque everywhere
}

void TestResources::programFileIconHas256Colours()
{
    QFile ico(ResourceDir + QStringLiteral("/zarvelon.ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray head = ico.read(6 + 16);
    QCOMPARE(head.size(), 22);
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(1)); // one image
    QCOMPARE(int(bytes[6 + 2]), 0);                                // 0 means 256 colours
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 6 + 6), quint16(8)); // bits per pixel
}

void TestResources::windowShowsTheIcon()
{
    MainWindow window;
    const QImage shown = window.windowIcon().pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown, reference());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
