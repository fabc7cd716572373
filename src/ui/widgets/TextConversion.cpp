#include "TextConversion.h"

namespace shrink4 {

// Both directions are one pass over the bytes: QString::replace grows a string in
// chunks and turns quadratic on a paste of two million lines.

namespace {

std::string toInputTextViaUtf8(const QString& widgetText)
{
    const QByteArray utf8 = widgetText.toUtf8();
    std::string text(std::size_t(utf8.size() + utf8.count('\n')), '\0');
    char* out = text.data();
    char previous = 0;
    for (const char c : utf8) {
        if (c == '\n' && previous != '\r')
            *out++ = '\r';
        *out++ = c;
        previous = c;
    }
    text.resize(std::size_t(out - text.data()));
    return text;
}

} // namespace

// Lists of numbers are ASCII: those convert in one pass straight from UTF-16, at a third
// of the cost of encoding first and adding the CRs after.
std::string toInputText(const QString& widgetText)
{
    const auto* units = reinterpret_cast<const char16_t*>(widgetText.constData());
    const std::size_t n = std::size_t(widgetText.size());
    std::string text(2 * n, '\0'); // room for a CR before every unit
    char* out = text.data();
    char16_t previous = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = units[i];
        if (c >= 0x80)
            return toInputTextViaUtf8(widgetText);
        if (c == u'\n' && previous != u'\r')
            *out++ = '\r';
        *out++ = char(c);
        previous = c;
    }
    text.resize(std::size_t(out - text.data()));
    return text;
}

QString fromInputText(std::string_view inputText)
{
    if (inputText.find('\r') == std::string_view::npos) // a rewritten code list, say
        return QString::fromUtf8(inputText.data(), qsizetype(inputText.size()));
    std::string text(inputText.size(), '\0');
    char* out = text.data();
    const std::size_t n = inputText.size();
    for (std::size_t i = 0; i < n; ++i)
        if (!(inputText[i] == '\r' && i + 1 < n && inputText[i + 1] == '\n'))
            *out++ = inputText[i];
    return QString::fromUtf8(text.data(), qsizetype(out - text.data()));
}

} // namespace shrink4
