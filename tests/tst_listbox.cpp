#include "platform/ListBox.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A list of rows "a", "b", ... that records ListIndex at every Click.
struct RecordedList {
    explicit RecordedList(int rows)
    {
        for (int i = 0; i < rows; ++i)
            list.AddItem(QString(QChar(u'a' + i)));
        QObject::connect(&list, &ListBox::Click, [this] { clicks << list.ListIndex(); });
    }
    QStringList texts() const
    {
        QStringList all;
        for (int i = 0; i < list.ListCount(); ++i)
            all << list.List(i);
        return all;
    }

    ListBox list;
    QList<int> clicks;
};

} // namespace

class TestListBox : public QObject
{
    Q_OBJECT

private slots:
    void addItemKeepsSelection();
    void removeItem_data();
    void removeItem();
    void list_data();
    void list();
    void setListIndex_data();
    void setListIndex();
    void clear();
    void userSelection_data();
    void userSelection();
    void tabIntoListRaisesNothing();
};

void TestListBox::addItemKeepsSelection()
{
    RecordedList r(0);
    r.list.AddItem("a");
    QCOMPARE(r.list.ListIndex(), -1);
    r.list.SetListIndex(0);
    r.list.AddItem("b");
    QCOMPARE(r.texts(), QStringList({"a", "b"}));
    QCOMPARE(r.list.ListIndex(), 0);
    QCOMPARE(r.clicks, QList<int>{0});
}

void TestListBox::removeItem_data()
{
    QTest::addColumn<QList<int>>("selections"); // ListIndex assignments before the removal
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QStringList>("textsAfter");

    QTest::newRow("selected row") << QList<int>{1} << 1 << -1 << QStringList{"a", "c", "d"};
    QTest::newRow("selected last row") << QList<int>{3} << 3 << -1 << QStringList{"a", "b", "c"};
    QTest::newRow("row before selected") << QList<int>{2} << 0 << 1 << QStringList{"b", "c", "d"};
    QTest::newRow("row after selected") << QList<int>{1} << 3 << 1 << QStringList{"a", "b", "c"};
    QTest::newRow("nothing selected") << QList<int>{} << 1 << -1 << QStringList{"a", "c", "d"};
    QTest::newRow("deselected current row") << QList<int>{1, -1} << 1 << -1 << QStringList{"a", "c", "d"};
    QTest::newRow("missing row") << QList<int>{1} << 4 << 1 << QStringList{"a", "b", "c", "d"};
}

void TestListBox::removeItem()
{
    QFETCH(QList<int>, selections);
    QFETCH(int, removed);
    QFETCH(int, selectedAfter);
    QFETCH(QStringList, textsAfter);

    RecordedList r(4);
    for (int row : selections)
        r.list.SetListIndex(row);
    r.clicks.clear();
    r.list.RemoveItem(removed);
    QCOMPARE(r.texts(), textsAfter);
    QCOMPARE(r.list.ListIndex(), selectedAfter);
    QVERIFY(r.clicks.isEmpty());
}

void TestListBox::list_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << -1 << "";
    QTest::newRow("first") << 0 << "a";
    QTest::newRow("last") << 2 << "c";
    QTest::newRow("at count") << 3 << "";
    QTest::newRow("far beyond") << 32767 << "";
}

void TestListBox::list()
{
    QFETCH(int, row);
    QFETCH(QString, expected);
    RecordedList r(3);
    QCOMPARE(r.list.List(row), expected);
}

void TestListBox::setListIndex_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("clicks"); // ListIndex seen by each Click

    QTest::newRow("first selection") << -1 << 0 << QList<int>{0};
    QTest::newRow("another row") << 0 << 2 << QList<int>{2};
    QTest::newRow("same row") << 2 << 2 << QList<int>{};
    QTest::newRow("deselect") << 1 << -1 << QList<int>{};
    QTest::newRow("none again") << -1 << -1 << QList<int>{};
}

void TestListBox::setListIndex()
{
    QFETCH(int, before);
    QFETCH(int, row);
    QFETCH(QList<int>, clicks);

    RecordedList r(3);
    r.list.SetListIndex(before);
    r.clicks.clear();
    r.list.SetListIndex(row);
    QCOMPARE(r.clicks, clicks); // raised before SetListIndex returned
    QCOMPARE(r.list.ListIndex(), row);
    QCoreApplication::processEvents();
    QCOMPARE(r.clicks, clicks);
}

void TestListBox::clear()
{
    RecordedList r(3);
    r.list.SetListIndex(1);
    r.clicks.clear();
    r.list.Clear();
    QCOMPARE(r.list.ListCount(), 0);
    QCOMPARE(r.list.ListIndex(), -1);
    QCOMPARE(r.list.List(0), QString());
    r.list.AddItem("x");
    QCOMPARE(r.list.ListIndex(), -1);
    QVERIFY(r.clicks.isEmpty());
}

void TestListBox::userSelection_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("clickedRow"); // -1: a key press instead
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("clicks");

    QTest::newRow("mouse on a row") << -1 << 1 << 0 << QList<int>{1};
    QTest::newRow("mouse on another row") << 0 << 2 << 0 << QList<int>{2};
    QTest::newRow("mouse on the selected row") << 2 << 2 << 0 << QList<int>{};
    QTest::newRow("key down") << 1 << -1 << int(Qt::Key_Down) << QList<int>{2};
    QTest::newRow("key up") << 1 << -1 << int(Qt::Key_Up) << QList<int>{0};
}

void TestListBox::userSelection()
{
    QFETCH(int, before);
    QFETCH(int, clickedRow);
    QFETCH(int, key);
    QFETCH(QList<int>, clicks);

    RecordedList r(3);
    QListWidget *view = r.list.widget();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    r.list.SetListIndex(before);
    r.clicks.clear();
    if (clickedRow >= 0) {
        const QPoint centre = view->visualItemRect(view->item(clickedRow)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    } else {
        view->setFocus();
        QTest::keyClick(view, Qt::Key(key));
    }
    QCOMPARE(r.clicks, clicks);
}

void TestListBox::tabIntoListRaisesNothing()
{
    RecordedList r(3);
    QWidget window;
    auto *edit = new QLineEdit;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(r.list.widget());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(r.list.widget()->hasFocus());
    QCOMPARE(r.list.ListIndex(), -1);
    QVERIFY(r.clicks.isEmpty());
}

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
