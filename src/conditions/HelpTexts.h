#pragma once
// The help texts of the condition boxes: shown in an empty box as its placeholder, and a
// box whose text is its help text alone counts as empty (schemes of the first version
// stored them as content).

#include <string_view>

namespace shrink4::help {

inline constexpr std::string_view kBasePool = "大底号码，双击清空";
inline constexpr std::string_view kStraightKill =
    "不懂使用请看软件教程\r\n"
    "每注号码之间用空格、逗号或换行隔开\r\n"
    "双击清空";
inline constexpr std::string_view kJunkCompound = "不懂使用请看软件教程";
inline constexpr std::string_view kCodeList = "不懂使用请看软件教程\r\n双击清空";
inline constexpr std::string_view kPositionalKill =
    "按格式举例输入，可杀指定位置的2码组合\r\n"
    "或者三码组合\r\n"
    "\r\n"
    "如不懂就请软件使用教程";
inline constexpr std::string_view kSumValue = "和值输入要保持2位数，例如：00.05.08.16....";
inline constexpr std::string_view kTolerance = "0";

// What an empty box shows. The texts above sent the player to a tutorial by a name no
// button has; they stay as they are, since saved schemes hold them, and the box shows
// the way to the guide instead.
struct Placeholder {
    std::string_view help;
    std::string_view shown;
};
inline constexpr Placeholder kPlaceholders[] = {
    {kStraightKill, "不懂请按 F1 看使用教程\r\n每注号码之间用空格、逗号或换行隔开\r\n双击清空"},
    {kJunkCompound, "每行一注复式，如 12*78*56*89\r\n不懂请按 F1 看使用教程"},
    {kCodeList, "不懂请按 F1 看使用教程\r\n双击清空"},
    {kPositionalKill, "按格式举例输入，可杀指定位置的2码组合\r\n或者三码组合\r\n\r\n不懂请按 F1 看使用教程"},
};

constexpr std::string_view placeholderFor(std::string_view help)
{
    for (const Placeholder& p : kPlaceholders)
        if (p.help == help)
            return p.shown;
    return help;
}

} // namespace shrink4::help
