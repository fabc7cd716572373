#pragma once
// The captions of the boxes and buttons inside a condition, in index order. The shape
// captions are also the shape codes their boxes kill.

#include <array>
#include <string_view>

namespace shrink4::captions {

inline constexpr std::array<std::string_view, 10> kDigits = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
inline constexpr std::array<std::string_view, 6> kAcValues = {"1", "2", "3", "4", "5", "6"};
inline constexpr std::array<std::string_view, 5> kDanCounts = {"0", "1", "2", "3", "4"};
inline constexpr std::array<std::string_view, 4> kPositions = {"千位", "百位", "十位", "个位"};
inline constexpr std::array<std::string_view, 2> kBounds = {"下限", "上限"};

inline constexpr std::array<std::string_view, 6> kSpecialShapes = {"上山", "下山", "凸型", "凹形", "N型", "反N型"};
inline constexpr std::array<std::string_view, 9> kSpecialExclusions = {"豹子", "不连",   "2连",    "3连",     "4连",
                                                                       "散号", "对子号", "三同号", "两个对子"};

inline constexpr std::array<std::string_view, 16> kBigSmall = {
    "大大大大", "大大小大", "大小大大", "大小小大", "小大大大", "小大小大", "小小大大", "小小小大",
    "大大大小", "大大小小", "大小大小", "大小小小", "小大大小", "小大小小", "小小大小", "小小小小"};
inline constexpr std::array<std::string_view, 16> kOddEven = {
    "奇奇奇奇", "奇奇偶奇", "奇偶奇奇", "奇偶偶奇", "偶奇奇奇", "偶奇偶奇", "偶偶奇奇", "偶偶偶奇",
    "奇奇奇偶", "奇奇偶偶", "奇偶奇偶", "奇偶偶偶", "偶奇奇偶", "偶奇偶偶", "偶偶奇偶", "偶偶偶偶"};
inline constexpr std::array<std::string_view, 16> kPrimeComposite = {
    "质质质质", "质质合质", "质合质质", "质合合质", "合质质质", "合质合质", "合合质质", "合合合质",
    "质质质合", "质质合合", "质合质合", "质合合合", "合质质合", "合质合合", "合合质合", "合合合合"};
inline constexpr std::array<std::string_view, 81> kRoad = {
    "0000", "0100", "0200", "1000", "1100", "1200", "2000", "2100", "2200", "2101", "2001", "1201", "1101", "1001",
    "0201", "0101", "0001", "2201", "2102", "2002", "1202", "1102", "1002", "0202", "0102", "0002", "2202", "2110",
    "2010", "1210", "1110", "1010", "0210", "0110", "0010", "2210", "2111", "2011", "1211", "1111", "1011", "0211",
    "0111", "0011", "2211", "2112", "2012", "1212", "1112", "1012", "0212", "0112", "0012", "2212", "2120", "2020",
    "1220", "1120", "1020", "0220", "0120", "0020", "2220", "2121", "2021", "1221", "1121", "1021", "0221", "0121",
    "0021", "2221", "2122", "2022", "1222", "1122", "1022", "0222", "0122", "0022", "2222"};

} // namespace shrink4::captions
