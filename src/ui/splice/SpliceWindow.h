#pragma once
// The splice tool window Fmain_pj: five pages selected by coloured tab buttons, with the
// format sample of the page shown and a busy notice over the window while a page runs.

#include "ui/splice/SpliceExport.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace shrink4 {

class SplicePageWidget;

class SpliceWindow : public QWidget {
    Q_OBJECT
public:
    explicit SpliceWindow(QWidget* parent = nullptr);

    void selectPage(int index);
    SplicePageWidget* page(int index) const { return m_pages.at(index); }
    // Where the pages export; by default the program's folder or the documents folder.
    void setExportFolders(const SpliceExportFolders& folders);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildBusyNotice();
    void centreBusyNotice();

    QList<QPushButton*> m_tabs;
    QList<SplicePageWidget*> m_pages;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_formatSample = nullptr;
    QWidget* m_busyNotice = nullptr;
};

} // namespace shrink4
