// The option lists kept beside the option block. They live for the whole process and are not
// restored after a file.
#pragma once

namespace tpx {

// One -D definition. The stored value has every byte of 128 or more preceded by 0xFF and is
// followed by the end byte 0xFB and a zero byte.
struct DefineRecord {
  DefineRecord* next;
  const char* name;
  const char* value;
};

// One -I or -L directory; the text ends in a separator unless it is empty.
struct DirectoryRecord {
  DirectoryRecord* next;
  const char* directory;
};

struct OptionLists {
  DefineRecord* defines = nullptr;
  DirectoryRecord* includeDirs = nullptr;
  DirectoryRecord* libraryDirs = nullptr;
  const char* configFileName = "tcx32.cfg";
  bool configFileNamed = false;  // given by a "+name" argument
  char defaultExtension[5] = ".cpp";
};

}  // namespace tpx
