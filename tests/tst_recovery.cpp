// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recovery files in their folder: a file left by a copy that ended is
// given back, a bad one moved aside whole, a running copy's left alone; the
// board kept as it changes, and a clean quit leaves no file.
#include "BoardFixture.h"
#include "BoardRecovery.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void leftOverFile_data();
    void leftOverFile();
};

static QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRecovery::leftOverFile_data()
{
    QTest::addColumn<QByteArray>("left"); // recovery-1.txt at start; none if empty
    QTest::addColumn<QString>("lock");    // of its copy: "running", or left with this process's id
    QTest::addColumn<bool>("restore");    // false: a file was given on the command line
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("rowsAfter");
    QTest::addColumn<bool>("movedAside");
    QTest::addColumn<QString>("keptIn"); // the file of the board after a press

    KeptBoard kept;
    kept.rows = {{40, 50}, {200, 120}, {330, 240}};
    kept.computed = KeptBoard::Computed::InOrder;
    const QByteArray file = keptBoardBytes(kept);
    const QString three = QStringLiteral("40,50 200,120 330,240");
    const int nothing = BoardRecovery::Restoring::Nothing;
    QTest::newRow("none") << QByteArray() << "" << true << nothing << "" << false << "recovery-1.txt";
    QTest::newRow("left by a crash") << file << "" << true << int(BoardRecovery::Restoring::Restored) << three
                                     << false << "recovery-1.txt";
    QTest::newRow("left with this process's id") << file << "same id" << true
                                                 << int(BoardRecovery::Restoring::Restored) << three << false
                                                 << "recovery-1.txt";
    QTest::newRow("of a running copy") << file << "running" << true << nothing << "" << false << "recovery-2.txt";
    QTest::newRow("a file given instead") << file << "" << false << nothing << "" << false << "recovery-2.txt";
    QTest::newRow("cut in half") << file.first(file.size() / 2) << "" << true
                                 << int(BoardRecovery::Restoring::Refused) << "" << true << "recovery-1.txt";
    QTest::newRow("an empty board") << keptBoardBytes({}) << "" << true << nothing << "" << false
                                    << "recovery-1.txt";
}

void TestRecovery::leftOverFile()
{
    QFETCH(QByteArray, left);
    QFETCH(QString, lock);
    QFETCH(bool, restore);
    QFETCH(bool, movedAside);
    QFETCH(QString, keptIn);
    QTemporaryDir folder;
    const QString leftPath = folder.filePath(QStringLiteral("recovery-1.txt"));
    if (!left.isEmpty()) {
        QFile file(leftPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(left) == left.size());
    }
    // A lock as this process writes it, left behind.
    QLockFile runningCopy(folder.filePath(QStringLiteral("recovery-1.lock")));
    QVERIFY(lock.isEmpty() || runningCopy.tryLock(0));
    const QByteArray sameId = contentsOf(runningCopy.fileName());
    if (lock == u"same id") {
        runningCopy.unlock();
        QFile left(runningCopy.fileName());
        QVERIFY(left.open(QIODevice::WriteOnly) && left.write(sameId) == sameId.size());
    }
    TestedBoard board;
    auto recovery = std::make_unique<BoardRecovery>(board, folder.path());

    QTEST(int(restore ? recovery->restore().outcome : BoardRecovery::Restoring::Nothing), "outcome");

    QTEST(rows(board.vertices()), "rowsAfter");
    // A refused file is kept whole under another name.
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("refused-*")});
    QCOMPARE(aside.size(), movedAside ? 1 : 0);
    if (!aside.isEmpty())
        QCOMPARE(contentsOf(folder.filePath(aside.first())), left);
    board.placeVertex({7, 9});
    const QString keptPath = folder.filePath(keptIn);
    QTRY_COMPARE(readKeptBoard(contentsOf(keptPath)).board.rows, board.points());
    recovery.reset();
    QVERIFY(!QFile::exists(keptPath));
    QCOMPARE(QFile::exists(leftPath), keptIn != QLatin1String("recovery-1.txt"));
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
