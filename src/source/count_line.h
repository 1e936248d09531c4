// The line count, inline: every line break of the input passes here, and each one calls the
// output writer's new-line hook, which ends the output line and writes the next line's marker.
#pragma once

#include "options/run_context.h"
#include "output/output_writer.h"
#include "source/source_stack.h"

namespace tpx {

inline void SourceStack::CountLine() {
  ++line_;
  ctx_.position.messageLine = static_cast<std::int32_t>(line_);
  ++totalLines_;
  ctx_.writer.StartOutputLine(ctx_.position.fileName, line_, ctx_.options.LineInfo);
}

}  // namespace tpx
