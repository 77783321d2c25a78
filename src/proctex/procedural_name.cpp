#include "proctex/procedural_name.h"

#include <cstring>
#include <limits>

namespace {

class NameReader {
public:
    explicit NameReader(const std::string& name)
        : text(name.c_str()), length(std::strlen(name.c_str())) {}

    bool atEnd() const { return position >= length; }
    char peek() const { return text[position]; }
    bool skipOne() {
        if (atEnd()) return false;
        ++position;
        return true;
    }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    // Plain decimal digits (at least one), no sign.
    bool readDigits(int64_t& value) {
        if (atEnd() || !isDigit(peek())) return false;
        value = 0;
        while (!atEnd() && isDigit(peek())) {
            value = value * 10 + (peek() - '0');
            if (value > std::numeric_limits<int32_t>::max() + int64_t{1}) return false;
            ++position;
        }
        return true;
    }

    // Like a formatted int read: white space, an optional sign, digits.
    bool readInt(int32_t& out) {
        while (!atEnd() && isSpace(peek())) ++position;
        bool negative = false;
        if (!atEnd() && (peek() == '+' || peek() == '-')) {
            negative = peek() == '-';
            ++position;
        }
        int64_t magnitude;
        if (!readDigits(magnitude)) return false;
        const int64_t value = negative ? -magnitude : magnitude;
        if (value < std::numeric_limits<int32_t>::min() ||
            value > std::numeric_limits<int32_t>::max()) {
            return false;
        }
        out = static_cast<int32_t>(value);
        return true;
    }

    std::string readKindWord() {
        const size_t start = position;
        while (!atEnd() && !isDigit(peek())) ++position;
        return std::string(text + start, position - start);
    }

private:
    const char* text;
    size_t length;
    size_t position = 0;
};

}  // namespace

bool parseProceduralTextureName(const std::string& name, ProceduralTextureName& parsed,
                                std::string& why) {
    parsed = ProceduralTextureName();
    NameReader reader(name);
    if (!reader.skipOne() || !reader.skipOne()) {
        why = "name is shorter than two characters";
        return false;
    }
    const std::string kind = reader.readKindWord();
    if (kind == "Plasma") {
        parsed.kind = ProceduralKind::Plasma;
    } else if (kind == "Fire") {
        parsed.kind = ProceduralKind::Fire;
    } else {
        why = "unknown kind \"" + kind + "\" (Plasma or Fire)";
        return false;
    }

    int64_t width;
    int32_t height;
    if (!reader.readDigits(width) || width > std::numeric_limits<int32_t>::max()) {
        why = "missing or too large width";
        return false;
    }
    if (!reader.skipOne() || !reader.readInt(height)) {
        why = "missing height";
        return false;
    }
    if (parsed.kind == ProceduralKind::Plasma) {
        int32_t channels[3];
        for (int32_t& channel : channels) {
            if (!reader.skipOne() || !reader.readInt(channel)) {
                why = "missing base colour (red, green, blue)";
                return false;
            }
        }
        parsed.red = static_cast<uint8_t>(static_cast<uint32_t>(channels[0]));
        parsed.green = static_cast<uint8_t>(static_cast<uint32_t>(channels[1]));
        parsed.blue = static_cast<uint8_t>(static_cast<uint32_t>(channels[2]));
    }

    const int32_t minimumHeight = parsed.kind == ProceduralKind::Fire ? 2 : 1;
    if (width < 1 || height < minimumHeight) {
        why = "size " + std::to_string(width) + " x " + std::to_string(height) +
              " is below " + (minimumHeight == 2 ? "1 x 2" : "1 x 1");
        return false;
    }
    if (width * int64_t{height} > std::numeric_limits<int32_t>::max() / 4) {
        why = "size " + std::to_string(width) + " x " + std::to_string(height) + " is too large";
        return false;
    }
    parsed.width = static_cast<int32_t>(width);
    parsed.height = height;
    return true;
}
