#include "MainWindow.h"

#include "ui/application/AboutDialog.h"
#include "ui/main/ConditionPanels.h"
#include "ui/widgets/CopyNotice.h"
#include "ui/main/DanButtons.h"
#include "ui/main/LiveCounts.h"
#include "ui/main/LiveRun.h"
#include "ui/history/HistoryWindow.h"
#include "ui/trends/TrendsWindow.h"
#include "ui/main/PagedConditions.h"
#include "ui/main/ResultPanels.h"
#include "ui/application/RecentSchemesMenu.h"
#include "ui/main/ResultExportDialog.h"
#include "ui/main/ResultView.h"
#include "ui/main/RunController.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/SchemeDocument.h"
#include "ui/application/SchemeFileAccess.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/ToolWindows.h"
#include "ui/widgets/textbox/TextBox.h"
#include "ui/application/SessionFile.h"
#include "ui/sets/SetToolWindow.h"
#include "ui/splice/SpliceWindow.h"
#include "ui/stats/StatsWindow.h"
#include "ui/main/NotesLine.h"
#include "ui/main/Tooltips.h"
#include "ui/main/UndoNotice.h"
#include "ui/application/WindowSettings.h"
#include "ui/application/WindowTexts.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include <exception>

namespace shrink4 {

namespace {

QVBoxLayout* column(QHBoxLayout* columns, int stretch)
{
    auto* c = new QVBoxLayout;
    c->setSpacing(4);
    columns->addLayout(c, stretch);
    return c;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Fmain"));
    QWidget* conditions = buildConditions();
    m_scroll = makeScrollingArea(conditions);
    setCentralWidget(m_scroll);
    m_dan = new DanButtons(m_form, this);
    m_results = new ResultView(
        m_run, [this] { return readConditions(m_form); }, this);
    m_runner = new RunController(m_run, m_form, *m_results, this);
    m_document = new SchemeDocument([this] { return readConditions(m_form); }, this);
    connect(m_document, &SchemeDocument::changed, this, &MainWindow::showSchemeState);
    connect(m_runner, &RunController::completed, m_results,
            [this] { m_results->belongTo(readConditions(m_form), QDateTime::currentDateTime()); });
    // A crash after a run or a conversion loses nothing that it used or listed.
    connect(m_runner, &RunController::finished, this, &MainWindow::saveSession);
    connect(m_runner, &RunController::converted, this, &MainWindow::saveSession);
    onConditionChange(m_form, m_undoClear, [this] { m_undoClear->withdraw(); });
    onConditionChange(m_form, m_document, [this] { m_document->conditionsChanged(); });
    onConditionChange(m_form, m_results, [this] { m_results->conditionsChanged(); });
    auto* notes = new NotesLine(m_form);
    statusBar()->addWidget(notes, 1);
    connect(m_results, &ResultView::shown, notes, &NotesLine::showRunCount);
    buildLiveCounts();
    connectButtons();
    buildActions();
    addTooltips(m_form, m_run);
    showSchemeState();
    focusFirstCondition();
    // Compact by default: the whole window fits a 1366 x 768 screen at 100 %; a smaller or
    // more scaled screen gets what fits, and the conditions scroll.
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    resize(fittedWindowSize(this, conditions->minimumSizeHint() + QSize(0, chrome)));
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildConditions()
{
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 4);
    columns->setSpacing(4);

    // Text conditions above, the run and its result below.
    QVBoxLayout* texts = column(columns, 1);
    texts->addWidget(new PagedConditions(m_form), 3);
    texts->addWidget(makeBasePoolFrame(m_form), 2);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(makeResultFrame(m_run), 1);
    auto* runSide = new QVBoxLayout;
    runSide->addWidget(makeStartPanel(m_run));
    runSide->addWidget(makePrizeCheckFrame(m_run));
    runSide->addWidget(makeToolsFrame(m_run));
    m_undoClear = new UndoNotice;
    runSide->addWidget(m_undoClear);
    runSide->addStretch(1);
    runRow->addLayout(runSide);
    texts->addLayout(runRow, 5);

    QVBoxLayout* digits = column(columns, 0);
    digits->addWidget(makeSumSpanDanFrame(m_form));
    digits->addWidget(makeDanFrame(m_form));
    digits->addWidget(makePositionalFrame(m_form));
    digits->addWidget(makeToleranceFrame(m_form));
    digits->addStretch(1);

    QVBoxLayout* shapes = column(columns, 0);
    for (int family = 0; family < 4; ++family)
        shapes->addWidget(makeDigitShapeFrame(m_form, family));
    shapes->addWidget(makeSpecialShapeFrame(m_form));
    shapes->addWidget(makeSpecialExclusionFrame(m_form));
    shapes->addStretch(1);
    return central;
}

void MainWindow::buildActions()
{
    buildSchemeMenu();
    addExportToResultList();
    QMenu* analysis = menuBar()->addMenu(QStringLiteral("分析(&A)"));
    addStatsAction(analysis);
    addHistoryAction(analysis);
    analysis->addAction(QStringLiteral("走势(&T)"), this, [this] { showToolWindow<TrendsWindow>(this, m_drawsPath); })
        ->setObjectName(QStringLiteral("action_trends"));

    auto* start = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(start, &QShortcut::activated, this, [this] {
        if (m_run.start->isEnabled())
            m_run.start->click();
    });
    addHelpMenu(this);
}

void MainWindow::buildLiveCounts()
{
    auto* survivors = new QLabel;
    survivors->setObjectName(QStringLiteral("L_live_count"));
    statusBar()->addPermanentWidget(survivors);
    auto* counts = new LiveCounts(m_form, survivors, this);
    m_live = new LiveRun(m_form, this);
    connect(m_live, &LiveRun::updated, counts, &LiveCounts::show);
    // Boxes of megabytes take a moment off the window's thread: the count says it is catching up.
    connect(m_live, &LiveRun::runningChanged, survivors, [survivors](bool running) {
        static const QString mark = QStringLiteral("（计算中…）");
        QString text = survivors->text().remove(mark);
        survivors->setText(running ? text + mark : text);
        survivors->setProperty("running", running);
    });
    // A start run gives the counts too: with boxes of megabytes a second run would double
    // the wait.
    m_live->holdWhile([this] { return m_runner->running(); });
    connect(m_runner, &RunController::completed, m_live, &LiveRun::adopt);
    connect(m_runner, &RunController::finished, m_live, &LiveRun::resume);
}

void MainWindow::addStatsAction(QMenu* analysis)
{
    QAction* stats =
        analysis->addAction(QStringLiteral("统计(&S)"), this, [this] { showToolWindow<StatsWindow>(this, *m_live); });
    stats->setObjectName(QStringLiteral("action_stats"));
}

void MainWindow::addHistoryAction(QMenu* analysis)
{
    QAction* history = analysis->addAction(QStringLiteral("历史回测(&H)"), this,
                                           [this] { showToolWindow<HistoryWindow>(this, *m_live, m_drawsPath); });
    history->setObjectName(QStringLiteral("action_history"));
}

void MainWindow::buildSchemeMenu()
{
    QMenu* schemes = menuBar()->addMenu(QStringLiteral("方案(&F)"));
    QAction* blank = schemes->addAction(QStringLiteral("新建方案"), this, &MainWindow::newScheme);
    blank->setObjectName(QStringLiteral("action_new_scheme"));
    blank->setShortcut(QKeySequence::New);
    QAction* open = schemes->addAction(texts::kOpenSchemeCaption, this, &MainWindow::openSchemeDialog);
    open->setObjectName(QStringLiteral("action_open_scheme"));
    open->setShortcut(QKeySequence::Open);
    auto* recent = new RecentSchemesMenu(schemes);
    connect(recent, &RecentSchemesMenu::chosen, this, &MainWindow::openRecentScheme);
    schemes->addMenu(recent);
    schemes->addSeparator();
    QAction* save = schemes->addAction(texts::kSaveSchemeCaption, this, &MainWindow::save);
    save->setObjectName(QStringLiteral("action_save_scheme"));
    save->setShortcut(QKeySequence::Save);
    QAction* saveAs = schemes->addAction(texts::kSaveSchemeAsCaption + QStringLiteral("…"), this, &MainWindow::saveAs);
    saveAs->setObjectName(QStringLiteral("action_save_scheme_as"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    schemes->addSeparator();
    QAction* exportResult =
        schemes->addAction(texts::kExportResultCaption + QStringLiteral("…"), this, &MainWindow::exportResult);
    exportResult->setObjectName(QStringLiteral("action_export_result"));
    schemes->addSeparator();
    QAction* quit = schemes->addAction(QStringLiteral("退出"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("action_quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
}

// 导出 beside 复制 and 全选 in the result list's own menu.
void MainWindow::addExportToResultList()
{
    auto* exportResult = new QAction(QStringLiteral("导出…"), m_run.results);
    exportResult->setObjectName(QStringLiteral("action_export_list"));
    connect(exportResult, &QAction::triggered, this, &MainWindow::exportResult);
    m_run.results->addAction(exportResult);
}

void MainWindow::connectButtons()
{
    connect(m_run.copy, &QAbstractButton::clicked, this, &MainWindow::copyResult);
    connect(m_run.exportResult, &QAbstractButton::clicked, this, &MainWindow::exportResult);
    connect(m_run.clearAll, &QAbstractButton::clicked, this,
            [this] { sweep(QStringLiteral("已清空所有条件"), [this] { clearAllConditions(m_form); }); });
    connect(m_run.setTool, &QAbstractButton::clicked, this, [this] { showToolWindow<SetToolWindow>(this); });
    connect(m_run.spliceTool, &QAbstractButton::clicked, this, [this] { showToolWindow<SpliceWindow>(this); });
    for (const CheckSpanButton& span : m_form.spanButtons)
        connect(span.button, &QAbstractButton::clicked, this,
                [this, span] { setChecks(m_form[span.control], span.first, span.count, span.tick); });
    connectClearButtons(m_form, this);
    for (int topic = 0; topic < kHelpTopics; ++topic)
        connect(m_form.help[std::size_t(topic)], &QAbstractButton::clicked, this,
                [this, topic] { showHelp(HelpTopic(topic)); });
}

// Where a player starts typing: the first condition box of the page shown.
void MainWindow::focusFirstCondition()
{
    const int page = m_form.pages->currentIndex();
    for (const ControlMeta& meta : kControlMetas)
        if (meta.page == page) {
            m_form[meta.id].texts.front()->setFocus();
            return;
        }
}

QString MainWindow::resultText() const
{
    return m_results->resultText();
}

void MainWindow::copyResult()
{
    if (!resultIsCurrent())
        return;
    try {
        copyToClipboard(this, m_results->resultText(), kCopyFailedMain);
    } catch (const std::exception&) {
        QMessageBox::critical(this, texts::kErrorTitle, kCopyFailedMain, QMessageBox::Ok);
    }
}

void MainWindow::exportResult()
{
    if (!resultIsCurrent())
        return;
    exportResultToFile(this, m_results->result().numbers, m_results->groupForms());
}

void MainWindow::showHelp(HelpTopic topic)
{
    const auto& help = texts::kHelp[std::size_t(topic)];
    QMessageBox::information(this, help.title, help.text, QMessageBox::Ok);
}

} // namespace shrink4
