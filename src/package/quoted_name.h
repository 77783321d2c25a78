// quotedName: a name from a file, made safe for a one-line message.
//
// Names inside packages and model entries are arbitrary bytes. Messages show
// them in double quotes with printable ASCII kept and every other byte (and
// the quote and backslash themselves) written as \xNN, so a hostile name can
// neither break the line nor smuggle terminal control codes.
#pragma once

#include <string>

inline std::string quotedName(const std::string& name) {
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : name) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    out += '"';
    return out;
}
