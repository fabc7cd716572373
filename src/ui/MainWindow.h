#pragma once
#include <QMainWindow>

namespace shrink4 {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace shrink4
