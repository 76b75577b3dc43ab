#include "platform/text_compare.h"

#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <memory>

namespace zolk::platform {

namespace {

const icu::Collator* portugueseCollator() {
    thread_local const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(icu::Locale("pt", "BR"), status));
        if (U_FAILURE(status) || !c) return std::unique_ptr<icu::Collator>();
        c->setStrength(icu::Collator::SECONDARY);  // accents count, letter case does not
        return c;
    }();
    return collator.get();
}

// Code point by code point after case folding.
int compareFolded(std::string_view a, std::string_view b) {
    std::int32_t i = 0, j = 0;
    const auto n = static_cast<std::int32_t>(a.size());
    const auto m = static_cast<std::int32_t>(b.size());
    while (i < n && j < m) {
        const std::int32_t x = nextFoldedCodePoint(a.data(), i, n);
        const std::int32_t y = nextFoldedCodePoint(b.data(), j, m);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < n) return 1;
    if (j < m) return -1;
    return 0;
}

}  // namespace

std::int32_t nextFoldedCodePoint(const char* s, std::int32_t& i, std::int32_t n) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return (b >= 'A' && b <= 'Z') ? b + 32 : b;
    }
    UChar32 c;
    const std::int32_t start = i;
    U8_NEXT(s, i, n, c);
    if (c < 0) return 0x110000 + static_cast<unsigned char>(s[start]);
    return u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

int compareText(std::string_view a, std::string_view b) {
    if (const icu::Collator* c = portugueseCollator()) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult r =
            c->compareUTF8(icu::StringPiece(a.data(), static_cast<std::int32_t>(a.size())),
                           icu::StringPiece(b.data(), static_cast<std::int32_t>(b.size())), status);
        if (U_SUCCESS(status) && r != UCOL_EQUAL) return r == UCOL_LESS ? -1 : 1;
    }
    // Texts the collator holds equal (or no collation data) are told apart by their folded
    // code points: only letter case may differ between equal texts.
    return compareFolded(a, b);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace zolk::platform
