#include "Gb18030.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace shrink4 {

namespace {

constexpr char kName[] = "GB18030";

#ifdef Q_OS_WIN
// GBK, what Chinese Windows calls ANSI, is the part of GB18030 nearly every text uses; it
// stands in where a system (wine, say) lacks GB18030 itself.
UINT codePage()
{
    constexpr UINT kGb18030 = 54936;
    constexpr UINT kGbk = 936;
    return IsValidCodePage(kGb18030) ? kGb18030 : kGbk;
}

bool fitsWindows(qsizetype size)
{
    return size <= std::numeric_limits<int>::max() / 4;
}
#endif

} // namespace

std::optional<QString> fromGb18030(const QByteArray& bytes)
{
    if (QStringDecoder decoder(kName); decoder.isValid())
        return QString(decoder.decode(bytes));
#ifdef Q_OS_WIN
    if (bytes.isEmpty())
        return QString();
    if (!fitsWindows(bytes.size()))
        return std::nullopt;
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(codePage(), 0, bytes.constData(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(codePage(), 0, bytes.constData(), size, reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
#else
    return std::nullopt;
#endif
}

std::optional<QByteArray> toGb18030(const QString& text)
{
    if (QStringEncoder encoder(kName); encoder.isValid())
        return QByteArray(encoder.encode(text));
#ifdef Q_OS_WIN
    if (text.isEmpty())
        return QByteArray();
    if (!fitsWindows(text.size()))
        return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = int(text.size());
    const int length = WideCharToMultiByte(codePage(), 0, wide, size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(codePage(), 0, wide, size, bytes.data(), length, nullptr, nullptr);
    return bytes;
#else
    return std::nullopt;
#endif
}

} // namespace shrink4
