#include "components/tratadados/tratamento.h"

namespace zolk::components {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the bytes there are invalid
// (overlong forms, surrogates and code points above U+10FFFF included).
std::size_t validSequence(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) len = 2;
    else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    if (byte(i + 1) < lo || byte(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return len;
}

}  // namespace

std::string tratarString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = validSequence(text, i);
        if (len == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else if (len == 1) {
            const char c = text[i++];
            if (c == '\0') continue;
            out += c;
            if (c == '\'') out += '\'';
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

const platform::MemberTable& Tratamento::memberTable() const {
    using platform::MemberKind;
    using platform::ParamType;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"TratarString", MemberKind::Operation, {{"lstrTexto", ParamType::String, false, true}},
               ParamType::String, [](platform::Dispatchable&, platform::CallArgs& a) {
                   return platform::Variant(tratarString(a[0].asString()));
               }});
        return t;
    }();
    return table;
}

}  // namespace zolk::components
