#include "MainWindow.h"

#include "ConditionPanels.h"
#include "CopyNotice.h"
#include "DanButtons.h"
#include "HelpButtons.h"
#include "PagedConditions.h"
#include "ResultPanels.h"
#include "ResultView.h"
#include "RunController.h"
#include "SetToolWindow.h"
#include "SpliceWindow.h"
#include "WindowTexts.h"
#include "scheme/SchemeFile.h"

#include "textbox/LineBox.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

#include <exception>

namespace shrink4 {

namespace {

const QString kSchemeFilter = QStringLiteral("方案 (*.json)");
const QString kOpenSchemeCaption = QStringLiteral("打开方案");
const QString kSaveSchemeCaption = QStringLiteral("保存方案");

QVBoxLayout* column(QHBoxLayout* columns, int stretch)
{
    auto* c = new QVBoxLayout;
    c->setSpacing(4);
    columns->addLayout(c, stretch);
    return c;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Fmain"));
    setWindowTitle(texts::kWindowTitle);
    buildLayout();
    m_controls.collect(this);

    m_dan = new DanButtons(m_controls, this);
    m_defaults = std::make_unique<ConditionDefaults>(m_controls, *m_dan);
    m_defaults->connectButtons();
    m_results = new ResultView(m_controls, this);
    m_runner = new RunController(m_controls, m_binding, *m_results, this);
    new HelpButtons(m_controls, this);
    connectButtons();
    buildActions();

    m_defaults->ApplyDefaults();
    // Compact by default: the whole window fits a 1366 x 768 screen.
    resize(minimumSizeHint());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildLayout()
{
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 4);
    columns->setSpacing(4);

    // Text conditions above, the run and its result below.
    QVBoxLayout* texts = column(columns, 1);
    m_pages = new PagedConditions;
    texts->addWidget(m_pages, 3);
    texts->addWidget(makeBasePoolFrame(), 2);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(makeResultFrame(), 1);
    auto* runSide = new QVBoxLayout;
    runSide->addWidget(makeStartPanel());
    runSide->addWidget(makePrizeCheckFrame());
    runSide->addWidget(makeToolsFrame());
    runSide->addStretch(1);
    runRow->addLayout(runSide);
    texts->addLayout(runRow, 5);

    QVBoxLayout* digits = column(columns, 0);
    digits->addWidget(makeSumSpanDanFrame());
    digits->addWidget(makeDanFrame());
    digits->addWidget(makePositionalFrame());
    digits->addWidget(makeToleranceFrame());
    digits->addStretch(1);

    QVBoxLayout* shapes = column(columns, 0);
    for (int family = 0; family < 4; ++family)
        shapes->addWidget(makeDigitShapeFrame(family));
    shapes->addWidget(makeSpecialShapeFrame());
    shapes->addWidget(makeSpecialExclusionFrame());
    shapes->addStretch(1);

    // Check boxes stand in dense grids; a narrow gap keeps each caption by its box.
    central->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    setCentralWidget(central);
    addHiddenStores(this);
}

void MainWindow::buildActions()
{
    QMenu* schemes = menuBar()->addMenu(QStringLiteral("方案"));
    QAction* open = schemes->addAction(kOpenSchemeCaption, this, &MainWindow::openSchemeDialog);
    open->setObjectName(QStringLiteral("action_open_scheme"));
    open->setShortcut(QKeySequence::Open);
    QAction* save = schemes->addAction(kSaveSchemeCaption, this, &MainWindow::saveSchemeDialog);
    save->setObjectName(QStringLiteral("action_save_scheme"));
    save->setShortcut(QKeySequence::Save);

    auto* start = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(start, &QShortcut::activated, this, [this] {
        QAbstractButton* b = m_controls.button(QStringLiteral("C_guolv_ks"));
        if (b->isEnabled())
            b->click();
    });
}

void MainWindow::connectButtons()
{
    connect(m_controls.button(QStringLiteral("C_copy")), &QAbstractButton::clicked, this, &MainWindow::C_copy_Click);
    connect(m_controls.button(QStringLiteral("C_all_cls")), &QAbstractButton::clicked, this,
            &MainWindow::C_all_cls_Click);
    connect(m_controls.button(QStringLiteral("C_jiaoji")), &QAbstractButton::clicked, this,
            [this] { showSetTool(this); });
    connect(m_controls.button(QStringLiteral("C_pinjie_tool")), &QAbstractButton::clicked, this,
            [this] { showSpliceTool(this); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

QString MainWindow::resultText() const
{
    return m_results->resultText();
}

void MainWindow::C_copy_Click()
{
    try {
        m_results->resetPrizeCheck();
        copyToClipboard(this, m_results->resultText(), kCopyFailedMain);
    } catch (const std::exception&) {
        QMessageBox::critical(this, texts::kErrorTitle, kCopyFailedMain, QMessageBox::Ok);
    }
}

void MainWindow::C_all_cls_Click()
{
    m_results->resetPrizeCheck();
    m_defaults->RestoreAllConditions();
}

bool MainWindow::openScheme(const QString& path)
{
    const SchemeResult scheme = readSchemeFile(path);
    if (!scheme.inputs) {
        QMessageBox::warning(this, kOpenSchemeCaption, scheme.error, QMessageBox::Ok);
        return false;
    }
    m_binding.write(*scheme.inputs);
    showSchemeName(path);
    return true;
}

bool MainWindow::saveScheme(const QString& path)
{
    QString error;
    if (!writeSchemeFile(path, m_binding.read(), &error)) {
        QMessageBox::warning(this, kSaveSchemeCaption, error, QMessageBox::Ok);
        return false;
    }
    showSchemeName(path);
    return true;
}

void MainWindow::openSchemeDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, kOpenSchemeCaption, QString(), kSchemeFilter);
    if (!path.isEmpty())
        openScheme(path);
}

void MainWindow::saveSchemeDialog()
{
    QString path = QFileDialog::getSaveFileName(this, kSaveSchemeCaption, QString(), kSchemeFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    saveScheme(path);
}

void MainWindow::showSchemeName(const QString& path)
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(QFileInfo(path).fileName(), texts::kWindowTitle));
}

} // namespace shrink4
