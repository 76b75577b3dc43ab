#pragma once
// clsDiagnTrat and clsInternacao: read-only views on the clinical records, listing the diagnoses
// and treatments, or the hospitalisation notes, of one record or of the animal's earlier records.
#include <cstdint>

#include "consultas/historico.h"
#include "frame/record_class.h"

namespace zolk::consultas {

inline constexpr const char* DiagnTratProgId = "ZOLK_N_FichasClinicas.clsDiagnTrat";
inline constexpr const char* InternacaoProgId = "ZOLK_N_FichasClinicas.clsInternacao";

// What the two views share: one Selecionar, no record fields, no user data, no validation.
// Selecionar's `modo` 1 lists the record given; any other value the animal's earlier records.
class HistoricoDaFicha : public frame::RecordClass {
protected:
    HistoricoDaFicha(std::string className, Notas notas, const char* nothingFound);

private:
    // A view writes nothing: nothing to validate, and its interface has no ValidarDados.
    std::int16_t ValidarDados(std::int16_t, platform::ObjectRef, platform::ObjectRef&) override { return 0; }
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    Notas notas_;
};

class clsDiagnTrat : public HistoricoDaFicha {
public:
    clsDiagnTrat();
    const platform::MemberTable& memberTable() const override;
};

class clsInternacao : public HistoricoDaFicha {
public:
    clsInternacao();
    const platform::MemberTable& memberTable() const override;
};

}  // namespace zolk::consultas
