#pragma once

#include <string>

// The folder of the running executable, ending in '/'. The program keeps its own files
// (dirdata.xml, sv.dat) there.
std::string ExecutableDirectory();

// The full path of the running executable.
std::string ExecutableFilePath();
