#include "SetToolWindow.h"

#include "ui/guide/GuideSections.h"
#include "ui/widgets/CopyNotice.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WidgetFactory.h"

#include "ui/widgets/textbox/LineBox.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

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

TextBox* makeListBox(QWidget* parent, int index)
{
    auto* box = new TextBox(parent);
    box->setObjectName(indexedName("T_dd_jiaoji", index));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

} // namespace

SetToolWindow::SetToolWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("Fjiaoji"));
    setWindowTitle(QStringLiteral("四星号码交集区"));
    setProperty(guide::kSectionProperty, guide::kSets);
    // Closing only hides the window, so that the lists wait for the next opening.

    for (int i = 0; i < 3; ++i)
        m_lists[i] = makeListBox(this, i);
    m_count = new LineBox(this);
    m_count->setObjectName(QStringLiteral("T_jiaoji_zhushu"));
    m_count->setAlignment(Qt::AlignCenter);

    auto* clearA = makeButton(indexedName("C_jiaoji_cls", 0), QStringLiteral("清空A"), this);
    auto* clearB = makeButton(indexedName("C_jiaoji_cls", 1), QStringLiteral("清空B"), this);
    auto* copy = makeButton(indexedName("C_jiaoji_cls", 2), QStringLiteral("复制结果号码"), this);
    connect(clearA, &QPushButton::clicked, m_lists[0], &TextBox::clear);
    connect(clearB, &QPushButton::clicked, m_lists[1], &TextBox::clear);
    connect(copy, &QPushButton::clicked, this, &SetToolWindow::copyResult);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("四星大地A"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("四星大地B"), this), 0, 1);
    grid->addWidget(copy, 0, 2);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(m_lists[i], 1, i);
    grid->addWidget(clearA, 2, 0);
    grid->addWidget(clearB, 2, 1);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("最终注数"), this));
    countRow->addWidget(m_count);
    grid->addLayout(countRow, 2, 2);
    auto* operations = new QHBoxLayout;
    for (int i = 0; i < int(kOperationButtons.size()); ++i) {
        const auto& entry = kOperationButtons[std::size_t(i)];
        auto* button = makeButton(indexedName("C_jiaoji_xuanzhe", i), QString::fromUtf8(entry.caption), this);
        connect(button, &QPushButton::clicked, this, [this, op = entry.operation] { runOperation(op); });
        operations->addWidget(button);
    }
    grid->addLayout(operations, 3, 0, 1, 3);

    // The busy notice floats over the window rather than taking a place in the layout.
    m_busy = new QFrame(this);
    m_busy->setObjectName(QStringLiteral("Fjindu"));
    m_busy->setFrameShape(QFrame::Box);
    m_busy->setAutoFillBackground(true);
    auto* busyLayout = new QVBoxLayout(m_busy);
    busyLayout->addWidget(new QLabel(QStringLiteral("工作中，请等2秒。。。。"), m_busy));
    m_busy->hide();

    resize(640, 420);
}

void SetToolWindow::placeBusyNotice()
{
    m_busy->adjustSize();
    m_busy->move((width() - m_busy->width()) / 2, (height() - m_busy->height()) / 2);
    m_busy->raise();
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
    m_count->setText(QString::number(result.count));

    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_busy->hide();
}

void SetToolWindow::copyResult()
{
    copyToClipboard(this, m_lists[2]->toPlainText(), kCopyFailedMain);
}

} // namespace shrink4
