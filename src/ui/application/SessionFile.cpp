#include "SessionFile.h"

#include "ui/application/DataFolder.h"
#include "ui/application/KeepNothing.h"
#include "ui/application/SchemeErrorText.h"
#include "ui/application/SchemeFileAccess.h"
#include "scheme/InputFile.h"
#include "scheme/SchemeFile.h"
#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace shrink4 {

namespace {

const QString kUnreadable = QStringLiteral("上次的条件无法读取（%1）：%2");

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString setAside(const QString& path, const QString& why)
{
    return kUnreadable.arg(why, native(path)) + setAsideAsBad(path);
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* problem)
{
    if (keepsNothing())
        return true;
    QString reason;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        reason = QStringLiteral("无法创建文件夹 %1").arg(native(folder));
    else if (writeWholeFile(path, bytes, &reason))
        return true;
    *problem = QStringLiteral("条件未能保存到 %1：%2").arg(native(path), reason);
    return false;
}

} // namespace

// The newest broken file is the one worth keeping.
QString setAsideAsBad(const QString& path)
{
    if (keepsNothing())
        return {};
    const QString bad = path + QStringLiteral(".bad");
    QFile::remove(bad);
    if (QFile::rename(path, bad))
        return QStringLiteral("\n已改名为 %1 保留。").arg(native(bad));
    return QStringLiteral("\n也无法改名保留。");
}

QString defaultSessionPath()
{
    return dataFolder() + QStringLiteral("/session.json");
}

SessionReading loadSession(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    const InputBytes input = readInputFile(path, kMaxSchemeBytes);
    if (!input.bytes) {
        // A folder or a device in its place is left alone; a file too large is set aside.
        const QFileInfo info(path);
        if (info.isFile() && info.size() > kMaxSchemeBytes)
            return {std::nullopt, setAside(path, QStringLiteral("文件太大"))};
        return {std::nullopt, QStringLiteral("上次的条件无法读取：%1").arg(input.message)};
    }
    SchemeResult scheme = parseScheme(*input.bytes);
    if (!scheme.inputs)
        return {std::nullopt, setAside(path, schemeErrorText(scheme.fault))};
    return {std::move(scheme.inputs), {}};
}

bool saveSession(const QString& path, const ConditionInputs& inputs, QString* problem)
{
    return writeWhole(path, serializeScheme(inputs), problem);
}

QString lastResultPath(const QString& sessionPath)
{
    return QFileInfo(sessionPath).absolutePath() + QStringLiteral("/last-result.json");
}

std::optional<KeptResult> loadLastResult(const QString& path)
{
    const InputBytes input = QFileInfo::exists(path) ? readInputFile(path, kMaxSchemeBytes) : InputBytes{};
    if (!input.bytes)
        return std::nullopt;
    const QJsonObject kept = QJsonDocument::fromJson(*input.bytes).object();
    const QDateTime ranAt = QDateTime::fromString(kept.value(QStringLiteral("ran_at")).toString(), Qt::ISODate);
    SchemeResult scheme =
        parseScheme(QJsonDocument(kept.value(QStringLiteral("conditions")).toObject()).toJson(QJsonDocument::Compact));
    // A result that cannot be put back whole is not put back at all.
    if (!ranAt.isValid() || !scheme.inputs)
        return std::nullopt;
    return KeptResult{std::move(*scheme.inputs), ranAt, kept.value(QStringLiteral("group_forms")).toBool()};
}

bool saveLastResult(const QString& path, const std::optional<KeptResult>& result, QString* problem)
{
    QJsonObject kept;
    if (result) {
        kept.insert(QStringLiteral("ran_at"), result->ranAt.toString(Qt::ISODate));
        kept.insert(QStringLiteral("group_forms"), result->groupForms);
        kept.insert(QStringLiteral("conditions"),
                    QJsonDocument::fromJson(serializeScheme(result->conditions)).object());
    }
    return writeWhole(path, QJsonDocument(kept).toJson(), problem);
}

} // namespace shrink4
