#include "DrawsPreviewTable.h"

#include "ui/application/DrawsFile.h"
#include "ui/history/HistoryTexts.h"
#include "ui/history/LayoutTexts.h"
#include "ui/widgets/QtText.h"

#include <QComboBox>
#include <QHeaderView>

#include <algorithm>
#include <map>

namespace shrink4 {

namespace {

// More columns than a player sets roles for; the rest are skipped by any layout.
constexpr int kMostColumns = 16;
constexpr int kAutomatic = -1; // a chooser's data for 自动
constexpr int kResultColumns = 2;
const QStringList kResultCaptions = {QStringLiteral("读出期号"), QStringLiteral("读出号码")};

int lineColumnsOf(const QList<QByteArray>& lines)
{
    std::size_t most = 1;
    for (const QByteArray& line : lines)
        most = std::max(most, splitColumns({line.constData(), std::size_t(line.size())}).size());
    return std::min(int(most), kMostColumns);
}

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QByteArray joined(const QList<QByteArray>& lines)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return text;
}

} // namespace

DrawsPreviewTable::DrawsPreviewTable(QList<QByteArray> lines, QWidget* parent)
    : QTableWidget(int(lines.size()) + 1, lineColumnsOf(lines) + kResultColumns, parent),
      m_lines(std::move(lines))
{
    setObjectName(QStringLiteral("import_preview"));
    setToolTip(QStringLiteral("第一行选各列的用途：选中格子后按空格或 F2，再用上下键选"));
    QStringList rows{QStringLiteral("用途")};
    for (int r = 1; r <= int(m_lines.size()); ++r)
        rows << QStringLiteral("第%1行").arg(r);
    setVerticalHeaderLabels(rows);
    const int columns = lineColumnsOf(m_lines);
    QStringList captions;
    for (int c = 0; c < columns; ++c)
        captions << QStringLiteral("第%1列").arg(c + 1);
    setHorizontalHeaderLabels(kResultCaptions + captions);
    for (int c = 0; c < columns; ++c)
        addChooser(c);
    for (int r = 0; r < int(m_lines.size()); ++r) {
        const QByteArray& line = m_lines[r];
        const auto split = splitColumns({line.constData(), std::size_t(line.size())});
        for (int c = 0; c < std::min(int(split.size()), columns); ++c)
            setItem(r + 1, kResultColumns + c,
                    readOnlyItem(QString::fromUtf8(
                        line.mid(qsizetype(split[std::size_t(c)].begin),
                                 qsizetype(split[std::size_t(c)].end - split[std::size_t(c)].begin)))));
    }
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->resizeSection(0, m_choosers.front()->sizeHint().height());
    horizontalHeader()->setStretchLastSection(true);
}

void DrawsPreviewTable::addChooser(int column)
{
    auto* chooser = new QComboBox(this);
    chooser->setObjectName(QStringLiteral("import_role_%1").arg(column + 1));
    chooser->addItem(texts::kAutoRole, kAutomatic);
    chooser->addItem(texts::kRoleCaptions[int(ColumnRole::label)], int(ColumnRole::label));
    chooser->addItem(texts::kRoleCaptions[int(ColumnRole::number)], int(ColumnRole::number));
    chooser->addItem(texts::kRoleCaptions[int(ColumnRole::skip)], int(ColumnRole::skip));
    chooser->setAccessibleName(QStringLiteral("第%1列的用途").arg(column + 1));
    connect(chooser, &QComboBox::currentIndexChanged, this, [this, column] { chooseRole(column); });
    setCellWidget(0, kResultColumns + column, chooser);
    m_choosers.push_back(chooser);
}

std::vector<ColumnRole> DrawsPreviewTable::roles() const
{
    std::vector<ColumnRole> roles;
    if (m_choosers.front()->currentData().toInt() == kAutomatic)
        return roles;
    for (const QComboBox* chooser : m_choosers)
        roles.push_back(ColumnRole(chooser->currentData().toInt()));
    while (!roles.empty() && roles.back() == ColumnRole::skip)
        roles.pop_back();
    return roles;
}

void DrawsPreviewTable::setRoles(const std::vector<ColumnRole>& roles)
{
    for (int c = 0; c < lineColumns(); ++c)
        setChooser(c, roles.empty() ? kAutomatic
                                    : int(std::size_t(c) < roles.size() ? roles[std::size_t(c)] : ColumnRole::skip));
    emit rolesChanged();
}

// One column's choice sets the others that no longer fit it: 自动 is for all columns or
// none, and one column holds the issue.
void DrawsPreviewTable::chooseRole(int column)
{
    const int chosen = m_choosers[std::size_t(column)]->currentData().toInt();
    for (int c = 0; c < lineColumns(); ++c) {
        const int role = m_choosers[std::size_t(c)]->currentData().toInt();
        if (c == column)
            continue;
        if (chosen == kAutomatic)
            setChooser(c, kAutomatic);
        else if (role == kAutomatic || (chosen == int(ColumnRole::label) && role == chosen))
            setChooser(c, int(ColumnRole::skip));
    }
    emit rolesChanged();
}

void DrawsPreviewTable::setChooser(int column, int role)
{
    QComboBox* chooser = m_choosers[std::size_t(column)];
    const QSignalBlocker quiet(chooser);
    chooser->setCurrentIndex(chooser->findData(role));
}

void DrawsPreviewTable::showReading(const DrawsLayout& layout)
{
    clearSpans();
    const BadDrawLines bad = findWindowBadLines(joined(m_lines), std::size_t(m_lines.size()), layout);
    std::map<int, const BadDrawLine*> refused;
    for (const BadDrawLine& line : bad.first)
        refused[line.line - 1] = &line;
    for (int r = 0; r < int(m_lines.size()); ++r)
        showLine(r, refused.count(r) ? refused[r] : nullptr, layout);
    resizeColumnsToContents();
    fitReadColumns();
}

// As wide as the draws read: a refusal spread over both is cut short rather than widen
// them, its whole reason in its tooltip and in the list under the table.
void DrawsPreviewTable::fitReadColumns()
{
    const QFontMetrics metrics = fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < kResultColumns; ++c) {
        int width = horizontalHeader()->fontMetrics().horizontalAdvance(kResultCaptions[c]);
        for (int r = 1; r < rowCount(); ++r)
            if (columnSpan(r, 0) == 1 && item(r, c))
                width = std::max(width, metrics.horizontalAdvance(item(r, c)->text()));
        setColumnWidth(c, width + padding);
    }
}

void DrawsPreviewTable::showLine(int row, const BadDrawLine* refused, const DrawsLayout& layout)
{
    const int at = 0;
    const QByteArray& line = m_lines[row];
    if (refused) {
        setSpan(row + 1, at, 1, kResultColumns);
        auto* reason = readOnlyItem(QStringLiteral("✗ ") + texts::badLineReason(*refused, line, layout));
        reason->setToolTip(reason->text());
        setItem(row + 1, at, reason);
        setItem(row + 1, at + 1, readOnlyItem({}));
        return;
    }
    const DrawsReading reading = readWindowDraws(QString::fromUtf8(line), layout);
    if (reading.draws.empty()) {
        setSpan(row + 1, at, 1, kResultColumns);
        setItem(row + 1, at, readOnlyItem(QStringLiteral("（跳过）")));
        setItem(row + 1, at + 1, readOnlyItem({}));
        return;
    }
    const Draw& draw = reading.draws.front();
    setItem(row + 1, at, readOnlyItem(draw.label ? QString::fromStdString(*draw.label) : texts::kNoLabel));
    setItem(row + 1, at + 1, readOnlyItem(fourDigits(draw.number)));
}

} // namespace shrink4
