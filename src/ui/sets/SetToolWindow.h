#pragma once
// Fjiaoji, the list set tool: two lists typed or pasted as free text, the four set
// operations on them, the result with its count, and copying it.

#include "tools/ListSetOperations.h"

#include <QWidget>

class QFrame;

namespace shrink4 {

class LineBox;
class TextBox;

class SetToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit SetToolWindow(QWidget* mainWindow);

private:
    void runOperation(ListSetOperation operation);
    void copyResult();
    void placeBusyNotice();

    TextBox* m_lists[3] = {}; // A, B, result
    LineBox* m_count = nullptr;
    QFrame* m_busy = nullptr;
};

} // namespace shrink4
