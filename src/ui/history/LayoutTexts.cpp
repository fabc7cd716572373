#include "LayoutTexts.h"

#include <cstddef>

namespace shrink4::texts {

namespace {

const QStringList kDigitNames = {QStringLiteral("四位"), QStringLiteral("五位"), QStringLiteral("六位"),
                                 QStringLiteral("七位")};

// "第3列", "第3–7列" or "第3、5列": the 0-based columns given, in order.
QString columnsText(const std::vector<int>& columns)
{
    QStringList runs;
    for (std::size_t i = 0; i < columns.size();) {
        std::size_t j = i;
        while (j + 1 < columns.size() && columns[j + 1] == columns[j] + 1)
            ++j;
        runs << (i == j ? QString::number(columns[i] + 1)
                        : QStringLiteral("%1–%2").arg(columns[i] + 1).arg(columns[j] + 1));
        i = j + 1;
    }
    return QStringLiteral("第%1列").arg(runs.join(QStringLiteral("、")));
}

std::vector<int> columnsOf(const DrawsLayout& layout, ColumnRole role)
{
    std::vector<int> found;
    for (std::size_t c = 0; c < layout.columns.size(); ++c)
        if (layout.columns[c] == role)
            found.push_back(int(c));
    return found;
}

} // namespace

QString digitsName(int digits)
{
    return digits >= kMinDrawDigits && digits <= kMaxDrawDigits ? kDigitNames[digits - kMinDrawDigits]
                                                                : QStringLiteral("%1 位").arg(digits);
}

QString takeCaption(int from, int digits)
{
    if (digits == 4)
        return QStringLiteral("四位全取");
    if (from == 0)
        return QStringLiteral("前四");
    if (from == digits - 4)
        return QStringLiteral("后四");
    return QStringLiteral("第%1–%2位").arg(from + 1).arg(from + 4);
}

QString layoutText(const DrawsLayout& layout)
{
    if (layout.automatic())
        return {};
    const QString taken =
        layout.digits == 4
            ? QString()
            : QStringLiteral("%1取%2").arg(digitsName(layout.digits), takeCaption(layout.takeFrom(), layout.digits));
    if (layout.columns.empty())
        return QStringLiteral("读法：行末%1号码，取%2")
            .arg(digitsName(layout.digits), takeCaption(layout.takeFrom(), layout.digits));
    QStringList parts;
    if (const auto label = columnsOf(layout, ColumnRole::label); !label.empty())
        parts << columnsText(label) + QStringLiteral("期号");
    parts << columnsText(columnsOf(layout, ColumnRole::number)) + QStringLiteral("号码");
    QString text = QStringLiteral("读法：") + parts.join(QStringLiteral("、"));
    if (!taken.isEmpty())
        text += QStringLiteral("，") + taken;
    return text;
}

} // namespace shrink4::texts
