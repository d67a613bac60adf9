#include "DemoDirectory.h"

using namespace std::chrono_literals;

std::span<const DemoDirectory> DemoDirectories()
{
    static const DemoDirectory directories[] = {
        {"Feedling Index", "feedling", "/feedling/submit.php", FormMethod::Post,
         "/feedling/submit.php"},
        {"Blogrange", "blogrange", "/blogrange/", FormMethod::Get, "/blogrange/add"},
        {"Open Feed Registry", "registry", "/registry/new", FormMethod::Post, "/registry/thanks"},
        {"RSS Atlas", "atlas", "/atlas/index.html", FormMethod::Post, "/atlas/submit"},
        {"Pingwell", "pingwell", "/pingwell/", FormMethod::Post, "/pingwell/ping"},
        // Slow enough that its result page is still loading when a submission is first checked.
        {"Slowpoke Feeds", "slowpoke", "/slowpoke/add-feed", FormMethod::Post, "/slowpoke/add-feed",
         4s},
        {"Strict Feed List", "strict", "/strict/submit", FormMethod::Post, "/strict/submit", 0ms,
         true},
        {"Newsnest", "newsnest", "/newsnest/suggest", FormMethod::Get, "/newsnest/suggested"},
        {"Feedhaven", "feedhaven", "/feedhaven/", FormMethod::Post, "/feedhaven/done"},
    };
    return directories;
}

std::span<const DemoDirectory> LearnableDemoDirectories()
{
    static const DemoDirectory directories[] = {
        {"Quillfeed", "quillfeed", "/quillfeed/", FormMethod::Post, "/quillfeed/thanks"},
        {"Feedkiste", "feedkiste", "/feedkiste/eintragen", FormMethod::Get, "/feedkiste/danke"},
    };
    return directories;
}
