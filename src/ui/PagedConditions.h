#pragma once
// The five pages of text conditions (Frame_ding) and the tab buttons (C_sst_0) that
// switch between them. Hidden pages keep their text and still take part in every run.

#include <QWidget>

#include <array>

class QToolButton;
class QStackedWidget;

namespace shrink4 {

class PagedConditions : public QWidget {
    Q_OBJECT
public:
    explicit PagedConditions(QWidget* parent = nullptr);

    // C_sst_0_Click: shows page `index` and marks its tab.
    void showPage(int index);
    int currentPage() const;

private:
    QWidget* makePage(int index);

    std::array<QToolButton*, 5> m_tabs{};
    QStackedWidget* m_pages = nullptr;
};

} // namespace shrink4
