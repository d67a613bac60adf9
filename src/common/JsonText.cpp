#include "common/JsonText.h"

#include <cstdio>

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out.append("\"");
}

void AddJsonField(std::string& out, const char* name, const std::string& value, bool last)
{
    // Built by appending: GCC 12 misreads chains of operator+ on strings here (-Wrestrict).
    out.append(JsonString(name)).append(": ").append(value);
    if (!last)
        out.append(", ");
}
