#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Told the number of bytes received so far, from the thread that downloads.
using DownloadProgress = std::function<void(uint64_t bytesReceived)>;

// Where an answer goes while it arrives. The bytes are cut into pieces of kPieceSize counted
// from the start of the answer, whatever sizes the network delivers them in; each piece is
// searched by itself for an HTML tag and then written to a temporary file of its own, which is
// removed with the sink. A copy stays in memory for the checks that follow the transfer.
class CDownloadSink final
{
public:
    static constexpr size_t kPieceSize = 4095;

    enum class State
    {
        Receiving,
        HtmlSeen,
        TooLarge,
        WriteFailed,
    };

    CDownloadSink(uint64_t maxBytes, DownloadProgress progress);
    ~CDownloadSink();

    CDownloadSink(const CDownloadSink&) = delete;
    CDownloadSink& operator=(const CDownloadSink&) = delete;

    // Creates a temporary file with a name no one else can have chosen in `folder`; false when
    // it cannot be created.
    bool Open(const std::string& folder);
    // False once the transfer should stop: an HTML piece, too many bytes or a failed write.
    bool Receive(std::string_view bytes);
    // Handles the last, shorter piece and closes the file; true when every byte received was
    // accepted and is on disk.
    bool Finish();

    State GetState() const { return m_state; }
    // Everything received so far.
    const std::string& Bytes() const { return m_bytes; }
    // The temporary file while the sink lives; empty before Open().
    const std::string& Path() const { return m_path; }

private:
    bool AcceptPieces(bool includingPartial);
    bool AcceptPiece(std::string_view piece);
    bool WriteToFile(std::string_view piece);
    // False when there was no file or it could not be closed cleanly.
    bool CloseFile();

    uint64_t m_maxBytes;
    DownloadProgress m_progress;
    std::string m_path;
    int m_fd = -1;
    std::string m_bytes;
    size_t m_accepted = 0; // bytes of m_bytes already checked and written
    State m_state = State::Receiving;
};
