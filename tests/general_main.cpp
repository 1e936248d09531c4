// tpx32 with every speed shortcut switched off, for the tests that compare it with tpx32.
#include "driver/driver.h"

int main(int argc, char** argv) {
  tpx::RunSettings settings;
  settings.shortcuts = false;
  return tpx::RunProgram(argc, argv, settings);
}
