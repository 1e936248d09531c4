#include "driver/driver.h"

int main(int argc, char** argv) { return tpx::RunProgram(argc, argv); }
