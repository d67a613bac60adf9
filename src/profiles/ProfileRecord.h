#pragma once

#include "profiles/SentSet.h"

#include <string>

// One profile: the facts a submission form asks for, and the directories already sent this feed.
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
    CSentSet sent;
};
