#include "ArgumentBytes.h"

#include <QCoreApplication>
#include <QFile>

namespace shrink4 {

namespace {

constexpr char16_t kStrayByteBase = 0xDC00;

// A low surrogate of that range after a high one is half of a real character.
bool isStrayByte(const QString& text, qsizetype at)
{
    const char16_t c = text.at(at).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (at == 0 || !text.at(at - 1).isHighSurrogate());
}

// Bytes in a valid UTF-8 sequence led by this byte; 0 for a byte that cannot lead one.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// Qt decodes a name with QFile::decodeName; a sequence it gives back unchanged is valid
// (overlong forms and encoded surrogates are not).
bool decodesBack(const QByteArray& sequence)
{
    return !sequence.isEmpty() && QFile::encodeName(QFile::decodeName(sequence)) == sequence;
}

QString decodedArgument(const QByteArray& bytes)
{
    if (bytes.isEmpty() || decodesBack(bytes))
        return QFile::decodeName(bytes);
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const QByteArray sequence = bytes.mid(at, sequenceLength(static_cast<unsigned char>(bytes.at(at))));
        if (decodesBack(sequence)) {
            text += QFile::decodeName(sequence);
            at += sequence.size();
        } else {
            text += QChar(char16_t(kStrayByteBase + static_cast<unsigned char>(bytes.at(at++))));
        }
    }
    return text;
}

QString hexEscape(unsigned value)
{
    return QStringLiteral("\\x%1").arg(value, 2, 16, QLatin1Char('0'));
}

} // namespace

QStringList argumentsOf(int argc, const char* const* argv)
{
#ifdef Q_OS_WIN
    // Windows passes arguments as UTF-16; argv holds them in the ANSI code page, which
    // cannot spell every name. Qt reads the UTF-16 ones.
    if (QCoreApplication::instance())
        return QCoreApplication::arguments();
#endif
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << decodedArgument(QByteArray(argv[i]));
    return arguments;
}

bool holdsStrayBytes(const QString& name)
{
    for (qsizetype at = 0; at < name.size(); ++at)
        if (isStrayByte(name, at))
            return true;
    return false;
}

QByteArray argumentBytes(const QString& argument)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at <= argument.size(); ++at) {
        if (at < argument.size() && !isStrayByte(argument, at))
            continue;
        bytes += QFile::encodeName(argument.mid(runStart, at - runStart));
        if (at < argument.size())
            bytes += char(argument.at(at).unicode() - kStrayByteBase);
        runStart = at + 1;
    }
    return bytes;
}

QString escaped(const QString& text)
{
    QString out;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (isStrayByte(text, at))
            out += hexEscape(c.unicode() - kStrayByteBase);
        else if (c.category() == QChar::Other_Control) // C0, DEL and C1: all below U+00A0
            out += hexEscape(c.unicode());
        else
            out += c;
    }
    return out;
}

QString quoted(const QString& argument)
{
    QString inner = argument;
    inner.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped(inner) + QLatin1Char('"');
}

} // namespace shrink4
