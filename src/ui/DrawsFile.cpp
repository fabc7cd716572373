#include "DrawsFile.h"

#include "scheme/InputFile.h"
#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace shrink4 {

QString defaultDrawsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/draws.txt");
}

QString decodeDrawsText(const QByteArray& bytes)
{
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder chinese("GB18030");
    return chinese.isValid() ? QString(chinese.decode(bytes)) : text;
}

DrawsFileText readDrawsFile(const QString& path)
{
    const InputBytes input = readInputFile(path);
    if (!input.bytes)
        return {std::nullopt, input.message};
    return {decodeDrawsText(*input.bytes), {}};
}

DrawsFileText readKeptDraws(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {QString(), {}};
    return readDrawsFile(path);
}

bool keepDraws(const QString& path, const QString& text, QString* reason)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *reason = QStringLiteral("无法创建文件夹 %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    return writeWholeFile(path, text.toUtf8(), reason);
}

} // namespace shrink4
