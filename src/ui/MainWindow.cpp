#include "MainWindow.h"

#include "AboutDialog.h"
#include "ConditionPanels.h"
#include "CopyNotice.h"
#include "DanButtons.h"
#include "LiveCounts.h"
#include "LiveRun.h"
#include "HistoryWindow.h"
#include "PagedConditions.h"
#include "ResultPanels.h"
#include "RecentSchemesMenu.h"
#include "ResultExportDialog.h"
#include "ResultView.h"
#include "RunController.h"
#include "SchemeDialogs.h"
#include "SchemeDocument.h"
#include "SchemeFileAccess.h"
#include "ScreenFit.h"
#include "SessionFile.h"
#include "SetToolWindow.h"
#include "SpliceWindow.h"
#include "StatsWindow.h"
#include "NotesLine.h"
#include "Tooltips.h"
#include "UndoNotice.h"
#include "WindowSettings.h"
#include "WindowTexts.h"

#include "textbox/LineBox.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QCloseEvent>
#include <QCoreApplication>
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

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Fmain"));
    QWidget* conditions = buildConditions();
    m_scroll = makeScrollingArea(conditions);
    setCentralWidget(m_scroll);
    m_dan = new DanButtons(m_form, this);
    m_results = new ResultView(m_run, this);
    m_runner = new RunController(m_run, m_form, *m_results, this);
    m_document = new SchemeDocument([this] { return readConditions(m_form); }, this);
    connect(m_document, &SchemeDocument::changed, this, &MainWindow::showSchemeState);
    // A crash after a run loses nothing that run used.
    connect(m_runner, &RunController::finished, this, &MainWindow::saveSession);
    onConditionChange(m_form, m_undoClear, [this] { m_undoClear->withdraw(); });
    onConditionChange(m_form, m_document, [this] { m_document->conditionsChanged(); });
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
    // A start run gives the counts too: with boxes of megabytes a second run would double
    // the wait.
    m_live->holdWhile([this] { return m_runner->running(); });
    connect(m_runner, &RunController::completed, m_live, &LiveRun::adopt);
    connect(m_runner, &RunController::finished, m_live, &LiveRun::resume);
}

void MainWindow::addStatsAction(QMenu* analysis)
{
    QAction* stats = analysis->addAction(QStringLiteral("统计(&S)"), this, &MainWindow::showStats);
    stats->setObjectName(QStringLiteral("action_stats"));
}

void MainWindow::showStats()
{
    if (!m_stats)
        m_stats = new StatsWindow(*m_live, this);
    m_stats->bringForward();
}

void MainWindow::addHistoryAction(QMenu* analysis)
{
    QAction* history = analysis->addAction(QStringLiteral("历史回测(&H)"), this,
                                           [this] { showHistoryTool(this, *m_live, m_drawsPath); });
    history->setObjectName(QStringLiteral("action_history"));
}

void MainWindow::buildSchemeMenu()
{
    QMenu* schemes = menuBar()->addMenu(QStringLiteral("方案(&F)"));
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
    QAction* exportResult = schemes->addAction(texts::kExportResultCaption + QStringLiteral("…"), this,
                                               &MainWindow::exportResult);
    exportResult->setObjectName(QStringLiteral("action_export_result"));
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
    connect(m_run.clearAll, &QAbstractButton::clicked, this, &MainWindow::clearAll);
    connect(m_run.setTool, &QAbstractButton::clicked, this, [this] { showSetTool(this); });
    connect(m_run.spliceTool, &QAbstractButton::clicked, this, [this] { showSpliceTool(this); });
    for (const CheckSpanButton& span : m_form.spanButtons)
        connect(span.button, &QAbstractButton::clicked, this,
                [this, span] { setChecks(m_form[span.control], span.first, span.count, span.tick); });
    connect(m_form.sumValueClear, &QAbstractButton::clicked, this,
            [this] { m_form[ControlId::sumValues].texts.front()->replaceAll(QString()); });
    for (int topic = 0; topic < kHelpTopics; ++topic)
        connect(m_form.help[std::size_t(topic)], &QAbstractButton::clicked, this,
                [this, topic] { showHelp(HelpTopic(topic)); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    saveSession();
    if (m_remembers)
        saveWindowState({this, m_scroll, m_form.pages});
    QCoreApplication::quit();
}

void MainWindow::setSessionFile(const QString& path)
{
    m_sessionPath = path;
    if (const std::optional<ConditionInputs> kept = loadSession(path))
        writeConditions(m_form, *kept);
}

void MainWindow::restoreSettings()
{
    m_remembers = true;
    restoreWindowState({this, m_scroll, m_form.pages});
    focusFirstCondition(); // on the page put back
    // Qt keeps the window on a screen, but a smaller screen than last time may still be
    // too small for it.
    resize(fittedWindowSize(this, size()));
    // The conditions come from the session; the scheme tells where Save writes and whether
    // they still match it.
    const QString scheme = rememberedCurrentScheme();
    if (scheme.isEmpty())
        return;
    const SchemeOpening opened = openSchemeChecked(scheme);
    if (opened.inputs) {
        m_document->setClean(scheme, *opened.inputs);
        m_document->compare();
    }
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

void MainWindow::saveSession()
{
    if (!m_sessionPath.isEmpty())
        shrink4::saveSession(m_sessionPath, readConditions(m_form));
}

QString MainWindow::resultText() const
{
    return m_results->resultText();
}

void MainWindow::copyResult()
{
    try {
        copyToClipboard(this, m_results->resultText(), kCopyFailedMain);
    } catch (const std::exception&) {
        QMessageBox::critical(this, texts::kErrorTitle, kCopyFailedMain, QMessageBox::Ok);
    }
}

void MainWindow::exportResult()
{
    exportResultToFile(this, m_results->result().numbers, m_results->groupForms());
}

void MainWindow::clearAll()
{
    ConditionInputs before = readConditions(m_form);
    m_results->resetPrizeCheck();
    clearAllConditions(m_form);
    m_undoClear->offer(QStringLiteral("已清空所有条件"),
                       [this, before = std::move(before)] { writeConditions(m_form, before); });
}

void MainWindow::showHelp(HelpTopic topic)
{
    const auto& help = texts::kHelp[std::size_t(topic)];
    QMessageBox::information(this, help.title, help.text, QMessageBox::Ok);
}

bool MainWindow::openScheme(const QString& path)
{
    SchemeOpening scheme = openSchemeChecked(path);
    if (!scheme.inputs) {
        QMessageBox::warning(this, texts::kOpenSchemeCaption, scheme.message, QMessageBox::Ok);
        return false;
    }
    writeConditions(m_form, *scheme.inputs);
    m_document->setClean(path, std::move(*scheme.inputs));
    addRecentScheme(path);
    rememberCurrentScheme(path);
    return true;
}

bool MainWindow::saveScheme(const QString& path)
{
    ConditionInputs inputs = readConditions(m_form);
    QString message;
    if (!saveSchemeChecked(path, inputs, &message)) {
        QMessageBox::warning(this, texts::kSaveSchemeCaption, message, QMessageBox::Ok);
        return false;
    }
    m_document->setClean(path, std::move(inputs));
    addRecentScheme(path);
    rememberCurrentScheme(path);
    return true;
}

bool MainWindow::save()
{
    return m_document->path().isEmpty() ? saveAs() : saveScheme(m_document->path());
}

bool MainWindow::saveAs()
{
    const QString path = askSchemeSavePath(this, m_document->path());
    return !path.isEmpty() && saveScheme(path);
}

QString MainWindow::currentScheme() const
{
    return m_document->path();
}

void MainWindow::openSchemeDialog()
{
    const QString path = askSchemeToOpen(this);
    if (!path.isEmpty())
        openScheme(path);
}

void MainWindow::openRecentScheme(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        removeRecentScheme(path);
        QMessageBox::warning(this, texts::kOpenSchemeCaption, texts::kSchemeGone.arg(QDir::toNativeSeparators(path)),
                             QMessageBox::Ok);
        return;
    }
    openScheme(path);
}

void MainWindow::showSchemeState()
{
    const QString path = m_document->path();
    setWindowTitle(path.isEmpty() ? texts::kWindowTitle + QStringLiteral("[*]")
                                  : QStringLiteral("%1[*] - %2").arg(QFileInfo(path).fileName(), texts::kWindowTitle));
    setWindowModified(m_document->isModified());
}

} // namespace shrink4
