#pragma once

#include "support/LocalHttpServer.h"

#include <memory>
#include <string>
#include <vector>

// Directory sites on 127.0.0.1 whose submission page and result page each take a fixed time to
// come. Every directory is a server of its own, as real directories are separate sites: the
// browser engine opens at most six connections to one site, and a single server would queue
// loads behind each other that real sites never share.
class SlowDirectorySites
{
public:
    // With `askUser`, each form also asks for a word from a picture, below the fold, and some
    // for an "I agree" box: parts only the user can answer, which the site checks before it
    // confirms the submission.
    SlowDirectorySites(int count, int answerDelayMs, bool askUser = false);

    // "Directory 01", …: names that sort in the order of the sites.
    static std::string Name(int index);
    // The result page holds it; dirdata.xml gives it as the directory's confirmation text.
    static std::string Confirmation(int index);
    // The word the picture of the site's form shows.
    static std::string Word(int index);
    // Whether the site's form asks the user to tick "I agree to the terms".
    static bool AsksAgreement(int index);

    // Submission pages asked for again after their first load, over all the sites.
    int RepeatedPageLoads() const;
    // Forms that reached the sites.
    int Submissions() const;

    // dirdata.xml for all the sites: each fills the form's four fields from the profile.
    std::string DirectoryDatabase() const;

private:
    std::vector<std::unique_ptr<LocalHttpServer>> m_sites;
};
