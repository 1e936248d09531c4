// Interleaved wall-clock timing of benchmark commands.
//
//   timer PLAN WARMUP RUNS
//
// PLAN has one process per line, fields separated by tabs:
//   COMMAND-ID  WORKING-DIR  STDOUT-FILE  PROGRAM  ARGUMENTS...
// Consecutive lines with the same COMMAND-ID form one command (for example one process per
// input file); a command's time is the wall time of all its processes run one after another.
//
// The commands are run in rounds, A B C A B C ..., so that a slow drift of the machine (another
// process, frequency changes, a cache warming up) spreads over all commands instead of landing on
// one. The first WARMUP rounds are not counted. A command whose process exits non-zero or is
// killed is dropped from the later rounds and reported as failing, so no failing run is timed.
//
// Output, one line per command in plan order, tab-separated:
//   COMMAND-ID  ok  MEDIAN-MS  MIN-MS  MAX-MS  RUN-MS,RUN-MS,...
//   COMMAND-ID  fail  DETAIL
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Process {
  std::string dir;
  std::string out;
  std::vector<std::string> argv;
};

struct Command {
  std::string id;
  std::vector<Process> processes;
  std::vector<double> times;  // counted rounds, milliseconds
  std::string failure;        // empty while every run succeeded
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// Runs one process to completion. Returns an empty string on exit status 0, else what went wrong.
std::string RunProcess(const Process& p) {
  pid_t pid = fork();
  if (pid < 0) return std::string("fork: ") + std::strerror(errno);
  if (pid == 0) {
    if (chdir(p.dir.c_str()) != 0) _exit(126);
    int out = open(p.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open("/dev/null", O_WRONLY);
    if (out < 0 || err < 0) _exit(126);
    dup2(out, 1);
    dup2(err, 2);
    close(out);
    close(err);
    std::vector<char*> args;
    for (const std::string& a : p.argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::string("waitpid: ") + std::strerror(errno);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
  std::string what = WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                                       : "signal " + std::to_string(WTERMSIG(status));
  return what + " in " + p.dir + ": " + p.argv[0] +
         (p.argv.size() > 1 ? " ... " + p.argv.back() : "");
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: timer PLAN WARMUP RUNS\n");
    return 2;
  }
  int warmup = std::atoi(argv[2]);
  int runs = std::atoi(argv[3]);
  if (warmup < 0 || runs < 1) {
    std::fprintf(stderr, "timer: WARMUP must be >= 0 and RUNS >= 1\n");
    return 2;
  }
  std::ifstream plan(argv[1]);
  if (!plan) {
    std::fprintf(stderr, "timer: cannot read %s\n", argv[1]);
    return 2;
  }
  std::vector<Command> commands;
  std::string line;
  while (std::getline(plan, line)) {
    if (line.empty()) continue;
    std::vector<std::string> f = SplitTabs(line);
    if (f.size() < 4) {
      std::fprintf(stderr, "timer: malformed plan line: %s\n", line.c_str());
      return 2;
    }
    if (commands.empty() || commands.back().id != f[0])
      commands.push_back(Command{f[0], {}, {}, {}});
    commands.back().processes.push_back(
        Process{f[1], f[2], std::vector<std::string>(f.begin() + 3, f.end())});
  }

  using Clock = std::chrono::steady_clock;
  for (int round = 0; round < warmup + runs; ++round) {
    for (Command& c : commands) {
      if (!c.failure.empty()) continue;
      Clock::time_point start = Clock::now();
      for (const Process& p : c.processes) {
        c.failure = RunProcess(p);
        if (!c.failure.empty()) break;
      }
      Clock::time_point stop = Clock::now();
      if (c.failure.empty() && round >= warmup)
        c.times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
  }

  for (const Command& c : commands) {
    if (!c.failure.empty()) {
      std::printf("%s\tfail\t%s\n", c.id.c_str(), c.failure.c_str());
      continue;
    }
    std::string all;
    for (double t : c.times) {
      if (!all.empty()) all += ',';
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.2f", t);
      all += buf;
    }
    std::printf("%s\tok\t%.2f\t%.2f\t%.2f\t%s\n", c.id.c_str(), Median(c.times),
                *std::min_element(c.times.begin(), c.times.end()),
                *std::max_element(c.times.begin(), c.times.end()), all.c_str());
  }
  return 0;
}
