#include "SchemeFileAccess.h"

#include "scheme/ArgumentBytes.h"
#include "scheme/FileErrorText.h"
#include "scheme/InputFile.h"
#include "scheme/SchemeFile.h"
#include "scheme/WholeFileWrite.h"
#include "ui/application/SchemeErrorText.h"

#include <QFileInfo>

#include <exception>
#include <new>

namespace shrink4 {

namespace {

// Why the file is no scheme to read, judged without opening it: a FIFO or a device would
// block or never end, a folder cannot be read, a huge file would exhaust memory.
QString refusal(const QFileInfo& info)
{
    if (!info.exists())
        return QStringLiteral("文件不存在");
    if (info.isDir())
        return QStringLiteral("这是一个文件夹，不是方案文件");
    if (!info.isFile())
        return QStringLiteral("不是普通文件");
    if (info.size() > kMaxSchemeBytes)
        return QStringLiteral("文件超过 256 MB，不是方案文件");
    return {};
}

QString readFailure(const QString& path, const QString& reason)
{
    return fileFailureText(QStringLiteral("读取失败"), path, reason);
}

// A name that is not UTF-8 is opened by its bytes, as the command line opens it.
SchemeResult readByBytes(const QString& path)
{
    const InputBytes input = readInputFile(argumentBytes(path), escaped(path), kMaxSchemeBytes);
    if (!input.bytes) {
        SchemeResult failed;
        failed.fault.kind = SchemeErrorKind::Unreadable;
        failed.fault.detail = input.message;
        return failed;
    }
    return parseScheme(*input.bytes);
}

} // namespace

SchemeOpening openSchemeChecked(const QString& path)
{
    const bool byBytes = holdsStrayBytes(path);
    if (const QString refused = byBytes ? QString() : refusal(QFileInfo(path)); !refused.isEmpty())
        return {std::nullopt, readFailure(path, refused)};
    try {
        SchemeResult scheme = byBytes ? readByBytes(path) : readSchemeFile(path);
        if (scheme.fault.kind == SchemeErrorKind::Unreadable)
            return {std::nullopt, scheme.fault.detail};
        if (!scheme.inputs)
            return {std::nullopt, readFailure(path, schemeErrorText(scheme.fault))};
        return {std::move(scheme.inputs), {}};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, readFailure(path, QStringLiteral("内存不足"))};
    } catch (const std::exception& e) {
        return {std::nullopt, readFailure(path, QString::fromLocal8Bit(e.what()))};
    }
}

bool saveSchemeChecked(const QString& path, const ConditionInputs& inputs, QString* message)
{
    QString reason;
    if (writeWholeFile(path, serializeScheme(inputs), &reason))
        return true;
    if (message)
        *message = fileFailureText(QStringLiteral("保存失败"), path, reason);
    return false;
}

} // namespace shrink4
