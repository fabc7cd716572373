#include "DrawsPanel.h"

#include "ui/application/DrawsFile.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/Settings.h"
#include "ui/history/HistoryTexts.h"
#include "ui/main/UndoNotice.h"
#include "ui/widgets/FileDrop.h"
#include "ui/widgets/WidgetFactory.h"

#include "ui/widgets/textbox/TextBox.h"

#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

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

std::string_view viewOf(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

DrawsReading readText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return readDraws(viewOf(bytes));
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

void addBadLine(QListWidget* list, const BadDrawLine& bad, const QByteArray& bytes)
{
    const QByteArray line = bytes.mid(qsizetype(bad.begin), qsizetype(bad.end - bad.begin));
    auto* item = new QListWidgetItem(texts::badLineText(bad, QString::fromUtf8(line)), list);
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
    connect(m_revert, &QPushButton::clicked, this, &DrawsPanel::revertBox);
    connect(m_box, &TextBox::textChanged, this, &DrawsPanel::updateButtons);
    connect(m_box, &TextBox::textChanged, this, [this] {
        if (!m_badLines->isHidden())
            m_recheck.start();
    });
    connect(&m_recheck, &QTimer::timeout, this, &DrawsPanel::listBadLines);
    // A draws file dropped on the box is imported as 导入文件 imports it.
    new FileDropFilter(
        m_box->viewport(), [this](const QString& path) { importDropped(path); },
        [this](const QString& word) { QToolTip::showText(QCursor::pos(), word, m_box); });
    connect(m_badLines, &QListWidget::itemClicked, this, &DrawsPanel::selectBadLine);
    connect(m_badLines, &QListWidget::itemActivated, this, &DrawsPanel::selectBadLine);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_apply);
    buttons->addWidget(import);
    buttons->addWidget(m_revert);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_box, 1);
    column->addLayout(buttons);
    column->addWidget(m_status);
    column->addWidget(m_badLines);
    column->addWidget(m_undo);
    showKeptState();
    updateButtons();
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
    DrawsReading reading = readText(*kept.text);
    if (reading.fault == DrawsFault::None) {
        useDraws(*kept.text, std::move(reading.draws));
        return;
    }
    // What cannot be read stays in the box to be mended; the file is left as it is.
    const std::size_t bad = listBadLines();
    if (!kept.text->trimmed().isEmpty())
        showState(texts::drawsFaultText(reading, QStringLiteral("保存的开奖号码 %1").arg(path))
                  + QStringLiteral("\n文件保持原样；请在框中改正后按【%1】。").arg(texts::kApplyDraws)
                  + (bad > 0 ? QLatin1Char('\n') + texts::badLinesHint(bad, false) : QString()));
}

void DrawsPanel::applyBox()
{
    replaceDraws(m_box->toPlainText(), QStringLiteral("框中的文本"), true);
}

void DrawsPanel::importFile()
{
    const QString path = askDrawsFile(this);
    if (path.isEmpty())
        return;
    rememberImportFolder(path);
    const DrawsFileText file = readDrawsFile(path);
    if (!file.text) {
        QMessageBox::warning(this, texts::kHistoryTitle, file.message + QLatin1Char('\n') + texts::kNothingImported,
                             QMessageBox::Ok);
        return;
    }
    replaceDraws(*file.text, QStringLiteral("文件 %1").arg(QFileInfo(path).fileName()), false);
}

void DrawsPanel::importDropped(const QString& path)
{
    const DroppedText dropped = isSchemeFile(path)
                                    ? DroppedText{std::nullopt, QStringLiteral("方案文件请拖到主窗口上打开。")}
                                    : readDroppedText(path);
    if (!dropped.text) {
        QMessageBox::warning(this, texts::kHistoryTitle, dropped.problem + QLatin1Char('\n') + texts::kNothingImported,
                             QMessageBox::Ok);
        return;
    }
    replaceDraws(*dropped.text, QStringLiteral("文件 %1").arg(QFileInfo(path).fileName()), false);
}

void DrawsPanel::revertBox()
{
    m_box->replaceAll(m_text);
}

bool DrawsPanel::replaceDraws(const QString& text, const QString& source, bool blankClears)
{
    DrawsReading reading;
    if (!(blankClears && text.trimmed().isEmpty())) {
        reading = readText(text);
        if (reading.fault != DrawsFault::None) {
            // A file's bad lines are mended where they can be selected: in the box.
            const bool intoBox = !blankClears && reading.fault != DrawsFault::NoDraw;
            if (intoBox)
                m_box->replaceAll(text);
            const std::size_t bad = listBadLines();
            QString message = texts::drawsFaultText(reading, source);
            if (bad > 0)
                message += QLatin1Char('\n') + texts::badLinesHint(bad, intoBox);
            QMessageBox::warning(this, texts::kHistoryTitle, message + QLatin1Char('\n') + texts::kNothingImported,
                                 QMessageBox::Ok);
            return false;
        }
    }
    QString before = m_text;
    std::vector<Draw> drawsBefore = m_draws;
    useDraws(text, std::move(reading.draws));
    keepText();
    if (m_text == before)
        return true;
    const QString done =
        m_draws.empty() ? QStringLiteral("已清空开奖号码") : QStringLiteral("已换用 %1 期开奖号码").arg(m_draws.size());
    m_undo->offer(done, [this, before = std::move(before), drawsBefore = std::move(drawsBefore)]() mutable {
        useDraws(before, std::move(drawsBefore));
        keepText();
    });
    return true;
}

void DrawsPanel::useDraws(const QString& text, std::vector<Draw> draws)
{
    if (m_box->toPlainText() != text)
        m_box->replaceAll(text);
    m_text = m_box->toPlainText(); // line breaks as the box gives them back
    m_draws = std::move(draws);
    m_recheck.stop();
    m_badLines->clear();
    m_badLines->hide();
    showKeptState();
    updateButtons();
    emit drawsChanged();
}

std::size_t DrawsPanel::listBadLines()
{
    const QByteArray bytes = m_box->toPlainText().toUtf8();
    const BadDrawLines bad = findBadDrawLines(viewOf(bytes), kListedBadLines);
    m_badLines->clear();
    for (const BadDrawLine& line : bad.first)
        addBadLine(m_badLines, line, bytes);
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
