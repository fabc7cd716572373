#include "JsonScan.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <set>
#include <vector>

namespace shrink4 {

namespace {

struct Frame {
    bool object = false;
    bool expectKey = false;
    qsizetype index = 0; // the element being read, in an array
    QString path;        // of this object or array
    QString key;         // the member being read, in an object
    std::set<QString> keys;
};

// The closing quote of the string whose opening quote is at `at`.
qsizetype stringEnd(const QByteArray& json, qsizetype at)
{
    const char* p = json.constData();
    const qsizetype n = json.size();
    for (qsizetype i = at + 1; i < n; ++i) {
        if (p[i] == '\\')
            ++i;
        else if (p[i] == '"')
            return i;
    }
    return n;
}

QString keyText(const QByteArray& json, qsizetype begin, qsizetype end)
{
    const QByteArray raw = json.mid(begin, end - begin);
    if (!raw.contains('\\'))
        return QString::fromUtf8(raw);
    // Rare: let the JSON parser undo the escapes.
    return QJsonDocument::fromJson("[\"" + raw + "\"]").array().at(0).toString();
}

QString childPath(const Frame& parent)
{
    const QString base = parent.object ? parent.key : QStringLiteral("[%1]").arg(parent.index);
    if (parent.path.isEmpty() || !parent.object)
        return parent.path + base;
    return parent.path + QLatin1Char('.') + base;
}

} // namespace

JsonScan scanJson(const QByteArray& json, const QString& watched)
{
    JsonScan scan;
    std::vector<Frame> stack;
    const char* p = json.constData();
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = p[i];
        if (c == '{' || c == '[') {
            Frame f;
            f.object = c == '{';
            f.expectKey = f.object;
            if (!stack.empty())
                f.path = childPath(stack.back());
            stack.push_back(std::move(f));
        } else if (c == '}' || c == ']') {
            stack.pop_back();
        } else if (c == ',' && !stack.empty()) {
            stack.back().expectKey = stack.back().object;
            ++stack.back().index;
        } else if (c == '"') {
            const qsizetype end = stringEnd(json, i);
            if (!stack.empty() && stack.back().expectKey) {
                Frame& f = stack.back();
                f.key = keyText(json, i + 1, end);
                f.expectKey = false;
                if (stack.size() <= 2)
                    scan.keysAt.emplace(childPath(f), i);
                if (!f.keys.insert(f.key).second && scan.duplicateKey.isEmpty()) {
                    scan.duplicateKey = childPath(f);
                    scan.duplicateAt = i;
                }
            } else if (stack.size() == 2 && stack.back().object && stack.back().path == watched) {
                scan.memberStrings[stack.back().key] = {i + 1, end};
            }
            i = end;
        }
    }
    return scan;
}

} // namespace shrink4
