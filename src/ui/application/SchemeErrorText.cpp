#include "SchemeErrorText.h"

#include "conditions/ConditionTable.h"
#include "ui/widgets/QtText.h"

#include <QHash>

#include <algorithm>

namespace shrink4 {

namespace {

using Kind = SchemeErrorKind;

const QString kControlsPrefix = QStringLiteral("controls.");

const ControlMeta* controlNamed(const QString& key)
{
    if (!key.startsWith(kControlsPrefix))
        return nullptr;
    const QStringView name = QStringView(key).mid(kControlsPrefix.size());
    const auto found = std::find_if(kControlMetas.begin(), kControlMetas.end(),
                                    [&](const ControlMeta& c) { return name == keyString(c.key); });
    return found == kControlMetas.end() ? nullptr : &*found;
}

// A box or button of an array control as the window shows it: "通杀码“7”",
// "定位杀百位“7”", "胆组第 2 组“7”", "过滤条件总容错的上限".
QString elementCaption(const ControlMeta& c, int index)
{
    const QString caption = toQString(c.caption);
    if (c.kind == ControlKind::Range)
        return QStringLiteral("%1的%2").arg(caption, toQString(captions::kBounds[std::size_t(index % 2)]));
    if (c.items.empty())
        return caption;
    const std::size_t per = c.items.size();
    const QString item = QStringLiteral("“%1”").arg(toQString(c.items[std::size_t(index) % per]));
    const std::size_t group = std::size_t(index) / per;
    if (std::size_t(index) < per)
        return caption + item;
    if (c.id == ControlId::positionDigits)
        return caption + toQString(captions::kPositions[group % captions::kPositions.size()]) + item;
    return QStringLiteral("%1第 %2 组%3").arg(caption).arg(group + 1).arg(item);
}

// What the file names, in the window's words.
QString placeCaption(const SchemeError& e)
{
    if (const ControlMeta* c = controlNamed(e.key))
        return e.index < 0 ? toQString(c->caption) : elementCaption(*c, e.index);
    if (e.key == QLatin1String("shrink4-scheme"))
        return QStringLiteral("版本号");
    if (e.key == QLatin1String("controls"))
        return QStringLiteral("条件部分");
    return QStringLiteral("同一名称");
}

QString syntaxText(QJsonParseError::ParseError error)
{
    using P = QJsonParseError;
    static const QHash<int, QString> phrases = {
        {P::UnterminatedObject, QStringLiteral("大括号 { 没有对应的 }")},
        {P::MissingNameSeparator, QStringLiteral("名称后缺少冒号")},
        {P::UnterminatedArray, QStringLiteral("方括号 [ 没有对应的 ]")},
        {P::MissingValueSeparator, QStringLiteral("两项之间缺少逗号")},
        {P::IllegalValue, QStringLiteral("这里的内容无法识别")},
        {P::TerminationByNumber, QStringLiteral("文件在一个数字处突然结束")},
        {P::IllegalNumber, QStringLiteral("数字的写法有误")},
        {P::IllegalEscapeSequence, QStringLiteral("反斜杠后的写法有误")},
        {P::IllegalUTF8String, QStringLiteral("文字里有无效的字符")},
        {P::UnterminatedString, QStringLiteral("引号没有结束")},
        {P::MissingObject, QStringLiteral("缺少最外层的大括号")},
        {P::DeepNesting, QStringLiteral("括号套得太深")},
        {P::DocumentTooLarge, QStringLiteral("文件太大")},
        {P::GarbageAtEnd, QStringLiteral("结尾后还有多余的内容")},
    };
    return phrases.value(error, QStringLiteral("格式有误"));
}

QString elementsText(ElementKind kind)
{
    switch (kind) {
    case ElementKind::String:
        return QStringLiteral("段文字");
    case ElementKind::Toggle:
        return QStringLiteral("个按钮的选中与否");
    case ElementKind::Check:
        break;
    }
    return QStringLiteral("个勾选值");
}

QString valueText(const SchemeError& e)
{
    const QString place = placeCaption(e);
    switch (e.kind) {
    case Kind::NotString:
        return QStringLiteral("%1应为加引号的文字").arg(place);
    case Kind::NotArray:
        return QStringLiteral("%1应有 %2 %3").arg(place).arg(e.length).arg(elementsText(e.elements));
    case Kind::NotCheckValue:
        return QStringLiteral("%1的勾选值应为 0（不勾）、1（勾选）或 2（灰色）").arg(place);
    case Kind::CheckOutOfRange:
        return QStringLiteral("%1的勾选值 %2 不在 0 到 2 之内").arg(place, e.detail);
    default:
        break;
    }
    return QStringLiteral("%1应为选中或不选").arg(place);
}

QString withoutPlace(const SchemeError& e)
{
    switch (e.kind) {
    case Kind::None:
        return {};
    case Kind::Unreadable:
        return e.detail;
    case Kind::Empty:
        return QStringLiteral("文件是空的");
    case Kind::Utf16:
        return QStringLiteral("文件是 UTF-16 编码，请用记事本等另存为 UTF-8 编码");
    case Kind::NotUtf8:
        return QStringLiteral("文件不是 UTF-8 编码，请用记事本等另存为 UTF-8 编码");
    case Kind::NotJson:
        return QStringLiteral("不是方案文件，或文件已损坏：%1").arg(syntaxText(e.syntax));
    case Kind::NotObject:
        return QStringLiteral("不是方案文件：最外层应是大括号括起的内容");
    case Kind::RepeatedKey:
        return QStringLiteral("%1写了两次").arg(placeCaption(e));
    case Kind::UnknownKey:
        return e.key.startsWith(kControlsPrefix) ? QStringLiteral("有本程序不认识的条件，可能来自更新的版本")
                                                 : QStringLiteral("有本程序不认识的内容，可能来自更新的版本");
    case Kind::BadVersion:
        return QStringLiteral("不是本程序能读的方案：版本号应为 1");
    case Kind::ControlsNotObject:
        return QStringLiteral("缺少条件部分，或其格式有误");
    default:
        break;
    }
    return valueText(e);
}

} // namespace

QString schemeErrorText(const SchemeError& e)
{
    const QString text = withoutPlace(e);
    if (!e.at.known())
        return text;
    return QStringLiteral("%1（第 %2 行第 %3 个字）")
        .arg(text, QString::number(e.at.line), QString::number(e.at.column));
}

} // namespace shrink4
