#pragma once
// The five pages of text conditions under their tabs. Hidden pages keep their text and
// still take part in every run.

#include "ui/main/ConditionForm.h"

#include <QStringList>
#include <QTabWidget>

namespace shrink4 {

class CountTabBar;

class PagedConditions : public QTabWidget {
    Q_OBJECT
public:
    explicit PagedConditions(ConditionForm& form, QWidget* parent = nullptr);

    void showPage(int index) { setCurrentIndex(index); }
    int currentPage() const { return currentIndex(); }
    // What a page's conditions do, its tab's tip whenever no count is shown.
    void setPageTip(int index, const QString& tip);
    // Marks a page's tab with how many numbers its conditions remove, on a line under its
    // caption, and the count's tooltip; an empty text takes the mark away.
    void showPageCount(int index, const QString& count, const QString& tooltip);
    QString pageCount(int index) const;

private:
    QWidget* makePage(ConditionForm& form, int index);

    CountTabBar* m_tabs = nullptr;
    QStringList m_tips; // by page
};

} // namespace shrink4
