// Runs one golden end-to-end case and compares everything it produces byte for byte.
//
// A case is a folder:
//   args     the command line, one argument per line (no quoting; an empty line is an empty
//            argument; a final line feed is not an argument)
//   in/      files copied into a fresh working folder before the run (optional)
//   out/     the files the run must leave in the working folder, with their exact bytes; every
//            other file the run creates, and every input file it changes, is a failure (an
//            input file it deletes is not) (optional: no output files expected)
//   stdout   the exact bytes the run writes to standard output
//   stderr   the exact bytes the run writes to standard error (optional: without it, the run
//            must write nothing there); under an emulator, its own notes are left out
//   status   the exit status, as a decimal number
//   generate a recipe for input files that are generated rather than kept (optional): words,
//            one per line, read by the generator of tests/random (generator.h); the files are
//            written into the working folder after in/ is copied, and count as inputs. Files
//            the recipe names (its `prefix=` and `suffix=`) are read from the case folder.
//   known_fault  a fault of tpx32's speed shortcuts that the case shows and that is not mended
//            yet, in words (optional): tests/CMakeLists.txt then disables the case's run through
//            tpx32, while its run through tpx32_general counts; this runner does not read it
//   beside/  files that must stand beside the program (a configuration file, say): the program
//            is copied into a folder of its own next to the working folder, with these files,
//            and the copy is run (optional)
//
// Windows expectations: when the program under test is a Windows program (its name ends in
// ".exe", whatever the processor it is built for), `stdout.win32`, `stderr.win32`,
// `status.win32` and `out.win32/` are used instead of `stdout`, `stderr`, `status` and `out/`
// where a case has them. Only cases whose results depend on the platform (path separators, the
// letter case of found names, upper-cased -n directories, code pages, words that begin with
// "/") have them; every other case must give the same bytes on every platform. A case that cannot apply to the Windows
// program has a file `skip.win32` that says why; the runner prints it and ends with status 77,
// which CTest counts as skipped.
//
// An expected output folder that holds only a file `.keep` expects no output file at all (so
// that a Windows expectation of none can stand beside a POSIX one of some).
//
// The working folder: the text `{work}` in `args` and in the files of `in/` is replaced by the
// absolute path of the working folder, and that path is replaced by `{work}` in what the run
// writes before it is compared, so cases can name files by absolute paths.
//
// Usage: e2e_runner <tpx32> <case folder> <working folder> [emulator...]
// The emulator words (for example a Windows emulator) are put before the program's path.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../random/generator.h"
#include "../random/harness.h"

namespace fs = std::filesystem;

namespace {

using tpxharness::ReadBytes;

// Every byte of a mismatch is shown: the dumps are not cut.
std::string Printable(const std::string& bytes) {
  return tpxharness::Printable(bytes, static_cast<std::size_t>(-1));
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

// The expected output files: a lone `.keep` stands for none.
std::set<std::string> ListExpectedFiles(const fs::path& root) {
  std::set<std::string> files = ListFiles(root);
  files.erase(".keep");
  return files;
}

// `text` with every `from` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

const std::string kWorkPlaceholder = "{work}";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: e2e_runner <tpx32> <case folder> <working folder> [emulator...]\n";
    return 2;
  }
  fs::path program = fs::absolute(argv[1]);
  const fs::path caseDir = fs::absolute(argv[2]);
  const fs::path work = fs::absolute(argv[3]);
  const std::string programName = program.filename().string();
  const bool windows =
      programName.size() > 4 && programName.compare(programName.size() - 4, 4, ".exe") == 0;
  // The platform's own expectation where the case has one, else the shared one.
  auto expectation = [&](const char* name) {
    fs::path own = caseDir / (std::string(name) + ".win32");
    return windows && fs::exists(own) ? own : caseDir / name;
  };

  if (windows && fs::exists(caseDir / "skip.win32")) {
    std::cout << "SKIPPED for the Windows program: " << ReadBytes(caseDir / "skip.win32");
    return 77;
  }

  std::error_code ec;
  fs::remove_all(work, ec);
  fs::create_directories(work);
  const std::string workText = work.string();
  const fs::path inputs = caseDir / "in";
  if (fs::exists(inputs)) fs::copy(inputs, work, fs::copy_options::recursive);
  std::set<std::string> inputFiles = ListFiles(inputs);
  const fs::path recipe = caseDir / "generate";
  if (fs::exists(recipe)) {
    try {
      const tpxgen::Recipe r = tpxgen::ParseRecipe(ReadBytes(recipe), caseDir);
      const tpxgen::Tree tree = tpxgen::Generate(r.mode, r.seed, r.params);
      tpxgen::WriteTree(tree, work);
      for (const tpxgen::File& f : tree.files) inputFiles.insert(f.path);
    } catch (const std::exception& e) {
      std::cerr << "cannot generate the inputs: " << e.what() << "\n";
      return 1;
    }
  }
  // What each input holds before the run: one the run changes must be among the expected
  // output files.
  std::map<std::string, std::string> inputBytes;
  for (const std::string& name : inputFiles) {
    std::string bytes = ReadBytes(work / name);
    if (bytes.find(kWorkPlaceholder) != std::string::npos) {
      bytes = ReplaceAll(bytes, kWorkPlaceholder, workText);
      WriteBytes(work / name, bytes);
    }
    inputBytes[name] = bytes;
  }
  const fs::path beside = caseDir / "beside";
  if (fs::exists(beside)) {
    const fs::path home = work.parent_path() / (work.filename().string() + ".program");
    fs::remove_all(home, ec);
    fs::create_directories(home);
    fs::copy_file(program, home / program.filename());
    fs::copy(beside, home, fs::copy_options::recursive);
    program = home / program.filename();
  }

  std::vector<std::string> args;
  for (int i = 4; i < argc; ++i) args.push_back(argv[i]);
  args.push_back(program.string());
  {
    std::string text = ReadBytes(caseDir / "args");
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      args.push_back(ReplaceAll(text.substr(start, end - start), kWorkPlaceholder, workText));
      start = end + 1;
    }
  }

  const fs::path stdoutPath = work.parent_path() / (work.filename().string() + ".stdout");
  const fs::path stderrPath = work.parent_path() / (work.filename().string() + ".stderr");
  pid_t child = fork();
  if (child == 0) {
    if (chdir(work.c_str()) != 0) _exit(126);
    int fd = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) _exit(126);
    dup2(fd, 1);
    close(fd);
    fd = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) _exit(126);
    dup2(fd, 2);
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
  std::string expectedStatus = ReadBytes(expectation("status"));
  if (std::atoi(expectedStatus.c_str()) != status) {
    std::cerr << "MISMATCH in exit status: expected " << std::atoi(expectedStatus.c_str())
              << ", got " << status << "\n";
    ok = false;
  }
  ok = Compare("standard output", ReadBytes(expectation("stdout")),
               ReplaceAll(ReadBytes(stdoutPath), workText, kWorkPlaceholder)) &&
       ok;
  // A case without a stderr file expects nothing there. An emulator may write notes of its own
  // to standard error, lines that begin with its name and a colon: they are not the program's.
  std::string errors = ReplaceAll(ReadBytes(stderrPath), workText, kWorkPlaceholder);
  if (argc > 4) {
    const std::string note = fs::path(argv[argc - 1]).filename().string() + ": ";
    std::string kept;
    std::size_t start = 0;
    while (start < errors.size()) {
      std::size_t end = errors.find('\n', start);
      end = end == std::string::npos ? errors.size() : end + 1;
      if (errors.compare(start, note.size(), note) != 0) kept += errors.substr(start, end - start);
      start = end;
    }
    errors = kept;
  }
  ok = Compare("standard error", ReadBytes(expectation("stderr")), errors) && ok;

  const fs::path outputs = expectation("out");
  const std::set<std::string> expectedFiles = ListExpectedFiles(outputs);
  for (const std::string& name : expectedFiles) {
    bool exists = false;
    std::string actual = ReadBytes(work / name, &exists);
    if (!exists) {
      std::cerr << "MISSING output file " << name << "\n";
      ok = false;
      continue;
    }
    ok = Compare("file " + name, ReadBytes(outputs / name),
                 ReplaceAll(actual, workText, kWorkPlaceholder)) &&
         ok;
  }
  for (const std::string& name : ListFiles(work)) {
    if (expectedFiles.count(name) == 0 && inputFiles.count(name) == 0) {
      std::cerr << "UNEXPECTED file " << name << " left by the run:\n"
                << Printable(ReadBytes(work / name)) << "\n";
      ok = false;
    } else if (expectedFiles.count(name) == 0 && ReadBytes(work / name) != inputBytes[name]) {
      std::cerr << "CHANGED input file " << name << ", which is not among the expected files:\n"
                << Printable(ReadBytes(work / name)) << "\n";
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
