#include "DrawsPanel.h"

#include "ui/application/DrawsFile.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/Settings.h"
#include "ui/history/HistoryTexts.h"
#include "ui/main/UndoNotice.h"
#include "ui/widgets/WidgetFactory.h"

#include "ui/widgets/textbox/TextBox.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace shrink4 {

namespace {

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

DrawsReading readText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return readDraws(std::string_view(bytes.constData(), std::size_t(bytes.size())));
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
    m_undo = new UndoNotice(this);

    connect(m_apply, &QPushButton::clicked, this, &DrawsPanel::applyBox);
    connect(import, &QPushButton::clicked, this, &DrawsPanel::importFile);
    connect(m_revert, &QPushButton::clicked, this, &DrawsPanel::revertBox);
    connect(m_box, &TextBox::textChanged, this, &DrawsPanel::updateButtons);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_apply);
    buttons->addWidget(import);
    buttons->addWidget(m_revert);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_box, 1);
    column->addLayout(buttons);
    column->addWidget(m_status);
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
    if (!kept.text->trimmed().isEmpty())
        showState(texts::drawsFaultText(reading, QStringLiteral("保存的开奖号码 %1").arg(path))
                  + QStringLiteral("\n文件保持原样；请在框中改正后按【%1】。").arg(texts::kApplyDraws));
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
            QMessageBox::warning(this, texts::kHistoryTitle,
                                 texts::drawsFaultText(reading, source) + QLatin1Char('\n') + texts::kNothingImported,
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
    showKeptState();
    updateButtons();
    emit drawsChanged();
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
