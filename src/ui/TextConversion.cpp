#include "TextConversion.h"

namespace shrink4 {

// Both directions are one pass over the bytes: QString::replace grows a string in
// chunks and turns quadratic on a paste of two million lines.

std::string toInputText(const QString& widgetText)
{
    const QByteArray utf8 = widgetText.toUtf8();
    const std::string_view utf8View(utf8.constData(), std::size_t(utf8.size()));
    std::string text;
    text.reserve(utf8View.size() + utf8View.size() / 4);
    std::size_t from = 0;
    for (std::size_t lf = utf8View.find('\n'); lf != std::string_view::npos; lf = utf8View.find('\n', from)) {
        text.append(utf8View, from, lf - from);
        text += lf > 0 && utf8View[lf - 1] == '\r' ? "\n" : "\r\n";
        from = lf + 1;
    }
    text.append(utf8View, from);
    return text;
}

QString fromInputText(std::string_view inputText)
{
    std::string text;
    text.reserve(inputText.size());
    std::size_t from = 0;
    for (std::size_t crlf = inputText.find("\r\n"); crlf != std::string_view::npos;
         crlf = inputText.find("\r\n", from)) {
        text.append(inputText, from, crlf - from);
        from = crlf + 1; // the LF starts the next piece
    }
    text.append(inputText, from);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace shrink4
