#include "history/UnwrittenEventsFormat.h"

#include <cstdint>
#include <optional>

namespace {

constexpr std::string_view kHeader = "Kestrine unwritten history 1\n";
// Far beyond any real event; a length past it is damage, not a record to wait for.
constexpr uint32_t kMaxRecordBytes = 16u << 20;

uint32_t Crc32(std::string_view bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutNumber(std::string& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutText(std::string& out, std::string_view text)
{
    PutNumber(out, text.size(), 4);
    out.append(text);
}

// Takes the fields of one record from the front of its bytes; nothing once one is missing.
class CRecordReader
{
public:
    explicit CRecordReader(std::string_view bytes) : m_rest(bytes) {}

    std::optional<uint64_t> Number(int bytes)
    {
        if (m_rest.size() < static_cast<size_t>(bytes))
            return std::nullopt;
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= uint64_t{static_cast<unsigned char>(m_rest[i])} << (8 * i);
        m_rest.remove_prefix(bytes);
        return value;
    }

    std::optional<std::string_view> Bytes(uint64_t size)
    {
        if (size > m_rest.size())
            return std::nullopt;
        const std::string_view bytes = m_rest.substr(0, size);
        m_rest.remove_prefix(size);
        return bytes;
    }

    std::optional<std::string_view> Text()
    {
        const std::optional<uint64_t> size = Number(4);
        return size ? Bytes(*size) : std::nullopt;
    }

    bool AtEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

std::optional<HistoryEvent> ParseEvent(std::string_view record)
{
    CRecordReader reader(record);
    const std::optional<uint64_t> time = reader.Number(8);
    const std::optional<uint64_t> fieldsSet = reader.Number(4);
    const std::optional<uint64_t> fieldsTotal = reader.Number(4);
    const std::optional<std::string_view> kindName = reader.Text();
    const std::optional<std::string_view> profile = reader.Text();
    const std::optional<std::string_view> directory = reader.Text();
    const std::optional<std::string_view> address = reader.Text();
    if (!address || !reader.AtEnd())
        return std::nullopt;
    const std::optional<HistoryEventKind> kind = KindFromName(*kindName);
    if (!kind)
        return std::nullopt;
    return HistoryEvent{static_cast<int64_t>(*time),
                        std::string(*profile),
                        std::string(*directory),
                        *kind,
                        static_cast<int32_t>(static_cast<uint32_t>(*fieldsSet)),
                        static_cast<int32_t>(static_cast<uint32_t>(*fieldsTotal)),
                        std::string(*address)};
}

} // namespace

std::string PackUnwrittenEvents(const std::vector<HistoryEvent>& events)
{
    std::string out(kHeader);
    for (const HistoryEvent& event : events) {
        std::string record;
        PutNumber(record, static_cast<uint64_t>(event.timeUtcMs), 8);
        PutNumber(record, static_cast<uint32_t>(event.fieldsSet), 4);
        PutNumber(record, static_cast<uint32_t>(event.fieldsTotal), 4);
        PutText(record, KindName(event.kind));
        PutText(record, event.profile);
        PutText(record, event.directory);
        PutText(record, event.pageAddress);
        PutNumber(out, record.size(), 4);
        out.append(record);
        PutNumber(out, Crc32(record), 4);
    }
    return out;
}

std::vector<HistoryEvent> ReadUnwrittenEvents(std::string_view bytes)
{
    std::vector<HistoryEvent> events;
    if (bytes.substr(0, kHeader.size()) != kHeader)
        return events;
    CRecordReader reader(bytes.substr(kHeader.size()));
    while (!reader.AtEnd()) {
        const std::optional<uint64_t> size = reader.Number(4);
        if (!size || *size > kMaxRecordBytes)
            break;
        const std::optional<std::string_view> record = reader.Bytes(*size);
        const std::optional<uint64_t> crc = record ? reader.Number(4) : std::nullopt;
        if (!crc || *crc != Crc32(*record))
            break;
        std::optional<HistoryEvent> event = ParseEvent(*record);
        if (!event)
            break;
        events.push_back(std::move(*event));
    }
    return events;
}
