// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the user sees it: every control's place, colours, captions,
// the menu, the keyboard order, the task description and the report box's
// manners.
#include "WholeFile.h"
#include "WindowFixture.h"
#include "Worksheet.h"

#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtMath>

#include <cmath>
#include <csignal>
#include <iterator>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
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

QString withLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window.reset(new MainWindow); m_window->show(); QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }
    void cleanup() { m_window.reset(); }

    void controlsStandWhereDrawn_data();
    void controlsStandWhereDrawn();
    void windowIsFixedAndLavender();
    void captionsAndColours_data();
    void captionsAndColours();
    void menuHoldsFourCommands();
    void tabOrderAndFirstFocus();
    void taskDescriptionIsExact();
    void reportBoxRefusesTypingButSelects();
    void pressOnInnerCornerIsOrigin();
    void everyControlHasAName();
    void reportSaved_data();
    void reportSaved();
    void printedOnNumberedPages_data();
    void printedOnNumberedPages();

private:
    QWidget *widget(const char *name) const { return control<QWidget>(*m_window, name); }

    std::unique_ptr<MainWindow> m_window;
};

void WindowTest::controlsStandWhereDrawn_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("title") << QByteArray("titleLabel") << QRect(80, 0, 321, 25);
    QTest::newRow("contour button") << QByteArray("contourButton") << QRect(8, 8, 57, 25);
    QTest::newRow("in-order button") << QByteArray("inOrderButton") << QRect(416, 8, 57, 25);
    QTest::newRow("canvas") << QByteArray("canvas") << QRect(8, 32, 467, 200);
    QTest::newRow("N label") << QByteArray("numberLabel") << QRect(8, 248, 25, 25);
    QTest::newRow("number list") << QByteArray("numberList") << QRect(32, 248, 41, 23);
    QTest::newRow("X label") << QByteArray("xLabel") << QRect(80, 248, 25, 25);
    QTest::newRow("X list") << QByteArray("xList") << QRect(104, 248, 49, 23);
    QTest::newRow("Y label") << QByteArray("yLabel") << QRect(160, 248, 25, 25);
    QTest::newRow("Y list") << QByteArray("yList") << QRect(184, 248, 49, 23);
    QTest::newRow("clear button") << QByteArray("clearButton") << QRect(256, 248, 57, 25);
    QTest::newRow("delete button") << QByteArray("deleteButton") << QRect(368, 248, 65, 25);
    QTest::newRow("report") << QByteArray("report") << QRect(8, 280, 465, 137);
}

void WindowTest::controlsStandWhereDrawn()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, geometry);
    QWidget *control = widget(name);
    QCOMPARE(control->parentWidget(), m_window->centralWidget());
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
}

void WindowTest::windowIsFixedAndLavender()
{
    QWidget *client = m_window->centralWidget();
    QCOMPARE(client->size(), QSize(481, 424));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zarvelon"));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(client->grab().toImage().pixel(200, 240) & 0xFFFFFF, QRgb(0xC0C0FF));
    QCOMPARE(QFontInfo(reportOf(*m_window)->font()).pointSize(), 12);
    QVERIFY(!m_window->windowIcon().isNull());
}

void WindowTest::captionsAndColours_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRgb>("face");
    const QRgb labelColour = 0xFFC080;
    QTest::newRow("title") << QByteArray("titleLabel") << QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник") << labelColour;
    QTest::newRow("X") << QByteArray("xLabel") << QStringLiteral("X") << labelColour;
    QTest::newRow("Y") << QByteArray("yLabel") << QStringLiteral("Y") << labelColour;
    QTest::newRow("N") << QByteArray("numberLabel") << QStringLiteral("N") << labelColour;
    QTest::newRow("contour, orange") << QByteArray("contourButton") << QStringLiteral("Контур") << QRgb(0xFF8000);
    QTest::newRow("in order, green") << QByteArray("inOrderButton") << QStringLiteral("Поред") << QRgb(0x00FF00);
    QTest::newRow("clear, red") << QByteArray("clearButton") << QStringLiteral("Чисти") << QRgb(0xFF0000);
    QTest::newRow("delete, magenta") << QByteArray("deleteButton") << QStringLiteral("Трий 1т") << QRgb(0xFF00FF);
}

void WindowTest::captionsAndColours()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, caption);
    QFETCH(QRgb, face);
    QWidget *control = widget(name);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(control)->text(), caption);
    }
    QCOMPARE(faceColour(control), face);
}

void WindowTest::menuHoldsFourCommands()
{
    const QStringList captions{QStringLiteral("Нареди контур"), QStringLiteral("Свържи подред"),
                               QStringLiteral("Чисти всичко"), QStringLiteral("Изтрий 1 точка")};
    const QList<QAction *> items = m_window->menuBar()->actions();
    QCOMPARE(items.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QAction *item = items.at(i);
        QCOMPARE(item, m_window->commands().at(i).action);
        QCOMPARE(item->text(), captions[i]);
        QVERIFY(!item->menu());
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled() && !item->isCheckable());
    }
}

void WindowTest::tabOrderAndFirstFocus()
{
    const char *const order[] = {"report", "canvas", "xList", "yList", "inOrderButton",
                                 "clearButton", "contourButton", "numberList", "deleteButton"};
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
    QCOMPARE(reportOf(*m_window)->lineCount(), lines.size());
}

void WindowTest::reportBoxRefusesTypingButSelects()
{
    ReportView *report = reportOf(*m_window);
    const QString before = report->text();
    report->setFocus();
    QTest::keyClicks(report, QStringLiteral("abc"));
    QTest::keyClick(report, Qt::Key_Delete);
    QTest::keyClick(report, Qt::Key_Return);
    QCOMPARE(report->text(), before);

    QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(report->selectedText(), withLineFeeds(before));
    // The last line wraps within the box's width.
    const auto caretAt = [report](qsizetype position) {
        report->setCursorPosition(position);
        return report->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    const QRect lastLineEnd = caretAt(before.size() - 2), lastLineStart = caretAt(report->lineStart(20));
    QVERIFY(lastLineEnd.top() > lastLineStart.top());
    QVERIFY(lastLineEnd.right() < report->viewport()->width());
    QVERIFY(report->verticalScrollBar()->isVisible());
}

void WindowTest::pressOnInnerCornerIsOrigin()
{
    pressCanvas(*m_window, QPoint(0, 0));
    pressCanvas(*m_window, QPoint(462, 195));
    const Snapshot shown = snap(*m_window);
    QCOMPARE(shown.x, QStringList({"0", "462"}));
    QCOMPARE(shown.y, QStringList({"0", "195"}));
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

void WindowTest::reportSaved_data()
{
    QTest::addColumn<QString>("name"); // in a fresh folder
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("sizeLimit"); // of a file, in bytes; 0 for none
    QTest::newRow("a new file") << "отчет.txt" << true << 0;
    QTest::newRow("over an old file") << "old.txt" << true << 0;
    QTest::newRow("in a missing folder") << "missing/отчет.txt" << false << 0;
    QTest::newRow("onto a folder") << "folder" << false << 0;
#ifdef Q_OS_UNIX
    // As on a full disk: the first kilobyte is written, the rest refused.
    QTest::newRow("over the size limit") << "old.txt" << false << 1024;
#endif
}

// The report's exact bytes, UTF-8 with CR LF; a failed write says where and
// leaves what was there.
void WindowTest::reportSaved()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QFETCH(int, sizeLimit);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QFile old(dir.filePath(QStringLiteral("old.txt")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QString path = dir.filePath(name);
    const QString report = reportOf(*m_window)->text();

    QVERIFY(report.toUtf8().size() > sizeLimit);
#ifdef Q_OS_UNIX
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limited{rlim_t(sizeLimit), unlimited.rlim_max};
    const auto refused = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
    QVERIFY(!sizeLimit || setrlimit(RLIMIT_FSIZE, &limited) == 0);
#endif
    const std::optional<QString> failure = saveWholeFile(path, report.toUtf8());
#ifdef Q_OS_UNIX
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, refused);
#endif

    QCOMPARE(!failure, saved);
    QFile file(path);
    if (saved) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), report.toUtf8());
        return;
    }
    QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("folder"), QStringLiteral("old.txt")}));
}

void WindowTest::printedOnNumberedPages_data()
{
    QTest::addColumn<int>("vertices"); // on an ellipse, then "Поред"; 0: "Чисти"; -1: as the window opens
    QTest::newRow("a triangle, numbered") << 3;
    QTest::newRow("300 vertices on many pages") << 300;
    QTest::newRow("the task description") << -1;
    QTest::newRow("an empty report") << 0;
}

// On paper: the heading, the name line, the picture with its vertices'
// numbers on a small board, every line of the report in its order with a
// paragraph (a triangle's three lines) never parted by a page break, and
// every page numbered at its foot.
void WindowTest::printedOnNumberedPages()
{
    QFETCH(int, vertices);
    for (int i = 0; i < vertices; ++i) {
        const double angle = 2 * M_PI * i / vertices;
        pressCanvas(*m_window, QPoint(231 + int(200 * std::cos(angle)), 98 + int(90 * std::sin(angle))));
    }
    if (vertices >= 0)
        pressButton(*m_window, vertices > 0 ? "connectInOrderAction" : "clearAllAction");
    const QString report = reportOf(*m_window)->text();
    const QDate date(2026, 12, 8);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("лист.pdf"));

    QCOMPARE(saveWorksheetAsPdf(pdf, {canvasOf(*m_window)->picture().image(), m_window->vertices().points(), report,
                                      reportOf(*m_window)->font(), date}),
             std::nullopt);

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
    const QStringList pages = printedPages(pdftotext, pdf);
    QVERIFY(!pages.isEmpty());
    QVERIFY(pages[0].startsWith(QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник ")));
    QVERIFY(pages[0].contains(QLocale().toString(date, QLocale::ShortFormat)));
    QVERIFY(pages[0].contains(QStringLiteral("Име: ______________ Клас: ______")));
    const QStringList numbers = pages[0].left(pages[0].indexOf(QStringLiteral("Върхове"))).split(u' ');
    for (int n = vertices <= 60 ? 1 : vertices; n <= vertices; ++n) // beyond 60, the last would show
        QCOMPARE(numbers.contains(QString::number(n)), vertices <= 60);
    for (int page = 1; page <= pages.size(); ++page)
        QVERIFY(pages[page - 1].endsWith(QStringLiteral(" стр. %1 от %2").arg(page).arg(pages.size())));
    int page = 0, paragraphPage = -1;
    qsizetype at = 0;
    for (const QString &line : linesOf(report)) {
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
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
