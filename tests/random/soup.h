// Soup mode: random source trees aimed at the places where tpx32's speed shortcuts and the
// general paths beside them could disagree. A tree is a main file "m.c" and up to five
// headers at relative paths of chosen lengths (53, 54, 64, 100, 200 and more characters),
// included by quoted and angle-bracket names. The files mix every kind of token, directive,
// macro definition and call, comment, blank and line end; some are long enough, or have lines
// long enough, to cross the input and output buffers at random points.
//
// Parameters: junk=0|1|2 forces the level of malformed text (otherwise drawn per tree);
// size=small|big|huge forces the size class of the main file; avoid-known=1 leaves out the
// constructs of faults already reported (see SourceWriter::SetAvoidKnown).
#ifndef TPX32_TESTS_RANDOM_SOUP_H_
#define TPX32_TESTS_RANDOM_SOUP_H_

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "source_writer.h"
#include "tree.h"

namespace tpxgen {

struct SoupMacro {
  std::string name;
  int params = -1;  // -1: object-like
};

// The state of one soup tree: the macro names that all its files define and use, its header
// paths, and the conditionals open in the file being written.
class SoupBuilder {
 public:
  SoupBuilder(std::uint64_t seed, const Params& params)
      : rng_(seed * 0x2545F4914F6CDD1Dull + 0x1234567ull), params_(params) {}

  Tree Build() {
    Tree tree;
    tree.main = "m.c";
    junk_ = static_cast<int>(params_.Int("junk", -1));
    if (junk_ < 0) {
      std::uint32_t r = rng_.Below(100);
      junk_ = r < 50 ? 0 : r < 85 ? 1 : 2;
    }
    // Headers: each may include the ones after it, so there is no cycle.
    std::uint32_t headerCount = rng_.Chance(1, 3) ? 0 : rng_.Between(1, 5);
    for (std::uint32_t i = 0; i < headerCount; ++i) headers_.push_back(HeaderPath(i));
    // Macro names are drawn before any text, so headers and main file share them.
    std::uint32_t macroCount = rng_.Between(1, 12);
    for (std::uint32_t i = 0; i < macroCount; ++i) {
      SoupMacro m;
      SourceWriter w(rng_);
      m.name = w.MakeName(rng_.Chance(3, 4) ? rng_.Between(1, 4) : w.NameLength());
      m.params = rng_.Chance(1, 2) ? -1 : static_cast<int>(rng_.Below(5));
      macros_.push_back(m);
    }
    for (std::uint32_t i = 0; i < headerCount; ++i) {
      currentHeader_ = static_cast<int>(i);
      tree.files.push_back({headers_[i], FileText(SizeClass::kSmall)});
    }
    currentHeader_ = -1;
    std::string size = params_.Text("size", "");
    SizeClass cls = size == "small"  ? SizeClass::kSmall
                    : size == "big"  ? SizeClass::kBig
                    : size == "huge" ? SizeClass::kHuge
                                     : DrawSize();
    tree.files.push_back({tree.main, FileText(cls)});
    return tree;
  }

 private:
  enum class SizeClass { kSmall, kMedium, kBig, kHuge, kLongLines };

  SizeClass DrawSize() {
    std::uint32_t r = rng_.Below(100);
    if (r < 66) return SizeClass::kSmall;
    if (r < 84) return SizeClass::kMedium;
    if (r < 92) return SizeClass::kBig;
    if (r < 95) return SizeClass::kHuge;
    return SizeClass::kLongLines;
  }

  // A relative header path of a chosen length, so that line markers carry names around the
  // lengths where fixed-span copies change.
  std::string HeaderPath(std::uint32_t index) {
    static const std::vector<std::uint32_t> lengths = {5,  12, 40,  52,  53,  54,  55,  63,
                                                       64, 65, 100, 127, 128, 200, 230, 255};
    std::uint32_t total = rng_.Pick(lengths);
    std::string file = std::string("h") + std::to_string(index) + ".h";
    std::string path;
    while (path.size() + file.size() < total) {
      std::uint32_t room = total - static_cast<std::uint32_t>(path.size() + file.size());
      if (room < 3) {
        path.append(room, 'z');  // lengthen the file name instead of a folder
        break;
      }
      std::uint32_t seg = std::min<std::uint32_t>(room - 1, rng_.Between(1, 40));
      std::string name(seg, 'd');
      name[0] = static_cast<char>('a' + index);
      path += name + "/";
    }
    if (!path.empty() && path.back() != '/') {  // ended with the lengthening letters
      std::string letters = path.substr(path.rfind('/') + 1);
      path.resize(path.rfind('/') + 1);
      file = "h" + letters + std::to_string(index) + ".h";
    }
    return path + file;
  }

  std::string FileText(SizeClass cls) {
    SourceWriter w(rng_);
    static const std::vector<std::string> eols = {"\n", "\r\n", "\r", "\n\r"};
    w.SetMainLineEnd(rng_.Chance(1, 2) ? "\n" : rng_.Pick(eols));
    w.SetJunkLevel(junk_);
    w.SetInnerOpeners(rng_.Chance(1, 3));
    w.SetAvoidKnown(params_.Int("avoid-known", 0) != 0);
    std::size_t target = 0;
    switch (cls) {
      case SizeClass::kSmall:
        target = rng_.Between(0, 1500);
        break;
      case SizeClass::kMedium:
        target = rng_.Between(1500, 12000);
        break;
      case SizeClass::kBig:
        target = rng_.Between(15000, 40000);
        break;
      case SizeClass::kHuge:
        target = rng_.Between(64000, 140000);
        break;
      case SizeClass::kLongLines:
        target = rng_.Between(16000, 50000);
        break;
    }
    conditionals_ = 0;
    bool plainRun = cls == SizeClass::kBig || cls == SizeClass::kHuge;
    bool endMarkerDone = false;
    while (w.Text().size() < target) {
      if (cls == SizeClass::kLongLines && rng_.Chance(1, 4)) {
        LongLine(w, rng_.Between(3000, 21000));
      } else if (plainRun && rng_.Chance(2, 3)) {
        PlainLine(w);
      } else {
        Line(w);
      }
      w.LineEnd();
      // An end-of-file byte in the middle of some files: the rest is never read.
      if (!endMarkerDone && rng_.Chance(1, 400)) {
        endMarkerDone = true;
        w.Raw('\x1a');
        if (rng_.Chance(1, 2)) w.Raw("text after the end\n#error not read\n");
      }
    }
    // Close what is open, unless junk says otherwise.
    while (conditionals_ > 0 && !(junk_ > 0 && rng_.Chance(1, 6))) {
      w.Raw("#endif");
      w.LineEnd();
      --conditionals_;
    }
    // The last line may lack its line end.
    if (rng_.Chance(1, 5) && !w.Text().empty()) {
      std::string& t = w.Text();
      while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
    }
    return w.Text();
  }

  // One line of any kind.
  void Line(SourceWriter& w) {
    std::size_t kind = rng_.Weighted({30, 22, 14, 8, 12, 4, 3, 2, 2});
    switch (kind) {
      case 0:
        PlainLine(w);
        break;
      case 1:
        Directive(w);
        break;
      case 2:
        CallLine(w);
        break;
      case 3:
        CommentLine(w);
        break;
      case 4:
        Soup(w, rng_.Between(1, 30));
        break;
      case 5:
        w.LineStartBlanks();
        break;
      case 6:
        if (junk_ > 0) {
          for (std::uint32_t i = rng_.Between(1, 4); i > 0; --i) w.StrayByte();
        }
        break;
      case 7:
        w.Name(w.MakeName(rng_.Between(240, 2000)));
        break;
      default:
        CallSpreadOverLines(w);
        break;
    }
  }

  // Tokens of the kinds the plain-token loop writes straight from the input: names, numbers,
  // short operators, single blanks.
  void PlainLine(SourceWriter& w) {
    w.LineStartBlanks();
    std::uint32_t n = rng_.Between(1, 14);
    for (std::uint32_t i = 0; i < n; ++i) {
      std::size_t start = w.Text().size();
      std::uint32_t r = rng_.Below(10);
      if (r < 4) {
        w.Raw(PlainName(w));
      } else if (r < 6) {
        Number(w);
      } else {
        w.Operator();
      }
      KeepApart(w, start);
      if (rng_.Chance(2, 3)) w.Raw(' ');
    }
  }

  // A line of several thousand bytes, crossing the input buffer somewhere.
  void LongLine(SourceWriter& w, std::size_t length) {
    std::size_t end = w.Text().size() + length;
    while (w.Text().size() < end) {
      std::size_t start = w.Text().size();
      std::uint32_t r = rng_.Below(20);
      if (r < 8)
        w.Raw(PlainName(w));
      else if (r < 12)
        Number(w);
      else if (r < 17)
        w.Operator();
      else if (r < 18)
        w.StringLiteral();
      else if (r < 19)
        w.BlockComment();
      else
        Use(w);
      KeepApart(w, start);
      w.Blanks();
    }
  }

  std::string PlainName(SourceWriter& w) {
    std::uint32_t r = rng_.Below(20);
    if (r == 0) return rng_.Pick(SpecialWords());
    return w.MakeName(w.NameLength());
  }

  // Any token, or a use of a macro.
  void Token(SourceWriter& w) {
    std::uint32_t r = rng_.Below(100);
    if (r < 22)
      w.Name(PlainName(w));
    else if (r < 34)
      Number(w);
    else if (r < 58)
      w.Operator();
    else if (r < 63)
      w.StringLiteral();
    else if (r < 67)
      w.CharLiteral();
    else if (r < 71)
      w.BlockComment();
    else if (r < 88)
      Use(w);
    else if (r < 91)
      w.LooseSplice();
    else if (r < 93 && junk_ > 0)
      w.StrayByte();
    else if (r < 95)
      w.Raw(rng_.Pick(SpecialWords()));
    else
      w.Name(MacroName());
  }

  void Soup(SourceWriter& w, std::uint32_t count, bool lineStart = true) {
    if (lineStart) w.LineStartBlanks();
    for (std::uint32_t i = 0; i < count; ++i) {
      std::size_t start = w.Text().size();
      Token(w);
      KeepApart(w, start);
      // Often nothing between tokens, so the writer's separating blanks are exercised.
      if (rng_.Chance(1, 2)) w.Blanks();
    }
    if (rng_.Chance(1, 10)) w.LineComment();
  }

  std::string MacroName() { return rng_.Pick(macros_).name; }

  void Number(SourceWriter& w) {
    w.Raw(w.Number());
    numberEnd_ = w.Text().size();
  }
  // Without junk, a token written right after a number that would run into it (a letter, a
  // digit, a dot) is moved off by a blank, so the number stays well-formed.
  void KeepApart(SourceWriter& w, std::size_t start) {
    std::string& t = w.Text();
    if (junk_ > 0 || start != numberEnd_ || start >= t.size()) return;
    unsigned char c = static_cast<unsigned char>(t[start]);
    if (c == '_' || c == '.' || c == '\\' || (c >= '0' && c <= '9') ||
        ((c | 0x20) >= 'a' && (c | 0x20) <= 'z')) {
      t.insert(t.begin() + static_cast<std::ptrdiff_t>(start), ' ');
    }
  }

  // A use of a macro: a call with arguments for a function-like one (sometimes the wrong
  // number of them, sometimes no parenthesis), followed directly by another token so that the
  // expansion's end meets every kind of following byte.
  void Use(SourceWriter& w) {
    const SoupMacro& m = rng_.Pick(macros_);
    w.Name(m.name);
    if (m.params >= 0 && rng_.Chance(7, 8)) {
      if (rng_.Chance(1, 6)) w.Blanks();
      int count = m.params;
      if (junk_ > 0 && rng_.Chance(1, 10)) count = static_cast<int>(rng_.Below(5));
      Arguments(w, count, 0);
    }
    if (rng_.Chance(1, 2)) {
      std::uint32_t r = rng_.Below(6);
      if (r == 0)
        w.Raw(w.MakeName(rng_.Between(1, 3)));
      else if (r == 1)
        Number(w);
      else if (r == 2)
        w.Operator();
      else if (r == 3)
        w.Raw(rng_.Pick(macros_).name);
      else if (r == 4)
        w.Raw('(');
      else
        w.StringLiteral();
    }
  }

  void Arguments(SourceWriter& w, int count, int depth) {
    w.Raw('(');
    for (int i = 0; i < count; ++i) {
      if (i > 0) w.Raw(',');
      if (rng_.Chance(1, 3)) w.Blanks();
      std::uint32_t n = rng_.Below(4);
      for (std::uint32_t k = 0; k < n; ++k) {
        std::size_t start = w.Text().size();
        std::uint32_t r = rng_.Below(100);
        if (r < 15 && depth < 4) {
          // A nested call or a parenthesised group with commas.
          if (rng_.Chance(1, 2)) {
            const SoupMacro& m = rng_.Pick(macros_);
            w.Raw(m.name);
            if (m.params >= 0) Arguments(w, m.params, depth + 1);
          } else {
            w.Raw('(');
            w.Raw(PlainName(w));
            w.Raw(',');
            Number(w);
            w.Raw(')');
          }
        } else if (r < 20) {
          if (!inDirective_) w.LineEnd();  // the argument list goes on on the next line
        } else if (r < 24) {
          w.BlockComment();
        } else if (r < 30) {
          w.StringLiteral();
        } else if (r < 33) {
          w.CharLiteral();
        } else if (r < 60) {
          w.Name(PlainName(w));
        } else if (r < 75) {
          Number(w);
        } else {
          std::string op = rng_.Pick(Operators());
          if (op == "(" || op == ")" || op == ",") op = "+";
          w.Raw(op);
        }
        KeepApart(w, start);
        if (rng_.Chance(1, 3)) w.Blanks();
      }
    }
    w.Raw(')');
  }

  void CallLine(SourceWriter& w) {
    w.LineStartBlanks();
    std::uint32_t n = rng_.Between(1, 4);
    for (std::uint32_t i = 0; i < n; ++i) {
      Use(w);
      if (rng_.Chance(1, 2)) w.Blanks();
    }
  }

  void CallSpreadOverLines(SourceWriter& w) {
    const SoupMacro& m = rng_.Pick(macros_);
    w.Raw(m.name);
    w.LineEnd();
    w.Raw("  ");
    Arguments(w, m.params < 0 ? 1 : m.params, 0);
    w.LineEnd();
    Number(w);
  }

  void CommentLine(SourceWriter& w) {
    w.LineStartBlanks();
    std::uint32_t r = rng_.Below(4);
    if (r == 0) {
      w.LineComment();
    } else {
      w.BlockComment();
      if (r == 1) Soup(w, rng_.Between(0, 4), false);
    }
  }

  // ---- directives ----

  void Directive(SourceWriter& w) {
    inDirective_ = true;
    DirectiveLine(w);
    inDirective_ = false;
  }

  void DirectiveLine(SourceWriter& w) {
    w.LineStartBlanks();
    if (rng_.Chance(1, 15)) w.BlockComment();  // a comment before the `#`
    w.Raw('#');
    if (rng_.Chance(1, 6)) w.Blanks();
    std::size_t kind = rng_.Weighted({22, 16, 5, 8, 6, 5, 4, 3, 6, 4, 3, 1, 1, 1});
    switch (kind) {
      case 0:
        DefineObject(w);
        break;
      case 1:
        DefineFunction(w);
        break;
      case 2:
        w.Raw("undef ");
        w.Raw(MacroName());
        break;
      case 3:
        If(w);
        break;
      case 4:
        Ifdef(w);
        break;
      case 5:
        ElifElse(w);
        break;
      case 6:
        Endif(w);
        break;
      case 7:
        Include(w);
        break;
      case 8:
        LineDirective(w);
        break;
      case 9:
        w.Raw("pragma");
        w.Blanks(false);
        Soup(w, rng_.Between(0, 6), false);
        break;
      case 10:
        break;  // the null directive
      case 11:
        if (junk_ > 0) {
          w.Raw("error stop ");
          w.Raw(PlainName(w));
        }
        break;
      case 12:
        if (junk_ > 0) w.Raw(w.MakeName(rng_.Between(1, 8)));  // unknown directive
        break;
      default:
        Self(w);
        break;
    }
    if (rng_.Chance(1, 12)) {
      w.Blanks();
      w.BlockComment();
    }
  }

  // The last token of a macro text, of every kind, so the text ends at every offset of the
  // token that follows the macro's name in the source.
  void BodyEnd(SourceWriter& w, const std::vector<std::string>& params) {
    std::uint32_t r = rng_.Below(params.empty() ? 7 : 10);
    switch (r) {
      case 0:
        w.Raw(w.MakeName(w.NameLength()));
        break;
      case 1:
        Number(w);
        break;
      case 2:
        w.Raw(rng_.Pick(Operators()).substr(0, 1));
        break;
      case 3: {
        std::string op;
        do op = rng_.Pick(Operators());
        while (op.size() != 2);
        w.Raw(op);
        break;
      }
      case 4:
        w.StringLiteral();
        break;
      case 5:
        w.Raw(MacroName());
        break;
      case 6:
        break;  // empty
      case 7:
        w.Raw(rng_.Pick(params));
        break;
      case 8:
        w.Raw(w.MakeName(rng_.Between(1, 3)));
        w.Raw(rng_.Chance(1, 2) ? "##" : " ## ");
        w.Raw(rng_.Pick(params));
        break;
      default:
        w.Raw(rng_.Chance(1, 2) ? "#" : "# ");
        w.Raw(rng_.Pick(params));
        break;
    }
  }

  void Body(SourceWriter& w, const std::vector<std::string>& params) {
    std::uint32_t n = rng_.Below(7);
    for (std::uint32_t i = 0; i < n; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (!params.empty() && r < 25) {
        w.Raw(rng_.Pick(params));
      } else if (!params.empty() && r < 32) {
        w.Raw('#');
        if (rng_.Chance(1, 3)) w.Blanks();
        w.Raw(junk_ > 0 && rng_.Chance(1, 10) ? std::string("nonparam") : rng_.Pick(params));
      } else if (r < 40) {
        // Without junk, `##` only between two operands.
        if (junk_ == 0) w.Raw(params.empty() ? w.MakeName(w.NameLength()) : rng_.Pick(params));
        if (rng_.Chance(1, 2)) w.Blanks();
        w.Raw("##");
        if (rng_.Chance(1, 2)) w.Blanks();
        if (junk_ == 0) w.Raw(params.empty() ? w.MakeName(rng_.Between(1, 4)) : rng_.Pick(params));
      } else if (r < 50) {
        w.Raw(MacroName());
      } else if (r < 53) {
        w.BlockComment();
      } else if (r < 56) {
        w.LooseSplice();
      } else {
        Token(w);
      }
      if (rng_.Chance(1, 2)) w.Blanks();
    }
    BodyEnd(w, params);
    if (rng_.Chance(1, 8)) w.Blanks();
  }

  void DefineObject(SourceWriter& w) {
    w.Raw("define");
    w.Blanks(false);
    const SoupMacro& m = rng_.Pick(macros_);
    w.Name(m.name);
    if (m.params >= 0 && (junk_ == 0 || rng_.Chance(3, 4))) {
      Parameters(w, m.params);
      return;
    }
    if (rng_.Chance(5, 6)) w.Blanks(false);
    Body(w, {});
  }

  void Parameters(SourceWriter& w, int count) {
    std::vector<std::string> params;
    w.Raw('(');
    for (int i = 0; i < count; ++i) {
      if (i > 0) w.Raw(',');
      if (rng_.Chance(1, 4)) w.Blanks();
      std::string p = rng_.Chance(3, 4)
                          ? std::string(1, static_cast<char>('a' + i))
                          : w.MakeName(junk_ > 0 ? w.NameLength() : rng_.Between(2, 64));
      if (junk_ > 0 && !params.empty() && rng_.Chance(1, 20)) p = params[0];  // duplicate
      params.push_back(p);
      w.Raw(p);
      if (rng_.Chance(1, 4)) w.Blanks();
    }
    w.Raw(')');
    if (rng_.Chance(5, 6)) w.Blanks(false);
    Body(w, params);
  }

  void DefineFunction(SourceWriter& w) {
    w.Raw("define ");
    const SoupMacro* m = &rng_.Pick(macros_);
    for (int tries = 0; tries < 4 && m->params < 0; ++tries) m = &rng_.Pick(macros_);
    w.Raw(m->name);
    if (m->params < 0 && junk_ == 0) {
      w.Raw(' ');
      Body(w, {});
      return;
    }
    Parameters(w, m->params < 0 ? 1 : m->params);
  }

  // A macro whose text names itself: it must be left alone when rescanned.
  void Self(SourceWriter& w) {
    const SoupMacro& m = rng_.Pick(macros_);
    w.Raw("define ");
    w.Raw(m.name);
    if (m.params >= 0) {
      std::vector<std::string> params;
      w.Raw('(');
      for (int i = 0; i < m.params; ++i) {
        if (i > 0) w.Raw(',');
        params.push_back(std::string(1, static_cast<char>('a' + i)));
        w.Raw(params.back());
      }
      w.Raw(") ");
      w.Raw(m.name);
      w.Raw('(');
      for (int i = 0; i < m.params; ++i) {
        if (i > 0) w.Raw(',');
        w.Raw(params[static_cast<std::size_t>(i)]);
      }
      w.Raw(")+");
      BodyEnd(w, params);
    } else {
      w.Raw(' ');
      w.Raw(m.name);
      w.Raw(rng_.Chance(1, 2) ? "+1" : " ");
      w.Raw(MacroName());
    }
  }

  // A constant expression for #if and #elif.
  void Expression(SourceWriter& w, int depth) {
    std::uint32_t r = rng_.Below(depth > 3 ? 5 : 12);
    switch (r) {
      case 0:
      case 1:
        w.Raw(std::to_string(rng_.Below(rng_.Chance(1, 4) ? 100000 : 4)));
        break;
      case 2:
        Number(w);
        break;
      case 3: {
        bool parenthesised = rng_.Chance(1, 2);
        w.Raw(parenthesised ? "defined(" : "defined ");
        w.Raw(MacroName());
        if (parenthesised) w.Raw(')');
        break;
      }
      case 4:
        w.Raw(rng_.Chance(1, 2) ? MacroName() : rng_.Pick(SpecialWords()));
        break;
      case 5:
      case 6: {
        static const std::vector<std::string> unary = {"-", "+", "!", "~"};
        w.Raw(rng_.Pick(unary));
        Expression(w, depth + 1);
        break;
      }
      case 7:
        w.Raw('(');
        Expression(w, depth + 1);
        w.Raw(')');
        break;
      case 8:
        Expression(w, depth + 1);
        w.Raw(" ? ");
        Expression(w, depth + 1);
        w.Raw(" : ");
        Expression(w, depth + 1);
        break;
      case 9:
        w.CharLiteral();
        break;
      default: {
        static const std::vector<std::string> binary = {
            "+",  "-",  "*",  "/",  "%", "<<", ">>", "<",  ">",
            "<=", ">=", "==", "!=", "&", "^",  "|",  "&&", "||"};
        Expression(w, depth + 1);
        w.Blanks();
        w.Raw(rng_.Pick(binary));
        w.Blanks();
        Expression(w, depth + 1);
        break;
      }
    }
  }

  void If(SourceWriter& w) {
    w.Raw("if ");
    Expression(w, 0);
    ++conditionals_;
  }
  void Ifdef(SourceWriter& w) {
    w.Raw(rng_.Chance(1, 2) ? "ifdef " : "ifndef ");
    w.Raw(rng_.Chance(4, 5) ? MacroName() : rng_.Pick(SpecialWords()));
    ++conditionals_;
  }
  void ElifElse(SourceWriter& w) {
    if (conditionals_ == 0 && junk_ == 0) {
      w.Raw("pragma once");
      return;
    }
    if (rng_.Chance(1, 2)) {
      w.Raw("elif ");
      Expression(w, 0);
    } else {
      w.Raw("else");
    }
  }
  void Endif(SourceWriter& w) {
    if (conditionals_ == 0) {
      if (junk_ == 0) {
        w.Raw("pragma pack()");
        return;
      }
    } else {
      --conditionals_;
    }
    w.Raw("endif");
  }

  void Include(SourceWriter& w) {
    // Only headers after the current file, so that there is no cycle.
    std::uint32_t first = static_cast<std::uint32_t>(currentHeader_ + 1);
    if (first >= headers_.size()) {
      if (junk_ > 0 && rng_.Chance(1, 2)) {
        w.Raw("include \"missing.h\"");
      } else {
        w.Raw("pragma warn -par");
      }
      return;
    }
    const std::string& h =
        headers_[first + rng_.Below(static_cast<std::uint32_t>(headers_.size()) - first)];
    w.Raw("include");
    w.Blanks(false);
    if (rng_.Chance(2, 3)) {
      w.Raw('"' + h + '"');
    } else {
      w.Raw('<' + h + '>');
    }
  }

  // #line with numbers around the places where their digit count changes, and names of
  // every length.
  void LineDirective(SourceWriter& w) {
    static const std::vector<std::string> numbers = {
        "0",      "1",      "8",       "9",          "10",         "11",         "98",    "99",
        "100",    "998",    "999",     "1000",       "9998",       "9999",       "10000", "99999",
        "100000", "999999", "1000000", "2147483647", "4294967295", "4294967296", "65535"};
    w.Raw("line ");
    if (junk_ > 0 && rng_.Chance(1, 15)) {
      w.Raw(w.MakeName(3));
      return;
    }
    w.Raw(rng_.Pick(numbers));
    if (rng_.Chance(2, 3)) {
      w.Raw(' ');
      std::uint32_t r = rng_.Below(10);
      std::uint32_t length = r < 3   ? rng_.Between(1, 20)
                             : r < 7 ? rng_.Between(50, 70)
                                     : rng_.Between(70, 300);
      std::string name = "n";
      while (name.size() < length) name += static_cast<char>('a' + rng_.Below(26));
      if (rng_.Chance(1, 3)) name[name.size() / 2] = '/';
      w.Raw('"' + name + '"');
    }
  }

  Rng rng_;
  const Params& params_;
  int junk_ = 0;
  std::vector<SoupMacro> macros_;
  std::vector<std::string> headers_;
  int currentHeader_ = -1;
  int conditionals_ = 0;
  bool inDirective_ = false;
  std::size_t numberEnd_ = std::string::npos;
};

inline Tree GenerateSoup(std::uint64_t seed, const Params& params) {
  return SoupBuilder(seed, params).Build();
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_SOUP_H_
