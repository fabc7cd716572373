#pragma once
// One page of the splice tool (frame F_ding(i)), built from its row of the page table:
// the position boxes with their counts and paste buttons, keep/delete, the result box
// and the four commands.

#include "ui/splice/SpliceExport.h"

#include <QGroupBox>
#include <QList>

class QLabel;
class QPushButton;
class QRadioButton;

namespace shrink4 {

class TextBox;

struct SplicePage;
struct SpliceInputs;
class SpliceInputBox;
class SpliceResultState;

class SplicePageWidget : public QGroupBox {
    Q_OBJECT
public:
    // busyNotice is shown while the filter runs.
    SplicePageWidget(int index, const SplicePage& page, QWidget* busyNotice, QWidget* parent = nullptr);

    const SplicePage& page() const { return m_page; }
    void setExportFolders(const SpliceExportFolders& folders) { m_folders = folders; }

    // The four commands of C_cc_pj(0..3).
    void startSplice();
    void copyResult();
    void exportResult();
    void exportResultAs(); // 另存为, beside 导出号码
    void clearConditions();

    // Replaces box k with the digit groups of the clipboard text; a clipboard without
    // digits leaves the box and says so.
    void pasteIntoBox(int k);
    void clearBox(int k);

private:
    QWidget* buildBoxes();
    QWidget* buildModeChoice();
    QWidget* buildResultArea();
    QWidget* buildCommands();
    void runCommand(int j);
    void clearResult();
    SpliceInputs inputs() const;
    // Copy and export take the result of the boxes on screen: a stale one is spliced again.
    // False, after saying `refused`, when none can be made.
    bool resultIsCurrent(const QString& refused);
    void recount(int k);                                // the count under box k: its digit groups
    QString name(const char* pattern) const;            // "T_%1_dd" with the page code
    QString name(const char* pattern, int index) const; // "T_%1_ip(%2)"

    const SplicePage& m_page;
    QString m_code;
    QWidget* m_busyNotice;
    SpliceExportFolders m_folders;
    QList<SpliceInputBox*> m_boxes;
    QList<QLabel*> m_boxCounts;
    QRadioButton* m_keep = nullptr;
    QRadioButton* m_delete = nullptr;
    TextBox* m_result = nullptr;
    QLabel* m_resultCount = nullptr;
    SpliceResultState* m_state = nullptr;
};

} // namespace shrink4
