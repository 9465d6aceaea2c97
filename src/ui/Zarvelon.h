#pragma once

#include "board/Board.h"
#include "platform/TextBox.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QPushButton;

// The program's one window: the title label, four coloured command buttons,
// the canvas, the three one-row vertex lists with their letter labels, the
// report box and a menu bar of four commands. The scratch lists and a second
// text box lie on it hidden.
class Zarvelon : public QMainWindow
{
    Q_OBJECT

public:
    explicit Zarvelon(QWidget *parent = nullptr);

    Board &board() { return m_board; }
    TextBox &Text1(int index) { return index == 0 ? m_board.Text1 : m_quotation; }
    QLabel *Label1(int index) const { return m_labels.at(index); }
    QPushButton *Command1(int index) const { return m_buttons.at(index); }
    QAction *menu_h(int index) const { return m_menu.at(index); }

    void Command1_Click(int index);
    void menu_h_Click(int index);

private:
    void buildControls(QWidget *client);
    void buildMenu();
    void setTabOrder();
    void showVertexLimit();

    Board m_board;
    TextBox m_quotation; // Text1(1): never shown
    std::array<QLabel *, 4> m_labels{};
    std::array<QPushButton *, 4> m_buttons{};
    std::array<QAction *, 4> m_menu{};
};
