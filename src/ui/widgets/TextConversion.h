#pragma once
// Conditions read text with CR LF line breaks (as schemes store it); Qt's text boxes
// hold plain LF. These two convert at the boundary.

#include <QString>

#include <string>
#include <string_view>

namespace shrink4 {

// Widget text to condition text: every LF becomes CR LF.
std::string toInputText(const QString& widgetText);
// Condition text to widget text: every CR LF becomes LF.
QString fromInputText(std::string_view inputText);

} // namespace shrink4
