// Runs one golden end-to-end case and compares everything it produces byte for byte.
//
// A case is a folder:
//   args     the command line, one argument per line (no quoting; an empty line is an empty
//            argument; a final line feed is not an argument)
//   in/      files copied into a fresh working folder before the run (optional)
//   out/     the files the run must leave in the working folder, with their exact bytes; every
//            other file the run creates is a failure (optional: no output files expected)
//   stdout   the exact bytes the run writes to standard output
//   status   the exit status, as a decimal number
//
// Usage: e2e_runner <tpx32> <case folder> <working folder> [emulator...]
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path, bool* exists = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (exists != nullptr) *exists = static_cast<bool>(in);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\n') {
      out += "\\n\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 32 || c >= 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool Compare(const std::string& what, const std::string& expected, const std::string& actual) {
  if (expected == actual) return true;
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  std::cerr << "MISMATCH in " << what << " at byte " << at << " (expected " << expected.size()
            << " bytes, got " << actual.size() << ")\n--- expected ---\n"
            << Printable(expected) << "\n--- actual ---\n"
            << Printable(actual) << "\n----------------\n";
  return false;
}

std::set<std::string> ListFiles(const fs::path& root) {
  std::set<std::string> files;
  if (!fs::exists(root)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: e2e_runner <tpx32> <case folder> <working folder> [emulator...]\n";
    return 2;
  }
  const fs::path program = fs::absolute(argv[1]);
  const fs::path caseDir = fs::absolute(argv[2]);
  const fs::path work = fs::absolute(argv[3]);

  std::error_code ec;
  fs::remove_all(work, ec);
  fs::create_directories(work);
  const fs::path inputs = caseDir / "in";
  if (fs::exists(inputs)) fs::copy(inputs, work, fs::copy_options::recursive);
  const std::set<std::string> inputFiles = ListFiles(inputs);

  std::vector<std::string> args;
  for (int i = 4; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(program.string());
  {
    std::string text = ReadBytes(caseDir / "args");
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      args.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  const fs::path stdoutPath = work.parent_path() / (work.filename().string() + ".stdout");
  pid_t child = fork();
  if (child == 0) {
    if (chdir(work.c_str()) != 0) _exit(126);
    int fd = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) _exit(126);
    dup2(fd, 1);
    close(fd);
    int null = open("/dev/null", O_RDONLY);
    if (null >= 0) dup2(null, 0);
    std::vector<char*> argvChild;
    for (std::string& a : args) argvChild.push_back(a.data());
    argvChild.push_back(nullptr);
    execvp(argvChild[0], argvChild.data());
    _exit(127);
  }
  int waitStatus = 0;
  waitpid(child, &waitStatus, 0);
  int status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);

  bool ok = true;
  std::string expectedStatus = ReadBytes(caseDir / "status");
  if (std::atoi(expectedStatus.c_str()) != status) {
    std::cerr << "MISMATCH in exit status: expected " << std::atoi(expectedStatus.c_str())
              << ", got " << status << "\n";
    ok = false;
  }
  ok = Compare("standard output", ReadBytes(caseDir / "stdout"), ReadBytes(stdoutPath)) && ok;

  const fs::path outputs = caseDir / "out";
  const std::set<std::string> expectedFiles = ListFiles(outputs);
  for (const std::string& name : expectedFiles) {
    bool exists = false;
    std::string actual = ReadBytes(work / name, &exists);
    if (!exists) {
      std::cerr << "MISSING output file " << name << "\n";
      ok = false;
      continue;
    }
    ok = Compare("file " + name, ReadBytes(outputs / name), actual) && ok;
  }
  for (const std::string& name : ListFiles(work)) {
    if (expectedFiles.count(name) == 0 && inputFiles.count(name) == 0) {
      std::cerr << "UNEXPECTED file " << name << " left by the run:\n"
                << Printable(ReadBytes(work / name)) << "\n";
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
