// The real program on the command line, with no display at all: the batch run reproduces the
// model's reference trials, and bad command lines and unwritable files end with the promised
// exit statuses and leave nothing behind.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace morvanta {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class BatchProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* program = std::getenv("MORVANTA_PROGRAM");
        ASSERT_NE(program, nullptr) << "MORVANTA_PROGRAM names the program under test";
        program_ = program;
        dir_ = fs::temp_directory_path() /
               ("morvanta-batch-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    // Runs the program with no X display, arguments given to the shell as they stand.
    Result Run(const std::string& arguments, const std::string& environment = "") const {
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + environment + " '" +
                                    program_ + "' " + arguments + " >'" + out.string() + "' 2>'" +
                                    err.string() + "'";
        const int raw = std::system(command.c_str());
        Result result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        result.out = Read(out);
        result.err = Read(err);
        fs::remove(out);
        fs::remove(err);
        return result;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
        return fields;
    }

    std::string program_;
    fs::path dir_;
};

struct Reference {
    const char* seed;
    const char* scenario;
    double n1End;
    double n2End;
    double tolerance;  // half a unit in the last digit known
    const char* steps;
    const char* outcome;
};

TEST_F(BatchProgram, ReproducesTheReferenceTrialsWithoutADisplay) {
    const Reference references[] = {
        {"0", "0", 0.8999999994, 0.8152742, 5e-8, "1000", "limit"},
        {"43200000", "comp-severe", 0.0099037, 0.8729449, 5e-8, "675", "extinct"},
        {"86399999", "reversed", 0.4967309, 0.9015543, 5e-8, "5", "capacity"},
        {"0", "2", 0.0, 0.0258361, 5e-8, "1", "extinct"},
    };
    for (const Reference& r : references) {
        SCOPED_TRACE(std::string("seed ") + r.seed + ", scenario " + r.scenario);
        const Result result = Run(std::string("--batch --trials 1 --csv=- --seed=") + r.seed +
                                  " --scenario " + r.scenario);
        ASSERT_EQ(result.status, 0) << result.err;
        std::stringstream lines(result.out);
        std::string header, row, extra;
        std::getline(lines, header);
        std::getline(lines, row);
        EXPECT_FALSE(std::getline(lines, extra)) << "one trial, one row";
        EXPECT_EQ(header,
                  "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome");
        const auto f = Fields(row);
        ASSERT_EQ(f.size(), 11U) << row;
        EXPECT_EQ(f[0], "1");
        EXPECT_EQ(f[1], r.seed);
        EXPECT_NEAR(std::stod(f[7]), r.n1End, r.tolerance);
        EXPECT_NEAR(std::stod(f[8]), r.n2End, r.tolerance);
        EXPECT_EQ(f[9], r.steps);
        EXPECT_EQ(f[10], r.outcome);
    }
}

TEST_F(BatchProgram, RefusedCommandLinesExitWithStatus2AndAMessage) {
    // The parser's own test has the full list; here, that nothing reaches the toolkit.
    for (const std::string arguments : {"-reverse", "-stylesheet /dev/null", "-platform offscreen",
                                        "-qwindowtitle x", "--batch --seed 86400000"}) {
        const Result result = Run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find("morvanta: "), std::string::npos)
            << arguments << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << arguments;
    }
    const Result help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
    const Result version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("morvanta ", 0), 0U) << version.out;
}

TEST_F(BatchProgram, AFileThatCannotBeWrittenExitsWith1AndLeavesNothing) {
    const fs::path locked = dir_ / "locked";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const bool root = ::geteuid() == 0;  // root writes anywhere; a missing folder stops it
    const fs::path folder = root ? dir_ / "missing" : locked;
    for (const std::string option : {"--csv", "--png"}) {
        const fs::path target = folder / "out";
        const Result result = Run("--batch --seed 5 " + option + " " + target.string());
        EXPECT_EQ(result.status, 1) << option;
        EXPECT_NE(result.err.find(target.string()), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(target));
    }
    // A write that fails half way (the file size limit, 4 KiB, is below a 100-trial table or
    // plot) leaves neither the file nor its temporary copy.
    const fs::path out = dir_ / "out";
    for (const std::string option : {"--csv", "--png"}) {
        const std::string command = "trap '' XFSZ; ulimit -f 4; env -u DISPLAY '" + program_ +
                                    "' --batch --trials 100 --seed 5 " + option + " '" +
                                    out.string() + "' 2>/dev/null";
        const int raw = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << option << ": " << raw;
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path() != locked) left.push_back(entry.path().filename());
        EXPECT_TRUE(left.empty()) << option << " left " << ::testing::PrintToString(left);
    }
}

TEST_F(BatchProgram, StandardOutputThatCannotTakeTheTableExitsWith1) {
    // The table is buffered: only flushing it finds the full device.
    const std::string command =
        "env -u DISPLAY '" + program_ + "' --batch --seed 5 --csv - >/dev/full 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
}

TEST_F(BatchProgram, APipeIsWrittenToNotReplaced) {
    const fs::path pipe = dir_ / "pipe";
    const fs::path got = dir_ / "got";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string command =
        "(timeout 10 cat '" + pipe.string() + "' >'" + got.string() + "' &); env -u DISPLAY '" +
        program_ + "' --batch --seed 5 --trials 1 --csv '" + pipe.string() + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    EXPECT_TRUE(fs::is_fifo(pipe)) << "the pipe was replaced by a file";
    const auto lines = [&] {
        const std::string text = Read(got);
        return std::count(text.begin(), text.end(), '\n');
    };
    for (int i = 0; i < 100 && lines() < 2; ++i) ::usleep(50'000);  // the reader may lag
    EXPECT_EQ(Read(got).rfind("trial,seed,", 0), 0U) << Read(got);
}

TEST_F(BatchProgram, TheToolkitsPlatformVariableStillOpensTheWindow) {
    // No display and no arguments: the window opens off screen and keeps running until it is
    // stopped, instead of failing or being refused.
    const Result result = Run("", "QT_QPA_PLATFORM=offscreen timeout 2");
    EXPECT_EQ(result.status, 124) << "the window did not stay open: " << result.err;
}

}  // namespace
}  // namespace morvanta
