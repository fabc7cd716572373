#include "PrizeTableDialog.h"

#include "scheme/FileErrorText.h"
#include "scheme/InputFile.h"
#include "scheme/PrizeTableFile.h"
#include "scheme/WholeFileWrite.h"
#include "ui/application/PrizeSetting.h"
#include "ui/application/SchemeDialogs.h"
#include "ui/application/WindowSettings.h"
#include "ui/application/WindowTexts.h"
#include "ui/guide/GuideSections.h"
#include "ui/money/MoneyTexts.h"
#include "ui/widgets/PaletteColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace shrink4 {

namespace {

const QString kTitle = QStringLiteral("奖金设置");
const QString kFilter = QStringLiteral("奖金表 (*.json)");
const QString kOpenDialog = QStringLiteral("open_prizes_dialog");
const QString kSaveDialog = QStringLiteral("save_prizes_dialog");

enum Column {
    NameColumn,
    MatchColumn,
    FirstPosition,
    PrizeColumn = FirstPosition + 4,
    UpColumn,
    DownColumn,
    RemoveColumn
};

// A number as typed: full-width digits and points count, and so do thousands commas.
std::optional<double> numberIn(const QString& text)
{
    QString plain = text.normalized(QString::NormalizationForm_KC).trimmed();
    plain.remove(QLatin1Char(','));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A number for editing: as exact as it was given, without trailing zeros.
QString editable(double value)
{
    return QString::number(value, 'g', 15);
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QToolButton* rowButton(const QString& caption, const QString& tip, const QString& name)
{
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(tip);
    button->setObjectName(name);
    button->setAutoRaise(false);
    return button;
}

} // namespace

PrizeTableDialog::PrizeTableDialog(PrizeSetting& setting, QWidget* parent)
    : QDialog(parent),
      m_setting(setting)
{
    setObjectName(QStringLiteral("Fprizes"));
    setWindowTitle(kTitle);
    setProperty(guide::kSectionProperty, guide::kMoney);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("prize_table_name"));
    m_price = new QLineEdit(this);
    m_price->setObjectName(QStringLiteral("prize_price"));
    m_price->setMaximumWidth(m_price->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    m_currency = new QLineEdit(this);
    m_currency->setObjectName(QStringLiteral("prize_currency"));
    m_currency->setMaximumWidth(m_currency->fontMetrics().horizontalAdvance(QStringLiteral("元元元元")) + 12);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("名称"), this));
    top->addWidget(m_name, 1);
    auto* priceLabel = new QLabel(QStringLiteral("每注价格(&P)"), this);
    priceLabel->setBuddy(m_price);
    top->addWidget(priceLabel);
    top->addWidget(m_price);
    top->addWidget(new QLabel(QStringLiteral("货币"), this));
    top->addWidget(m_currency);

    auto* explain = new QLabel(
        QStringLiteral(
            "直选：四位全对；定位：勾上的位置都对，其余位置不论；组选：四个数字相同，顺序不限。"
            "一注对一期只中排在最前的、它够得上的一个奖级。示例奖金只作演示，请按你买的彩种的实际奖金填写。"),
        this);
    explain->setWordWrap(true);

    m_fault = new QLabel(this);
    m_fault->setObjectName(QStringLiteral("prize_fault"));
    m_fault->setWordWrap(true);
    QFont bold = m_fault->font();
    bold.setBold(true);
    m_fault->setFont(bold);
    showAsWarning(m_fault);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("prize_ok"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("prize_cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrizeTableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrizeTableDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(buildFileButtons());
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildTiers(), 1);
    layout->addWidget(explain);
    layout->addWidget(m_fault);
    layout->addLayout(bottom);

    for (QLineEdit* edit : {m_name, m_price, m_currency})
        connect(edit, &QLineEdit::textEdited, this, &PrizeTableDialog::showFault);
    showTable(setting.table());
    m_name->setFocus();
}

QWidget* PrizeTableDialog::buildTiers()
{
    auto* holder = new QWidget(this);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("奖级（从上往下比对）"), holder);
    column->addWidget(caption);
    auto* scroll = new QScrollArea(holder);
    scroll->setObjectName(QStringLiteral("prize_tiers"));
    scroll->setWidgetResizable(true);
    column->addWidget(scroll, 1);
    m_tiers = scroll;
    m_add = new QPushButton(QStringLiteral("添加奖级(&N)"), holder);
    m_add->setObjectName(QStringLiteral("prize_add"));
    m_add->setAutoDefault(false); // Return is 确定 wherever the cursor is
    connect(m_add, &QPushButton::clicked, this, [this] {
        const int next = int(m_rows.size());
        editTiers(
            [](std::vector<Draft>& tiers) {
                tiers.push_back({QString(), PrizeMatch::exact, 0, QStringLiteral("0")});
            },
            next, NameColumn);
    });
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_add);
    addRow->addStretch(1);
    column->addLayout(addRow);
    return holder;
}

QLayout* PrizeTableDialog::buildFileButtons()
{
    auto* row = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("打开(&O)…"), this);
    open->setObjectName(QStringLiteral("prize_open"));
    open->setToolTip(QStringLiteral("读入一个奖金表文件（.json）"));
    connect(open, &QPushButton::clicked, this, &PrizeTableDialog::openFile);
    auto* save = new QPushButton(QStringLiteral("另存为(&A)…"), this);
    save->setObjectName(QStringLiteral("prize_save_as"));
    save->setToolTip(QStringLiteral("把这张奖金表存成文件，可以在别处打开，也可以给 shrink4-cli 用"));
    connect(save, &QPushButton::clicked, this, &PrizeTableDialog::saveFile);
    auto* example = new QPushButton(QStringLiteral("还原示例(&E)"), this);
    example->setObjectName(QStringLiteral("prize_example"));
    example->setToolTip(QStringLiteral("换回示例奖金表：直选、后三、组选"));
    connect(example, &QPushButton::clicked, this, [this] { showTable(examplePrizeTable()); });
    for (QPushButton* b : {open, save, example}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    return row;
}

void PrizeTableDialog::showTable(const PrizeTable& table)
{
    m_name->setText(QString::fromStdString(table.name));
    m_price->setText(editable(table.price));
    m_currency->setText(QString::fromStdString(table.currency));
    std::vector<Draft> tiers;
    for (const PrizeTier& t : table.tiers)
        tiers.push_back({QString::fromStdString(t.name), t.match, t.positions, editable(t.prize)});
    showRows(tiers);
}

std::vector<PrizeTableDialog::Draft> PrizeTableDialog::drafts() const
{
    std::vector<Draft> tiers;
    for (const Row& row : m_rows) {
        Draft d{row.name->text(), PrizeMatch(row.match->currentIndex()), 0, row.prize->text()};
        for (int p = 0; p < 4; ++p)
            if (row.positions[std::size_t(p)]->isChecked())
                d.positions |= 1u << unsigned(p);
        tiers.push_back(d);
    }
    return tiers;
}

void PrizeTableDialog::editTiers(const std::function<void(std::vector<Draft>&)>& edit, int focusRow, int focusColumn)
{
    std::vector<Draft> tiers = drafts();
    edit(tiers);
    showRows(tiers, focusRow, focusColumn);
}

// The rows are made anew for every change of their number or order: at most twenty.
void PrizeTableDialog::showRows(const std::vector<Draft>& tiers, int focusRow, int focusColumn)
{
    QScrollArea* scroll = m_tiers;
    if (QWidget* old = scroll->takeWidget()) {
        old->hide();
        old->deleteLater(); // a button of it may be the one being clicked
    }
    auto* grid = new QWidget;
    m_grid = new QGridLayout(grid);
    m_grid->setHorizontalSpacing(6);
    const QStringList headers = {QStringLiteral("奖级名称"), QStringLiteral("中奖方式"),
                                 QStringLiteral("定位时勾上要对的位置")};
    m_grid->addWidget(new QLabel(headers[0]), 0, NameColumn);
    m_grid->addWidget(new QLabel(headers[1]), 0, MatchColumn);
    m_grid->addWidget(new QLabel(headers[2]), 0, FirstPosition, 1, 4);
    m_grid->addWidget(new QLabel(QStringLiteral("每注奖金")), 0, PrizeColumn);
    m_rows.clear();
    for (std::size_t i = 0; i < tiers.size(); ++i)
        addRow(int(i), tiers[i]);
    m_grid->setColumnStretch(NameColumn, 2);
    m_grid->setColumnStretch(PrizeColumn, 1);
    m_grid->setRowStretch(int(tiers.size()) + 1, 1);
    scroll->setWidget(grid);
    m_add->setEnabled(m_rows.size() < std::size_t(kMaxPrizeTiers));
    if (focusRow >= 0 && !m_rows.empty()) {
        const Row& row = m_rows[std::size_t(std::min(focusRow, int(m_rows.size()) - 1))];
        QWidget* focus = row.name;
        if (focusColumn == UpColumn)
            focus = row.up;
        else if (focusColumn == DownColumn)
            focus = row.down;
        else if (focusColumn == RemoveColumn)
            focus = row.remove;
        if (!focus->isEnabled())
            focus = row.name;
        focus->setFocus();
        scroll->ensureWidgetVisible(focus);
    }
    showFault();
}

void PrizeTableDialog::addRow(int index, const Draft& draft)
{
    Row row{};
    row.name = new QLineEdit(draft.name);
    row.name->setObjectName(indexed("prize_tier_name", index));
    row.match = new QComboBox;
    row.match->setObjectName(indexed("prize_tier_match", index));
    row.match->addItems(money::kMatchNames);
    row.match->setItemData(0, QStringLiteral("四位全对"), Qt::ToolTipRole);
    row.match->setItemData(1, QStringLiteral("勾上的位置都对，其余位置不论"), Qt::ToolTipRole);
    row.match->setItemData(2, QStringLiteral("四个数字相同，顺序不限（重复的数字也要一样多）"), Qt::ToolTipRole);
    row.match->setCurrentIndex(int(draft.match));
    for (int p = 0; p < 4; ++p) {
        auto* box = new QCheckBox(money::kPositionNames.at(p));
        box->setObjectName(QStringLiteral("prize_tier_pos%1(%2)").arg(p + 1).arg(index));
        box->setChecked(draft.positions & (1u << unsigned(p)));
        row.positions[std::size_t(p)] = box;
        m_grid->addWidget(box, index + 1, FirstPosition + p);
        connect(box, &QCheckBox::toggled, this, &PrizeTableDialog::showFault);
    }
    row.prize = new QLineEdit(draft.prize);
    row.prize->setObjectName(indexed("prize_tier_prize", index));
    row.prize->setMinimumWidth(row.prize->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    row.up = rowButton(QStringLiteral("↑"), QStringLiteral("上移：先比对这一级"), indexed("prize_up", index));
    row.down = rowButton(QStringLiteral("↓"), QStringLiteral("下移"), indexed("prize_down", index));
    row.remove = rowButton(QStringLiteral("删除"), QStringLiteral("删除这个奖级"), indexed("prize_remove", index));
    row.up->setEnabled(index > 0);
    row.down->setEnabled(false); // set once the next row comes
    if (index > 0)
        m_rows.back().down->setEnabled(true);
    m_grid->addWidget(row.name, index + 1, NameColumn);
    m_grid->addWidget(row.match, index + 1, MatchColumn);
    m_grid->addWidget(row.prize, index + 1, PrizeColumn);
    m_grid->addWidget(row.up, index + 1, UpColumn);
    m_grid->addWidget(row.down, index + 1, DownColumn);
    m_grid->addWidget(row.remove, index + 1, RemoveColumn);

    const auto positionsFollow = [row] {
        const bool positioned = row.match->currentIndex() == int(PrizeMatch::positions);
        for (QCheckBox* box : row.positions)
            box->setEnabled(positioned);
    };
    positionsFollow();
    connect(row.match, &QComboBox::currentIndexChanged, this, [this, positionsFollow] {
        positionsFollow();
        showFault();
    });
    connect(row.name, &QLineEdit::textEdited, this, &PrizeTableDialog::showFault);
    connect(row.prize, &QLineEdit::textEdited, this, &PrizeTableDialog::showFault);
    connect(row.up, &QToolButton::clicked, this, [this, index] {
        editTiers([index](std::vector<Draft>& t) { std::swap(t[std::size_t(index)], t[std::size_t(index - 1)]); },
                  index - 1, UpColumn);
    });
    connect(row.down, &QToolButton::clicked, this, [this, index] {
        editTiers([index](std::vector<Draft>& t) { std::swap(t[std::size_t(index)], t[std::size_t(index + 1)]); },
                  index + 1, DownColumn);
    });
    connect(row.remove, &QToolButton::clicked, this, [this, index] {
        editTiers([index](std::vector<Draft>& t) { t.erase(t.begin() + index); }, index, RemoveColumn);
    });
    m_rows.push_back(row);
}

std::optional<PrizeTable> PrizeTableDialog::tableOnScreen(Fault* fault) const
{
    PrizeTable table;
    table.name = m_name->text().trimmed().toStdString();
    table.currency = m_currency->text().trimmed().toStdString();
    const auto price = numberIn(m_price->text());
    if (!price) {
        *fault = {QStringLiteral("每注价格要填一个数，如 2。"), m_price};
        return std::nullopt;
    }
    table.price = *price;
    const std::vector<Draft> tiers = drafts();
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        const Draft& d = tiers[i];
        PrizeTier tier{d.name.trimmed().toStdString(), d.match, d.match == PrizeMatch::positions ? d.positions : 0u, 0};
        table.tiers.push_back(tier);
        const auto prize = numberIn(d.prize);
        if (!prize) {
            *fault = {QStringLiteral("第 %1 个奖级（%2）的奖金要填一个数，如 1000。")
                          .arg(i + 1)
                          .arg(money::tierName(table, i)),
                      m_rows[i].prize};
            return std::nullopt;
        }
        table.tiers.back().prize = *prize;
    }
    if (const QString why = money::tableFault(table); !why.isEmpty()) {
        QWidget* field = m_rows.empty() ? static_cast<QWidget*>(m_add) : m_price;
        // Point at the tier the fault names.
        for (std::size_t i = 0; i < table.tiers.size(); ++i)
            if (why.startsWith(QStringLiteral("第 %1 个奖级").arg(i + 1))) {
                const PrizeTier& t = table.tiers[i];
                field = t.match == PrizeMatch::positions && t.positions == 0
                            ? static_cast<QWidget*>(m_rows[i].positions[0])
                            : m_rows[i].prize;
            }
        if (table.tiers.size() > std::size_t(kMaxPrizeTiers))
            field = m_rows.back().remove;
        *fault = {why, field};
        return std::nullopt;
    }
    return table;
}

void PrizeTableDialog::showFault()
{
    Fault fault;
    const bool usable = tableOnScreen(&fault).has_value();
    m_fault->setText(usable ? QString() : fault.text);
}

// Says why the table on screen cannot be used and takes the cursor there; false when it can.
bool PrizeTableDialog::refuseFault()
{
    Fault fault;
    if (tableOnScreen(&fault))
        return false;
    m_fault->setText(fault.text);
    if (fault.field) {
        fault.field->setFocus();
        if (m_tiers->widget()->isAncestorOf(fault.field))
            m_tiers->ensureWidgetVisible(fault.field);
    }
    return true;
}

void PrizeTableDialog::accept()
{
    if (refuseFault())
        return;
    Fault unused;
    m_setting.set(*tableOnScreen(&unused));
    QDialog::accept();
}

void PrizeTableDialog::openFile()
{
    QFileDialog dialog(this, QStringLiteral("打开奖金表"), startFolder(lastFolder(kOpenDialog)), kFilter);
    dialog.setObjectName(kOpenDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    rememberFolder(kOpenDialog, path);
    const InputBytes input = readInputFile(path, kMaxPrizeTableBytes);
    QString refusal = input.message;
    if (input.bytes) {
        const PrizeTableReading reading = parsePrizeTable(*input.bytes);
        if (reading.table) {
            showTable(*reading.table);
            return;
        }
        refusal = fileFailureText(QStringLiteral("读取失败"), path, money::fileFaultText(reading.error));
    }
    QMessageBox::warning(this, texts::kErrorTitle, refusal + QStringLiteral("\n奖金设置不变。"));
}

void PrizeTableDialog::saveFile()
{
    if (refuseFault())
        return;
    Fault unused;
    const PrizeTable table = *tableOnScreen(&unused);
    const QString path = askSavePath(this, QStringLiteral("奖金表另存为"), QStringLiteral("奖金表.json"), kFilter,
                                     QStringLiteral("json"), kSaveDialog);
    if (path.isEmpty())
        return;
    QString reason;
    if (!writeWholeFile(path, serializePrizeTable(table), &reason))
        QMessageBox::warning(this, texts::kErrorTitle, fileFailureText(QStringLiteral("保存失败"), path, reason));
}

} // namespace shrink4
