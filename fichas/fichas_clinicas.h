#pragma once
// clsFichasClinicas: one clinical record (a consultation of one animal by one veterinarian), its
// return appointment, its listing and paging, its printout data and the rules on changing it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ado/recordset.h"
#include "fichas/ficha.h"
#include "frame/business_object.h"
#include "platform/date_time.h"

namespace zolk::fichas {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsFichasClinicas";

class clsFichasClinicas : public frame::BusinessObject {
public:
    clsFichasClinicas();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Selecionar(std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                            std::int16_t situacaoParaFiltro, const platform::Variant& codigoOuNome,
                            const platform::Variant& codigoOuNomeDoCliente,
                            const platform::Variant& codigoOuNomeDoAnimal);
    std::int16_t SelecionarParaImpressao(double numeroDaFichaClinica);
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end reads back
    double NumeroGerado() const { return numeroGerado_; }
    // The record's Get passes the stored date through the text service once more on the way out
    // (a date holds no quote, so it reads as stored); the exam request's Get returns it as stored.
    std::string DataDeEmissao() const { return treat(dataDeEmissao_); }

    // What the front end sets
    void Numero(double value) { ficha_.numero = value; }
    void TipoDeAtendimento(std::int16_t value) { ficha_.tipoDeAtendimento = value; }
    void CodigoDoCliente(double value) { ficha_.codigoDoCliente = value; }
    void CodigoDoAnimal(double value) { ficha_.codigoDoAnimal = value; }
    void CodigoDoVeterinario(double value) { ficha_.codigoDoVeterinario = value; }

    // The anamnesis and examination properties: one typed setter each.
    using FieldId = Property;
    ZOLK_FIELD_SETTERS(ZOLK_FICHAS_PROPERTIES)
    // Stores a property's value by its kind's rule, as its setter and its Let member do.
    void letField(Property p, const platform::Variant& value) { ficha_.values.let(p, value, *this); }

    const Ficha& ficha() const { return ficha_; }

    const platform::MemberTable& memberTable() const override;

private:
    std::optional<std::int16_t> fieldRules(frame::Operation& op);
    std::optional<std::int16_t> permissionRules(frame::Operation& op, const platform::ObjectRef& conexao,
                                                platform::ObjectRef& recordset);

    Ficha ficha_;
    double numeroGerado_ = 0;
    std::string dataDeEmissao_;
};

}  // namespace zolk::fichas
