#pragma once
// Fjiaoji, the list set tool: two lists typed, pasted or taken from the main window's
// result, the four set operations on them, the result with its count, copying it and
// sending it to the main window's 大底.

#include "ui/sets/MainWindowLink.h"

#include "tools/ListSetOperations.h"

#include <QWidget>

#include <array>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

namespace shrink4 {

class LineBox;
class TextBox;

class SetToolWindow : public QWidget {
    Q_OBJECT
public:
    // Without a link the two buttons that reach the main window are disabled.
    explicit SetToolWindow(QWidget* mainWindow, MainWindowLink link = {});

private:
    void addListColumn(QGridLayout* grid, int i);
    void addResultColumn(QGridLayout* grid);
    QLayout* buildOperations();
    void buildBusyNotice();
    void runOperation(ListSetOperation operation);
    void copyResult();
    void takeMainResult(int i);
    void useMainResult(int i, const QString& result);
    void sendToBasePool();
    void recount(int i);
    void placeBusyNotice();

    MainWindowLink m_link;
    std::array<TextBox*, 3> m_lists{}; // A, B, result
    std::array<QLabel*, 2> m_counts{}; // of A and B
    LineBox* m_count = nullptr;        // of the result
    QFrame* m_busy = nullptr;
};

} // namespace shrink4
