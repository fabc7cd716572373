#include "SplicePageWidget.h"

#include "ui/widgets/CopyNotice.h"
#include "ui/widgets/QtText.h"
#include "ui/splice/SpliceInputBox.h"
#include "ui/splice/SpliceResultState.h"

#include "tools/SpliceFilter.h"
#include "tools/SplicePages.h"

#include "ui/widgets/textbox/LineBox.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <string_view>
#include <vector>

namespace shrink4 {

namespace {

const std::array<const char*, 4> kCommandCaptions = {"开始拼接", "复制号码", "导出号码", "清空条件"};
const QString kStaleNotExported = QStringLiteral("方框都是空的，结果为上次拼接所得，没有导出。");

const std::array<const char*, 4> kCommandTips = {"按各方框的号码拼接出结果", "把结果复制到剪贴板",
                                                 "把结果一键保存到本页的文本文件", "清空本页的方框和结果"};

std::string digitGroups(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return NormalizeDigitGroups(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

// The groups a paste of this text would leave, counted in place: the count follows every
// keystroke, and boxes run to megabytes.
int digitRunCount(const QString& text)
{
    int runs = 0;
    bool inRun = false;
    for (const QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        runs += digit && !inRun;
        inRun = digit;
    }
    return runs;
}

} // namespace

SplicePageWidget::SplicePageWidget(int index, const SplicePage& page, QWidget* busyNotice, QWidget* parent)
    : QGroupBox(toQString(page.frameCaption), parent),
      m_page(page),
      m_code(toQString(page.code)),
      m_busyNotice(busyNotice),
      m_folders(defaultSpliceExportFolders())
{
    setObjectName(QStringLiteral("F_ding(%1)").arg(index));
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildModeChoice());
    lower->addWidget(buildResultArea(), 1);
    lower->addWidget(buildCommands());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildBoxes(), 1);
    layout->addLayout(lower, 1);
}

QString SplicePageWidget::name(const char* pattern) const
{
    return QString::fromLatin1(pattern).arg(m_code);
}

QString SplicePageWidget::name(const char* pattern, int index) const
{
    return QString::fromLatin1(pattern).arg(m_code).arg(index);
}

QWidget* SplicePageWidget::buildBoxes()
{
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    // One row up to five boxes, else two even rows.
    const int columns = m_page.boxCount <= 5 ? m_page.boxCount : (m_page.boxCount + 1) / 2;
    for (int k = 0; k < m_page.boxCount; ++k) {
        auto* caption = new QLabel(toQString(m_page.captions[std::size_t(k)]), area);
        caption->setAlignment(Qt::AlignCenter);
        auto* box = new SpliceInputBox(area);
        box->setObjectName(name("T_%1_ip(%2)", k));
        auto* count = new QLabel(QStringLiteral("0"), area);
        count->setObjectName(name("L_%1_zhushu(%2)", k));
        auto* paste = new QPushButton(QStringLiteral("清/粘贴"), area);
        paste->setObjectName(name("C_%1_zhantie(%2)", k));
        connect(box, &SpliceInputBox::doubleClicked, this, [this, k] { clearBox(k); });
        connect(box, &TextBox::textChanged, this, [this, k] {
            recount(k);
            m_state->inputsChanged();
        });
        connect(paste, &QPushButton::clicked, this, [this, k] { pasteIntoBox(k); });
        m_boxes.append(box);
        m_boxCounts.append(count);

        auto* cell = new QVBoxLayout;
        cell->addWidget(caption);
        cell->addWidget(box, 1);
        auto* under = new QHBoxLayout;
        under->addWidget(count);
        under->addStretch();
        under->addWidget(paste);
        cell->addLayout(under);
        grid->addLayout(cell, k / columns, k % columns);
    }
    return area;
}

QWidget* SplicePageWidget::buildModeChoice()
{
    auto* frame = new QGroupBox(QStringLiteral("模式选择"), this);
    m_keep = new QRadioButton(QStringLiteral("保留"), frame);
    m_keep->setObjectName(name("Op_%1_bl(%2)", 0));
    m_keep->setChecked(true);
    m_delete = new QRadioButton(QStringLiteral("删除"), frame);
    m_delete->setObjectName(name("Op_%1_bl(%2)", 1));
    auto* layout = new QVBoxLayout(frame);
    connect(m_keep, &QRadioButton::toggled, this, [this] { m_state->inputsChanged(); });
    layout->addWidget(m_keep);
    layout->addWidget(m_delete);
    layout->addStretch();
    return frame;
}

QWidget* SplicePageWidget::buildResultArea()
{
    auto* area = new QWidget(this);
    m_result = new TextBox(area);
    m_result->setObjectName(name("T_%1_dd"));
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_resultCount = new QLabel(QStringLiteral("0"), area);
    m_resultCount->setObjectName(name("L__%1_dd_hushu"));
    auto* strip = new QLabel(area);
    strip->setObjectName(name("L_%1_dd_state"));
    strip->setWordWrap(true);
    strip->setFrameShape(QFrame::StyledPanel);
    m_state = new SpliceResultState([this] { return inputs(); }, strip, {m_result, m_resultCount}, this);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("结果注数"), area));
    countRow->addWidget(m_resultCount);
    countRow->addStretch();
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(countRow);
    layout->addWidget(strip);
    layout->addWidget(m_result, 1);
    return area;
}

QWidget* SplicePageWidget::buildCommands()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int j = 0; j < int(kCommandCaptions.size()); ++j) {
        auto* button = new QPushButton(QString::fromUtf8(kCommandCaptions[std::size_t(j)]), area);
        button->setObjectName(name("C_%1_pj(%2)", j));
        button->setToolTip(QString::fromUtf8(kCommandTips[std::size_t(j)]));
        connect(button, &QPushButton::clicked, this, [this, j] { runCommand(j); });
        layout->addWidget(button);
        if (j == 2) {
            auto* saveAs = new QPushButton(QStringLiteral("另存为…"), area);
            saveAs->setObjectName(name("C_%1_pj_saveas"));
            saveAs->setToolTip(QStringLiteral("选择文件夹和文件名保存结果"));
            connect(saveAs, &QPushButton::clicked, this, &SplicePageWidget::exportResultAs);
            layout->addWidget(saveAs);
        }
    }
    layout->addStretch();
    return area;
}

void SplicePageWidget::runCommand(int j)
{
    switch (j) {
    case 0:
        startSplice();
        break;
    case 1:
        copyResult();
        break;
    case 2:
        exportResult();
        break;
    case 3:
        clearConditions();
        break;
    }
    if (m_busyNotice)
        m_busyNotice->hide();
}

void SplicePageWidget::startSplice()
{
    if (m_busyNotice) {
        m_busyNotice->show();
        m_busyNotice->raise();
        m_busyNotice->repaint(); // painted now: the filter does not return to the event loop
    }
    SpliceInputs made = inputs();
    std::vector<QByteArray> texts;
    texts.reserve(std::size_t(made.boxes.size()));
    for (const QString& text : made.boxes)
        texts.push_back(text.toUtf8()); // the filter takes a blank box as empty
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const auto mode = made.deleteMode ? SpliceMode::Delete : SpliceMode::Keep;
    const auto result = runSplice(m_page, views, mode);
    if (!result)
        return; // every box empty: the page keeps what it showed
    m_resultCount->setText(QString::number(result->count));
    m_result->setPlainText(QString::fromLatin1(result->text.data(), qsizetype(result->text.size())));
    m_state->madeFrom(std::move(made));
}

SpliceInputs SplicePageWidget::inputs() const
{
    SpliceInputs read;
    for (const auto* box : m_boxes)
        read.boxes << box->toPlainText();
    read.deleteMode = m_delete->isChecked();
    return read;
}

bool SplicePageWidget::resultIsCurrent(const QString& refused)
{
    if (!m_state->isStale())
        return true;
    startSplice();
    if (m_busyNotice)
        m_busyNotice->hide();
    if (!m_state->isStale())
        return true;
    // Every box was emptied: no run gives a result that belongs to them.
    QMessageBox::information(this, QStringLiteral("温馨提示"), refused, QMessageBox::Ok);
    return false;
}

void SplicePageWidget::copyResult()
{
    if (resultIsCurrent(QStringLiteral("方框都是空的，结果为上次拼接所得，没有复制。")))
        copyToClipboard(this, m_result->toPlainText(), kCopyFailedSplice);
}

void SplicePageWidget::exportResult()
{
    if (resultIsCurrent(kStaleNotExported))
        exportSpliceResult(this, m_result->toPlainText(), toQString(m_page.exportFileName), m_folders);
}

void SplicePageWidget::exportResultAs()
{
    if (resultIsCurrent(kStaleNotExported))
        exportSpliceResultAs(this, m_result->toPlainText(), toQString(m_page.exportFileName));
}

void SplicePageWidget::clearConditions()
{
    for (int k = 0; k < m_boxes.size(); ++k)
        clearBox(k);
    clearResult();
}

void SplicePageWidget::clearResult()
{
    m_result->clear();
    m_resultCount->setText(QStringLiteral("0"));
    m_state->forget();
}

void SplicePageWidget::clearBox(int k)
{
    m_boxes.at(k)->clear(); // one undoable edit; the count follows the text
}

void SplicePageWidget::recount(int k)
{
    m_boxCounts.at(k)->setText(QString::number(digitRunCount(m_boxes.at(k)->toPlainText())));
}

void SplicePageWidget::pasteIntoBox(int k)
{
    const QClipboard* clipboard = QApplication::clipboard();
    const std::string groups = digitGroups(clipboard ? clipboard->text() : QString());
    if (groups.empty()) {
        // Emptying the box here would throw away its groups for a paste that brought none.
        QMessageBox::information(this, QStringLiteral("温馨提示"),
                                 QStringLiteral("剪贴板里没有数字，方框里的号码保持不变。"), QMessageBox::Ok);
        return;
    }
    m_boxes.at(k)->replaceAll(QString::fromLatin1(groups.data(), qsizetype(groups.size())));
}

} // namespace shrink4
