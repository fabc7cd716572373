#include "SetToolWindow.h"

#include "ui/guide/GuideSections.h"
#include "ui/widgets/CopyNotice.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/WidgetFactory.h"

#include "ui/widgets/textbox/LineBox.h"
#include "ui/widgets/FileDrop.h"
#include "ui/widgets/textbox/TextBox.h"

#include "core/TextScan.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace shrink4 {

namespace {

struct OperationButton {
    const char* caption;
    ListSetOperation operation;
};

// C_jiaoji_xuanzhe(0..3), in index order.
constexpr std::array<OperationButton, 4> kOperationButtons = {{
    {"AB交集", ListSetOperation::Intersection},
    {"AB并集", ListSetOperation::Union},
    {"A排除B", ListSetOperation::AMinusB},
    {"B排除A", ListSetOperation::BMinusA},
}};

struct ListColumn {
    const char* caption;
    const char* clear;
    const char* takeTip;
};

constexpr std::array<ListColumn, 2> kListColumns = {{
    {"四星大底A", "清空A", "把主窗口的缩水结果放进大底A；条件改动过的，先按现在的条件重新缩水"},
    {"四星大底B", "清空B", "把主窗口的缩水结果放进大底B；条件改动过的，先按现在的条件重新缩水"},
}};

const QString kTitle = QStringLiteral("温馨提示");

TextBox* makeListBox(QWidget* parent, int index)
{
    auto* box = new TextBox(parent);
    box->setObjectName(indexedName("T_dd_jiaoji", index));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fillOnFileDrop(box);
    return box;
}

// The numbers an operation reads from a box: every four-digit window of its digit runs.
int numberCount(const TextBox* box)
{
    const QByteArray text = box->toPlainText().toUtf8();
    return fourDigitWindows(std::string_view(text.constData(), std::size_t(text.size()))).count();
}

// The widgets side by side, the free room after the one at stretchAfter (none when negative).
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, int stretchAfter = -1)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
        if (stretchAfter-- == 0)
            layout->addStretch();
    }
    return layout;
}

} // namespace

SetToolWindow::SetToolWindow(QWidget* mainWindow, MainWindowLink link)
    : QWidget(mainWindow, Qt::Window),
      m_link(std::move(link))
{
    setObjectName(QStringLiteral("Fjiaoji"));
    setWindowTitle(QStringLiteral("四星号码交集区"));
    setProperty(guide::kSectionProperty, guide::kSets);
    // Closing only hides the window, so that the lists wait for the next opening.

    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 2; ++i)
        addListColumn(grid, i);
    addResultColumn(grid);
    grid->addLayout(buildOperations(), 3, 0, 1, 3);
    buildBusyNotice();
    resize(fittedWindowSize(this, QSize(720, 440)));
}

void SetToolWindow::addListColumn(QGridLayout* grid, int i)
{
    const ListColumn& column = kListColumns[std::size_t(i)];
    m_lists[std::size_t(i)] = makeListBox(this, i);
    TextBox* box = m_lists[std::size_t(i)];
    auto* count = makeLabel(QStringLiteral("0 注"), this);
    count->setObjectName(indexedName("L_jiaoji_zhushu", i));
    m_counts[std::size_t(i)] = count;
    connect(box, &TextBox::textChanged, this, [this, i] { recount(i); });

    auto* take = makeButton(indexedName("C_jiaoji_take", i), QStringLiteral("取主窗口结果"), this);
    take->setToolTip(QString::fromUtf8(column.takeTip));
    take->setEnabled(bool(m_link.takeResult));
    connect(take, &QPushButton::clicked, this, [this, i] { takeMainResult(i); });
    auto* clear = makeButton(indexedName("C_jiaoji_cls", i), QString::fromUtf8(column.clear), this);
    connect(clear, &QPushButton::clicked, box, &TextBox::clear);

    grid->addLayout(row({makeLabel(QString::fromUtf8(column.caption), this), count}, 1), 0, i);
    grid->addWidget(box, 1, i);
    grid->addLayout(row({take, clear}), 2, i);
}

void SetToolWindow::addResultColumn(QGridLayout* grid)
{
    m_lists[2] = makeListBox(this, 2);
    m_count = new LineBox(this);
    m_count->setObjectName(QStringLiteral("T_jiaoji_zhushu"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setReadOnly(true);
    m_count->setMaximumWidth(m_count->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    m_count->setText(QStringLiteral("0"));
    connect(m_lists[2], &TextBox::textChanged, this,
            [this] { m_count->setText(QString::number(numberCount(m_lists[2]))); });

    auto* copy = makeButton(indexedName("C_jiaoji_cls", 2), QStringLiteral("复制结果号码"), this);
    connect(copy, &QPushButton::clicked, this, &SetToolWindow::copyResult);
    auto* send = makeButton(QStringLiteral("C_jiaoji_send"), QStringLiteral("发送到主窗口大底"), this);
    send->setToolTip(QStringLiteral("用结果替换主窗口的大底；在主窗口的大底里按 Ctrl+Z 可撤销"));
    send->setEnabled(bool(m_link.sendToBasePool));
    connect(send, &QPushButton::clicked, this, &SetToolWindow::sendToBasePool);

    grid->addLayout(
        row({makeLabel(QStringLiteral("结果号码"), this), makeLabel(QStringLiteral("最终注数"), this), m_count}, 0), 0,
        2);
    grid->addWidget(m_lists[2], 1, 2);
    grid->addLayout(row({copy, send}), 2, 2);
}

QLayout* SetToolWindow::buildOperations()
{
    auto* operations = new QHBoxLayout;
    for (int i = 0; i < int(kOperationButtons.size()); ++i) {
        const auto& entry = kOperationButtons[std::size_t(i)];
        auto* button = makeButton(indexedName("C_jiaoji_xuanzhe", i), QString::fromUtf8(entry.caption), this);
        connect(button, &QPushButton::clicked, this, [this, op = entry.operation] { runOperation(op); });
        operations->addWidget(button);
    }
    return operations;
}

void SetToolWindow::buildBusyNotice()
{
    // Floats over the window rather than taking a place in the layout.
    m_busy = new QFrame(this);
    m_busy->setObjectName(QStringLiteral("Fjindu"));
    m_busy->setFrameShape(QFrame::Box);
    m_busy->setAutoFillBackground(true);
    auto* busyLayout = new QVBoxLayout(m_busy);
    busyLayout->addWidget(new QLabel(QStringLiteral("工作中，请稍候……"), m_busy));
    m_busy->hide();
}

void SetToolWindow::placeBusyNotice()
{
    m_busy->adjustSize();
    m_busy->move((width() - m_busy->width()) / 2, (height() - m_busy->height()) / 2);
    m_busy->raise();
}

void SetToolWindow::recount(int i)
{
    m_counts[std::size_t(i)]->setText(QStringLiteral("%1 注").arg(numberCount(m_lists[std::size_t(i)])));
}

void SetToolWindow::runOperation(ListSetOperation operation)
{
    placeBusyNotice();
    m_busy->show();
    // Paint the notice; user input waits so that no second operation starts meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const QByteArray listA = m_lists[0]->toPlainText().toUtf8();
    const QByteArray listB = m_lists[1]->toPlainText().toUtf8();
    const auto result = applyListSetOperation(operation, std::string_view(listA.constData(), std::size_t(listA.size())),
                                              std::string_view(listB.constData(), std::size_t(listB.size())));
    m_lists[2]->setPlainText(QString::fromLatin1(result.text.data(), qsizetype(result.text.size())));

    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_busy->hide();
}

void SetToolWindow::copyResult()
{
    copyToClipboard(this, m_lists[2]->toPlainText(), kCopyFailedMain);
}

void SetToolWindow::takeMainResult(int i)
{
    m_link.takeResult([self = QPointer(this), i](const QString& result) {
        if (self)
            self->useMainResult(i, result);
    });
}

void SetToolWindow::useMainResult(int i, const QString& result)
{
    if (result.trimmed().isEmpty()) {
        QMessageBox::information(this, kTitle, QStringLiteral("主窗口的结果里没有号码，请先在主窗口缩水。"),
                                 QMessageBox::Ok);
        return;
    }
    m_lists[std::size_t(i)]->replaceAll(result); // the box's undo takes it back
}

void SetToolWindow::sendToBasePool()
{
    if (numberCount(m_lists[2]) == 0) {
        // An empty result would only wipe the 大底.
        QMessageBox::information(this, kTitle, QStringLiteral("结果框里没有号码，没有发送。"), QMessageBox::Ok);
        return;
    }
    m_link.sendToBasePool(m_lists[2]->toPlainText());
}

} // namespace shrink4
