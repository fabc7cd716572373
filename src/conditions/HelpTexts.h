#pragma once
// The start-up texts of the condition boxes. The help texts double as "empty" markers:
// each holds the word its condition looks for to recognise an untouched box.

#include <string_view>

namespace shrink4::help {

inline constexpr std::string_view kBasePoolHint = "大底号码，双击清空";
inline constexpr std::string_view kBasePool = "大底号码，双击清空\r\n";
inline constexpr std::string_view kStraightKill =
    "不懂使用请看软件教程\r\n"
    "每注号码之间用空格、逗号或换行隔开\r\n"
    "双击清空";
inline constexpr std::string_view kJunkCompound = "不懂使用请看软件教程\r\n";
inline constexpr std::string_view kCodeList = "不懂使用请看软件教程\r\n双击清空\r\n";
inline constexpr std::string_view kPositionalKill =
    "按格式举例输入，可杀指定位置的2码组合\r\n"
    "或者三码组合\r\n"
    "\r\n"
    "如不懂就请软件使用教程";
inline constexpr std::string_view kSumValue = "和值输入要保持2位数，例如：00.05.08.16....";
inline constexpr std::string_view kTolerance = "0";

// Markers by which the verdict and the stages recognise a box still holding help text.
inline constexpr std::string_view kBasePoolMarker = "双击";
inline constexpr std::string_view kCodeMarker = "不";
inline constexpr std::string_view kPositionalMarker = "入";
inline constexpr std::string_view kSumValueMarker = "位数";
inline constexpr std::string_view kSumValueOffMarker = "："; // full-width colon

} // namespace shrink4::help
