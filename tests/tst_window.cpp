// The window as the user sees it: every control's place, colours, captions,
// the menu, the keyboard order, the task description and the report box's
// manners.
#include "WindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <functional>

namespace {

using Control = std::function<QWidget *(Zarvelon &)>;

QWidget *listView(Zarvelon &w, int list, int index)
{
    return list == 1 ? static_cast<QWidget *>(w.board().List1[index].widget())
                     : static_cast<QWidget *>(w.board().List2[index].widget());
}

// The colour of the widget's face, a few pixels inside its edge.
QRgb Face(QWidget *widget)
{
    return widget->grab().toImage().pixel(4, widget->height() / 2) & 0xFFFFFF;
}

QStringList Lines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last CR LF
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Control)

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window.reset(new Zarvelon); m_window->show(); QVERIFY(QTest::qWaitForWindowExposed(m_window.get())); }
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
    void everyVisibleControlHasAName();

private:
    std::unique_ptr<Zarvelon> m_window;
};

void WindowTest::controlsStandWhereDrawn_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    const auto list = [](int array, int index) { return Control([=](Zarvelon &w) { return listView(w, array, index); }); };

    QTest::newRow("Label1(0)") << Control([](Zarvelon &w) { return w.Label1(0); }) << QRect(80, 0, 321, 25) << true;
    QTest::newRow("Command1(0)") << Control([](Zarvelon &w) { return w.Command1(0); }) << QRect(8, 8, 57, 25) << true;
    QTest::newRow("Command1(1)") << Control([](Zarvelon &w) { return w.Command1(1); }) << QRect(416, 8, 57, 25) << true;
    QTest::newRow("Picture1") << Control([](Zarvelon &w) { return w.board().Picture1.widget(); }) << QRect(8, 32, 467, 200) << true;
    QTest::newRow("Label1(3)") << Control([](Zarvelon &w) { return w.Label1(3); }) << QRect(8, 248, 25, 25) << true;
    QTest::newRow("List1(2)") << list(1, 2) << QRect(32, 248, 41, 23) << true;
    QTest::newRow("Label1(1)") << Control([](Zarvelon &w) { return w.Label1(1); }) << QRect(80, 248, 25, 25) << true;
    QTest::newRow("List1(0)") << list(1, 0) << QRect(104, 248, 49, 23) << true;
    QTest::newRow("Label1(2)") << Control([](Zarvelon &w) { return w.Label1(2); }) << QRect(160, 248, 25, 25) << true;
    QTest::newRow("List1(1)") << list(1, 1) << QRect(184, 248, 49, 23) << true;
    QTest::newRow("Command1(2)") << Control([](Zarvelon &w) { return w.Command1(2); }) << QRect(256, 248, 57, 25) << true;
    QTest::newRow("Command1(3)") << Control([](Zarvelon &w) { return w.Command1(3); }) << QRect(368, 248, 65, 25) << true;
    QTest::newRow("Text1(0)") << Control([](Zarvelon &w) { return w.Text1(0).widget(); }) << QRect(8, 280, 465, 137) << true;
    QTest::newRow("List2(0)") << list(2, 0) << QRect(8, 0, 89, 42) << false;
    QTest::newRow("List2(1)") << list(2, 1) << QRect(96, 0, 89, 42) << false;
    QTest::newRow("List2(2)") << list(2, 2) << QRect(232, 8, 89, 42) << false;
    QTest::newRow("List2(3)") << list(2, 3) << QRect(320, 0, 89, 42) << false;
    QTest::newRow("Text1(1)") << Control([](Zarvelon &w) { return w.Text1(1).widget(); }) << QRect(40, 312, 449, 121) << false;
}

void WindowTest::controlsStandWhereDrawn()
{
    QFETCH(Control, control);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QWidget *widget = control(*m_window);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), visible);
    QVERIFY(widget->isEnabled());
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
    QCOMPARE(QFontInfo(m_window->board().Text1.widget()->font()).pointSize(), 12);
    QVERIFY(!m_window->windowIcon().isNull());

    // Opening, contour ordering and clearing never show the scratch lists.
    for (int i = 0; i < 3; ++i)
        PressCanvas(*m_window, QPoint(10 + 40 * i, 20 + 30 * (i % 2)));
    PressButton(*m_window, 0);
    PressButton(*m_window, 2);
    for (ListBox &scratch : m_window->board().List2)
        QVERIFY(!scratch.widget()->isVisible());
}

void WindowTest::captionsAndColours_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRgb>("face");
    const QRgb labelColour = 0xFFC080;
    const auto label = [](int i) { return Control([=](Zarvelon &w) { return w.Label1(i); }); };
    const auto button = [](int i) { return Control([=](Zarvelon &w) { return w.Command1(i); }); };
    QTest::newRow("title") << label(0) << QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник") << labelColour;
    QTest::newRow("X") << label(1) << QStringLiteral("X") << labelColour;
    QTest::newRow("Y") << label(2) << QStringLiteral("Y") << labelColour;
    QTest::newRow("N") << label(3) << QStringLiteral("N") << labelColour;
    QTest::newRow("contour, orange") << button(0) << QStringLiteral("Контур") << QRgb(0xFF8000);
    QTest::newRow("in order, green") << button(1) << QStringLiteral("Поред") << QRgb(0x00FF00);
    QTest::newRow("clear, red") << button(2) << QStringLiteral("Чисти") << QRgb(0xFF0000);
    QTest::newRow("delete, magenta") << button(3) << QStringLiteral("Трий 1т") << QRgb(0xFF00FF);
}

void WindowTest::captionsAndColours()
{
    QFETCH(Control, control);
    QFETCH(QString, caption);
    QFETCH(QRgb, face);
    QWidget *widget = control(*m_window);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
    }
    QCOMPARE(Face(widget), face);
}

void WindowTest::menuHoldsFourCommands()
{
    const QStringList captions{QStringLiteral("Нареди контур"), QStringLiteral("Свържи подред"),
                               QStringLiteral("Чисти всичко"), QStringLiteral("Изтрий 1 точка")};
    QCOMPARE(m_window->menuBar()->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
        QAction *item = m_window->menu_h(i);
        QCOMPARE(m_window->menuBar()->actions().at(i), item);
        QCOMPARE(item->text(), captions[i]);
        QVERIFY(!item->menu());
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(item->isEnabled() && !item->isCheckable());
    }
}

void WindowTest::tabOrderAndFirstFocus()
{
    Board &b = m_window->board();
    QCOMPARE(QApplication::focusWidget(), b.Text1.widget());
    const QList<QWidget *> order{b.Text1.widget(),   b.Picture1.widget(),  b.List1[0].widget(),
                                 b.List1[1].widget(), m_window->Command1(1), m_window->Command1(2),
                                 m_window->Command1(0), b.List1[2].widget(), m_window->Command1(3)};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[i]);
    }
}

void WindowTest::taskDescriptionIsExact()
{
    const QString text = m_window->Text1(0).Text();
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = Lines(text);
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
    QCOMPARE(m_window->Text1(0).widget()->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const QStringList quotation = Lines(m_window->Text1(1).Text());
    QCOMPARE(quotation.size(), 3);
    for (const QString &line : quotation)
        QVERIFY(line.endsWith(u' '));
}

void WindowTest::reportBoxRefusesTypingButSelects()
{
    QPlainTextEdit *report = m_window->Text1(0).widget();
    const QString before = m_window->Text1(0).Text();
    report->setFocus();
    QTest::keyClicks(report, QStringLiteral("abc"));
    QTest::keyClick(report, Qt::Key_Delete);
    QTest::keyClick(report, Qt::Key_Return);
    QCOMPARE(m_window->Text1(0).Text(), before);
    QCOMPARE(report->toPlainText(), QString(before).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(report->textCursor().selectedText().size(), report->toPlainText().size());
    QCOMPARE(report->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(report->verticalScrollBar()->isVisible());
}

void WindowTest::pressOnInnerCornerIsOrigin()
{
    PressCanvas(*m_window, QPoint(0, 0));
    PressCanvas(*m_window, QPoint(462, 195));
    const Board &b = m_window->board();
    QCOMPARE(Texts(b.List1[0]), QStringList({"0", "462"}));
    QCOMPARE(Texts(b.List1[1]), QStringList({"0", "195"}));
}

// Screen readers, and tests driven through accessibility, find every control
// by a name.
void WindowTest::everyVisibleControlHasAName()
{
    const QList<QWidget *> controls = m_window->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 18);
    for (QWidget *control : controls) {
        if (!control->isVisible())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), control->metaObject()->className());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window->board().List1[2].widget())->text(QAccessible::Name),
             QStringLiteral("Номер"));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
