// tidewell-phases under argument lists made at random, from a fixed seed: whatever it is given,
// it ends by itself with status 0, or with status 2, one line on standard error and nothing on
// standard output.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Ending {
    bool exited = false;  // by itself, not by a signal
    int status = -1;      // the exit status, or the signal
    std::string out, err;
};

// Runs the program with the arguments and TZ (unset for nullptr); kills it after 20 s.
Ending Spawn(const std::vector<std::string>& arguments, const char* tz) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "TZ=", 3) != 0) {
            environment.emplace_back(*entry);
        }
    }
    if (tz != nullptr) {
        environment.push_back(std::string("TZ=") + tz);
    }
    std::vector<char*> argv{const_cast<char*>(TIDEWELL_PHASES)}, envp;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    Ending ending;
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        return ending;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, TIDEWELL_PHASES, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&ending.out, &ending.err};
    for (int open = spawned == 0 ? 2 : 0; open > 0;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(fds, 2, static_cast<int>(left.count())) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                texts[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    close(out[0]);
    close(err[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) {
        return ending;
    }
    ending.exited = WIFEXITED(status);
    ending.status = ending.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return ending;
}

// Argument lists from a fixed seed: options and their values, right and wrong, mixed with bytes
// of every kind but NUL, which no argument can hold.
class Lists {
public:
    explicit Lists(unsigned seed) : random_(seed) {}

    std::vector<std::string> Next() {
        std::vector<std::string> list;
        const int length = Pick(7);
        for (int i = 0; i < length; ++i) {
            const int what = Pick(100);
            if (what < 45) {
                const std::string& option = Any(kOptions);
                list.push_back(option);
                if (Pick(4) != 0) {
                    list.push_back(ValueFor(option));
                }
            } else if (what < 60) {
                const std::string& option = Any(kOptions);
                list.push_back(option + "=" + ValueFor(option));
            } else if (what < 80) {
                list.push_back(Any(kMoments));
            } else {
                list.push_back(Bytes());
            }
        }
        return list;
    }

    const char* Zone() {
        static const char* const kZones[] = {nullptr,         "UTC",
                                             "Europe/Berlin", "Nowhere/Bogus",
                                             "<+0530>-5:30",  "Australia/Lord_Howe"};
        return kZones[Pick(6)];
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    const std::string& Any(const std::vector<std::string>& from) {
        return from[static_cast<std::size_t>(Pick(static_cast<int>(from.size())))];
    }

    std::string ValueFor(const std::string& option) {
        if (Pick(5) == 0) {
            return Bytes();
        }
        if (option == "--zone") {
            return Any(kZoneNames);
        }
        if (option == "--count") {
            return Any(kCounts);
        }
        // No range from 1600 to 9999: it is right, and long to print.
        if (option == "--from") {
            return Pick(8) == 0 ? "9999-12-30" : Any(kDays);
        }
        if (option == "--to") {
            return Pick(8) == 0 ? "1600-01-02" : Any(kDays);
        }
        return Any(kMoments);
    }

    std::string Bytes() {
        std::string bytes;
        const int length = Pick(8) == 0 ? 200 + Pick(200) : Pick(24);
        for (int i = 0; i < length; ++i) {
            switch (Pick(4)) {
                case 0:
                    bytes += static_cast<char>(1 + Pick(31));  // controls, line feed included
                    break;
                case 1:
                    bytes += static_cast<char>(0x7F + Pick(0x81));  // DEL and 8-bit bytes
                    break;
                default:
                    bytes += static_cast<char>(0x20 + Pick(0x5F));
            }
        }
        return bytes;
    }

    std::mt19937 random_;
    const std::vector<std::string> kOptions = {
        "--at",   "--zone", "--shown",  "--next",  "--count",   "--from", "--to",
        "--json", "--ics",  "--help",   "-h",      "--version", "--",     "-",
        "-x",     "--nope", "--json=1", "--next=", "--AT",      "-at"};
    const std::vector<std::string> kMoments = {"2027-01-01",
                                               "2027-03-28T02:30",
                                               "2027-10-31T02:30",
                                               "2027-06-15T12:00:00Z",
                                               "2009-10-20T14:00+02:00",
                                               "1600-01-01",
                                               "9999-12-31T23:59:59Z",
                                               "1599-12-31",
                                               "10000-01-01",
                                               "2027-02-30",
                                               "2027-13-01",
                                               "2027-01-01T24:00",
                                               "2027-01-01T12:00+24:00",
                                               "garbage",
                                               "",
                                               "2027-01-01T12:00:00z"};
    const std::vector<std::string> kDays = {"2027-01-01",       "2027-01-31", "2027-12-31",
                                            "2027-03-28T02:30", "2028-02-29", "2027-06-15T06:00Z",
                                            "2026-13-40",       "x"};
    const std::vector<std::string> kZoneNames = {
        "Europe/Berlin",     "Australia/Lord_Howe", "Asia/Kolkata",  "Etc/GMT-14", "UTC+05:00",
        "../../etc/passwd",  "/etc/localtime",      "Nowhere/Bogus", "",           "Europe/",
        "posix/Europe/Paris"};
    const std::vector<std::string> kCounts = {
        "0", "1", "7", "10000", "10001", "-5", "99999999999999999999", "3x", "", "+4"};
};

TEST(PhasesFuzz, EndsCleanlyWhateverTheArguments) {
    constexpr int kLists = 2000;
    constexpr int kWorkers = 2;
    std::vector<std::vector<std::string>> failures(kWorkers);
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([w, &failures] {
            Lists lists(20261207u + static_cast<unsigned>(w));
            for (int i = 0; i < kLists / kWorkers; ++i) {
                const std::vector<std::string> arguments = lists.Next();
                const char* tz = lists.Zone();
                const Ending e = Spawn(arguments, tz);
                std::string problem;
                if (!e.exited) {
                    problem = "ended by signal " + std::to_string(e.status);
                } else if (e.status == 0) {
                    if (!e.err.empty()) {
                        problem = "status 0 but said: " + e.err;
                    }
                } else if (e.status != 2) {
                    problem = "status " + std::to_string(e.status);
                } else if (!e.out.empty()) {
                    problem = "status 2 but printed: " + e.out.substr(0, 200);
                } else if (e.err.rfind("tidewell-phases: ", 0) != 0 || e.err.back() != '\n' ||
                           e.err.find('\n') != e.err.size() - 1 ||
                           e.err.find('\r') != std::string::npos ||
                           e.err.find('\x1b') != std::string::npos) {
                    problem = "not one clean line: " + e.err;
                }
                if (problem.empty()) {
                    continue;
                }
                std::string line = "TZ=" + std::string(tz != nullptr ? tz : "(unset)");
                for (const std::string& argument : arguments) {
                    line += " [" + argument + "]";
                }
                failures[static_cast<std::size_t>(w)].push_back(line + ": " + problem);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::vector<std::string>& found : failures) {
        for (const std::string& failure : found) {
            ADD_FAILURE() << failure;
        }
    }
}

}  // namespace
