#pragma once
// What the commands that read past draws share: the DRAWS file and how it is read
// (--digits, --take, --columns), --last N and --rule.

#include "engine/Draws.h"
#include "trends/TrendRules.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <vector>

namespace shrink4::cli {

// Adds --digits, --take and --columns.
void addLayoutOptions(QCommandLineParser& parser);

// The layout those options give; none (the error printed, naming the option) when one is
// bad.
std::optional<DrawsLayout> layoutOptions(const QCommandLineParser& parser, const QString& command);

// Reads DRAWS as the layout options say, printing the error on failure.
std::optional<std::vector<Draw>> loadDraws(const QString& command, const QString& path,
                                           const QCommandLineParser& parser);

// The value of --last: 0 when it is not given, none (the error printed) when it is not a
// whole number of 1 or more.
std::optional<int> lastCount(const QCommandLineParser& parser, const QCommandLineOption& last, const QString& command);

// Keeps the latest `last` draws (all when last is 0).
void keepLatest(std::vector<Draw>& draws, int last);

// Every --rule in the order given; none (the error printed) when one cannot be read.
std::optional<std::vector<trends::Rule>> ruleOptions(const QCommandLineParser& parser, const QCommandLineOption& rule,
                                                     const QString& command);

QCommandLineOption lastOption();
QCommandLineOption ruleOption();

} // namespace shrink4::cli
