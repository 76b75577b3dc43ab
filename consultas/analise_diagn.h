#pragma once
// clsAnaliseDiagn: how often each diagnosis occurs in the clinical records, over a condition the
// front end writes itself.
#include <cstdint>
#include <string_view>

#include "frame/business_object.h"

namespace zolk::consultas {

inline constexpr const char* AnaliseDiagnProgId = "ZOLK_N_FichasClinicas.clsAnaliseDiagn";

class clsAnaliseDiagn : public frame::BusinessObject {
public:
    clsAnaliseDiagn();

    // `instrucaoSQL` is SQL from the front end, inserted as given after the fixed conditions.
    // With `instrucaoSQLMontada` the library groups and ranks (most frequent first, ties by name);
    // without it the fragment completes the statement itself.
    std::int16_t Gerar(std::string_view instrucaoSQL, bool instrucaoSQLMontada);

    const platform::MemberTable& memberTable() const override;

private:
    // The analysis writes nothing: nothing to validate, and its interface has no ValidarDados.
    std::int16_t ValidarDados(std::int16_t, platform::ObjectRef, platform::ObjectRef&) override { return 0; }
};

}  // namespace zolk::consultas
