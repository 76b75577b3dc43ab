#pragma once
// clsMedicacoes: one administration of a medicine to an animal during care, recorded on a
// clinical record; found again by its entry key (medicine, record, client, animal and the
// insertion stamp), since it has no number of its own.
#include <cstdint>
#include <string_view>

#include "frame/business_object.h"
#include "medicacoes/medicacao.h"

namespace zolk::medicacoes {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsMedicacoes";

class clsMedicacoes : public frame::BusinessObject {
public:
    clsMedicacoes();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    // The last three arrive as 0 when the front end leaves them out.
    std::int16_t Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                            const platform::Variant& codigoOuNomeParaFiltro,
                            std::int16_t medicacoesDaFichaAtualOuDasFichasAnteriores,
                            double numeroDaFichaClinica = 0, double codigoDoCliente = 0, double codigoDoAnimal = 0);
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
    Medicacao m_;
};

}  // namespace zolk::medicacoes
