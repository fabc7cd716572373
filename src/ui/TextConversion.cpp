#include "TextConversion.h"

namespace shrink4 {

std::string toInputText(const QString& widgetText)
{
    QString text = widgetText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toStdString();
}

QString fromInputText(std::string_view inputText)
{
    QString text = QString::fromUtf8(inputText.data(), qsizetype(inputText.size()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace shrink4
