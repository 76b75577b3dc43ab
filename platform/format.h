#pragma once
// VB's Format function with pt-BR output symbols; one implementation for the library and SQL.
#include <memory>
#include <string>
#include <string_view>

#include "platform/variant.h"

namespace zolk::platform {

// Returns a String Variant, or Null for a Null value without a fourth section.
Variant Format(const Variant& value, std::string_view pattern);

// A Format pattern read once (named patterns resolved, sections split, typed and parsed), to be
// applied to many values: apply(v) is Format(v, pattern). A pattern with more than four
// sections raises 5 when it is read. Copies share the compiled form; it is never changed.
class FormatPattern {
public:
    explicit FormatPattern(std::string_view pattern);
    Variant apply(const Variant& value) const;
    // Appends the formatted text to `out`; false (nothing appended) when the result is Null.
    bool appendTo(const Variant& value, std::string& out) const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> c_;
};

}  // namespace zolk::platform
