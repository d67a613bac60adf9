// A save killed at any moment must leave sv.dat whole: the old content or the new, never a mix.
#include "StateFileTestFolder.h"
#include "profiles/ProfileStore.h"
#include "profiles/StateFile.h"

#include <chrono>
#include <csignal>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

constexpr int kRounds = 300;

class StateFileCrashTest : public StateFileTestFolder
{
};

// Large enough that a save takes a while, so many kills land inside one.
CProfileStore StoreOf(const std::string& tag)
{
    CProfileStore store;
    for (int p = 0; p < 40; ++p) {
        ProfileRecord profile;
        profile.name = tag + " profile " + std::to_string(p);
        profile.url = "http://example.org/" + tag + "/" + std::to_string(p) + ".rss";
        for (int d = 0; d < 60; ++d)
            profile.sent.insert(tag + " directory " + std::to_string(d));
        store.AddProfile(profile);
    }
    return store;
}

std::string BytesOf(const std::string& currentName, const CProfileStore& store)
{
    std::ostringstream out;
    out << currentName << "\r\n";
    store.SaveProfiles(out);
    return out.str();
}

// Saves the two stores in turn until killed; tells the parent through `ready` once it runs.
[[noreturn]] void SaveForever(const std::string& path, const CProfileStore& first,
                              const CProfileStore& second, int ready)
{
    const char started = 1;
    if (write(ready, &started, 1) != 1)
        _exit(2);
    for (;;) {
        if (!state_file::Save(path, "first", first).ok ||
            !state_file::Save(path, "second", second).ok)
            _exit(1);
    }
}

pid_t StartSaving(const std::string& path, const CProfileStore& first, const CProfileStore& second)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        SaveForever(path, first, second, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    char started = 0;
    const bool running = child > 0 && read(pipeEnds[0], &started, 1) == 1;
    close(pipeEnds[0]);
    return running ? child : -1;
}

} // namespace

TEST_F(StateFileCrashTest, KilledSaveLeavesTheOldOrTheNewContent)
{
    const CProfileStore first = StoreOf("first");
    const CProfileStore second = StoreOf("second");
    const std::string firstBytes = BytesOf("first", first);
    const std::string secondBytes = BytesOf("second", second);
    ASSERT_TRUE(state_file::Save(StatePath(), "first", first).ok);

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killAfterMicroseconds(0, 4000);
    int killedInsideASave = 0;

    for (int round = 0; round < kRounds; ++round) {
        const pid_t child = StartSaving(StatePath(), first, second);
        ASSERT_GT(child, 0);
        // Not a wait for anything: the random moment of the crash.
        std::this_thread::sleep_for(std::chrono::microseconds(killAfterMicroseconds(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";

        const std::string content = ReadWholeFile(StatePath());
        ASSERT_TRUE(content == firstBytes || content == secondBytes)
            << "round " << round << ": sv.dat holds " << content.size() << " bytes of a mix";
        killedInsideASave += FilesInFolder() > 1;

        std::string current;
        CProfileStore loaded;
        ASSERT_TRUE(state_file::Load(StatePath(), current, loaded));
        ASSERT_EQ(FilesInFolder(), 1u) << "the next start removes the leftovers";
        ASSERT_EQ(BytesOf(current, loaded), content);
    }
    EXPECT_GT(killedInsideASave, 0) << "no kill landed inside a save; the test proved nothing";
}
