#include <iostream>
#include <string>
#include <vector>

#include "command_registry.h"
#include "core/ini/text_encoding.h"

#ifdef _WIN32
// Windows hands the arguments over in UTF-16; the commands take them as UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> utf8;
  for (int i = 0; i < argc; ++i) utf8.push_back(quendar::ini::ToUtf8(argv[i]));
  std::vector<const char*> pointers;
  for (const auto& s : utf8) pointers.push_back(s.c_str());
  return quendar::ctl::RunCommandLine(argc, pointers.data(), {std::cout, std::cerr});
}
#else
int main(int argc, char** argv) { return quendar::ctl::RunCommandLine(argc, argv, {std::cout, std::cerr}); }
#endif
