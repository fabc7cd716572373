#include "DrawsText.h"

#include "Gb18030.h"
#include "InputFile.h"
#include "TypedText.h"

#include <QStringDecoder>

namespace shrink4 {

namespace {

QString decoded(const QByteArray& bytes)
{
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringDecoder::Flag::Stateless);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromGb18030(bytes).value_or(text);
}

// The reader splits lines at LF only: a file of CR alone (old Mac editors) would be one
// line, read as one draw.
QString withLfBreaks(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(u'\r', u'\n');
}

} // namespace

QString decodeDrawsText(const QByteArray& bytes)
{
    return typedText(withLfBreaks(decoded(bytes)));
}

DrawsFileText readDrawsFile(const QString& path, qint64 limit)
{
    const InputBytes input = readInputFile(path, limit);
    if (!input.bytes)
        return {std::nullopt, input.error, input.message};
    return {decodeDrawsText(*input.bytes), {}, {}};
}

} // namespace shrink4
