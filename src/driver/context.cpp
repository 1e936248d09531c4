#include "driver/context.h"

#include "constexpr/condition.h"

namespace tpx {

RunContext::RunContext() {
  // When the output opens, the writer starts a fresh line state and, with -Sd, lists the
  // macros known at that moment.
  output.SetOpenedHook(
      [](void* owner) {
        auto* ctx = static_cast<RunContext*>(owner);
        ctx->writer.OnOpened();
        if (ctx->options.DefinesInOutput) ctx->macros.WriteDefineList();
      },
      this);
  output.SetReleaseHandleHook(
      [](void* owner) { return static_cast<RunContext*>(owner)->source.ReleaseOneHandle(); }, this);
  directives.evaluateCondition = EvaluateCondition;
}

void RunContext::SetShortcuts(bool on) {
  shortcuts = on;
  output.SetSpanWrites(on);
}

}  // namespace tpx
