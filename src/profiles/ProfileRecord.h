#pragma once

#include <set>
#include <string>

// One profile: the facts a submission form asks for, and the directories already sent this feed.
// std::set<std::string> orders by unsigned bytes, a proper prefix first, as sv.dat lists them.
struct ProfileRecord
{
    std::string name;
    std::string url;
    std::string title;
    std::string desc;
    std::string cat;
    std::string subcat;
    std::string keywords;
    std::string email;
    std::string fname;
    std::string lname;
    std::set<std::string> sent;
};
