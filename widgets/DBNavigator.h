#pragma once

#include "widgets/DataLink.h"

#include <QWidget>
#include <functional>

class ToolButton;

// Record navigator with First, Prior, Next and Last: each button is enabled by the
// dataset's position, moves it (a move posts pending changes first) and then runs the
// click handler. A move that fails reports in the general error box and runs no handler.
class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last };

    explicit DBNavigator(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_link.dataSource(); }
    ToolButton* button(Button which) const { return m_buttons[which]; }
    void press(Button which); // what a click on the button does
    // Asked before every move; a move it refuses does not happen (it says why itself).
    void setBeforeMove(std::function<bool()> check) { m_beforeMove = std::move(check); }

signals:
    void clicked(DBNavigator::Button button);

private:
    void updateButtons();

    DataLink m_link;
    std::function<bool()> m_beforeMove;
    ToolButton* m_buttons[4];
};
