#include "DrawsImportDialog.h"

#include "ui/application/DrawsFile.h"
#include "ui/history/DrawsPreviewTable.h"
#include "ui/history/HistoryTexts.h"
#include "ui/history/LayoutTexts.h"
#include "ui/widgets/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace shrink4 {

namespace {

// Enough lines to see a header and a few draws; the whole text is read for the rest.
constexpr int kShownLines = 12;
constexpr std::size_t kListedRefusals = 50;
constexpr int kRefusedRows = 4;

bool readsANumber(const DrawsLayout& layout)
{
    return layout.columns.empty() || std::ranges::find(layout.columns, ColumnRole::number) != layout.columns.end();
}

QString labelOf(const Draw& draw)
{
    return draw.label ? QString::fromStdString(*draw.label) : texts::kNoLabel;
}

QString readingSummary(const DrawsReading& reading, std::size_t refused)
{
    if (reading.fault == DrawsFault::None)
        return QStringLiteral("按这个读法读出 %1 期开奖号码（%2 至 %3）。")
            .arg(reading.draws.size())
            .arg(labelOf(reading.draws.front()), labelOf(reading.draws.back()));
    if (refused == 0)
        return QStringLiteral("按这个读法读不出开奖号码。");
    return QStringLiteral("有 %1 行读不出（列在下面）：改好读法才能按【确定】。").arg(refused);
}

} // namespace

DrawsImportDialog::DrawsImportDialog(const QString& text, const DrawsLayout& layout, QWidget* parent)
    : QDialog(parent),
      m_text(text),
      m_utf8(text.toUtf8())
{
    setObjectName(QStringLiteral("import_settings"));
    setWindowTitle(QStringLiteral("导入设置"));
    auto* intro = new QLabel(QStringLiteral("选好号码的位数、取哪四位，需要时在第一行给各列选用途"
                                            "（不选则为“自动”：行末是号码）。下面随即显示这样读出的结果。"),
                             this);
    intro->setWordWrap(true);
    m_table = new DrawsPreviewTable(firstLines(m_utf8, kShownLines), this);
    auto* tableCaption = new QLabel(QStringLiteral("前几行和读出的号码(&C)："), this);
    tableCaption->setBuddy(m_table);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("import_summary"));
    m_summary->setWordWrap(true);
    m_refused = new QListWidget(this);
    m_refused->setObjectName(QStringLiteral("import_refused"));
    m_refused->setMaximumHeight(m_refused->fontMetrics().height() * kRefusedRows + 2 * m_refused->frameWidth() + 4);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QPushButton* reset = buttons->button(QDialogButtonBox::Reset);
    reset->setText(QStringLiteral("还原(&D)"));
    reset->setObjectName(QStringLiteral("import_reset"));
    reset->setToolTip(QStringLiteral("改回自动读法：不分列，行末四位是号码"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] { showLayout({}); });
    connect(m_table, &DrawsPreviewTable::rolesChanged, this, &DrawsImportDialog::refresh);

    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(buildSettings());
    column->addWidget(tableCaption);
    column->addWidget(m_table, 1);
    column->addWidget(m_summary);
    column->addWidget(m_refused);
    column->addWidget(buttons);
    setTabOrder(m_digits, m_take);
    setTabOrder(m_take, m_table);
    setTabOrder(m_table, m_refused);
    setTabOrder(m_refused, m_ok);
    m_digits->setFocus();
    showLayout(layout);
    resize(fittedWindowSize(this, QSize(820, 560)));
}

QWidget* DrawsImportDialog::buildSettings()
{
    auto* row = new QWidget(this);
    m_digits = new QSpinBox(row);
    m_digits->setObjectName(QStringLiteral("import_digits"));
    m_digits->setRange(kMinDrawDigits, kMaxDrawDigits);
    m_digits->setSuffix(QStringLiteral(" 位"));
    m_take = new QComboBox(row);
    m_take->setObjectName(QStringLiteral("import_take"));
    auto* digitsCaption = new QLabel(QStringLiteral("开奖号码位数(&W)："), row);
    digitsCaption->setBuddy(m_digits);
    auto* takeCaption = new QLabel(QStringLiteral("取哪四位(&Q)："), row);
    takeCaption->setBuddy(m_take);
    connect(m_digits, &QSpinBox::valueChanged, this, [this] {
        fillTakes(m_take->currentData().toInt());
        refresh();
    });
    connect(m_take, &QComboBox::currentIndexChanged, this, &DrawsImportDialog::refresh);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(digitsCaption);
    layout->addWidget(m_digits);
    layout->addSpacing(digitsCaption->fontMetrics().horizontalAdvance(QStringLiteral("四位")));
    layout->addWidget(takeCaption);
    layout->addWidget(m_take);
    layout->addStretch(1);
    return row;
}

DrawsLayout DrawsImportDialog::chosenLayout() const
{
    DrawsLayout layout;
    layout.digits = m_digits->value();
    layout.take = m_take->currentData().toInt();
    layout.columns = m_table->roles();
    return layout;
}

void DrawsImportDialog::showLayout(const DrawsLayout& layout)
{
    {
        const QSignalBlocker quietDigits(m_digits);
        const QSignalBlocker quietTable(m_table);
        m_digits->setValue(layout.digits);
        m_table->setRoles(layout.columns);
    }
    fillTakes(layout.take);
    refresh();
}

// The last four are -1 whatever the count, so that 后四 stays 后四 as the count changes.
void DrawsImportDialog::fillTakes(int take)
{
    const int digits = m_digits->value();
    const QSignalBlocker quiet(m_take);
    m_take->clear();
    for (int from = 0; from <= digits - 4; ++from)
        m_take->addItem(texts::takeCaption(from, digits), from == digits - 4 ? -1 : from);
    const int chosen = m_take->findData(take);
    m_take->setCurrentIndex(chosen >= 0 ? chosen : m_take->count() - 1);
    m_take->setEnabled(digits > 4);
}

void DrawsImportDialog::refresh()
{
    const DrawsLayout layout = chosenLayout();
    m_table->showReading(layout);
    if (!readsANumber(layout)) {
        m_summary->setText(QStringLiteral("请在第一行给号码所在的列选【号码】。"));
        m_refused->hide();
        m_ok->setEnabled(false);
        return;
    }
    const DrawsReading reading = readWindowDraws(m_text, layout);
    m_summary->setText(readingSummary(reading, showRefused(layout)));
    m_ok->setEnabled(reading.fault == DrawsFault::None);
}

std::size_t DrawsImportDialog::showRefused(const DrawsLayout& layout)
{
    const BadDrawLines bad = findWindowBadLines(m_utf8, kListedRefusals, layout);
    m_refused->clear();
    for (const BadDrawLine& line : bad.first)
        m_refused->addItem(texts::badLineText(line, lineBytes(m_utf8, line), layout));
    if (bad.count > bad.first.size())
        m_refused->addItem(texts::moreBadLinesText(bad.count - bad.first.size()));
    m_refused->setVisible(bad.count > 0);
    return bad.count;
}

} // namespace shrink4
