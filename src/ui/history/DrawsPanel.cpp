#include "DrawsPanel.h"

#include "ui/application/DrawsFile.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/Settings.h"
#include "ui/history/DrawsImportDialog.h"
#include "ui/history/HistoryTexts.h"
#include "ui/history/LayoutTexts.h"
#include "ui/main/UndoNotice.h"
#include "ui/widgets/FileDrop.h"
#include "ui/widgets/WidgetFactory.h"

#include "ui/widgets/textbox/TextBox.h"

#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace shrink4 {

namespace {

// As many as a player reads before mending; the rest are counted.
constexpr std::size_t kListedBadLines = 50;
constexpr int kRecheckDelayMs = 300;

void rememberImportFolder(const QString& file)
{
    Settings().setDrawsFolder(QFileInfo(file).absolutePath());
}

QString askDrawsFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("导入开奖号码"), startFolder(Settings().drawsFolder()),
                       texts::kDrawsFilter);
    dialog.setObjectName(QStringLiteral("import_draws_dialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// A text to read: what it is and where it came from, for messages.
struct SourcedText {
    QString text;
    QString source;
};

// Asks for a draws file and reads it; says why not when it cannot be read.
std::optional<SourcedText> chooseDrawsFile(QWidget* parent)
{
    const QString path = askDrawsFile(parent);
    if (path.isEmpty())
        return std::nullopt;
    rememberImportFolder(path);
    const DrawsFileText file = readDrawsFile(path);
    if (!file.text) {
        QMessageBox::warning(parent, texts::kHistoryTitle, file.message + QLatin1Char('\n') + texts::kNothingImported,
                             QMessageBox::Ok);
        return std::nullopt;
    }
    return SourcedText{*file.text, QStringLiteral("文件 %1").arg(QFileInfo(path).fileName())};
}

// The line a reading refused, to quote what it holds.
QByteArray refusedLine(const QString& text, const DrawsReading& reading)
{
    if (reading.line <= 0)
        return {};
    const QList<QByteArray> lines = firstLines(text.toUtf8(), reading.line);
    return lines.size() == reading.line ? lines.back() : QByteArray();
}

// A last group or run of single digits that a longer draw would be: the preview starts
// with that many digits.
DrawsLayout suggestedLayout(const DrawsReading& reading, DrawsLayout layout)
{
    const LineFinding& f = reading.finding;
    const bool longer = f.kind == FindingKind::longNumber || f.kind == FindingKind::longSingles;
    if (layout.columns.empty() && longer && f.digits > layout.digits && f.digits <= kMaxDrawDigits) {
        layout.digits = f.digits;
        layout.take = -1;
    }
    return layout;
}

QListWidget* makeBadLinesList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("history_bad_lines"));
    list->setToolTip(QStringLiteral("点一行即在框中选中它"));
    list->setMaximumHeight(list->fontMetrics().height() * 8);
    // The panel is narrow: an entry wraps rather than hiding its reason off to the right.
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->hide();
    return list;
}

void addBadLine(QListWidget* list, const BadDrawLine& bad, const QByteArray& bytes, const DrawsLayout& layout)
{
    auto* item = new QListWidgetItem(texts::badLineText(bad, lineBytes(bytes, bad), layout), list);
    item->setData(Qt::UserRole, bad.line);
}

} // namespace

DrawsPanel::DrawsPanel(QWidget* parent)
    : QWidget(parent)
{
    m_box = new TextBox(this);
    m_box->setObjectName(QStringLiteral("history_draws"));
    m_box->setPlaceholderText(texts::kDrawsHint);
    // Alt+U applies what was just typed without leaving the keyboard.
    m_apply = makeButton(QStringLiteral("history_apply"), texts::kApplyDraws + QStringLiteral("(&U)"), this);
    auto* import = makeButton(QStringLiteral("history_import"), texts::kImportDraws, this);
    auto* importSettings = makeButton(QStringLiteral("history_import_settings"), texts::kImportSettings, this);
    importSettings->setToolTip(QStringLiteral("按列、位数读框中的文本（框空时先选文件），先看读出的结果再导入"));
    m_revert = makeButton(QStringLiteral("history_revert"), texts::kRevertDraws + QStringLiteral("(&R)"), this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("history_draws_status"));
    m_status->setWordWrap(true);
    m_badLines = makeBadLinesList(this);
    m_undo = new UndoNotice(this);
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(kRecheckDelayMs);

    connect(m_apply, &QPushButton::clicked, this, &DrawsPanel::applyBox);
    connect(import, &QPushButton::clicked, this, &DrawsPanel::importFile);
    connect(importSettings, &QPushButton::clicked, this, &DrawsPanel::importWithSettings);
    connect(m_revert, &QPushButton::clicked, this, &DrawsPanel::revertBox);
    connect(m_box, &TextBox::textChanged, this, &DrawsPanel::updateButtons);
    connect(m_box, &TextBox::textChanged, this, [this] {
        if (!m_badLines->isHidden())
            m_recheck.start();
    });
    connect(&m_recheck, &QTimer::timeout, this, [this] { listBadLines(drawsLayoutInForce()); });
    // A draws file dropped on the box is imported as 导入文件 imports it.
    new FileDropFilter(
        m_box->viewport(), [this](const QString& path) { importDropped(path); },
        [this](const QString& word) { QToolTip::showText(QCursor::pos(), word, m_box); });
    connect(m_badLines, &QListWidget::itemClicked, this, &DrawsPanel::selectBadLine);
    connect(m_badLines, &QListWidget::itemActivated, this, &DrawsPanel::selectBadLine);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(buildButtons(import, importSettings));
    column->addWidget(buildLayoutLine());
    column->addWidget(m_box, 1);
    column->addWidget(m_status);
    column->addWidget(m_badLines);
    column->addWidget(m_undo);
    showLayoutLine();
    showKeptState();
    updateButtons();
}

QLayout* DrawsPanel::buildButtons(QPushButton* import, QPushButton* importSettings)
{
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_apply, 0, 0);
    buttons->addWidget(m_revert, 0, 1);
    buttons->addWidget(import, 1, 0);
    buttons->addWidget(importSettings, 1, 1);
    return buttons;
}

QWidget* DrawsPanel::buildLayoutLine()
{
    m_layoutLine = new QWidget(this);
    m_layoutText = new QLabel(m_layoutLine);
    m_layoutText->setObjectName(QStringLiteral("history_layout"));
    m_layoutText->setWordWrap(true);
    auto* reset = makeButton(QStringLiteral("history_layout_reset"), texts::kResetLayout, m_layoutLine);
    reset->setToolTip(QStringLiteral("改回自动读法：不分列，行末四位是号码"));
    connect(reset, &QPushButton::clicked, this, &DrawsPanel::resetLayout);
    auto* row = new QHBoxLayout(m_layoutLine);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_layoutText, 1);
    row->addWidget(reset);
    m_layoutLine->hide();
    return m_layoutLine;
}

void DrawsPanel::setKeptFile(const QString& path)
{
    m_path = path;
    const DrawsFileText kept = readKeptDraws(path);
    if (!kept.text) {
        showState(QStringLiteral("保存的开奖号码无法读取（%1）。").arg(kept.message));
        return;
    }
    m_box->setPlainText(*kept.text);
    const DrawsLayout layout = drawsLayoutInForce();
    DrawsReading reading = readWindowDraws(*kept.text, layout);
    if (reading.fault == DrawsFault::None) {
        useDraws(*kept.text, layout, std::move(reading.draws));
        return;
    }
    // What cannot be read stays in the box to be mended; the file is left as it is.
    const std::size_t bad = listBadLines(layout);
    if (!kept.text->trimmed().isEmpty())
        showState(texts::drawsFaultText(reading, QStringLiteral("保存的开奖号码 %1").arg(path),
                                        refusedLine(*kept.text, reading), layout)
                  + QStringLiteral("\n文件保持原样；请在框中改正后按【%1】。").arg(texts::kApplyDraws)
                  + (bad > 0 ? QLatin1Char('\n') + texts::badLinesHint(bad, false) : QString()));
}

void DrawsPanel::applyBox()
{
    replaceDraws(m_box->toPlainText(), drawsLayoutInForce(), QStringLiteral("框中的文本"), true);
}

void DrawsPanel::importFile()
{
    if (const auto file = chooseDrawsFile(this))
        replaceDraws(file->text, drawsLayoutInForce(), file->source, false);
}

// The box's text, or a file's when the box is empty, read as the player chooses.
void DrawsPanel::importWithSettings()
{
    const QString text = m_box->toPlainText();
    if (!text.trimmed().isEmpty()) {
        openImportSettings(text, drawsLayoutInForce(), QStringLiteral("框中的文本"));
        return;
    }
    if (const auto file = chooseDrawsFile(this))
        openImportSettings(file->text, drawsLayoutInForce(), file->source);
}

void DrawsPanel::importDropped(const QString& path)
{
    const DroppedText dropped = isSchemeFile(path)
                                    ? DroppedText{std::nullopt, QStringLiteral("方案文件请拖到主窗口上打开。")}
                                    : readDroppedText(path, kMaxDrawsBytes);
    if (!dropped.text) {
        QMessageBox::warning(this, texts::kHistoryTitle, dropped.problem + QLatin1Char('\n') + texts::kNothingImported,
                             QMessageBox::Ok);
        return;
    }
    replaceDraws(*dropped.text, drawsLayoutInForce(), QStringLiteral("文件 %1").arg(QFileInfo(path).fileName()), false);
}

void DrawsPanel::revertBox()
{
    m_box->replaceAll(m_text);
}

// The draws in force read again the automatic way; if they cannot be, the layout stays.
void DrawsPanel::resetLayout()
{
    replaceDraws(m_text, DrawsLayout{}, QStringLiteral("现有的开奖号码按自动读法"), true);
}

bool DrawsPanel::replaceDraws(const QString& text, const DrawsLayout& layout, const QString& source, bool blankClears)
{
    DrawsReading reading;
    if (!(blankClears && text.trimmed().isEmpty())) {
        reading = readWindowDraws(text, layout);
        if (reading.fault != DrawsFault::None) {
            // A file's bad lines are mended where they can be selected: in the box.
            refuse(text, reading, layout, source, !blankClears && reading.fault != DrawsFault::NoDraw);
            return false;
        }
    }
    QString before = m_text;
    const DrawsLayout layoutBefore = drawsLayoutInForce();
    std::vector<Draw> drawsBefore = m_draws;
    useDraws(text, layout, std::move(reading.draws));
    keepText();
    if (m_text == before && layout == layoutBefore)
        return true;
    const QString done =
        m_draws.empty() ? QStringLiteral("已清空开奖号码") : QStringLiteral("已换用 %1 期开奖号码").arg(m_draws.size());
    m_undo->offer(done,
                  [this, before = std::move(before), layoutBefore, drawsBefore = std::move(drawsBefore)]() mutable {
                      useDraws(before, layoutBefore, std::move(drawsBefore));
                      keepText();
                  });
    return true;
}

void DrawsPanel::refuse(const QString& text, const DrawsReading& reading, const DrawsLayout& layout,
                        const QString& source, bool intoBox)
{
    if (intoBox)
        m_box->replaceAll(text);
    const std::size_t bad = listBadLines(layout);
    QString message = texts::drawsFaultText(reading, source, refusedLine(text, reading), layout);
    if (bad > 0)
        message += QLatin1Char('\n') + texts::badLinesHint(bad, intoBox);
    const bool readOtherwise = reading.finding.kind != FindingKind::none;
    if (askImportSettings(message + QLatin1Char('\n') + texts::kNothingImported, readOtherwise))
        openImportSettings(text, suggestedLayout(reading, layout), source);
}

bool DrawsPanel::askImportSettings(const QString& message, bool offerFirst)
{
    QMessageBox box(QMessageBox::Warning, texts::kHistoryTitle, message, QMessageBox::Ok, this);
    QPushButton* settings = box.addButton(texts::kImportSettings, QMessageBox::ActionRole);
    settings->setObjectName(QStringLiteral("refusal_import_settings"));
    if (offerFirst)
        box.setDefaultButton(settings);
    box.exec();
    return box.clickedButton() == settings;
}

void DrawsPanel::openImportSettings(const QString& text, const DrawsLayout& start, const QString& source)
{
    DrawsImportDialog dialog(text, start, this);
    if (dialog.exec() == QDialog::Accepted)
        replaceDraws(text, dialog.chosenLayout(), source, false);
}

void DrawsPanel::useDraws(const QString& text, const DrawsLayout& layout, std::vector<Draw> draws)
{
    if (m_box->toPlainText() != text)
        m_box->replaceAll(text);
    if (layout != drawsLayoutInForce())
        Settings().setDrawsLayout(layout);
    m_text = m_box->toPlainText(); // line breaks as the box gives them back
    m_draws = std::move(draws);
    m_recheck.stop();
    m_badLines->clear();
    m_badLines->hide();
    showLayoutLine();
    showKeptState();
    updateButtons();
    emit drawsChanged();
}

std::size_t DrawsPanel::listBadLines(const DrawsLayout& layout)
{
    const QByteArray bytes = m_box->toPlainText().toUtf8();
    const BadDrawLines bad = findWindowBadLines(bytes, kListedBadLines, layout);
    m_badLines->clear();
    for (const BadDrawLine& line : bad.first)
        addBadLine(m_badLines, line, bytes, layout);
    if (bad.count > bad.first.size()) {
        auto* more = new QListWidgetItem(texts::moreBadLinesText(bad.count - bad.first.size()), m_badLines);
        more->setFlags(Qt::ItemIsEnabled); // nothing to select
    }
    m_badLines->setVisible(bad.count > 0);
    return bad.count;
}

void DrawsPanel::selectBadLine(const QListWidgetItem* item)
{
    const QVariant line = item->data(Qt::UserRole);
    if (!line.isValid())
        return;
    m_box->selectLine(line.toInt() - 1);
    m_box->setFocus(Qt::OtherFocusReason);
}

void DrawsPanel::keepText()
{
    QString reason;
    if (!m_path.isEmpty() && !keepDraws(m_path, m_text, &reason))
        QMessageBox::warning(
            this, texts::kHistoryTitle,
            QStringLiteral("开奖号码未能保存到 %1：%2\n原来保存的号码不变；这次仍按新号码回测。").arg(m_path, reason),
            QMessageBox::Ok);
}

void DrawsPanel::showLayoutLine()
{
    const DrawsLayout layout = drawsLayoutInForce();
    m_layoutText->setText(texts::layoutText(layout));
    m_layoutLine->setVisible(!layout.automatic());
}

void DrawsPanel::showKeptState()
{
    showState(texts::keptDrawsText(m_draws));
}

void DrawsPanel::showState(const QString& state)
{
    m_state = state;
    updateButtons();
}

// Edits in the box count only once applied: the line under it says so while they wait.
void DrawsPanel::updateButtons()
{
    const bool edited = m_box->toPlainText() != m_text;
    m_apply->setEnabled(edited);
    m_revert->setEnabled(edited);
    m_status->setText(edited ? m_state + QLatin1Char('\n') + texts::kBoxEdited : m_state);
}

} // namespace shrink4
