#include "update/DownloadSink.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

bool LooksLikeHtml(std::string_view piece)
{
    // Only these two spellings: a page that writes its tag otherwise is left to the check of
    // the whole document that follows the transfer.
    return piece.find("<HTML>") != std::string_view::npos ||
           piece.find("<html>") != std::string_view::npos;
}

} // namespace

CDownloadSink::CDownloadSink(uint64_t maxBytes, DownloadProgress progress)
    : m_maxBytes(maxBytes), m_progress(std::move(progress))
{}

CDownloadSink::~CDownloadSink()
{
    CloseFile();
    if (!m_path.empty())
        unlink(m_path.c_str());
}

bool CDownloadSink::Open(const std::string& folder)
{
    // A fixed name in a shared folder could be taken in advance by another user, and every
    // update would then fail. mkostemp makes a new file, readable only by us, under a name
    // nobody can foresee.
    std::string path = (folder.empty() ? std::string(".") : folder) + "/ddupdate-XXXXXX";
    m_fd = mkostemp(path.data(), O_CLOEXEC);
    if (m_fd < 0)
        return false;
    m_path = std::move(path);
    return true;
}

bool CDownloadSink::Receive(std::string_view bytes)
{
    if (m_state != State::Receiving)
        return false;
    if (bytes.size() > m_maxBytes - m_bytes.size()) {
        m_state = State::TooLarge;
        return false;
    }
    m_bytes.append(bytes);
    if (m_progress)
        m_progress(m_bytes.size());
    return AcceptPieces(false);
}

bool CDownloadSink::Finish()
{
    const bool accepted = m_state == State::Receiving && AcceptPieces(true);
    const bool closed = CloseFile();
    return accepted && closed;
}

bool CDownloadSink::AcceptPieces(bool includingPartial)
{
    while (m_accepted < m_bytes.size()) {
        const size_t available = m_bytes.size() - m_accepted;
        if (available < kPieceSize && !includingPartial)
            break;
        const std::string_view piece =
            std::string_view(m_bytes).substr(m_accepted, std::min(available, kPieceSize));
        if (!AcceptPiece(piece))
            return false;
        m_accepted += piece.size();
    }
    return true;
}

bool CDownloadSink::AcceptPiece(std::string_view piece)
{
    if (LooksLikeHtml(piece)) {
        m_state = State::HtmlSeen;
        return false;
    }
    if (!WriteToFile(piece)) {
        m_state = State::WriteFailed;
        return false;
    }
    return true;
}

bool CDownloadSink::WriteToFile(std::string_view piece)
{
    while (!piece.empty()) {
        const ssize_t written = write(m_fd, piece.data(), piece.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        piece.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool CDownloadSink::CloseFile()
{
    // close() can report a write that failed late (a full disk on a network folder).
    return m_fd >= 0 && close(std::exchange(m_fd, -1)) == 0;
}
