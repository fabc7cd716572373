#include "SchemeError.h"

#include <algorithm>

namespace shrink4 {

namespace {

QString where(const SchemeError& e)
{
    return e.index < 0 ? e.key : QStringLiteral("%1[%2]").arg(e.key).arg(e.index);
}

QString elementsText(ElementKind kind)
{
    switch (kind) {
    case ElementKind::String:
        return QStringLiteral("strings");
    case ElementKind::Toggle:
        return QStringLiteral("booleans");
    case ElementKind::Check:
        break;
    }
    return QStringLiteral("integers");
}

// What is wrong with one value, after its place.
QString valueText(const SchemeError& e)
{
    switch (e.kind) {
    case SchemeErrorKind::NotString:
        return QStringLiteral("expected a string");
    case SchemeErrorKind::NotArray:
        return QStringLiteral("expected an array of %1 %2").arg(e.length).arg(elementsText(e.elements));
    case SchemeErrorKind::NotCheckValue:
        return QStringLiteral("expected an integer 0, 1 or 2");
    case SchemeErrorKind::CheckOutOfRange:
        return QStringLiteral("check value %1 is outside 0..2").arg(e.detail);
    default:
        break;
    }
    return QStringLiteral("expected true or false");
}

} // namespace

QString englishText(const SchemeError& e)
{
    switch (e.kind) {
    case SchemeErrorKind::None:
        return {};
    case SchemeErrorKind::Unreadable:
        return e.detail;
    case SchemeErrorKind::Empty:
        return QStringLiteral("the file is empty");
    case SchemeErrorKind::Utf16:
        return QStringLiteral("not UTF-8: the text looks like UTF-16; save it as UTF-8");
    case SchemeErrorKind::NotUtf8:
        return QStringLiteral("not UTF-8: invalid byte at offset %1").arg(e.at.offset);
    case SchemeErrorKind::NotJson:
        return QStringLiteral("not JSON: %1 at offset %2").arg(e.detail).arg(e.at.offset);
    case SchemeErrorKind::NotObject:
        return QStringLiteral("not a scheme: the top level must be a JSON object");
    case SchemeErrorKind::RepeatedKey:
        return QStringLiteral("key \"%1\" is given twice").arg(e.key);
    case SchemeErrorKind::UnknownKey:
        return QStringLiteral("unknown key \"%1\"").arg(e.key);
    case SchemeErrorKind::BadVersion:
        return QStringLiteral("\"%1\" must be the integer 1").arg(e.key);
    case SchemeErrorKind::ControlsNotObject:
        return QStringLiteral("\"%1\" must be an object").arg(e.key);
    default:
        break;
    }
    return where(e) + QStringLiteral(": ") + valueText(e);
}

FilePosition positionIn(const QByteArray& bytes, qsizetype offset, qsizetype skipped)
{
    const qsizetype end = std::clamp<qsizetype>(offset, 0, bytes.size());
    const qsizetype lineStart = end > 0 ? bytes.lastIndexOf('\n', end - 1) + 1 : 0;
    FilePosition at{offset + skipped, int(bytes.first(end).count('\n')) + 1, 1};
    for (qsizetype i = lineStart; i < end; ++i)
        at.column += (static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80; // lead bytes only
    return at;
}

} // namespace shrink4
