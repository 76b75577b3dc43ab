#pragma once
// clsExames: one exam request, attached to a clinical record, for any set of the 182 exams of the
// catalogue, sent to one laboratory; its listing and the header of its printed form.
#include <cstdint>
#include <string>
#include <string_view>

#include "exames/catalogo.h"
#include "exames/solicitacao.h"
#include "frame/record_class.h"

namespace zolk::exames {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsExames";

class clsExames : public frame::RecordClass {
public:
    clsExames();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    std::int16_t SelecionarParaImpressaoCabecalho(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                                  const platform::Variant& codigoOuNomeParaFiltro);
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end reads back
    double NumeroGerado() const { return numeroGerado_; }
    std::string DataDeEmissao() const { return dataDeEmissao_; }

    // What the front end sets
    void Numero(double value) { s_.numero = value; }
    void NumeroDaFichaClinica(double value) { s_.numeroDaFichaClinica = value; }
    void CodigoDoVeterinario(double value) { s_.codigoDoVeterinario = value; }
    void CodigoDoCliente(double value) { s_.codigoDoCliente = value; }
    void CodigoDoAnimal(double value) { s_.codigoDoAnimal = value; }
    void CodigoDoLaboratorio(double value) { s_.codigoDoLaboratorio = value; }
    // Stored as given, not through the text service; their statements double their quotes.
    void Relato(std::string_view value) { s_.relato = value; }
    void Amostra(std::string_view value) { s_.amostra = value; }
    void ReceberResultadoPor(std::string_view value) { s_.receberResultadoPor = value; }
    void ExamePago(bool value) { s_.examePago = value; }
    using FieldId = Exame;
    ZOLK_FIELD_SETTERS(ZOLK_EXAMES_CATALOGO)
    void letField(Exame e, const platform::Variant& value) { s_.exames.let(e, value, *this); }
    void ImagemObservacao(std::string_view value) { s_.imagemObservacao = treat(value); }
    void OutrosExames(std::string_view value) { s_.outrosExames = treat(value); }
    void ResultadosDeExames(std::string_view value) { s_.resultadosDeExames = treat(value); }
    void Observacao(std::string_view value) { s_.observacao = treat(value); }
    void ExameSelecionado(bool value) { s_.exameSelecionado = value; }

    const Solicitacao& solicitacao() const { return s_; }

    const platform::MemberTable& memberTable() const override;

private:
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    Solicitacao s_;
    double numeroGerado_ = 0;
    std::string dataDeEmissao_;
};

}  // namespace zolk::exames
