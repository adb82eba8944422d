// Times whole commands side by side: every round runs each command once, in
// an order that rotates from round to round, so a machine that speeds up or
// slows down during the run weighs on every command alike. Prints, per
// command, the median wall time, the median CPU time (user and system) and
// the median peak resident memory of the process.
//
//   sidebyside RUNS [--fresh DIR] [--against NAME] -- NAME COMMAND [ARG...] [-- NAME COMMAND...]
//
// --fresh DIR removes DIR before every run (not timed), for a command that
// must find no settings. --against NAME adds each command's ratios to that
// command: the median, over the rounds, of the two runs' ratio in the same
// round, which a drifting machine disturbs far less than a ratio of medians.
// Output: one line per command,
//   NAME wall_ms cpu_ms rss_kb [wall_ratio cpu_ratio rss_ratio]
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Command {
  std::string name;
  std::vector<char*> argv;  // null-terminated
  std::vector<double> wall, cpu, rss;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// Runs one command with its output discarded; false when it fails.
bool RunOnce(Command& command, bool keep) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    execv(command.argv[0], command.argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  if (keep) {
    command.wall.push_back(wall.count());
    command.cpu.push_back((Seconds(usage.ru_utime) + Seconds(usage.ru_stime)) * 1000);
    command.rss.push_back(static_cast<double>(usage.ru_maxrss));
  }
  return true;
}

int Usage() {
  std::fputs("usage: sidebyside RUNS [--fresh DIR] -- NAME COMMAND [ARG...] [-- NAME COMMAND [ARG...]]...\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 5) return Usage();
  const int runs = std::atoi(argv[1]);
  if (runs < 1) return Usage();
  int i = 2;
  std::string fresh, against;
  for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0 && argv[i][2] != '\0'; i += 2) {
    if (std::strcmp(argv[i], "--fresh") == 0) fresh = argv[i + 1];
    else if (std::strcmp(argv[i], "--against") == 0) against = argv[i + 1];
    else return Usage();
  }
  std::vector<Command> commands;
  for (; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) {
      if (i + 2 >= argc) return Usage();
      commands.push_back({argv[i + 1], {}, {}, {}, {}});
      ++i;
    } else if (commands.empty()) {
      return Usage();
    } else {
      commands.back().argv.push_back(argv[i]);
    }
  }
  for (Command& command : commands) {
    if (command.argv.empty()) return Usage();
    command.argv.push_back(nullptr);
  }

  // A few rounds first, untimed: the files the commands read reach the cache.
  const int warmup = 3;
  const std::size_t n = commands.size();
  for (int round = 0; round < warmup + runs; ++round) {
    for (std::size_t k = 0; k < n; ++k) {
      Command& command = commands[(static_cast<std::size_t>(round) + k) % n];
      std::error_code ignored;
      if (!fresh.empty()) std::filesystem::remove_all(fresh, ignored);
      if (!RunOnce(command, round >= warmup)) {
        std::fprintf(stderr, "sidebyside: %s failed\n", command.name.c_str());
        return 1;
      }
    }
  }
  const Command* reference = nullptr;
  for (const Command& command : commands)
    if (command.name == against) reference = &command;
  if (!against.empty() && !reference) return Usage();
  // Round r of every command holds the same index r in its lists.
  const auto pairedRatio = [](const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> ratios;
    for (std::size_t r = 0; r < a.size(); ++r) ratios.push_back(a[r] / b[r]);
    return Median(ratios);
  };
  for (const Command& command : commands) {
    std::printf("%s %.2f %.2f %.0f", command.name.c_str(), Median(command.wall), Median(command.cpu),
                Median(command.rss));
    if (reference)
      std::printf(" %.3f %.3f %.3f", pairedRatio(command.wall, reference->wall), pairedRatio(command.cpu, reference->cpu),
                  pairedRatio(command.rss, reference->rss));
    std::printf("\n");
  }
  return 0;
}
