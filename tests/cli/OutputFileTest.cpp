// shrink4-cli run --output FILE: the same bytes as standard output, a file written whole
// or not at all, a device or pipe written in place.

#include "cli/CliTestSupport.h"
#include "gui/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

using namespace shrink4::testing;

namespace {

// No conditions: all 10,000 numbers, some 50 KB of output.
const QByteArray kEmptyScheme = R"({"shrink4-scheme": 1, "controls": {}})";

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(OutputFile, HoldsExactlyWhatWouldBePrinted)
{
    TempInput scheme(R"({"shrink4-scheme": 1, "controls": {"T_dadi_nb": "0002 0001 0003"}})");
    for (const QStringList& extra : {QStringList{}, QStringList{QStringLiteral("--json")}}) {
        const auto printed = runCli(QStringList{QStringLiteral("run")} + extra + QStringList{scheme.path()});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x')); // a longer file is replaced, not overwritten in part
        old.close();
        const auto written = runCli(QStringList{QStringLiteral("run"), QStringLiteral("--output"), path} + extra
                                    + QStringList{scheme.path()});
        EXPECT_EQ(written.exitCode, 0) << written.err.constData();
        EXPECT_TRUE(written.out.isEmpty());
        EXPECT_EQ(fileBytes(path), printed.out);
        EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("out.txt")});
    }
}

// Each way the file cannot be written: exit 1, one line on standard error, nothing on
// standard output, the old file as it was and no temporary left beside it.
TEST(OutputFile, FailureChangesNothing)
{
    struct Case {
        const char* name;
        const char* target; // inside the temporary folder
        bool folderInTheWay;
        long sizeLimit;     // bytes, or -1 for none
        const char* reason; // the system's words
    };
    const Case cases[] = {
        {"a full disk", "out.txt", false, 4096, "File too large"},
        {"a folder in the file's place", "out.txt", true, -1, "directory"},
        {"a missing folder", "no/such/out.txt", false, -1, "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.target));
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir().mkdir(path));
        } else if (!path.contains(QLatin1String("no/such"))) {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old\n");
        }
        const QStringList before = entries(dir.path());
        CliOutcome r;
        {
            std::unique_ptr<shrink4::test::FileSizeLimit> limit;
            if (c.sizeLimit >= 0)
                limit = std::make_unique<shrink4::test::FileSizeLimit>(rlim_t(c.sizeLimit));
            r = runCli({QStringLiteral("run"), QStringLiteral("-o"), path, QStringLiteral("-")}, kEmptyScheme);
        }
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(path.toUtf8()));
        EXPECT_TRUE(r.err.contains(c.reason)) << r.err.constData();
        EXPECT_EQ(entries(dir.path()), before);
        if (!c.folderInTheWay && !path.contains(QLatin1String("no/such"))) {
            EXPECT_EQ(fileBytes(path), QByteArray("old\n"));
        }
    }
}

TEST(OutputFile, AnEmptyNameIsRefused)
{
    const auto r = runCli({QStringLiteral("run"), QStringLiteral("--output="), QStringLiteral("-")}, kEmptyScheme);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
}

namespace {

// Reads a named pipe while shrink4-cli writes it. Opened without blocking before the writer
// comes, so that a writer that never opens the pipe leaves it empty instead of hanging.
class PipeReader {
public:
    explicit PipeReader(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK)),
          m_thread([this] { readUntilStopped(); })
    {
    }
    ~PipeReader() { finish(); }
    QByteArray finish()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
        return m_bytes;
    }

private:
    void readUntilStopped()
    {
        char buffer[65536];
        for (bool stopping = false; !stopping;) {
            stopping = m_stop; // read once more after the writer is gone
            pollfd p{m_fd, POLLIN, 0};
            ::poll(&p, 1, 20);
            for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;)
                m_bytes.append(buffer, n);
        }
    }

    int m_fd;
    std::atomic<bool> m_stop{false};
    QByteArray m_bytes;
    std::thread m_thread;
};

// Names as bytes: QDir skips the ones that are not UTF-8, and QTemporaryDir cannot remove them.
std::vector<QByteArray> rawEntries(const QByteArray& folder)
{
    std::vector<QByteArray> names;
    if (DIR* d = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, ".."))
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct EmptiedOnExit {
    QByteArray folder;
    ~EmptiedOnExit()
    {
        for (const QByteArray& name : rawEntries(folder))
            ::unlink((folder + name).constData());
    }
};

struct stat statOf(const char* path)
{
    struct stat st {};
    ::stat(path, &st);
    return st;
}

} // namespace

// A device or a pipe is written as the shell's > would write it, never replaced by a file.
TEST(OutputFile, DevicesAndPipesAreWrittenInPlace)
{
    const QByteArray printed =
        runCli({QStringLiteral("run"), QStringLiteral("--json"), QStringLiteral("-")}, kEmptyScheme).out;
    ASSERT_GT(printed.size(), 65536); // more than a pipe holds: the writer waits for the reader

    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    PipeReader reader(fifo);
    const auto piped =
        runCli({QStringLiteral("run"), QStringLiteral("--json"), QStringLiteral("-o"), fifo, QStringLiteral("-")},
               kEmptyScheme);
    EXPECT_EQ(piped.exitCode, 0) << piped.err.constData();
    EXPECT_EQ(reader.finish(), printed);
    EXPECT_TRUE(S_ISFIFO(statOf(QFile::encodeName(fifo).constData()).st_mode));

    // As a player, not as root, who could replace /dev/null itself.
    const auto nulled = runCliBytes({"run", "-o", "/dev/null", "-"}, kEmptyScheme, true);
    if (nulled.exitCode == 127)
        GTEST_SKIP() << "shrink4-cli cannot be started as user 65534 here: " << SHRINK4_CLI_PATH;
    EXPECT_EQ(nulled.exitCode, 0) << nulled.err.constData();
    EXPECT_TRUE(nulled.err.isEmpty());
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));

    const auto full = runCliBytes({"run", "-o", "/dev/full", "-"}, kEmptyScheme, true);
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err.count('\n'), 1) << full.err.constData();
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.constData();
    EXPECT_TRUE(S_ISCHR(statOf("/dev/full").st_mode));
}

// File names are bytes: one that is not UTF-8 is read and written under exactly its name.
TEST(OutputFile, NamesThatAreNotUtf8)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const EmptiedOnExit emptied{folder};
    // A stray byte, then a real character whose UTF-16 form ends like an escaped byte would.
    const QByteArray scheme = folder + "s\xff\xf0\x90\x82\x80.json";
    const QByteArray output = folder + "o\xfe.txt";
    for (const auto& [name, bytes] : {std::pair{scheme, kEmptyScheme}, std::pair{output, QByteArray("old\n")}}) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
        ::close(fd);
    }
    const auto r = runCliBytes({"run", "-o", output, scheme});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const int fd = ::open(output.constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(readDescriptor(fd), runCli({QStringLiteral("run"), QStringLiteral("-")}, kEmptyScheme).out);
    ::close(fd);
    // No temporary left, no file of another name.
    EXPECT_EQ(rawEntries(folder), (std::vector<QByteArray>{"o\xfe.txt", "s\xff\xf0\x90\x82\x80.json"}));

    const auto missing = runCliBytes({"run", folder + "no\xffsuch.json"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("no\\xffsuch.json")) << missing.err.constData();
}
