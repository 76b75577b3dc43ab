#pragma once
// clsReceitas: one prescription, attached to a clinical record, marked or not as a prescription
// of controlled drugs; its listing and the header of the controlled-drug form.
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/record_class.h"
#include "receitas/receita.h"

namespace zolk::receitas {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsReceitas";

class clsReceitas : public frame::RecordClass {
public:
    clsReceitas();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    std::int16_t SelecionarReceitaControladaParaImpressao(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                                          const platform::Variant& codigoOuNomeParaFiltro);
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end reads back
    double NumeroGerado() const { return numeroGerado_; }
    std::string DataDeEmissao() const { return dataDeEmissao_; }

    // What the front end sets
    void Numero(double value) { r_.numero = value; }
    void NumeroDaFichaClinica(double value) { r_.numeroDaFichaClinica = value; }
    void CodigoDoCliente(double value) { r_.codigoDoCliente = value; }
    void CodigoDoAnimal(double value) { r_.codigoDoAnimal = value; }
    void ReceitaControlada(bool value) { r_.receitaControlada = value; }
    void Prescricao(std::string_view value) { r_.prescricao = treat(value); }
    void CodigoDoVeterinario(double value) { r_.codigoDoVeterinario = value; }

    const platform::MemberTable& memberTable() const override;

private:
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    Receita r_;
    double numeroGerado_ = 0;
    std::string dataDeEmissao_;
};

}  // namespace zolk::receitas
