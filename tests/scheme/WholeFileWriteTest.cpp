// A write killed half-way: the file is the old one or the new one, whole, and nothing is
// left beside it for anyone to clean up.

#include "scheme/WholeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

using namespace shrink4;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The size of a file the process has open in folder, as the system lists its descriptors
// (an unnamed temporary shows there too, as "folder/#inode (deleted)"); -1 when none.
std::intmax_t openFileSizeIn(pid_t pid, const QString& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string prefix = folder.toStdString() + '/';
    for (const fs::directory_entry& fd : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        const std::string target = fs::read_symlink(fd.path(), error).string();
        if (!error && target.starts_with(prefix)) {
            const std::uintmax_t size = fs::file_size(fd.path(), error);
            return error ? -1 : std::intmax_t(size);
        }
    }
    return -1;
}

// Replaces path with bytes over and over, until killed.
[[noreturn]] void writeForever(const QString& path, const QByteArray& bytes)
{
    QString reason;
    while (writeWholeFile(path, bytes, &reason)) {
    }
    ::_exit(1);
}

// Starts a writer and kills it once it has written part of its temporary; false when it
// was never caught half-way.
bool killMidWrite(const QString& folder, const QString& path, const QByteArray& bytes)
{
    const pid_t child = ::fork();
    if (child == 0)
        writeForever(path, bytes);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool seen = false;
    while (!seen && std::chrono::steady_clock::now() < deadline) {
        const std::intmax_t written = openFileSizeIn(child, folder);
        seen = written > 0 && written < bytes.size();
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return seen && WIFSIGNALED(status);
}

} // namespace

TEST(WholeFileWrite, AKilledWriteLeavesTheFileWholeAndNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2拼接4.txt"));
    const QByteArray old = "1234 5678\r\n";
    ASSERT_TRUE(writeWholeFile(path, old, nullptr));
    // Large enough that most of the writer's time goes to filling the temporary.
    const QByteArray fresh(16 * 1024 * 1024, '7');

    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(killMidWrite(dir.path(), path, fresh)) << "the writer was never caught writing";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("2拼接4.txt")});
        const QByteArray now = readAll(path);
        EXPECT_TRUE(now == old || now == fresh) << "a file of " << now.size() << " bytes, neither old nor new";
    }
}
