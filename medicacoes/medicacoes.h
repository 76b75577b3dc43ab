#pragma once
// clsMedicacoes: one administration of a medicine to an animal during care, recorded on a
// clinical record; found again by its entry key (medicine, record, client, animal and the
// insertion stamp), since it has no number of its own.
#include <cstdint>
#include <string_view>

#include "frame/record_class.h"
#include "medicacoes/medicacao.h"

namespace zolk::medicacoes {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsMedicacoes";

class clsMedicacoes : public frame::RecordClass {
public:
    clsMedicacoes();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end sets
    void CodigoDoMedicamento(double value) { m_.codigoDoMedicamento = value; }
    void Quantidade(std::string_view value) { m_.quantidade = treat(value); }
    void Unidade(std::string_view value) { m_.unidade = treat(value); }
    void Via(std::string_view value) { m_.via = treat(value); }
    void Data(platform::DateTime value) { m_.data = value; }
    void Hora(platform::DateTime value) { m_.hora = value; }
    // Stored as typed, without the text-treatment service.
    void Observacao(std::string_view value) { m_.observacao = value; }
    void NumeroDaFichaClinica(double value) { m_.numeroDaFichaClinica = value; }
    void CodigoDoVeterinario(double value) { m_.codigoDoVeterinario = value; }
    void CodigoDoCliente(double value) { m_.codigoDoCliente = value; }
    void CodigoDoAnimal(double value) { m_.codigoDoAnimal = value; }
    void DataHoraDeInclusao(platform::DateTime value) { m_.dataHoraDeInclusao = value; }

    const platform::MemberTable& memberTable() const override;

private:
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    Medicacao m_;
};

}  // namespace zolk::medicacoes
