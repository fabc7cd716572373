#include "MainWindow.h"

#include "ui/application/AboutDialog.h"
#include "ui/application/PrizeSetting.h"
#include "ui/guide/GuideSections.h"
#include "ui/guide/GuideWindow.h"
#include "ui/main/ConditionHistory.h"
#include "ui/main/ConditionPanels.h"
#include "ui/main/EditMenu.h"
#include "ui/widgets/CopyNotice.h"
#include "ui/main/DanButtons.h"
#include "ui/main/FileDrops.h"
#include "ui/main/FirstStartHint.h"
#include "ui/main/KeyboardMap.h"
#include "ui/main/LiveCounts.h"
#include "ui/main/LiveRun.h"
#include "ui/money/MoneyLine.h"
#include "ui/money/PrizeTableDialog.h"
#include "ui/history/HistoryWindow.h"
#include "ui/trends/TrendsWindow.h"
#include "ui/main/PagedConditions.h"
#include "ui/main/ResultPanels.h"
#include "ui/application/RecentSchemesMenu.h"
#include "ui/main/ResultExportDialog.h"
#ifdef SHRINK4_PRINT
#include "ui/print/ResultPrint.h"
#endif
#include "ui/print/ResultReport.h"
#include "ui/main/ResultView.h"
#include "ui/main/RunController.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/SchemeDocument.h"
#include "ui/application/SchemeFileAccess.h"
#include "ui/widgets/QtText.h"
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
#include <QApplication>
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
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
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

QString captionOf(ControlId id)
{
    return toQString(controlMeta(id).caption);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Fmain"));
    QWidget* conditions = buildConditions();
    m_history = new ConditionHistory(m_form, this);
    m_scroll = makeScrollingArea(conditions);
    // The result beside the conditions, the whole height of the window: however the
    // conditions grow or scroll, the list stays in view.
    m_split = new QSplitter(Qt::Horizontal);
    m_split->setObjectName(QStringLiteral("resultSplit"));
    m_split->setChildrenCollapsible(false);
    m_split->setHandleWidth(4);
    m_startHint = new FirstStartHint;
    m_split->addWidget(m_startHint->over(m_scroll));
    QWidget* results = buildResultColumn();
    m_split->addWidget(results);
    m_split->setStretchFactor(0, 1);
    m_split->setStretchFactor(1, 0);
    // The conditions take what the result column leaves; it starts at its narrowest.
    m_split->setSizes({QWIDGETSIZE_MAX, results->minimumSizeHint().width()});
    setCentralWidget(m_split);
    m_dan = new DanButtons(m_form, *m_history, this);
    m_results = new ResultView(
        m_run, [this] { return readConditions(m_form); }, this);
    m_prizes = new PrizeSetting(this);
    m_money = new MoneyLine(m_run.money, m_run.moneyDetails, *m_results, *m_prizes, this);
    connect(m_money, &MoneyLine::settingsAsked, this, &MainWindow::showPrizeSettings);
    m_runner = new RunController(m_run, m_form, *m_results, this);
    m_runner->groupRewrites(
        [this](const std::function<void()>& rewrite) { m_history->group(QStringLiteral("缩水改写条件"), rewrite); });
    m_document = new SchemeDocument([this] { return readConditions(m_form); }, this);
    connect(m_document, &SchemeDocument::changed, this, &MainWindow::showSchemeState);
    connect(m_runner, &RunController::completed, m_results, [this](const RunResult&, const ConditionInputs& ranWith) {
        m_results->belongTo(ranWith, QDateTime::currentDateTime());
    });
    // A crash after a run or a conversion loses nothing that it used or listed.
    connect(m_runner, &RunController::finished, this, &MainWindow::saveSession);
    connect(m_runner, &RunController::converted, this, &MainWindow::saveSession);
    connect(m_runner, &RunController::finished, m_startHint, &FirstStartHint::done);
    onConditionChange(m_form, m_document, [this] { m_document->conditionsChanged(); });
    onConditionChange(m_form, m_results, [this] { m_results->conditionsChanged(); });
    auto* notes = new NotesLine(m_form);
    statusBar()->addWidget(notes, 1);
    // The offer to undo a clear shows in the status line, where it moves nothing; the line
    // keeps its height for it.
    statusBar()->addWidget(m_undoClear);
    statusBar()->setMinimumHeight(m_undoClear->sizeHint().height());
    connect(m_results, &ResultView::shown, notes, &NotesLine::showRunCount);
    buildLiveCounts();
    connectButtons();
    buildActions();
    new KeyboardMap(this, m_form, m_run, m_scroll);
    new FileDrops(this, m_form, [this](const QString& path) {
        if (mayReplaceConditions()) // as 打开方案 asks
            openScheme(path);
    });
    addTooltips(m_form, m_run);
    showSchemeState();
    focusFirstCondition();
    // Compact by default: the whole window fits a 1366 x 768 screen at 100 %; a smaller or
    // more scaled screen gets what fits, and the conditions scroll.
    const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QSize whole(conditions->minimumSizeHint().width() + m_split->handleWidth()
                          + results->minimumSizeHint().width(),
                      std::max(conditions->minimumSizeHint().height(), results->minimumSizeHint().height()));
    resize(fittedWindowSize(this, whole + QSize(0, chrome), ScreenUse::Whole));
}

MainWindow::~MainWindow() = default;

void MainWindow::setConditions(const ConditionInputs& inputs)
{
    m_history->restart([&] { writeConditions(m_form, inputs); });
}

QWidget* MainWindow::buildConditions()
{
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 0, 4);
    columns->setSpacing(4);

    // Text conditions above, the base pool below.
    QVBoxLayout* texts = column(columns, 1);
    texts->addWidget(new PagedConditions(m_form), 3);
    texts->addWidget(makeBasePoolFrame(m_form), 2);

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

QWidget* MainWindow::buildResultColumn()
{
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("resultColumn"));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 2, 2, 4);
    layout->setSpacing(4);
    layout->addWidget(makeStartPanel(m_run));
    layout->addWidget(makeResultFrame(m_run), 1);
    layout->addWidget(makePrizeCheckFrame(m_run));
    layout->addWidget(makeToolsFrame(m_run));
    m_undoClear = new UndoNotice;
    return column;
}

void MainWindow::buildActions()
{
    buildSchemeMenu();
    addExportToResultList();
    QMenu* analysis = menuBar()->addMenu(QStringLiteral("分析(&A)"));
    addEditMenu(this, m_history->stack(), analysis);
    addStatsAction(analysis);
    addHistoryAction(analysis);
    analysis->addAction(QStringLiteral("走势(&T)"), this, &MainWindow::showTrends)
        ->setObjectName(QStringLiteral("action_trends"));

    addShortcut(this, keys::Command::Run, [this] {
        if (m_run.start->isEnabled())
            m_run.start->click();
    });
    QMenu* help = addHelpMenu(this);
    addGuideAction(help);
    addShortcutsAction(help, this);
}

// 帮助 → 使用教程 opens the contents; F1 the section of what has the focus, in any of the
// program's windows.
void MainWindow::addGuideAction(QMenu* help)
{
    auto* contents = new QAction(QStringLiteral("使用教程(&G)\tF1"), help);
    contents->setObjectName(QStringLiteral("action_guide"));
    connect(contents, &QAction::triggered, this, [this] { openGuide(this, guide::kContents); });
    auto* f1 = new QShortcut(this);
    f1->setKeys(keys::keysOf(keys::Command::Guide));
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        const QWidget* focus = QApplication::focusWidget();
        openGuide(this, guide::sectionFor(focus ? focus : QApplication::activeWindow()));
    });
    help->insertAction(help->actions().value(0), contents);
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
    QAction* history = analysis->addAction(QStringLiteral("历史回测(&H)"), this, [this] {
        auto* window = showToolWindow<HistoryWindow>(this, *m_live, m_drawsPath, *m_prizes);
        connect(window, &HistoryWindow::trendsAsked, this, &MainWindow::showTrends, Qt::UniqueConnection);
    });
    history->setObjectName(QStringLiteral("action_history"));
}

void MainWindow::buildSchemeMenu()
{
    QMenu* schemes = menuBar()->addMenu(QStringLiteral("方案(&F)"));
    QAction* blank = schemes->addAction(QStringLiteral("新建方案(&N)"), this, &MainWindow::newScheme);
    blank->setObjectName(QStringLiteral("action_new_scheme"));
    bindKeys(blank, keys::Command::NewScheme);
    QAction* open =
        schemes->addAction(texts::kOpenSchemeCaption + QStringLiteral("(&O)…"), this, &MainWindow::openSchemeDialog);
    open->setObjectName(QStringLiteral("action_open_scheme"));
    bindKeys(open, keys::Command::OpenScheme);
    auto* recent = new RecentSchemesMenu(schemes);
    connect(recent, &RecentSchemesMenu::chosen, this, &MainWindow::openRecentScheme);
    schemes->addMenu(recent);
    schemes->addSeparator();
    QAction* save = schemes->addAction(texts::kSaveSchemeCaption + QStringLiteral("(&S)"), this, &MainWindow::save);
    save->setObjectName(QStringLiteral("action_save_scheme"));
    bindKeys(save, keys::Command::SaveScheme);
    QAction* saveAs =
        schemes->addAction(texts::kSaveSchemeAsCaption + QStringLiteral("(&A)…"), this, &MainWindow::saveAs);
    saveAs->setObjectName(QStringLiteral("action_save_scheme_as"));
    bindKeys(saveAs, keys::Command::SaveSchemeAs);
    schemes->addSeparator();
    QAction* exportResult =
        schemes->addAction(texts::kExportResultCaption + QStringLiteral("(&E)…"), this, &MainWindow::exportResult);
    exportResult->setObjectName(QStringLiteral("action_export_result"));
    bindKeys(exportResult, keys::Command::ExportResult);
    addPrintActions(schemes);
    schemes->addSeparator();
    schemes->addAction(QStringLiteral("奖金设置(&J)…"), this, &MainWindow::showPrizeSettings)
        ->setObjectName(QStringLiteral("action_prizes"));
    schemes->addSeparator();
    QAction* quit = schemes->addAction(QStringLiteral("退出(&X)"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("action_quit"));
    bindKeys(quit, keys::Command::Quit);
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
    connect(m_run.clearAll, &QAbstractButton::clicked, this, [this] {
        sweep(QStringLiteral("清空所有条件"), QStringLiteral("已清空所有条件"), [this] { clearAllConditions(m_form); });
    });
    connect(m_run.setTool, &QAbstractButton::clicked, this,
            [this] { showToolWindow<SetToolWindow>(this, setToolLink()); });
    connect(m_run.spliceTool, &QAbstractButton::clicked, this, [this] { showToolWindow<SpliceWindow>(this); });
    for (const CheckSpanButton& span : m_form.spanButtons)
        connect(span.button, &QAbstractButton::clicked, this, [this, span] {
            const QString name = QStringLiteral("%1 %2").arg(span.button->text(), captionOf(span.control));
            m_history->group(name,
                             [this, span] { setChecks(m_form[span.control], span.first, span.count, span.tick); });
        });
    connectClearButtons(m_form, this, [this](const ControlMeta& meta, const std::function<void()>& clear) {
        m_history->group(QStringLiteral("清 %1").arg(captionOf(meta.id)), clear);
    });
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

ResultReport MainWindow::resultReport() const
{
    return makeResultReport(*m_results, currentScheme());
}

void MainWindow::copyResult()
{
    withCurrentResult([this] {
        try {
            copyToClipboard(this, m_results->resultText(), kCopyFailedMain);
        } catch (const std::exception&) {
            QMessageBox::critical(this, texts::kErrorTitle, kCopyFailedMain, QMessageBox::Ok);
        }
    });
}

void MainWindow::exportResult()
{
    withCurrentResult([this] { exportResultToFile(this, resultReport()); });
}

// 打印 and 打印预览 take the result of the conditions on screen, as 导出结果 does.
void MainWindow::addPrintActions([[maybe_unused]] QMenu* menu)
{
#ifdef SHRINK4_PRINT // a Qt built without its print support prints nothing
    QAction* print = menu->addAction(QStringLiteral("打印(&P)…"), this,
                                     [this] { withCurrentResult([this] { printResult(this, resultReport()); }); });
    print->setObjectName(QStringLiteral("action_print"));
    bindKeys(print, keys::Command::Print);
    menu->addAction(QStringLiteral("打印预览(&V)…"), this,
                    [this] { withCurrentResult([this] { previewResult(this, resultReport()); }); })
        ->setObjectName(QStringLiteral("action_print_preview"));
#endif
}

MainWindowLink MainWindow::setToolLink()
{
    auto takeResult = [this](const std::function<void(const QString&)>& use) {
        withCurrentResult([this, use] { use(m_results->resultText()); });
    };
    auto sendToBasePool = [this](const QString& text) {
        TextBox* pool = m_form[ControlId::basePool].texts.front();
        m_history->group(QStringLiteral("交集结果替换大底"), [pool, &text] { pool->replaceAll(text); });
        bringForward(this);
        m_scroll->ensureWidgetVisible(pool);
        pool->setFocus();
        statusBar()->showMessage(QStringLiteral("已用交集区的结果替换大底，在大底里按 Ctrl+Z 可撤销。"), 10000);
    };
    return {takeResult, sendToBasePool};
}

void MainWindow::showPrizeSettings()
{
    PrizeTableDialog dialog(*m_prizes, QApplication::activeWindow() ? QApplication::activeWindow() : this);
    dialog.exec();
}

void MainWindow::showTrends()
{
    showToolWindow<TrendsWindow>(this, m_drawsPath, trendsLink());
}

// The 走势 window kills values in the conditions, each time as one step of the history.
ConditionsLink MainWindow::trendsLink()
{
    return {[this](const QString& step, const std::vector<trends::TrackPick>& picks) {
                ConditionInputs inputs = readConditions(m_form);
                trends::applyPicks(inputs, picks);
                return m_history->group(step, [this, &inputs] { editConditions(m_form, inputs); });
            },
            [this] { return readConditions(m_form); }};
}

// The short help of a frame, with the way to its section of the guide.
void MainWindow::showHelp(HelpTopic topic)
{
    const auto& help = texts::kHelp[std::size_t(topic)];
    QMessageBox box(QMessageBox::Information, help.title, help.text, QMessageBox::Ok, this);
    QPushButton* toGuide = box.addButton(QStringLiteral("使用教程"), QMessageBox::HelpRole);
    toGuide->setObjectName(QStringLiteral("help_guide"));
    box.exec();
    if (box.clickedButton() == toGuide)
        openGuide(this, guide::sectionFor(m_form.help[std::size_t(topic)]));
}

} // namespace shrink4
