#pragma once
// Where the guide explains each part of the program: a section is a page of the guide
// with an anchor ("shapes.html#big-small"). The widgets say which part they are by a
// property set when they are built; F1 walks up from the focus to the first one that does.

#include "conditions/ConditionTable.h"

#include <QString>

class QWidget;

namespace shrink4::guide {

// On a condition frame: its Frame, as an int.
inline constexpr char kFrameProperty[] = "conditionFrame";
// On a page of the paged text conditions: its index.
inline constexpr char kPageProperty[] = "conditionPage";
// On any other widget with a section of its own (a tool window, a result frame): the section.
inline constexpr char kSectionProperty[] = "guideSection";

inline const QString kContents = QStringLiteral("index.html");
inline const QString kResult = QStringLiteral("results.html#result");
inline const QString kMoney = QStringLiteral("results.html#money");
inline const QString kPrizeCheck = QStringLiteral("results.html#prize-check");
inline const QString kTools = QStringLiteral("results.html#tools");
inline const QString kStats = QStringLiteral("tools.html#stats");
inline const QString kHistory = QStringLiteral("tools.html#history");
inline const QString kTrends = QStringLiteral("tools.html#trends");
inline const QString kSplice = QStringLiteral("tools.html#splice");
inline const QString kSets = QStringLiteral("tools.html#sets");

QString frameSection(Frame frame);
// The section of one page of the paged text conditions.
QString pageSection(int page);

// The section of the part of the program that holds `widget`: the nearest widget at or
// above it that names one, else the contents.
QString sectionFor(const QWidget* widget);

} // namespace shrink4::guide
