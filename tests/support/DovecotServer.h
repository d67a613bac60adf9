#pragma once

#include "net/CurlLibrary.h"
#include "support/LoopbackListener.h"
#include "support/TemporaryFolder.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <netinet/in.h>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// A Dovecot IMAP server of the test's own: its configuration, mail and log in a temporary
// folder, listening on free ports of 127.0.0.1, its mail kept by an unprivileged user. One
// account. With `tls`, it also listens for imaps:// and offers STARTTLS, with a self-signed
// certificate made by openssl, which no client trusts.
class DovecotServer
{
public:
    static constexpr const char* kUser = "kim";
    static constexpr const char* kPassword = "secret";

    explicit DovecotServer(bool tls = false) : m_tls(tls) {}

    // Settings added to the configuration before Start(), one a line.
    std::string extraSettings;
    ~DovecotServer() { Stop(); }

    bool Start()
    {
        if (!m_folder.IsValid() || !Prepare())
            return false;
        m_pid = fork();
        if (m_pid == 0) {
            execl("/usr/sbin/dovecot", "dovecot", "-F", "-c", Config().c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        return m_pid > 0 && WaitForPort(m_port) && (!m_tls || WaitForPort(m_tlsPort));
    }

    void Stop()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

    std::string ImapAddress() const { return "imap://127.0.0.1:" + std::to_string(m_port); }
    std::string ImapsAddress() const { return "imaps://127.0.0.1:" + std::to_string(m_tlsPort); }

    // Puts `message` into the folder with IMAP APPEND, as a mail program would.
    bool Append(const std::string& message, const std::string& folder = "INBOX") const
    {
        const CCurlLibrary& curl = CCurlLibrary::Shared();
        const CCurlLibrary::EasyHandle handle = curl.EasyInit();
        if (!handle)
            return false;
        Upload upload{message, 0};
        const std::string url = ImapAddress() + "/" + folder;
        curl.EasySetopt(handle.get(), CURLOPT_URL, url.c_str());
        curl.EasySetopt(handle.get(), CURLOPT_USERNAME, kUser);
        curl.EasySetopt(handle.get(), CURLOPT_PASSWORD, kPassword);
        curl.EasySetopt(handle.get(), CURLOPT_UPLOAD, 1L);
        curl.EasySetopt(handle.get(), CURLOPT_INFILESIZE_LARGE,
                        static_cast<curl_off_t>(message.size()));
        curl.EasySetopt(handle.get(), CURLOPT_READFUNCTION, &Upload::Read);
        curl.EasySetopt(handle.get(), CURLOPT_READDATA, &upload);
        return curl.EasyPerform(handle.get()) == CURLE_OK;
    }

    // Takes the \\Seen flag off every mail of the folder (APPEND through libcurl sets it).
    bool MarkAllUnread(const std::string& folder = "INBOX") const
    {
        const CCurlLibrary& curl = CCurlLibrary::Shared();
        const CCurlLibrary::EasyHandle handle = curl.EasyInit();
        if (!handle)
            return false;
        const std::string url = ImapAddress() + "/" + folder;
        curl.EasySetopt(handle.get(), CURLOPT_URL, url.c_str());
        curl.EasySetopt(handle.get(), CURLOPT_USERNAME, kUser);
        curl.EasySetopt(handle.get(), CURLOPT_PASSWORD, kPassword);
        curl.EasySetopt(handle.get(), CURLOPT_CUSTOMREQUEST, "STORE 1:* -FLAGS.SILENT (\\Seen)");
        return curl.EasyPerform(handle.get()) == CURLE_OK;
    }

    // Puts `message` straight into the account's Maildir, as a delivery agent would, with its
    // arrival at `arrivedUtcSeconds` (the file's time, which the server takes for it). Many
    // mails go in far faster than by APPEND, and may arrive in the past. Before Start().
    bool Deliver(const std::string& message, int64_t arrivedUtcSeconds, int number)
    {
        namespace fs = std::filesystem;
        const fs::path maildir = fs::path(m_folder.File("home")) / kUser / "Maildir";
        for (const char* part : {"cur", "new", "tmp"})
            fs::create_directories(maildir / part);
        const fs::path file =
            maildir / "cur" /
            (std::to_string(arrivedUtcSeconds) + "." + std::to_string(number) + ".kestrine:2,");
        std::ofstream(file, std::ios::binary) << message;
        const timespec times[2] = {{static_cast<time_t>(arrivedUtcSeconds), 0},
                                   {static_cast<time_t>(arrivedUtcSeconds), 0}};
        return utimensat(AT_FDCWD, file.c_str(), times, 0) == 0;
    }

    // The server's log: logins, failed ones among them.
    std::string Log() const
    {
        std::ifstream in(m_folder.File("dovecot.log"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    struct Upload
    {
        const std::string& bytes;
        size_t sent;

        static size_t Read(char* buffer, size_t size, size_t count, void* context)
        {
            Upload& upload = *static_cast<Upload*>(context);
            const size_t bytes = std::min(size * count, upload.bytes.size() - upload.sent);
            upload.bytes.copy(buffer, bytes, upload.sent);
            upload.sent += bytes;
            return bytes;
        }
    };

    std::string Config() const { return m_folder.File("dovecot.conf"); }

    // A port nothing listens on: the server takes it a moment later.
    static int FreePort()
    {
        int port = 0;
        if (const int probe = ListenOnLoopback(port); probe >= 0)
            close(probe);
        return port;
    }

    static bool WaitForPort(int port)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < deadline) {
            const int client = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<uint16_t>(port));
            const bool connected =
                connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            close(client);
            if (connected)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    bool Prepare()
    {
        namespace fs = std::filesystem;
        // Root runs the server, which keeps the mail as "nobody"; anyone else keeps it as
        // themselves.
        const bool root = geteuid() == 0;
        const passwd* self = getpwuid(geteuid());
        const std::string mailUser = root ? "nobody" : self->pw_name;
        fs::create_directories(m_folder.File("run"));
        fs::create_directories(m_folder.File("home"));
        fs::permissions(m_folder.Path(), fs::perms::all, fs::perm_options::add);
        fs::permissions(m_folder.File("home"), fs::perms::all, fs::perm_options::add);
        // Mail delivered before the start belongs to the user who keeps it.
        if (root) {
            const uid_t nobody = getpwnam("nobody")->pw_uid;
            const gid_t nogroup = getgrnam("nogroup")->gr_gid;
            for (const fs::directory_entry& entry :
                 fs::recursive_directory_iterator(m_folder.File("home")))
                if (lchown(entry.path().c_str(), nobody, nogroup) != 0)
                    return false;
        }
        std::ofstream(m_folder.File("passwd")) << kUser << ":{PLAIN}" << kPassword << "\n";
        m_port = FreePort();
        m_tlsPort = m_tls ? FreePort() : 0;
        std::ofstream config(Config());
        config << "base_dir = " << m_folder.File("run") << "\n"
               << "state_dir = " << m_folder.File("run") << "\n"
               << "log_path = " << m_folder.File("dovecot.log") << "\n"
               << "protocols = imap\nlisten = 127.0.0.1\n"
               << "disable_plaintext_auth = no\nauth_mechanisms = plain login\n"
               << "auth_verbose = yes\n"
               << "passdb {\n  driver = passwd-file\n  args = " << m_folder.File("passwd")
               << "\n}\n"
               << "userdb {\n  driver = static\n  args = uid=" << mailUser
               << " gid=" << (root ? "nogroup" : std::to_string(getegid()))
               << " home=" << m_folder.File("home") << "/%u\n}\n"
               << "mail_location = maildir:~/Maildir\n"
               << "service imap-login {\n  chroot =\n"
               << "  inet_listener imap {\n    address = 127.0.0.1\n    port = " << m_port
               << "\n  }\n  inet_listener imaps {\n    address = 127.0.0.1\n    port = "
               << m_tlsPort << "\n  }\n}\n"
               << "service anvil {\n  chroot =\n}\n"
               << extraSettings;
        if (!root)
            config << "default_internal_user = " << mailUser
                   << "\ndefault_login_user = " << mailUser << "\n";
        if (!m_tls) {
            config << "ssl = no\n";
            return true;
        }
        config << "ssl = yes\nssl_cert = <" << m_folder.File("cert.pem") << "\nssl_key = <"
               << m_folder.File("key.pem") << "\n";
        const std::string makeCertificate =
            "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -keyout " +
            m_folder.File("key.pem") + " -out " + m_folder.File("cert.pem") + " 2>/dev/null";
        return std::system(makeCertificate.c_str()) == 0;
    }

    bool m_tls;
    TemporaryFolder m_folder;
    int m_port = 0;
    int m_tlsPort = 0;
    pid_t m_pid = -1;
};
