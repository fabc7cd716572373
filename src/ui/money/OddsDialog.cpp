#include "OddsDialog.h"

#include "scheme/PrizeTableFile.h"
#include "ui/guide/GuideSections.h"
#include "ui/money/MoneyTexts.h"
#include "ui/widgets/HitRateTexts.h"
#include "ui/widgets/QtText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace shrink4 {

namespace {

constexpr int kDraws = 10000;

QLabel* figure(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// "4312 注（43%）" of the 10,000 draws.
QString drawsShare(int draws)
{
    return QStringLiteral("%1 注（%2）").arg(draws).arg(texts::ratePercent(double(draws) / kDraws));
}

QString perTicket(double value, const PrizeTable& table)
{
    return QStringLiteral("%1（%2）").arg(money::amountIn(value, table), money::ratePercent(value / table.price));
}

} // namespace

OddsDialog::OddsDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Fodds"));
    setWindowTitle(QStringLiteral("花费和期望回报"));
    setProperty(guide::kSectionProperty, guide::kMoney);

    m_basis = new QLabel(this);
    m_basis->setObjectName(QStringLiteral("odds_basis"));
    m_basis->setWordWrap(true);
    m_tickets = figure(this, "odds_tickets");
    m_cost = figure(this, "odds_cost");
    m_return = figure(this, "odds_return");
    m_anyPrize = figure(this, "odds_any_prize");
    m_costBack = figure(this, "odds_cost_back");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("注数："), m_tickets);
    form->addRow(QStringLiteral("花费："), m_cost);
    form->addRow(QStringLiteral("期望回报："), m_return);
    form->addRow(QStringLiteral("有奖的开奖号码："), m_anyPrize);
    form->addRow(QStringLiteral("回本的开奖号码："), m_costBack);

    m_tiers = new QTableWidget(0, 5, this);
    m_tiers->setObjectName(QStringLiteral("odds_tiers"));
    m_tiers->setHorizontalHeaderLabels({QStringLiteral("奖级"), QStringLiteral("中奖方式"), QStringLiteral("每注奖金"),
                                        QStringLiteral("能中的开奖号码"), QStringLiteral("期望回报")});
    m_tiers->verticalHeader()->hide();
    m_tiers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tiers->setSelectionMode(QAbstractItemView::NoSelection);
    m_tiers->setFocusPolicy(Qt::NoFocus);
    m_tiers->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_tiers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tiers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tiers->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tiers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tiers->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tiers->verticalHeader()->setDefaultSectionSize(m_tiers->fontMetrics().height() + 8);
    m_tiers->setToolTip(QStringLiteral("能中的开奖号码：0000–9999 中，开出后至少有一注中这一级的有几注"));

    m_plain = new QLabel(this);
    m_plain->setObjectName(QStringLiteral("odds_plain"));
    m_plain->setWordWrap(true);
    QFont bold = m_plain->font();
    bold.setBold(true);
    m_plain->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    QPushButton* settings = buttons->addButton(QStringLiteral("奖金设置(&P)…"), QDialogButtonBox::ActionRole);
    settings->setObjectName(QStringLiteral("odds_settings"));
    connect(settings, &QPushButton::clicked, this, &OddsDialog::settingsAsked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_basis);
    layout->addLayout(form);
    layout->addWidget(m_tiers);
    layout->addWidget(m_plain);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

void OddsDialog::showOdds(const PrizeTable& table, const PrizeOdds& odds)
{
    const QByteArray key = serializePrizeTable(table);
    if (key != m_rangeOf) {
        m_range = ticketReturnRange(table);
        m_rangeOf = key;
    }
    const QString name = QString::fromStdString(table.name);
    m_basis->setText(QStringLiteral("按奖金表“%1”，每注 %2；0000–9999 每个号码开出的可能都一样（各 1/10000）。")
                         .arg(name.isEmpty() ? QStringLiteral("未命名") : name, money::amountIn(table.price, table)));
    m_tickets->setText(QString::number(odds.tickets));
    m_cost->setText(money::amountIn(odds.cost, table));
    m_return->setText(odds.returnRate
                          ? QStringLiteral("%1，是花费的 %2（平均每期开奖拿回的奖金）")
                                .arg(money::amountIn(odds.expectedReturn, table), money::ratePercent(*odds.returnRate))
                          : QStringLiteral("—（没有号码）"));
    m_anyPrize->setText(
        QStringLiteral("%1（开出这些号码时至少中一注）").arg(drawsShare(int(std::lround(odds.anyPrize * kDraws)))));
    m_costBack->setText(
        QStringLiteral("%1（开出这些号码时奖金不少于花费）").arg(drawsShare(int(std::lround(odds.costBack * kDraws)))));

    m_tiers->setRowCount(int(table.tiers.size()));
    for (std::size_t i = 0; i < table.tiers.size(); ++i) {
        const PrizeTier& tier = table.tiers[i];
        const TierOdds won = i < odds.tiers.size() ? odds.tiers[i] : TierOdds{};
        const QStringList cells = {money::tierName(table, i), money::matchText(tier),
                                   money::amountIn(tier.prize, table), drawsShare(won.draws),
                                   money::amountIn(won.expected, table)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells.at(c));
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tiers->setItem(int(i), c, item);
        }
    }
    // As tall as its rows: twenty tiers at most.
    m_tiers->setFixedHeight(m_tiers->horizontalHeader()->sizeHint().height()
                            + m_tiers->verticalHeader()->defaultSectionSize() * m_tiers->rowCount()
                            + 2 * m_tiers->frameWidth());

    QString plain;
    if (m_range.alike()) {
        plain = QStringLiteral(
                    "条件只改变买哪些号，不改变回报率：按这张奖金表，每注的期望回报都一样，是 %1，不论买哪些号。")
                    .arg(perTicket(m_range.most, table));
    } else {
        plain = QStringLiteral(
                    "条件只改变买哪些号，不会让哪个号更容易开出。这张奖金表里有组选奖级，一注的期望回报随号码的形态"
                    "（有几种排列）而不同，在 %1（如 %2）到 %3（如 %4）之间；按形态选号只在这个范围里移动回报率。")
                    .arg(perTicket(m_range.least, table), fourDigits(m_range.leastTicket),
                         perTicket(m_range.most, table), fourDigits(m_range.mostTicket));
    }
    if (m_range.most > table.price)
        plain += QStringLiteral(
            "\n按这张奖金表，有的号码期望回报高于花费；实际彩票的返奖率都低于 100%，请在奖金设置里按你买的彩种核对奖金。");
    m_plain->setText(plain);
}

} // namespace shrink4
