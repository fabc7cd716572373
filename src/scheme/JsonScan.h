#pragma once
// A pass over the raw bytes of a JSON text that QJsonDocument has already accepted, for
// what the document cannot tell: a key named twice in one object (the document keeps only
// the last), where the keys of the top two levels stand (for messages), and where the strings of one object's members lie, so a large text can be
// decoded straight into a std::string without a QString in between.

#include <QByteArray>
#include <QString>

#include <map>

namespace shrink4 {

struct JsonSpan {
    qsizetype begin = 0; // first byte after the opening quote
    qsizetype end = 0;   // the closing quote
};

struct JsonScan {
    QString duplicateKey;                      // path of the first key named twice, e.g. "controls.T_dadi_nb"
    qsizetype duplicateAt = -1;                // the opening quote of its second naming
    std::map<QString, JsonSpan> memberStrings; // string members of the watched object, by key
    std::map<QString, qsizetype> keysAt;       // the opening quote of each key of the top two levels, by path
};

// watched names a member of the top-level object, such as "controls".
JsonScan scanJson(const QByteArray& json, const QString& watched);

} // namespace shrink4
