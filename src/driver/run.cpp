#include "driver/run.h"

namespace tpx {

Run::Run()
    : RunContext(diag_, memory_, output_, idents_, source_, scanner_, writer_, macros_, directives_,
                 deps_) {}

void Run::SetShortcuts(bool on) {
  shortcuts = on;
  output_.SetSpanWrites(on);
}

}  // namespace tpx
