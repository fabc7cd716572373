#include "DrawsText.h"

#include "Gb18030.h"
#include "InputFile.h"
#include "TypedText.h"

#include <QStringDecoder>

#include <algorithm>

namespace shrink4 {

namespace {

// UTF-16 without a mark, by where the zero bytes of the first kilobyte stand: one in every
// pair, always the high byte. Text in Chinese alone has no zero bytes to tell by.
std::optional<QStringConverter::Encoding> unmarkedUtf16(const QByteArray& bytes)
{
    constexpr qsizetype kLooked = 1024;
    const qsizetype pairs = std::min(bytes.size(), kLooked) / 2;
    int zeroFirst = 0, zeroSecond = 0;
    for (qsizetype k = 0; k < pairs; ++k) {
        const bool first = bytes[2 * k] == '\0', second = bytes[2 * k + 1] == '\0';
        zeroFirst += first && !second;
        zeroSecond += second && !first;
    }
    if (pairs == 0 || (zeroFirst != pairs && zeroSecond != pairs))
        return std::nullopt;
    return zeroSecond == pairs ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
}

QString decoded(const QByteArray& bytes)
{
    auto encoding = QStringConverter::encodingForData(bytes);
    if (!encoding)
        encoding = unmarkedUtf16(bytes);
    if (encoding) {
        QStringDecoder decoder(*encoding, QStringDecoder::Flag::Stateless);
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

DrawsFileText decodeDrawsFile(const QByteArray& bytes, const QString& where)
{
    const bool recognised = QStringConverter::encodingForData(bytes) || unmarkedUtf16(bytes);
    if (!recognised && bytes.contains('\0'))
        return {std::nullopt,
                QStringLiteral("%1: holds zero bytes: UTF-16 text without a byte order mark that could not be "
                               "recognised, or no text; save it as UTF-8")
                    .arg(where),
                QStringLiteral("%1 里有零字节：可能是不带字节顺序标记（BOM）的 UTF-16 文本，无法确定读法，或者根本不是"
                               "文本。请用记事本“另存为”UTF-8 后再导入。")
                    .arg(where)};
    return {decodeDrawsText(bytes), {}, {}};
}

DrawsFileText readDrawsFile(const QString& path, qint64 limit)
{
    const InputBytes input = readInputFile(path, limit);
    if (!input.bytes)
        return {std::nullopt, input.error, input.message};
    return decodeDrawsFile(*input.bytes, path == QLatin1String("-") ? QStringLiteral("standard input") : path);
}

} // namespace shrink4
