#pragma once
// ZOLK_N_TrataDados.clsTratamento: prepares free text to stand between single quotes in SQL.
#include <string>
#include <string_view>

#include "platform/dispatch.h"

namespace zolk::components {

inline constexpr const char* TratamentoProgId = "ZOLK_N_TrataDados.clsTratamento";

// Doubles every single quote, drops NUL characters and turns invalid UTF-8 bytes into U+FFFD;
// everything else (line breaks, tabs, blanks at the ends) is kept.
std::string tratarString(std::string_view text);

class Tratamento : public platform::Dispatchable {
public:
    std::string TratarString(std::string_view text) const { return tratarString(text); }

    std::string className() const override { return "clsTratamento"; }
    const platform::MemberTable& memberTable() const override;
};

}  // namespace zolk::components
