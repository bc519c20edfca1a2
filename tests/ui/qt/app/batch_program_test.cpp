// The real program on the command line, with no display at all: the batch run reproduces the
// model's reference trials, and bad command lines and unwritable files end with the promised
// exit statuses and leave nothing behind.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/driver/outcome_shares.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
#include "core/trial_overrides.h"
#include "core/uniform_random.h"

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
                  "trial,seed,scenario,a12,a21,n1_start,n2_start,n1_end,n2_end,steps,outcome,"
                  "extinct,scenario_name");
        const auto f = Fields(row);
        ASSERT_EQ(f.size(), 13U) << row;
        EXPECT_EQ(f[11], ExtinctWord(EndStateOf({std::stod(f[7]), std::stod(f[8])})));
        EXPECT_EQ(f[12], ScenarioName(ScenarioFromItem(std::stoi(f[2]))));
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

// Command lines as a careless script writes them: each ends with the promised status, the
// promised output and at most one line on the standard error stream. In each, $P is the
// program, run in the test's folder, where log.txt holds "OLD\n" at the start.
struct ScriptCase {
    const char* script;
    int status;
    const char* logStarts;  // what log.txt starts with afterwards
    const char* errorHas;   // in the one line of stderr; "" for none
};

TEST_F(BatchProgram, CarelessScriptsGetThePromisedStatusAndKeepTheirFiles) {
    const ScriptCase cases[] = {
        // What a path only reaches is written in place, as "-" is: the log is added to.
        {"$P --batch --seed 5 --trials 1 --csv /dev/stdout >> log.txt", 0, "OLD\ntrial,seed,", ""},
        {"$P --batch --seed 5 --trials 1 --csv /proc/self/fd/1 >> log.txt", 0, "OLD\ntrial,seed,",
         ""},
        {"$P --batch --seed 5 --trials 1 --csv /dev/fd/2 2>> log.txt", 0, "OLD\ntrial,seed,", ""},
        {"$P --batch --seed 5 --trials 1 --csv /dev/fd/3 3>> log.txt", 0, "OLD\ntrial,seed,", ""},
        {"$P --batch --seed 5 --png /dev/stdout >> log.txt", 0, "OLD\n\x89PNG", ""},
        {"$P --batch --seed 5 --png - >> log.txt", 0, "OLD\n\x89PNG", ""},
        {"ln -s /dev/stdout link && $P --batch --seed 5 --csv link >> log.txt", 0,
         "OLD\ntrial,seed,", ""},
        // The same file twice, however spelled.
        {"$P --batch --csv x --png x", 2, "OLD\n", "name the same file"},
        {"$P --batch --csv x --png ./x", 2, "OLD\n", "name the same file"},
        {"$P --batch --csv log.txt --png \"$PWD/log.txt\"", 2, "OLD\n", "name the same file"},
        {"$P --batch --csv - --png /dev/stdout", 2, "OLD\n", "name the same file"},
        // The file size limit fails the write: the old file stays as it was.
        {"ulimit -f 4; $P --batch --trials 100 --csv log.txt", 1, "OLD\n", "File too large"},
        {"ulimit -f 4; $P --batch --trials 100 --png log.txt", 1, "OLD\n", "File too large"},
        {"ulimit -f 4; $P --batch --scenario 1 --time-course log.txt", 1, "OLD\n",
         "File too large"},
        // A full device, and standard output closed or full.
        {"$P --batch --csv /dev/full", 1, "OLD\n", "No space left on device"},
        {"$P --batch --csv - > /dev/full", 1, "OLD\n", "No space left on device"},
        {"$P --help >&-", 1, "OLD\n", "Bad file descriptor"},
        {"$P --version >&-", 1, "OLD\n", "Bad file descriptor"},
        {"$P --batch --csv - >&-", 1, "OLD\n", "Bad file descriptor"},
        // The toolkit has nothing to say to a batch run.
        {"env -u XDG_RUNTIME_DIR $P --batch --csv log.txt", 0, "trial,seed,", ""},
    };
    for (const ScriptCase& c : cases) {
        SCOPED_TRACE(c.script);
        for (const auto& entry : fs::directory_iterator(dir_)) fs::remove_all(entry.path());
        std::ofstream(dir_ / "log.txt") << "OLD\n";
        const std::string err = (dir_ / "stderr").string();
        const std::string command = "cd '" + dir_.string() + "' && P='" + program_ +
                                    "' && export P && (" + c.script + ") 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw), c.status);
        EXPECT_EQ(Read(dir_ / "log.txt").rfind(c.logStarts, 0), 0U) << Read(dir_ / "log.txt");
        const std::string text = Read(err);
        // A refusal adds the line that points to --help.
        const long lines = c.status == 2 ? 2 : *c.errorHas ? 1 : 0;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), lines) << text;
        EXPECT_NE(text.find(c.errorHas), std::string::npos) << text;
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().filename().string().starts_with("log.txt."))
                left.push_back(entry.path());
        EXPECT_TRUE(left.empty()) << "temporary files left: " << ::testing::PrintToString(left);
    }
}

TEST_F(BatchProgram, AReaderThatWentAwayFailsTheRunInsteadOfKillingIt) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);  // nobody will read
    const std::string err = (dir_ / "stderr").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(ends[1], STDOUT_FILENO);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(errFd, STDERR_FILENO);
        ::execl(program_.c_str(), program_.c_str(), "--batch", "--csv", "-", nullptr);
        ::_exit(127);
    }
    ::close(ends[1]);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    EXPECT_TRUE(WIFEXITED(raw)) << "ended by signal " << WTERMSIG(raw);
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(Read(err), "morvanta: cannot write to standard output: Broken pipe\n");
}

TEST_F(BatchProgram, FileNamesAreTheirBytes) {
    const std::string name = "caf\xe9.csv";  // Latin-1, not UTF-8
    const Result result = Run("--batch --seed 5 --trials 1 --csv '" + (dir_ / name).string() + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Read(dir_ / name).rfind("trial,seed,", 0), 0U);
}

TEST_F(BatchProgram, NoFontsGiveOneWarning) {
    const fs::path config = dir_ / "fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const Result result = Run("--batch --seed 5 --png '" + (dir_ / "p.png").string() + "'",
                              "FONTCONFIG_FILE='" + config.string() + "'");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find("no font"), std::string::npos) << result.err;
}

// Any limit on the address space that lets the program start: memory running out where the
// program or the toolkit can tell (an allocation that throws, the toolkit's fatal message)
// ends the run with status 1 and the program's own line last (fontconfig, short of memory,
// may say so itself before); never with an abort. Below the program's own start (the
// loader, and the libraries' initialisers before main, which a debug build makes larger)
// nothing of the program runs; the limits tried begin where `--version` first succeeds. (A
// library that does not check its allocations may still crash, which is not counted here.)
TEST_F(BatchProgram, LittleMemoryNeverAborts) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
    constexpr int StepMiB = 2, SpanMiB = 60, MostMiB = 1024;
    const auto limited = [](int megabytes) {
        return "sh -c 'ulimit -v " + std::to_string(megabytes * 1024) + "; exec \"$0\" \"$@\"'";
    };
    int start = 40;
    while (start <= MostMiB && Run("--version", limited(start)).status != 0) start += StepMiB;
    ASSERT_LE(start, MostMiB) << "the program does not start in " << MostMiB << " MiB";
    for (int megabytes = start; megabytes <= start + SpanMiB; megabytes += StepMiB) {
        SCOPED_TRACE(std::to_string(megabytes) + " MiB");
        const Result result = Run("--batch --trials 100 --csv '" + (dir_ / "c").string() +
                                      "' --png '" + (dir_ / "p").string() + "'",
                                  limited(megabytes));
        if (result.status == 127) continue;
        EXPECT_NE(result.status, 128 + SIGABRT) << result.err;
        if (result.status != 1) continue;
        const std::size_t last = result.err.rfind('\n', result.err.size() - 2);
        const std::string lastLine = result.err.substr(last == std::string::npos ? 0 : last + 1);
        EXPECT_EQ(lastLine.rfind("morvanta: ", 0), 0U) << result.err;
    }
}

TEST_F(BatchProgram, TheToolkitsPlatformVariableStillOpensTheWindow) {
    // No display and no arguments: the window opens off screen and keeps running until it is
    // stopped, instead of failing or being refused.
    const Result result = Run("", "QT_QPA_PLATFORM=offscreen timeout 2");
    EXPECT_EQ(result.status, 124) << "the window did not stay open: " << result.err;
}

// The model's own steps of every trial of a run, computed here: start first.
std::vector<std::vector<Vector2>> ModelCourses(std::uint32_t seed, Scenario scenario,
                                               const TrialOverrides& overrides, int trials) {
    SeedFromClock(FixedClock::ForSeed(seed));
    ModelState model;
    InitRunParameters(model);
    std::vector<std::vector<Vector2>> courses;
    for (int trial = 0; trial < trials; ++trial) {
        SetUpTrial(model, scenario, overrides);
        std::vector<Vector2> course{model.N};
        int steps = 0;
        do {
            Step(model, scenario);
            course.push_back(model.N);
        } while (!ShouldStop(model, ++steps));
        courses.push_back(course);
    }
    return courses;
}

TEST_F(BatchProgram, OwnCoefficientsGiveTheModelsTrialsStepByStep) {
    struct Case {
        std::string options;
        Scenario scenario;
        TrialOverrides overrides;
        std::size_t winner;  // 0: species 1 ends ahead in every trial, 1: species 2
    };
    const Case cases[] = {
        {"--scenario comp-severe --a12 0.6 --a21 1.4 --start 0.1,0.8",
         Scenario::CompSevere,
         {OffDiagonal{0.6, 1.4}, Vector2{0.1, 0.8}},
         0},
        {"--scenario comp-mild --a12=1.4 --a21=0.6",
         Scenario::CompMild,
         {OffDiagonal{1.4, 0.6}, std::nullopt},
         1},
    };
    const fs::path steps = dir_ / "steps.csv";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        const Result result = Run("--batch --seed 43200000 --csv - --time-course " +
                                  steps.string() + " " + c.options);
        ASSERT_EQ(result.status, 0) << result.err;
        const auto model = ModelCourses(43'200'000, c.scenario, c.overrides, 10);
        std::stringstream trials(result.out);
        std::stringstream rows(Read(steps));
        std::string line;
        std::getline(trials, line);
        std::getline(rows, line);
        EXPECT_EQ(line, "trial,step,n1,n2");
        for (std::size_t t = 0; t < model.size(); ++t) {
            const std::vector<Vector2>& course = model[t];
            ASSERT_TRUE(std::getline(trials, line));
            const auto f = Fields(line);
            ASSERT_EQ(f.size(), 13U) << line;
            EXPECT_EQ(std::stod(f[3]), c.overrides.coefficients->a12);
            EXPECT_EQ(std::stod(f[4]), c.overrides.coefficients->a21);
            EXPECT_EQ((Vector2{std::stod(f[5]), std::stod(f[6])}), course.front()) << line;
            EXPECT_EQ((Vector2{std::stod(f[7]), std::stod(f[8])}), course.back()) << line;
            EXPECT_EQ(std::stoul(f[9]), course.size() - 1) << line;
            EXPECT_GT(course.back()[c.winner], course.back()[1 - c.winner]) << line;
            // The time course: one row for every step of the trial, the start as step 0.
            for (std::size_t step = 0; step < course.size(); ++step) {
                ASSERT_TRUE(std::getline(rows, line)) << "trial " << t + 1 << " step " << step;
                const auto r = Fields(line);
                ASSERT_EQ(r.size(), 4U) << line;
                EXPECT_EQ(r[0], std::to_string(t + 1));
                EXPECT_EQ(r[1], std::to_string(step));
                EXPECT_EQ((Vector2{std::stod(r[2]), std::stod(r[3])}), course[step]) << line;
            }
        }
        EXPECT_FALSE(std::getline(rows, line)) << "no more rows than steps: " << line;
    }
}

TEST_F(BatchProgram, TheOutcomeMapIsTheModelsTrialFromEachStart) {
    // Severe competition (the winner depends on the start) and one winner (a12 0.6, a21 1.4).
    const std::pair<std::string, OffDiagonal> systems[] = {{"", {1.5, 1.5}},
                                                           {"--a12 0.6 --a21 1.4", {0.6, 1.4}}};
    for (const auto& [options, coefficients] : systems) {
        SCOPED_TRACE(options);
        const Result result =
            Run("--batch --scenario comp-severe --grid 10 --outcome-map-csv - " + options);
        ASSERT_EQ(result.status, 0) << result.err;
        std::stringstream rows(result.out);
        std::string line;
        std::getline(rows, line);
        EXPECT_EQ(line, "n1_start,n2_start,steps,outcome,extinct,result");
        int count = 0;
        for (; std::getline(rows, line); ++count) {
            const auto f = Fields(line);
            ASSERT_EQ(f.size(), 6U) << line;
            ModelState model;
            InitRunParameters(model);
            model.A = {{{1.0, coefficients.a12}, {coefficients.a21, 1.0}}};
            model.N = {std::stod(f[0]), std::stod(f[1])};
            EXPECT_EQ(model.N[0], (count % 10 + 0.5) / 10) << line;
            EXPECT_EQ(model.N[1], (count / 10 + 0.5) / 10) << line;
            int steps = 0;
            do Step(model, Scenario::CompSevere);
            while (!ShouldStop(model, ++steps));
            EXPECT_EQ(f[2], std::to_string(steps)) << line;
            EXPECT_EQ(f[3], OutcomeName(OutcomeOf(model))) << line;
            const char* extinct[] = {"2", "1", "both", "none"};
            EXPECT_EQ(f[4], extinct[static_cast<int>(EndStateOf(model.N))]) << line;
            EXPECT_EQ(f[5], ResultName(ResultOf({std::stod(f[0]), std::stod(f[1])}, model.N,
                                                OutcomeOf(model))))
                << line;
        }
        EXPECT_EQ(count, 100);
    }
}

TEST_F(BatchProgram, EachRunsRowsReproduceItsRunAndTheSummaryCountsThemAll) {
    // Three runs from the day's last millisecond: the first keeps it, each run's trials are
    // those of a run of the seed its rows give.
    const fs::path summary = dir_ / "summary.csv";
    const Result runs =
        Run("--batch --scenario comp-severe --trials 10 --seed 86399999 --runs 3 "
            "--csv - --summary " +
            summary.string());
    ASSERT_EQ(runs.status, 0) << runs.err;
    std::vector<std::string> seeds;
    std::stringstream rows(runs.out);
    for (std::string row; std::getline(rows, row);)
        if (const auto f = Fields(row); f[0] == "1") seeds.push_back(f[1]);
    ASSERT_EQ(seeds.size(), 3U);
    EXPECT_EQ(seeds[0], "86399999");
    std::string expected;
    for (const std::string& seed : seeds) {
        const Result one = Run(std::string("--batch --scenario comp-severe --trials 10 --csv - "
                                           "--seed ") +
                               seed);
        expected += one.out.substr(expected.empty() ? 0 : one.out.find('\n') + 1);
    }
    EXPECT_EQ(runs.out, expected);
    std::map<std::string, int> ends;
    std::stringstream trials(runs.out);
    std::string line;
    std::getline(trials, line);
    while (std::getline(trials, line)) {
        const auto f = Fields(line);
        ++ends[EndStateName(EndStateOf({std::stod(f[7]), std::stod(f[8])}))];
    }
    std::stringstream table(Read(summary));
    std::getline(table, line);
    EXPECT_EQ(line, "outcome,trials,share,low95,high95");
    trials = std::stringstream(runs.out);
    std::getline(trials, line);
    while (std::getline(trials, line)) {
        const auto f = Fields(line);
        ++ends[ResultName(ResultOf({std::stod(f[5]), std::stod(f[6])},
                                   {std::stod(f[7]), std::stod(f[8])},
                                   f[10] == "capacity" ? Outcome::Capacity : Outcome::Limit))];
    }
    for (const char* outcome : {"species 2 extinct", "species 1 extinct", "both extinct", "neither",
                                "species 1 won", "species 2 won", "both alive", "reached capacity",
                                "started below 0.01", "started at 0.9 or above"}) {
        ASSERT_TRUE(std::getline(table, line));
        const auto f = Fields(line);
        ASSERT_EQ(f.size(), 5U) << line;
        EXPECT_EQ(f[0], outcome);
        EXPECT_EQ(std::stoi(f[1]), ends[outcome]) << line;
        const Share share = WilsonShare(ends[outcome], 30);
        EXPECT_EQ(std::stod(f[2]), share.share) << line;
        EXPECT_EQ(std::stod(f[3]), share.low95) << line;
        EXPECT_EQ(std::stod(f[4]), share.high95) << line;
    }
    EXPECT_FALSE(std::getline(table, line)) << line;
}

// The peak resident memory of the program run in a shell of its own, in KiB.
long PeakKibibytes(const std::string& command) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        // A child of its own, so that the peak is this command's alone.
        const int raw = std::system(command.c_str());
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        const long peak = WIFEXITED(raw) && WEXITSTATUS(raw) == 0 ? usage.ru_maxrss : -1;
        if (::write(pipeEnds[1], &peak, sizeof peak) != sizeof peak) ::_exit(1);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    long peak = -1;
    if (::read(pipeEnds[0], &peak, sizeof peak) != sizeof peak) peak = -1;
    ::close(pipeEnds[0]);
    ::waitpid(child, nullptr, 0);
    return peak;
}

// The text chunks of a PNG, keyword to text, read by the format's own framing.
std::map<std::string, std::string> PngTexts(const std::string& png) {
    std::map<std::string, std::string> texts;
    const auto word = [&png](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(png.at(at + i));
        return value;
    };
    for (std::size_t at = 8; at + 12 <= png.size(); at += 12 + word(at)) {
        if (png.compare(at + 4, 4, "tEXt") != 0) continue;
        const std::string data = png.substr(at + 8, word(at));
        const std::size_t nul = data.find('\0');
        texts[data.substr(0, nul)] = data.substr(nul + 1);
    }
    return texts;
}

TEST_F(BatchProgram, ASavedPlotSaysWhatItShows) {
    const fs::path png = dir_ / "plot.png";
    const Result result =
        Run("--batch --scenario comp-severe --a12 1.2 --a21 1.9 --seed 43200000 "
            "--isoclines --outcome-map --grid 20 --png " +
            png.string());
    ASSERT_EQ(result.status, 0) << result.err;
    std::map<std::string, std::string> texts = PngTexts(Read(png));
    EXPECT_EQ(texts["Software"].rfind("Morvanta ", 0), 0U) << texts["Software"];
    texts.erase("Software");
    const std::map<std::string, std::string> expected{{"Title", "Phase plane"},
                                                      {"Scenario", "Comp Severe"},
                                                      {"Case", "the winner depends on the start"},
                                                      {"Coefficients", "a12 1.2, a21 1.9"},
                                                      {"Options", "isoclines, outcome map"},
                                                      {"Seed", "43200000"}};
    EXPECT_EQ(texts, expected);
}

TEST_F(BatchProgram, MemoryDoesNotGrowWithTheRuns) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer holds freed memory back, so the peak grows anyway";
#endif
    // Each run's rows are written as it ends and the summary only counts: ten times the runs
    // take no more memory (a table held until the end would add megabytes).
    const auto peakOf = [&](int runs) {
        return PeakKibibytes("env -u DISPLAY '" + program_ + "' --batch --trials 10 --seed 5 " +
                             "--runs " + std::to_string(runs) + " --csv '" + (dir_ / "c").string() +
                             "' --summary '" + (dir_ / "s").string() +
                             "' --time-course /dev/null 2>/dev/null");
    };
    const long few = peakOf(200);
    const long many = peakOf(2000);
    ASSERT_GT(few, 0);
    ASSERT_GT(many, 0);
    constexpr long MarginKibibytes = 1024;
    EXPECT_LE(many, few + MarginKibibytes) << "200 runs: " << few << " KiB, 2000: " << many;
    EXPECT_GT(fs::file_size(dir_ / "c"), 2000U * 10U * 50U) << "every run's trials are there";
}

TEST_F(BatchProgram, LessonOptionErrorsExitWith2AndSayWhy) {
    const std::pair<std::string, std::string> refused[] = {
        {"--a12 1 --a21 1", "start-point draws its own"},
        {"--scenario 1 --a12 1", "give both or neither"},
        {"--scenario 1 --a21 1", "give both or neither"},
        {"--scenario 1 --a12 3.01 --a21 1", "from 0 to 3"},
        {"--scenario 1 --a12 nan --a21 1", "from 0 to 3"},
        {"--scenario 1 --a12 1,5 --a21 1", "from 0 to 3"},
        {"--scenario 2 --start 0.5", "N1,N2"},
        {"--scenario 2 --start 0,0.5", "N1,N2"},
        {"--scenario 2 --start 0.5,1.5", "N1,N2"},
        {"--start 0.5,0.5", "always starts at 0.5,0.5"},
        {"--scenario 1 --csv - --time-course -", "standard output"},
        {"--direction-field=yes", "doesn't allow an argument"},
        {"--scenario 1 --grid 9", "10 to 400"},
        {"--scenario 1 --grid 401", "10 to 400"},
        {"--runs 0", "1 to 100000"},
        {"--runs 100001", "1 to 100000"},
        {"--outcome-map-csv -", "fixed coefficients"},
        {"--outcome-map", "fixed coefficients"},
        {"--scenario 1 --summary - --outcome-map-csv -", "standard output"},
        {"--outcome-map=1", "doesn't allow an argument"},
    };
    for (const auto& [arguments, why] : refused) {
        const Result result = Run("--batch " + arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err.find(why), std::string::npos) << arguments << ": " << result.err;
        EXPECT_TRUE(result.out.empty()) << arguments;
    }
}

}  // namespace
}  // namespace morvanta
