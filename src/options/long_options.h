// tpx32's own command-line options: the words that begin with "--". They stand before the first
// file name, on the command line or in a response file, and are read before the banner; a
// configuration file cannot hold them, and an unknown one is refused like any incorrect option.
#pragma once

#include <cstdio>

namespace tpx {

struct RunContext;

struct LongOptions {
  enum class Deps { Off, Beside, Named };

  bool help = false;               // --help
  bool version = false;            // --version
  bool quiet = false;              // --quiet: no banner, no line naming each file
  bool gnuDiagnostics = false;     // --diagnostics=gnu
  Deps deps = Deps::Off;           // --deps, --deps=FILE
  const char* depsFile = nullptr;  // the FILE of --deps=FILE (points into the argument)
  const char* depsWord = nullptr;  // the --deps=FILE argument as written, for its refusal
  // More than one input name follows the options, or one with a wild card. With -o, each
  // input's dependency file is then named after the input rather than after the -o file.
  bool severalInputs = false;
};

// True for a word of this kind.
inline bool IsLongOption(const char* word) { return word[0] == '-' && word[1] == '-'; }

// Reads one "--" word into `options`. False when the word is unknown or malformed.
bool ReadLongOption(LongOptions& options, const char* word);

// Reads the "--" words among the leading arguments, looking into response files as their
// expansion will ("@name" stands for the words of that file), and takes over what must be known
// before the banner and the option pass: --help, --version, --quiet and --diagnostics=. Reports
// nothing: a word refused here is reported by the option pass, where every incorrect option is.
// Returns false when a "--" word was refused.
bool ScanLeadingLongOptions(LongOptions& options, int argc, char** argv);

// Called once the input names are known: records whether there are several, and refuses
// --deps=FILE for more than one (an incorrect command-line option; ends the process).
void CheckLongOptionsAgainstInputs(RunContext& ctx, bool severalInputs);

// The one line of --version: "tpx32", the version and, where the build knew it, the commit.
const char* VersionLine();
// --version and --help.
void PrintVersion(std::FILE* out);
void PrintHelp(std::FILE* out);

}  // namespace tpx
