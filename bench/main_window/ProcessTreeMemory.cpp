#include "ProcessTreeMemory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The parent's id from /proc/<pid>/stat, whose second field (the command name) may hold
// spaces and parentheses of its own; 0 when the process is gone.
pid_t ParentOf(const std::string& pid)
{
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string state;
    pid_t parent = 0;
    fields >> state >> parent;
    return parent;
}

// The kB of the line starting with `key` in one of the process's /proc files; 0 when the
// process is gone (or is a zombie, which has no memory).
long Kilobytes(pid_t pid, const char* file, const std::string& key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return 0;
}

std::multimap<pid_t, pid_t> ChildrenByParent()
{
    std::multimap<pid_t, pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (const pid_t parent = ParentOf(name))
            children.emplace(parent, static_cast<pid_t>(std::stol(name)));
    }
    return children;
}

} // namespace

ProcessTreeMemory MeasureProcessTree(pid_t root)
{
    const std::multimap<pid_t, pid_t> children = ChildrenByParent();
    ProcessTreeMemory memory;
    long residentKb = 0;
    long proportionalKb = 0;
    std::vector<pid_t> toVisit{root};
    while (!toVisit.empty()) {
        const pid_t pid = toVisit.back();
        toVisit.pop_back();
        residentKb += Kilobytes(pid, "status", "VmRSS:");
        proportionalKb += Kilobytes(pid, "smaps_rollup", "Pss:");
        ++memory.processes;
        const auto [first, last] = children.equal_range(pid);
        for (auto child = first; child != last; ++child)
            toVisit.push_back(child->second);
    }
    memory.residentMb = static_cast<double>(residentKb) / 1024.0;
    memory.proportionalMb = static_cast<double>(proportionalKb) / 1024.0;
    return memory;
}
