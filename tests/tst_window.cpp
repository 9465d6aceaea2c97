// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the user sees it: every control's place, colours, captions,
// the menu, the keyboard order and the task description; what the report
// box's lines show on the canvas; the documents saved, opened and printed.
#include "ApplicationZoom.h"
#include "ClassSet.h"
#include "Documents.h"
#include "FigurePainter.h"
#include "PracticeWindow.h"
#include "WholeFile.h"
#include "WindowFixture.h"
#include "Worksheet.h"
#include "WindowPlacement.h"
#include "WorkingWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtMath>

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <iterator>
#include <thread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The colour of the widget's face, inside its edge and above its text,
// whose glyphs are a little wider with some font engines.
QRgb faceColour(QWidget *widget)
{
    return widget->grab().toImage().pixel(3, 3) & 0xFFFFFF;
}

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last CR LF
    return lines;
}

// The text of every page of a PDF file, line by line from the top, its
// blanks simplified; none when pdftotext fails.
QStringList printedPages(const QString &pdftotext, const QString &pdf)
{
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (QString &page : pages)
        page = page.simplified();
    return pages;
}

// The images of a PDF file as pdfimages -list lists them, after its two
// lines of headings; none when pdfimages fails.
QStringList printedImages(const QString &pdfimages, const QString &pdf)
{
    QProcess reader;
    reader.start(pdfimages, {QStringLiteral("-list"), pdf});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {QStringLiteral("pdfimages failed")};
    return QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

// The pixels of the window's grab in the mark's colour, as the presentation
// shades a triangle or the polygon.
int markedPixels(QWidget *window)
{
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int marked = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            marked += shown.pixel(x, y) == qRgb(255, 236, 150);
    return marked;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::system()); m_window.reset(new MainWindow); m_window->show(); QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }
    void cleanup() { m_window.reset(); }

    void controlsStandApart();
    void windowIsFixed();
    void facesAndCaptions_data();
    void facesAndCaptions();
    void menuHoldsFourCommands();
    void tabOrderAndFirstFocus();
    void taskDescriptionIsExact();
    void everyControlHasAName();
    void reportSaved_data();
    void reportSaved();
    void fileOpened_data();
    void fileOpened();
    void reportMarksTheCanvas_data();
    void reportMarksTheCanvas();
    void workingOfABlock_data();
    void workingOfABlock();
    void printedOnNumberedPages_data();
    void printedOnNumberedPages();
    void zoomedWindow_data();
    void zoomedWindow();
    void marksOverCanvas_data();
    void marksOverCanvas();
    void notesFollowTheBoard_data();
    void notesFollowTheBoard();
    void presentationSteps_data();
    void presentationSteps();
    void windowBesideTheWindow_data();
    void windowBesideTheWindow();
    void practiceChecks_data();
    void practiceChecks();
    void classSet_data();
    void classSet();
    void classSetVariants_data();
    void classSetVariants();

private:
    QWidget *widget(const char *name) const { return control<QWidget>(*m_window, name); }

    std::unique_ptr<MainWindow> m_window;
};

// Every control inside the window, whole, and clear of the others but for
// the pixel by which a letter label overlaps its list and a button the
// canvas.
void WindowTest::controlsStandApart()
{
    QWidget *client = m_window->centralWidget();
    const QList<QWidget *> controls = client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls) {
        QVERIFY2(control->isVisible() && control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY2(client->rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (QWidget *other : controls) {
            const QRect both = control->geometry() & other->geometry();
            QVERIFY2(other == control || both.isEmpty() || std::min(both.width(), both.height()) == 1,
                     qPrintable(control->objectName() + u' ' + other->objectName()));
        }
    }
}

void WindowTest::windowIsFixed()
{
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zarvelon"));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(QFontInfo(reportOf(*m_window)->font()).pointSize(), 12);
    QVERIFY(!m_window->windowIcon().isNull());
}

void WindowTest::facesAndCaptions_data()
{
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QRgb>("face");
    const QRgb labels = 0xFFC080;
    QTest::newRow("the window, lavender") << QByteArray("centralWidget") << QRgb(0xC0C0FF);
    QTest::newRow("the title") << QByteArray("titleLabel") << labels;
    QTest::newRow("the letter N") << QByteArray("numberLabel") << labels;
    QTest::newRow("the letter X") << QByteArray("xLabel") << labels;
    QTest::newRow("the letter Y") << QByteArray("yLabel") << labels;
    QTest::newRow("Контур, orange") << QByteArray("contourButton") << QRgb(0xFF8000);
    QTest::newRow("Поред, green") << QByteArray("inOrderButton") << QRgb(0x00FF00);
    QTest::newRow("Чисти, red") << QByteArray("clearButton") << QRgb(0xFF0000);
    QTest::newRow("Трий 1т, magenta") << QByteArray("deleteButton") << QRgb(0xFF00FF);
}

// Each control shows its colour; no caption is cut short.
void WindowTest::facesAndCaptions()
{
    QFETCH(QByteArray, control);
    QWidget *shown = widget(control);
    QTEST(faceColour(shown), "face");
    if (auto *label = qobject_cast<QLabel *>(shown))
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    if (auto *button = qobject_cast<QPushButton *>(shown))
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 4 <= button->width());
}

void WindowTest::menuHoldsFourCommands()
{
    const QList<QAction *> items = m_window->menuBar()->actions();
    QCOMPARE(items.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QAction *item = items.at(i);
        QCOMPARE(item->objectName(), QLatin1String(ButtonsAndItems[i].item));
        QVERIFY(!item->text().isEmpty());
        QVERIFY(!item->menu());
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled() && !item->isCheckable());
    }
}

void WindowTest::tabOrderAndFirstFocus()
{
    // The window's reading order, from the report, where the focus starts.
    const char *const order[] = {"report", "contourButton", "inOrderButton", "canvas", "numberList",
                                 "xList", "yList", "clearButton", "deleteButton", "report"};
    QCOMPARE(QApplication::focusWidget(), widget(order[0]));
    for (int i = 1; i < int(std::size(order)); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), widget(order[i]));
    }
}

void WindowTest::taskDescriptionIsExact()
{
    const QString text = reportOf(*m_window)->text();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = linesOf(text);
    QCOMPARE(lines.size(), 21);
    QVERIFY(lines[5].isEmpty() && lines[6].isEmpty());
    QCOMPARE(lines[2], QStringLiteral("Тема на проекта: Геометрия - неправилен, изпъкнал N-ъгълник."));
    QVERIFY(lines[0].contains(QStringLiteral("данни са  координати")));
    QVERIFY(lines[3].contains(QStringLiteral("който  интерактивно")));
    QVERIFY(lines[15].endsWith(QStringLiteral("ордината. ")) && lines[17].endsWith(QStringLiteral("ордината. ")));
    QCOMPARE(lines[14].left(13), QStringLiteral("множеството B"));
    QCOMPARE(lines[14].at(12).unicode(), u'B'); // Latin
    for (int i : {11, 13, 15, 17})
        QVERIFY(lines[i].contains(QChar(0x0410)) || lines[i].contains(QChar(0x0412))); // Cyrillic А, В
    QVERIFY(!lines[11].contains(u'A') && !lines[11].contains(u'B'));
    QCOMPARE(lines[20], QStringLiteral("Алгоритъмът не работи коректно при неизпъкнал или самопресичащ се "
                                       "многоъгълник. Прочетете допълнителен материал за метод на трапеците."));
    ReportView *report = reportOf(*m_window);
    QCOMPARE(report->lineCount(), lines.size());
    // The last line wraps within the box's width, under a scroll bar.
    const auto caretAt = [report](qsizetype position) {
        report->setCursorPosition(position);
        return report->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    const QRect lastLineEnd = caretAt(text.size() - 2), lastLineStart = caretAt(report->lineStart(20));
    QVERIFY(lastLineEnd.top() > lastLineStart.top());
    QVERIFY(lastLineEnd.right() < report->viewport()->width());
    QVERIFY(report->verticalScrollBar()->isVisible());
}

// Screen readers, and tests driven through accessibility, find every control
// by a name.
void WindowTest::everyControlHasAName()
{
    const QList<QWidget *> controls = m_window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 13);
    for (QWidget *control : controls) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(widget("numberList"))->text(QAccessible::Name),
             QStringLiteral("Номер"));
}

Q_DECLARE_METATYPE(Messages::Document)

void WindowTest::reportSaved_data()
{
    QTest::addColumn<Messages::Document>("document");
    QTest::addColumn<QString>("name"); // in a fresh folder
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("sizeLimit"); // of a file, in bytes; 0 for none
    const auto report = Messages::Document::Report;
    QTest::newRow("a new file") << report << "отчет.txt" << true << 0;
    QTest::newRow("over an old file") << report << "old.txt" << true << 0;
    QTest::newRow("in a missing folder") << report << "missing/отчет.txt" << false << 0;
    QTest::newRow("onto a folder") << report << "folder" << false << 0;
#ifdef Q_OS_UNIX
    // As on a full disk: the first kilobyte is written, the rest refused.
    QTest::newRow("over the size limit") << report << "old.txt" << false << 100;
#endif
    QTest::newRow("the picture, drawn for paper") << Messages::Document::Picture << "рисунка.png" << true << 0;
    QTest::newRow("no vertices to save") << Messages::Document::Vertices << "върхове.txt" << false << 0;
}

// The report's exact bytes, UTF-8 with CR LF; the picture at twice its
// pixels, drawn so, not scaled; a failed write says where and leaves what
// was there.
void WindowTest::reportSaved()
{
    QFETCH(Messages::Document, document);
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QFETCH(int, sizeLimit);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QFile old(dir.filePath(QStringLiteral("old.txt")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QString path = dir.filePath(name);
    TestedBoard board;
    if (document != Messages::Document::Vertices)
        setRows(board, QStringLiteral("0,0 30,0 0,40"));
    board.connectInOrder();
    Documents documents(board, m_window.get());
    const QByteArray report = QStringLiteral("Върхове: 123 с координати: 0,0; 30,0; 0,40\r\n"
                                             "Страни: a = 50.000; b = 40.000; c = 30.000\r\n"
                                             "Лице по Херон = 600; Лице ориентирано = 600\r\n\r\n"
                                             "Лице на изпъкналия многоъгълник = 600\r\n").toUtf8();
#ifdef Q_OS_UNIX
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{rlim_t(sizeLimit), unlimited.rlim_max};
    const auto refused = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    QVERIFY(!sizeLimit || setrlimit(RLIMIT_FSIZE, &limited) == 0);
#endif
    const bool written = documents.save(document, path);
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, refused);
#endif

    QCOMPARE(written, saved);
    QFile file(path);
    if (saved && document == Messages::Document::Picture) {
        Picture picture(TestedBoard::Size, 2);
        FigurePainter(picture).drawFigure(board.figure(), board.points());
        QImage png(path);
        png.setDevicePixelRatio(2);
        QCOMPARE(png.size(), TestedBoard::Size * 2);
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), picture.image());
        return;
    }
    if (saved) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), report);
        return;
    }
    QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("folder"), QStringLiteral("old.txt")}));
}

void WindowTest::fileOpened_data()
{
    QTest::addColumn<QByteArray>("bytes"); // none: no such file
    QTest::addColumn<QString>("rows"); // after; the board had 100,100
    QTest::addColumn<QString>("message"); // a part of what the message says; none without one

    const QString utf16 = QStringLiteral("\uFEFF7\t8\r\n");
    QTest::newRow("UTF-8, CR LF") << QByteArray("10\t20\r\n30\t40\r\n") << "10,20 30,40" << "";
    QTest::newRow("UTF-8 with its byte-order mark") << QByteArray("\xEF\xBB\xBF" "5\t6\r\n") << "5,6" << "";
    QTest::newRow("UTF-16, as Notepad writes it")
        << QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2) << "7,8" << "";
    QTest::newRow("UTF-16, big-endian") << QByteArray("\xFE\xFF\0" "7\0\t\0" "8\0\n", 10) << "7,8" << "";
    QTest::newRow("64 MiB exactly") << QByteArray("5\t6").leftJustified(qsizetype(64) << 20, '\n') << "5,6" << "";
    QTest::newRow("a bad line keeps the board") << QByteArray("1\t2\r\nx\r\n") << "100,100" << "ред 2 („x“)";
    QTest::newRow("64 MiB and a byte") << QByteArray((qsizetype(64) << 20) + 1, '\n') << "100,100" << "по-голям от 64 MB";
    QTest::newRow("no such file") << QByteArray() << "100,100" << "не може да бъде прочетен";
    QTest::newRow("a NUL byte") << QByteArray("1\t2\r\n\0\r\n", 8) << "100,100" << "не е текст";
    QTest::newRow("not UTF-8") << QByteArray("1\t2\r\n\xE0\xE1\r\n") << "100,100" << "не е текст";
#ifdef Q_OS_UNIX
    QTest::newRow("a named pipe") << QByteArray("fifo") << "100,100" << "не е обикновен файл";
#endif
}

// A file of vertices opened as the board, or a message that says why not
// over the board as it was.
void WindowTest::fileOpened()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("върхове.txt"));
    std::atomic<bool> opened = false;
    std::thread writer;
#ifdef Q_OS_UNIX
    if (bytes == "fifo") { // opening it would wait for a writer, which comes within a second and writes nothing
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        writer = std::thread([&] {
            for (int tries = 0; tries < 200 && !opened; ++tries) {
                const int fifo = open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
                if (fifo >= 0)
                    return void(close(fifo)); // a reader has opened it
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    } else
#endif
    QVERIFY(bytes.isNull() || !saveWholeFile(path, bytes));
    pressCanvas(*m_window, QPoint(100, 100));

    m_window->openVertexFile(path);
    opened = true;
    if (writer.joinable())
        writer.join();

    QTEST(rows(m_window->board().vertices()), "rows");
    auto *box = m_window->findChild<QMessageBox *>();
    QCOMPARE(box ? box->text().contains(message) : message.isEmpty(), true);
}

void WindowTest::reportMarksTheCanvas_data()
{
    QTest::addColumn<QString>("steps"); // as playOnReport plays them
    QTest::addColumn<QPoint>("at");      // a pixel of the canvas
    QTest::addColumn<int>("shade");      // 0 white, 1 the mark's colour, 2 darker: covered twice

    // The square (0,0) (200,0) (200,150) (0,150): triangle 1-2-3 below its
    // diagonal from the top left, triangle 1-3-4 above it.
    const QPoint inFirst(150, 30), inSecond(30, 120);
    QTest::newRow("the first block") << "h 1" << inFirst << 1;
    QTest::newRow("the first block, not the second's triangle") << "h 1" << inSecond << 0;
    QTest::newRow("the second block") << "h 5" << inSecond << 1;
    QTest::newRow("the total line, the whole polygon") << "h 8" << inFirst << 1;
    QTest::newRow("the pointer gone") << "h 1; o" << inFirst << 0;
    QTest::newRow("Ctrl+Down from the first block to the second") << "k" << inSecond << 1;
    QTest::newRow("Ctrl+Up back to the first") << "k; u" << inFirst << 1;
    QTest::newRow("Ctrl+Down to the second only") << "k" << inFirst << 0;
    QTest::newRow("a pick takes the mark away") << "h 1; p" << inFirst << 0;
    QTest::newRow("the keys' mark goes with the focus") << "k; f" << inSecond << 0;
    // (120, 60) a fifth vertex inside: triangle 1-4-5 lies over 1-3-4.
    QTest::newRow("the total line, darker where triangles overlap") << "n; k; k; k" << QPoint(30, 60) << 2;
    // The hint stands beside the square where its lines fit there, else at
    // the foot: either covers the canvas's lower right.
    QTest::newRow("a press on the closed board: a hint over the canvas") << "c" << QPoint(380, 155) << 1;
    QTest::newRow("a vertex moved by F2 takes the mark away") << "h 1; m" << inFirst << 0;
}

// The square (0,0) (200,0) (200,150) (0,150), 20 pixels in, computed, and
// the report's steps played on it: "h L" the pointer over line L, "k"
// Ctrl+Down, "u" Ctrl+Up, "e" Enter, "d L" a double-click on line L, "o" the
// pointer off the report, "f" the focus off it, "p" a pick, "m" vertex 1's X
// typed anew by F2 in the X list, Tab's way in, nothing picked, "c" a press
// on the closed board, "n" a fifth vertex inside and "Контур" again.
void playOnReport(MainWindow &window, const QString &steps)
{
    for (QPoint corner : {QPoint(0, 0), QPoint(200, 0), QPoint(200, 150), QPoint(0, 150)})
        pressCanvas(window, corner + QPoint(20, 20));
    pressButton(window, "inOrderButton");
    ReportView *report = reportOf(window);
    report->setFocus();
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        const QPoint line = report->characterRect(report->lineStart(step.mid(2).toInt())).center();
        switch (step.at(0).unicode()) {
        case u'h': QTest::mouseMove(report->viewport(), line); break;
        case u'd': QTest::mouseDClick(report->viewport(), Qt::LeftButton, {}, line); break;
        case u'k': QTest::keyClick(report, Qt::Key_Down, Qt::ControlModifier); break;
        case u'u': QTest::keyClick(report, Qt::Key_Up, Qt::ControlModifier); break;
        case u'e': QTest::keyClick(report, Qt::Key_Return); break;
        case u'o': QTest::mouseMove(canvasOf(window), QPoint(1, 1)); break;
        case u'f': canvasOf(window)->setFocus(); break;
        case u'p': clickRow(window, VertexModel::XColumn, 0); report->setFocus(); break;
        case u'm':
            listOf(window, VertexModel::XColumn)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("30"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case u'c': pressCanvas(window, QPoint(300, 100)); break;
        case u'n':
            clickRow(window, VertexModel::XColumn, 0);
            pressCanvas(window, QPoint(120, 60));
            pressButton(window, "inOrderButton");
            break;
        }
        settle();
    }
}

// The mark lies over the picture, never in it: the picture copied is
// unmarked.
void WindowTest::reportMarksTheCanvas()
{
    QFETCH(QString, steps);
    QFETCH(QPoint, at);
    Canvas *canvas = canvasOf(*m_window);

    playOnReport(*m_window, steps);

    const QImage screen = canvas->grab().toImage();
    const auto shownAt = [&](QPoint p) { return screen.pixel(canvas->contentsRect().topLeft() + p + QPoint(20, 20)); };
    QFETCH(int, shade);
    QCOMPARE(shownAt(at) != qRgb(255, 255, 255), shade > 0);
    if (shade == 2) // darker than where one triangle covers
        QVERIFY(qGray(shownAt(at)) < qGray(shownAt(QPoint(150, 30))));
    const QImage copied = copiedPicture(canvas);
    Picture drawn(copied.deviceIndependentSize().toSize(), copied.devicePixelRatio());
    FigurePainter(drawn).drawFigure(m_window->board().figure(), m_window->board().points());
    QCOMPARE(copied, drawn.image());
}

void WindowTest::workingOfABlock_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("start"); // of the working's text

    const QString first = QStringLiteral("Триъгълник 1 от 2: върхове 1, 2 и 3");
    const QString second = QStringLiteral("Триъгълник 2 от 2: върхове 1, 3 и 4");
    QTest::newRow("Enter on the first block") << "e" << first;
    QTest::newRow("a double-click on the second") << "d 5" << second;
    QTest::newRow("following the caret") << "e; k" << second;
    QTest::newRow("the total line") << "k; k; e" << "Лице на изпъкналия многоъгълник: сборът";
    QTest::newRow("after a pick, of the report still") << "p; k; e" << second;
}

void WindowTest::workingOfABlock()
{
    QFETCH(QString, steps);

    playOnReport(*m_window, steps);

    auto *working = m_window->findChild<WorkingWindow *>();
    QVERIFY(working && working->isVisible());
    QFETCH(QString, start);
    QVERIFY2(working->toPlainText().startsWith(start), qPrintable(working->toPlainText().left(80)));
}

void WindowTest::printedOnNumberedPages_data()
{
    QTest::addColumn<int>("vertices"); // on an ellipse, then "Поред"; 0: "Чисти"; -1: as the board starts
    QTest::addColumn<QString>("then"); // "pick" or "delete" the second vertex
    QTest::addColumn<bool>("pupils");  // the pupil's sheet, else the teacher's
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date"); // as the heading shows 8 December 2026; none: "Отказ" when the progress shows
    const QString date = QStringLiteral("8.12.2026 г."); // in Bulgarian under every locale
    QTest::newRow("a triangle, numbered") << 3 << "" << false << "en_US" << date;
    QTest::newRow("60 vertices, numbered") << 60 << "" << false << "C" << date;
    QTest::newRow("300 vertices on many pages") << 300 << "" << false << "C" << date;
    QTest::newRow("the task description") << -1 << "" << false << "C" << date;
    QTest::newRow("an empty report") << 0 << "" << false << "C" << date;
    QTest::newRow("after a pick: the report's polygon") << 5 << "pick" << false << "C" << date;
    QTest::newRow("after a deletion: the report's five vertices") << 5 << "delete" << false << "C" << date;
    QTest::newRow("the pupil's, decimal comma") << 6 << "" << true << "bg_BG" << date;
    QTest::newRow("the pupil's of a cleared board") << 0 << "" << true << "C" << date;
    QTest::newRow("the pupil's of 9 vertices, a smaller picture") << 9 << "" << true << "C" << date;
    // The last triangle's block would end page 9, the total alone on page 10.
    QTest::newRow("79 vertices: the total with a triangle") << 79 << "" << false << "C" << date;
    QTest::newRow("cancelled: nothing written") << 32767 << "" << true << "C" << "";
}

// On paper: the heading, the name line, the picture of the report's polygon
// with its vertices' numbers on a small board, every line of the text in
// its order with a paragraph (a triangle's three lines) never parted by a
// page break, and every page numbered at its foot; the pupil's sheet with
// no number after an "=". A sheet cancelled from its progress writes
// nothing.
void WindowTest::printedOnNumberedPages()
{
    QFETCH(int, vertices);
    QFETCH(QString, then);
    QFETCH(bool, pupils);
    QFETCH(QString, date);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    TestedBoard board;
    std::vector<QPoint> polygon;
    QString lines;
    for (int i = 0; i < vertices; ++i) {
        const double angle = 2 * M_PI * i / vertices;
        polygon.emplace_back(200 + int(180 * std::cos(angle)), 150 + int(120 * std::sin(angle)));
        lines += QStringLiteral("%1\t%2\n").arg(polygon.back().x()).arg(polygon.back().y());
    }
    board.placeVertexLines(lines);
    if (vertices >= 0)
        vertices > 0 ? board.connectInOrder() : board.clearAll();
    if (!then.isEmpty())
        board.selectRow(1);
    if (then == QLatin1String("delete"))
        board.deleteSelected();
    Documents documents(board, m_window.get());
    const Messages::Document sheet = pupils ? Messages::Document::PupilWorksheet : Messages::Document::Worksheet;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("лист.pdf"));

    if (date.isEmpty()) {
        QTimer cancelling;
        connect(&cancelling, &QTimer::timeout, this, [this] {
            auto *progress = m_window->findChild<QProgressDialog *>();
            if (progress && progress->isVisible())
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
        cancelling.start(10);
        QVERIFY(!documents.save(sheet, pdf) && !QFile::exists(pdf));
        QVERIFY(!m_window->findChild<QMessageBox *>());
        return;
    }
    WorksheetContent content = documents.worksheet(sheet);
    content.date = QDate(2026, 12, 8);
    QCOMPARE(saveWorksheetAsPdf(pdf, content).result, WorksheetOutcome::Written);

#ifdef Q_OS_WIN
    // Under Wine no pdftotext runs: a PDF it is, and its text is read on Linux.
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-");
    return;
#endif
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty() && qEnvironmentVariableIsEmpty("CI"))
        QSKIP("pdftotext is not installed (Debian package poppler-utils)");
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is not installed (Debian package poppler-utils)");
    const QString pdfimages = QFileInfo(pdftotext).dir().filePath(QStringLiteral("pdfimages")); // of the same package
    const QStringList pages = printedPages(pdftotext, pdf);
    QVERIFY(!pages.isEmpty());
    QVERIFY(pages[0].startsWith(QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник ")));
    QVERIFY(pages[0].contains(date));
    QVERIFY(pages[0].contains(QStringLiteral("Име: ______________ Клас: ______")));
    // The numbers between the name line and the text, as digits: neighbours
    // may run together in the PDF's text.
    const auto sortedDigits = [](QString text) {
        text.remove(QRegularExpression(QStringLiteral("[^0-9]")));
        std::sort(text.begin(), text.end());
        return text;
    };
    QString numbers;
    for (int n = 1; n <= vertices && vertices <= 60; ++n)
        numbers += QString::number(n);
    const QStringList text = linesOf(content.text);
    if (vertices <= 60)
        QCOMPARE(sortedDigits(pages[0].section(QStringLiteral("Клас: ______"), 1).section(text[0].left(12).simplified(), 0, 0).section(QStringLiteral(" стр. "), 0, 0)),
             sortedDigits(numbers));
    for (int page = 1; page <= pages.size(); ++page)
        QVERIFY(pages[page - 1].endsWith(QStringLiteral(" стр. %1 от %2").arg(page).arg(pages.size())));
    int page = 0, paragraphPage = -1;
    qsizetype at = 0;
    for (const QString &line : text) {
        const QString printed = line.simplified();
        if (printed.isEmpty()) {
            paragraphPage = -1;
            continue;
        }
        for (; page < pages.size() && (at = pages[page].indexOf(printed, at)) < 0; at = 0)
            ++page;
        QVERIFY2(page < pages.size(), qPrintable(line));
        QVERIFY2(paragraphPage < 0 || paragraphPage == page, qPrintable(line));
        paragraphPage = page;
        at += printed.size();
    }
    QVERIFY(pages.size() == 1 || vertices < 3 || pages.last().contains(QStringLiteral("Върхове")));
    // One page, the picture smaller where needed: on this canvas, higher than
    // the window's, up to 9 vertices.
    QVERIFY(!pupils || vertices > 9 || pages.size() == 1);
    const QString all = pages.join(u' ');
    if (pupils) {
        QVERIFY2(!all.contains(QRegularExpression(QStringLiteral("= *[0-9]"))), qPrintable(all));
        QCOMPARE(int(all.count(QStringLiteral("|D| = ___"))), std::max(vertices - 2, 0));
    }

    // The picture is drawn as lines and dots: no image on any page.
    QCOMPARE(printedImages(pdfimages, pdf), QStringList());
}

void WindowTest::zoomedWindow_data()
{
    QTest::addColumn<QString>("keys"); // with Ctrl: "+", "-", "0"
    QTest::addColumn<int>("percent");
    QTest::newRow("Ctrl+Plus: 125 %") << "+" << 125;
    // The headless screen is 800 by 800 pixels.
    QTest::newRow("Ctrl+Plus three times: no larger than the screen") << "+++" << 150;
    QTest::newRow("Ctrl+Minus at 100 %") << "-" << 100;
    QTest::newRow("Ctrl+Plus, Ctrl+0") << "+0" << 100;
    QTest::newRow("Ctrl+Plus, Ctrl+Minus") << "+-" << 100;
}

// The whole window grows; a press on the canvas gives the picture's pixel,
// Ctrl+C copies the picture as at 100 %, and the next window starts at the
// same zoom.
void WindowTest::zoomedWindow()
{
    QFETCH(QString, keys);
    QFETCH(int, percent);
    for (QChar key : keys)
        QTest::keyClick(m_window.get(), key == u'+' ? Qt::Key_Plus : key == u'-' ? Qt::Key_Minus : Qt::Key_0,
                        Qt::ControlModifier);
    const qreal zoom = percent / 100.0;
    QCOMPARE(m_window->centralWidget()->size(), (QSizeF(481, 424) * zoom).toSize());
    Canvas *canvas = canvasOf(*m_window);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->contentsRect().topLeft() + (QPointF(100.4, 50.4) * zoom).toPoint());
    settle();
    QCOMPARE(rows(m_window->board().vertices()), QStringLiteral("100,50"));
    Picture drawn(QSize(463, 196), canvas->devicePixelRatioF());
    FigurePainter(drawn).drawFigure(m_window->board().figure(), m_window->board().points());
    QCOMPARE(copiedPicture(canvas), drawn.image());
    m_window.reset(new MainWindow);
    QCOMPARE(m_window->centralWidget()->size(), (QSizeF(481, 424) * zoom).toSize());
    control<QAction>(*m_window, "zoomResetAction")->trigger();
}

void WindowTest::marksOverCanvas_data()
{
    QTest::addColumn<QString>("steps"); // "n" and "g" the keys N and G on the canvas, "p" the pointer over it, "o" off it, "s" a new start
    QTest::addColumn<bool>("marked");   // the canvas shows more than its picture
    QTest::newRow("as it starts") << "" << false;
    QTest::newRow("N: the vertices' numbers") << "n" << true;
    QTest::newRow("N twice: none") << "n n" << false;
    QTest::newRow("the numbers at the next start") << "n s" << true;
    QTest::newRow("G: the grid, at the next start") << "g s" << true;
    QTest::newRow("G twice: none") << "g g" << false;
    QTest::newRow("the pointer's coordinates") << "p" << true;
    QTest::newRow("the pointer gone") << "p o" << false;
}

// The marks over the canvas show on the screen, never in the picture copied.
void WindowTest::marksOverCanvas()
{
    QFETCH(QString, steps);
    for (QPoint vertex : {QPoint(100, 30), QPoint(200, 20), QPoint(260, 100), QPoint(150, 170), QPoint(60, 120)})
        pressCanvas(*m_window, vertex);
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        Canvas *canvas = canvasOf(*m_window);
        QEvent leave(QEvent::Leave);
        switch (step.at(0).unicode()) {
        case u'n': canvas->setFocus(); QTest::keyClick(canvas, Qt::Key_N); break;
        case u'g': canvas->setFocus(); QTest::keyClick(canvas, Qt::Key_G); break;
        case u'p': QTest::mouseMove(canvas, canvas->contentsRect().center()); break;
        case u'o': QCoreApplication::sendEvent(canvas, &leave); break;
        case u's':
            m_window.reset(new MainWindow);
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            for (QPoint vertex : {QPoint(100, 30), QPoint(200, 20), QPoint(260, 100)})
                pressCanvas(*m_window, vertex);
            break;
        }
        settle();
    }
    Canvas *canvas = canvasOf(*m_window);
    const QImage copied = copiedPicture(canvas);
    const QImage shown = canvas->grab(canvas->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    QFETCH(bool, marked);
    QCOMPARE(shown != copied, marked);
    Picture drawn(copied.deviceIndependentSize().toSize(), copied.devicePixelRatio());
    FigurePainter(drawn).drawFigure(m_window->board().figure(), m_window->board().points());
    QCOMPARE(copied, drawn.image());
    if (m_window->findChild<QAction *>(QStringLiteral("vertexNumbersAction"))->isChecked())
        QTest::keyClick(canvas, Qt::Key_N);
    if (m_window->findChild<QAction *>(QStringLiteral("gridAction"))->isChecked())
        QTest::keyClick(canvas, Qt::Key_G);
}

void WindowTest::notesFollowTheBoard_data()
{
    QTest::addColumn<QString>("steps"); // "p" a vertex placed, "i" "Поред", "c" "Чисти", "s" vertex 1 picked, "d" "Трий 1т"
    QTest::addColumn<bool>("faint");    // the faint line over the canvas
    QTest::addColumn<bool>("notice");   // that the report is out of date
    QTest::newRow("cleared: the faint line back") << "p p p c" << true << false;
    QTest::newRow("a vertex deleted under the report: the notice") << "p p p i s d" << false << true;
    QTest::newRow("a new report: no notice") << "p p p i s d i" << false << false;
}

void WindowTest::notesFollowTheBoard()
{
    QFETCH(QString, steps);
    int placed = 0;
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        switch (step.at(0).unicode()) {
        case u'p': ++placed, pressCanvas(*m_window, QPoint(60 * placed, 30 + 60 * (placed % 2))); break;
        case u'i': pressButton(*m_window, "inOrderButton"); break;
        case u'c': pressButton(*m_window, "clearButton"); break;
        case u's': clickRow(*m_window, VertexModel::NumberColumn, 0); break;
        case u'd': pressButton(*m_window, "deleteButton"); break;
        }
    }
    QTEST((canvasOf(*m_window)->note() == CanvasNote{Messages::whereMoreIs(), CanvasNote::Look::Faint}), "faint");
    const QLabel *notice = reportOf(*m_window)->findChild<QLabel *>();
    QTEST(notice && notice->isVisibleTo(reportOf(*m_window)), "notice");
}

void WindowTest::presentationSteps_data()
{
    QTest::addColumn<QString>("keys");  // after F5
    QTest::addColumn<QString>("start"); // of the step's text; none: the view is closed
    QTest::addColumn<bool>("marked");   // a triangle or the polygon shaded
    QTest::addColumn<QList<QPoint>>("vertices");
    const QList<QPoint> pentagon{{100, 30}, {200, 20}, {260, 100}, {150, 170}, {60, 120}};
    const QList<QPoint> withInner{{100, 30}, {200, 20}, {260, 100}, {150, 170}, {60, 120}, {150, 90}};
    QTest::newRow("F5: the vertices") << "" << "Върхове (5) с координатите им (X; Y):\n1 (150; 170)" << false << pentagon;
    QTest::newRow("Right three times: triangle 3")
        << "Right Right Right" << "Триъгълник 3 от 3: върхове 1, 4 и 5\n1 (150; 170), 4 (200; 20), 5 (260; 100)\n"
           "Страни: a = 100.000; b ≈ 130.384; c ≈ 158.114" << true << pentagon;
    QTest::newRow("Right: triangle 1, whole")
        << "Right" << "Триъгълник 1 от 3: върхове 1, 2 и 3\n1 (150; 170), 2 (60; 120), 3 (100; 30)\n"
           "Страни: a ≈ 98.489; b ≈ 148.661; c ≈ 102.956\nЛице по Херон ≈ 5050\n"
           "Ориентирано лице D = 5050; лице |D| = 5050\nСбор на |D| дотук: 5050" << true << pentagon;
    QTest::newRow("2 and Enter: triangle 2") << "2 Return" << "Триъгълник 2 от 3" << true << pentagon;
    QTest::newRow("9 and Enter, past the last: triangle 3") << "9 Return" << "Триъгълник 3 от 3" << true << pentagon;
    QTest::newRow("1, Enter, 2, Enter: triangle 2") << "1 Return 2 Return" << "Триъгълник 2 от 3" << true << pentagon;
    QTest::newRow("Backspace takes the typed 2 back: triangle 1")
        << "Right Right Right 1 2 Backspace Return" << "Триъгълник 1 от 3" << true << pentagon;
    QTest::newRow("Backspace with nothing typed goes back") << "Right Right Backspace" << "Триъгълник 1" << true << pentagon;
    QTest::newRow("B, then Right only brings the screen back") << "B Right" << "Върхове (5)" << false << pentagon;
    QTest::newRow("Left from the first step stays") << "Left" << "Върхове (5)" << false << pentagon;
    QTest::newRow("End: the total") << "End" << "Лице на изпъкналия многоъгълник = 18800" << true << pentagon;
    QTest::newRow("End with a vertex inside: the sum, and the warning")
        << "End" << "Сборът на |D| = 19350\nВнимание: връх 3 е вътре" << true << withInner;
    QTest::newRow("End, Home: the vertices") << "End Home" << "Върхове (5)" << false << pentagon;
    QTest::newRow("Escape leaves") << "Escape" << "" << false << pentagon;
}

// A board after "Контур", shown on the whole screen step by step.
void WindowTest::presentationSteps()
{
    QFETCH(QString, keys);
    QFETCH(QList<QPoint>, vertices);
    for (QPoint vertex : vertices)
        pressCanvas(*m_window, vertex);
    pressButton(*m_window, "contourButton");
    QTest::keyClick(reportOf(*m_window), Qt::Key_F5);
    QWidget *shown = nullptr;
    for (QWidget *child : m_window->findChildren<QWidget *>())
        if (child->isWindow() && child->isVisible())
            shown = child;
    QVERIFY(shown);
    QCOMPARE(shown->geometry(), shown->screen()->geometry());
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(shown, QKeySequence::fromString(key)[0].key());
    QFETCH(QString, start);
    QCOMPARE(shown->isVisible(), !start.isEmpty());
    if (start.isEmpty())
        return;
    QVERIFY2(shown->accessibleDescription().startsWith(start), qPrintable(shown->accessibleDescription()));
    QFETCH(bool, marked);
    QCOMPARE(markedPixels(shown) > 0, marked);
}

// The working window, 728 x 448, beside a main window of 481 x 447.
void WindowTest::windowBesideTheWindow_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("least"); // the window's own least size
    QTest::addColumn<QRect>("placed");

    const QRect fullHd(0, 0, 1920, 1080), small(0, 0, 1024, 768);
    const QSize any(0, 0);
    QTest::newRow("room on the right") << QRect(0, 0, 481, 447) << fullHd << any << QRect(481, 0, 728, 448);
    QTest::newRow("narrower, on the right, where no side has room")
        << QRect(0, 0, 481, 447) << small << any << QRect(481, 0, 543, 448);
    QTest::newRow("no narrower than 600: at the screen's right, whole")
        << QRect(0, 0, 481, 447) << small << QSize(600, 300) << QRect(296, 0, 728, 448);
    QTest::newRow("at the screen's right edge: on the left") << QRect(1400, 100, 481, 447) << fullHd << any
                                                            << QRect(672, 100, 728, 448);
    QTest::newRow("near the bottom: level with it, on the screen") << QRect(100, 900, 481, 147) << fullHd << any
                                                                   << QRect(581, 632, 728, 448);
    QTest::newRow("a wide window: below it") << QRect(0, 0, 1800, 500) << fullHd << any << QRect(0, 500, 728, 448);
    QTest::newRow("no room at all: at the screen's right") << small << small << any << QRect(296, 0, 728, 448);
}

void WindowTest::windowBesideTheWindow()
{
    QFETCH(QRect, window);
    QFETCH(QRect, screen);
    QFETCH(QSize, least);

    QTEST(besideWindow(window, QSize(728, 448), screen, least), "placed");
}

void WindowTest::practiceChecks_data()
{
    QTest::addColumn<QString>("a"); // typed into triangle 1's side a, then b, then Enter
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("tabs"); // pressed before Enter, which the widget then focused takes
    QTest::addColumn<QString>("faces"); // of a and b: "g" green, "r" red, "w" white
    QTest::addColumn<QString>("score"); // or a hint
    QTest::newRow("a right side with a comma, a wrong one") << "98,489" << "98,49" << 0 << "gr" << "1 от 16 верни";
    QTest::newRow("a right side with a point, one empty") << "98.489" << "" << 0 << "gw" << "1 от 16 верни";
    // From side a past 14 fields and the total to "Провери", each showing its focus.
    QTest::newRow("Enter on the focused button") << "98.489" << "" << 16 << "gw" << "1 от 16 верни";
    QTest::newRow("a hint naming X") << "94,868" << "" << 0 << "rw" << "a: Проверете разликата на координатите X на";
}

// A pentagon after "Контур", F6, and one field right and one wrong: green
// and red, and the score.
void WindowTest::practiceChecks()
{
    for (QPoint vertex : {QPoint(100, 30), QPoint(200, 20), QPoint(260, 100), QPoint(150, 170), QPoint(60, 120)})
        pressCanvas(*m_window, vertex);
    pressButton(*m_window, "contourButton");
    QTest::keyClick(reportOf(*m_window), Qt::Key_F6);
    auto *practice = m_window->findChild<PracticeWindow *>();
    QVERIFY(practice && practice->isVisible());
    QList<QLineEdit *> sides;
    for (const QString &name : {QStringLiteral("Триъгълник 1, страна a"), QStringLiteral("Триъгълник 1, страна b")})
        for (QLineEdit *field : practice->findChildren<QLineEdit *>())
            if (QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name) == name)
                sides << field;
    QCOMPARE(sides.size(), 2);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTest::keyClicks(sides[0], a);
    QTest::keyClicks(sides[1], b);
    QFETCH(int, tabs);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(practice->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(tabs > 0 ? practice->focusWidget() : sides[1], Qt::Key_Return);
    QFETCH(QString, faces);
    for (int i = 0; i < 2; ++i) {
        const QColor face = sides[i]->grab().toImage().pixelColor(sides[i]->width() - 5, sides[i]->height() / 2);
        const QChar shown = face.green() > face.red() ? u'g' : face.red() > face.green() ? u'r' : u'w';
        QCOMPARE(shown, faces[i]);
    }
    QFETCH(QString, score);
    QStringList texts;
    for (QLabel *label : practice->findChildren<QLabel *>())
        texts << label->text();
    QVERIFY2(texts.join(u'|').contains(score), qPrintable(texts.join(u'|')));
    // The working open beside follows the practice to a new task.
    for (QPushButton *button : practice->findChildren<QPushButton *>())
        if (button->isVisible() && button->text() == QStringLiteral("Покажи изчислението")) {
            button->click();
            practice->openVariant(9999); // ten vertices
            QVERIFY(practice->findChild<WorkingWindow *>()->toPlainText().startsWith(QStringLiteral("Триъгълник 1 от 8")));
            break;
        }
    // The solution at the largest zoom: every answer whole in its field.
    ApplicationZoom::instance().setPercent(300);
    for (QPushButton *button : practice->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Покажи решението"))
            button->click();
    QCoreApplication::processEvents();
    for (QLineEdit *field : practice->findChildren<QLineEdit *>()) {
        field->setCursorPosition(0);
        field->grab(); // scrolled as painted
        QCOMPARE(field->cursorPositionAt(QPoint(field->width() - 1, field->height() / 2)), field->text().size());
    }
    // As high as it needs, where the screen has the room.
    QVERIFY(practice->height() >= std::min(practice->sizeHint().height(), practice->screen()->availableGeometry().height()));
    ApplicationZoom::instance().setPercent(100);
}

void WindowTest::classSet_data()
{
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("vertices");
    QTest::addColumn<bool>("teachers"); // their sheets after the answers
    QTest::addColumn<int>("answerPages"); // at most
    QTest::newRow("30 of five vertices") << 30 << 5 << false << 3;
    QTest::newRow("30 of seven vertices") << 30 << 7 << false << 5;
    QTest::newRow("with the teacher's sheets") << 4 << 10 << true << 1;
}

// A class set: different boards, each pupil's sheet one page with its
// variant, then the answers' table on pages of its own, numbered, its rows
// the fan's values as the practice takes them; the teacher's sheets after
// it when asked for.
void WindowTest::classSet()
{
    QFETCH(int, sheets);
    QFETCH(int, vertices);
    QFETCH(bool, teachers);
    TestedBoard board;
    board.setArea(m_window->board().area());
    Documents documents(board, m_window.get());
    const std::vector<int> variants = Documents::classSetVariants(sheets, vertices);
    const ClassSet set = documents.classSet(variants, teachers);
    QCOMPARE(int(set.pupils.size()), sheets);
    QCOMPARE(int(set.teachers.size()), teachers ? sheets : 0);
    std::vector<std::vector<Point>> boards;
    for (size_t i = 0; i < set.pupils.size(); ++i) {
        QCOMPARE(int(set.pupils[i].vertices.size()), vertices);
        QVERIFY(std::find(boards.begin(), boards.end(), set.pupils[i].vertices) == boards.end());
        boards.push_back(set.pupils[i].vertices);
        const Fan fan = fanOf(boards.back());
        const std::vector<QStringList> &rows = set.answers.variants[i];
        QCOMPARE(rows.size(), fan.triangles.size() + 1);
        QCOMPARE(rows.front().front(), QString::number(variants[i]));
        for (size_t t = 0; t < fan.triangles.size(); ++t) {
            const TriangleMeasures &m = fan.triangles[t].measures;
            const double exact[] = {m.a, m.b, m.c, std::fabs(m.determinant), std::fabs(m.determinant)};
            for (int f = 0; f < 5; ++f) // the sides and S rounded to three decimals, |D| exact
                QVERIFY2(std::fabs(QLocale().toDouble(rows[t][2 + f]) - exact[f]) <= (f < 4 ? 0.0005 : 0), qPrintable(rows[t].join(u' ')));
        }
        QCOMPARE(QLocale().toDouble(rows.back().back()), fan.total);
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("комплект.pdf"));
    QCOMPARE(saveClassSetAsPdf(pdf, set).result, WorksheetOutcome::Written);
#ifndef Q_OS_WIN
    const QStringList pages = printedPages(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), pdf);
    const int keyPages = int(pages.size()) - sheets * (teachers ? 2 : 1); // each sheet one page
    QFETCH(int, answerPages);
    QVERIFY2(keyPages >= 1 && keyPages <= answerPages, qPrintable(QString::number(pages.size())));
    for (int i = 0; i < sheets; ++i) {
        const QString variant = QStringLiteral("Вариант %1").arg(variants[size_t(i)]);
        QVERIFY2(pages[i].contains(variant) && pages[i].contains(QStringLiteral("|D| = ___")), qPrintable(pages[i]));
        if (teachers)
            QVERIFY2(pages[sheets + keyPages + i].contains(variant), qPrintable(pages[sheets + keyPages + i]));
    }
    for (int page = 0; page < keyPages; ++page)
        QVERIFY2(pages[sheets + page].startsWith(QStringLiteral("Отговори"))
                     && pages[sheets + page].endsWith(QStringLiteral("стр. %1 от %2").arg(page + 1).arg(keyPages)),
                 qPrintable(pages[sheets + page]));
#endif
}

void WindowTest::classSetVariants_data()
{
    QTest::addColumn<QList<quint64>>("numbers"); // drawn in turn, then again from the first
    QTest::newRow("a number drawn twice") << QList<quint64>{7, 7, 8};
    QTest::newRow("one variant of two numbers") << QList<quint64>{7, 7 + 1250, 9};
}

// Two sheets of five vertices: two variants, never one twice.
void WindowTest::classSetVariants()
{
    QFETCH(QList<quint64>, numbers);
    int drawn = 0;
    const std::vector<int> variants = Documents::classSetVariants(2, 5, [&] { return numbers[drawn++ % numbers.size()]; });
    QVERIFY(variants.size() == 2 && variants[0] != variants[1]);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
