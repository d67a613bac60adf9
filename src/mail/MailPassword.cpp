#include "mail/MailPassword.h"

#include "common/TextCatalogue.h"

#include <array>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <libsecret/secret.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxCommandOutput = 4096;

PasswordOutcome NoPassword(std::string problem)
{
    return {false, {}, std::move(problem)};
}

// Reads what the child writes until it closes its end, the limit is reached or time is up.
bool ReadOutput(int fd, std::chrono::steady_clock::time_point deadline, std::string& output)
{
    std::array<char, 512> buffer{};
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched{fd, POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return true;
        output.append(buffer.data(), static_cast<size_t>(got));
        if (output.size() >= kMaxCommandOutput)
            return true;
    }
}

const SecretSchema* MailSchema()
{
    static const SecretSchema schema = [] {
        SecretSchema made{};
        made.name = "org.kestrine.Mail";
        made.flags = SECRET_SCHEMA_NONE;
        made.attributes[0] = {"server", SECRET_SCHEMA_ATTRIBUTE_STRING};
        made.attributes[1] = {"user", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return made;
    }();
    return &schema;
}

std::string SecretStoreProblem(GError* error)
{
    std::string problem =
        FillIn(KESTRINE_TEXT("MailPassword", "the desktop's secret store cannot be reached (%1)"),
               {error && error->message ? error->message : ""});
    g_clear_error(&error);
    return problem;
}

} // namespace

PasswordOutcome RunPasswordCommand(const std::string& command, std::chrono::milliseconds timeout)
{
    const std::string failed =
        KESTRINE_TEXT("MailPassword", "the password command gave no password");
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return NoPassword(failed);
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return NoPassword(failed);
    }
    if (child == 0) {
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        dup2(pipeEnds[1], STDOUT_FILENO);
        // Its own process group, so that a timeout ends whatever the shell started too.
        setpgid(0, 0);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    const bool finished =
        ReadOutput(pipeEnds[0], std::chrono::steady_clock::now() + timeout, output);
    close(pipeEnds[0]);
    if (!finished) {
        kill(-child, SIGKILL);
        kill(child, SIGKILL);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!finished)
        return NoPassword(KESTRINE_TEXT("MailPassword", "the password command took too long"));
    const std::string line = output.substr(0, output.find_first_of("\r\n"));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || line.empty())
        return NoPassword(failed);
    return {true, line, {}};
}

PasswordOutcome LookUpStoredPassword(const MailConfig& config)
{
    GError* error = nullptr;
    gchar* password =
        secret_password_lookup_sync(MailSchema(), nullptr, &error, "server", config.server.c_str(),
                                    "user", config.user.c_str(), nullptr);
    if (error)
        return NoPassword(SecretStoreProblem(error));
    if (!password)
        return NoPassword(KESTRINE_TEXT(
            "MailPassword", "no password is kept for this mailbox: enter it in Settings > "
                            "Confirmation Mails, or set a password command"));
    PasswordOutcome found{true, password, {}};
    secret_password_free(password);
    return found;
}

bool StorePassword(const MailConfig& config, const std::string& password, std::string& problem)
{
    GError* error = nullptr;
    const std::string label = "Kestrine: " + config.user + " on " + config.server;
    const gboolean stored = secret_password_store_sync(
        MailSchema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(), nullptr, &error,
        "server", config.server.c_str(), "user", config.user.c_str(), nullptr);
    if (stored && !error)
        return true;
    problem = SecretStoreProblem(error);
    return false;
}

PasswordOutcome FindPassword(const MailConfig& config)
{
    return config.passwordCommand.empty() ? LookUpStoredPassword(config)
                                          : RunPasswordCommand(config.passwordCommand);
}
