#pragma once
#include <QStringList>

namespace shrink4::cli {

// Exit statuses of every subcommand: 2 for bad usage or input, 1 when the output could not
// be written whole (a full disk, a closed pipe).
inline constexpr int kOk = 0;
inline constexpr int kBadInput = 2;
inline constexpr int kOutputFailed = 1;

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments); // arguments[0] is "shrink4-cli <name>"
};

int runCommand(const QStringList& arguments);
int checkCommand(const QStringList& arguments);
int groupCommand(const QStringList& arguments);
int setsCommand(const QStringList& arguments);
int spliceCommand(const QStringList& arguments);
int statsCommand(const QStringList& arguments);
int explainCommand(const QStringList& arguments);
int backtestCommand(const QStringList& arguments);
int trendCommand(const QStringList& arguments);
int applyCommand(const QStringList& arguments);
int oddsCommand(const QStringList& arguments);

} // namespace shrink4::cli
