#include "PrizeTableFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <array>
#include <cmath>
#include <utility>

namespace shrink4 {

namespace {

const QString kVersionKey = QStringLiteral("shrink4-prizes");
const std::array<std::pair<const char*, PrizeMatch>, 3> kMatches = {{
    {"exact", PrizeMatch::exact},
    {"positions", PrizeMatch::positions},
    {"box", PrizeMatch::box},
}};

// A fault found while reading: where, then what.
struct Fault {
    QString text;
};

QString unknownKey(const QJsonObject& object, const QStringList& known)
{
    for (const QString& key : object.keys())
        if (!known.contains(key))
            return key;
    return {};
}

bool isNumber(const QJsonValue& v, double least, bool strictly)
{
    return v.isDouble() && std::isfinite(v.toDouble()) && (strictly ? v.toDouble() > least : v.toDouble() >= least);
}

std::optional<unsigned> positionsOf(const QJsonValue& value, QString* error)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.isEmpty() || list.size() > 4) {
        *error = QStringLiteral("\"positions\" must list 1 to 4 positions");
        return std::nullopt;
    }
    unsigned mask = 0;
    for (const auto& p : list) {
        const double n = p.toDouble(-1);
        if (!p.isDouble() || n != std::floor(n) || n < 1 || n > 4 || (mask & (1u << unsigned(n - 1)))) {
            *error = QStringLiteral("a position is a whole number from 1 (千) to 4 (个), each once");
            return std::nullopt;
        }
        mask |= 1u << unsigned(n - 1);
    }
    return mask;
}

std::optional<PrizeTier> tierOf(const QJsonValue& value, int index, QString* error)
{
    const QString where = QStringLiteral("tier %1: ").arg(index + 1);
    const QJsonObject o = value.toObject();
    if (!value.isObject()) {
        *error = where + QStringLiteral("must be an object");
        return std::nullopt;
    }
    if (const QString key = unknownKey(
            o, {QStringLiteral("name"), QStringLiteral("match"), QStringLiteral("positions"), QStringLiteral("prize")});
        !key.isEmpty()) {
        *error = where + QStringLiteral("unknown key \"%1\"").arg(key);
        return std::nullopt;
    }
    PrizeTier tier;
    tier.name = o.value(QStringLiteral("name")).toString().toStdString();
    const QString match = o.value(QStringLiteral("match")).toString();
    const auto found =
        std::find_if(kMatches.begin(), kMatches.end(), [&](const auto& m) { return match == QLatin1String(m.first); });
    if (!o.value(QStringLiteral("name")).isString() || found == kMatches.end()) {
        *error = where + QStringLiteral("needs a \"name\" and a \"match\" of exact, positions or box");
        return std::nullopt;
    }
    tier.match = found->second;
    const bool listed = o.contains(QStringLiteral("positions"));
    if (listed != (tier.match == PrizeMatch::positions)) {
        *error = where + QStringLiteral("\"positions\" goes with \"match\": \"positions\", and only with it");
        return std::nullopt;
    }
    if (listed) {
        QString why;
        const auto mask = positionsOf(o.value(QStringLiteral("positions")), &why);
        if (!mask) {
            *error = where + why;
            return std::nullopt;
        }
        tier.positions = *mask;
    }
    if (!isNumber(o.value(QStringLiteral("prize")), 0, false)) {
        *error = where + QStringLiteral("\"prize\" must be a number, 0 or more");
        return std::nullopt;
    }
    tier.prize = o.value(QStringLiteral("prize")).toDouble();
    return tier;
}

PrizeTableReading refused(const QString& error)
{
    return {std::nullopt, error};
}

} // namespace

PrizeTableReading parsePrizeTable(const QByteArray& bytes)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return refused(
            QStringLiteral("not JSON: %1 at offset %2").arg(parse.errorString(), QString::number(parse.offset)));
    const QJsonObject root = doc.object();
    if (!doc.isObject() || root.value(kVersionKey).toInt(0) != 1 || !root.value(kVersionKey).isDouble())
        return refused(QStringLiteral("not a prize table: \"shrink4-prizes\" must be 1"));
    if (const QString key = unknownKey(root, {kVersionKey, QStringLiteral("name"), QStringLiteral("price"),
                                              QStringLiteral("currency"), QStringLiteral("tiers")});
        !key.isEmpty())
        return refused(QStringLiteral("unknown key \"%1\"").arg(key));
    for (const char* key : {"name", "currency"})
        if (root.contains(QLatin1String(key)) && !root.value(QLatin1String(key)).isString())
            return refused(QStringLiteral("\"%1\" must be a text").arg(QLatin1String(key)));
    if (!isNumber(root.value(QStringLiteral("price")), 0, true))
        return refused(QStringLiteral("\"price\" must be a number above 0"));
    const QJsonArray tiers = root.value(QStringLiteral("tiers")).toArray();
    if (tiers.isEmpty() || tiers.size() > kMaxPrizeTiers)
        return refused(QStringLiteral("\"tiers\" must hold 1 to %1 tiers").arg(kMaxPrizeTiers));
    PrizeTable table{root.value(QStringLiteral("name")).toString().toStdString(),
                     root.value(QStringLiteral("price")).toDouble(),
                     root.value(QStringLiteral("currency")).toString().toStdString(),
                     {}};
    for (qsizetype i = 0; i < tiers.size(); ++i) {
        QString error;
        auto tier = tierOf(tiers.at(i), int(i), &error);
        if (!tier)
            return refused(error);
        table.tiers.push_back(std::move(*tier));
    }
    return {std::move(table), {}};
}

QByteArray serializePrizeTable(const PrizeTable& table)
{
    QJsonArray tiers;
    for (const PrizeTier& t : table.tiers) {
        QJsonObject tier{{QStringLiteral("name"), QString::fromStdString(t.name)},
                         {QStringLiteral("match"), QLatin1String(kMatches[std::size_t(t.match)].first)},
                         {QStringLiteral("prize"), t.prize}};
        if (t.match == PrizeMatch::positions) {
            QJsonArray positions;
            for (int p = 0; p < 4; ++p)
                if (t.positions & (1u << unsigned(p)))
                    positions.append(p + 1);
            tier.insert(QStringLiteral("positions"), positions);
        }
        tiers.append(tier);
    }
    const QJsonObject root{{kVersionKey, 1},
                           {QStringLiteral("name"), QString::fromStdString(table.name)},
                           {QStringLiteral("price"), table.price},
                           {QStringLiteral("currency"), QString::fromStdString(table.currency)},
                           {QStringLiteral("tiers"), tiers}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

PrizeTable examplePrizeTable()
{
    return {"示例",
            2,
            "元",
            {{"直选", PrizeMatch::exact, 0, 10000},
             {"后三", PrizeMatch::positions, 0b1110, 1000},
             {"组选", PrizeMatch::box, 0, 400}}};
}

} // namespace shrink4
