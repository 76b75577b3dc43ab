#pragma once
// clsVacinacoes: one dose of a vaccine for an animal, applied or pending with its due date; the
// animal's card lists the doses of a record, those applied earlier, and those overdue or to come.
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/record_class.h"
#include "frame/sql_literals.h"
#include "vacinacoes/vacinacao.h"

namespace zolk::vacinacoes {

inline constexpr const char* ProgId = "ZOLK_N_FichasClinicas.clsVacinacoes";

class clsVacinacoes : public frame::RecordClass {
public:
    clsVacinacoes();

    // Operations
    std::int16_t Adicionar();
    std::int16_t Alterar();
    std::int16_t Excluir();
    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override;

    // What the front end reads back
    double CodigoGerado() const { return codigoGerado_; }
    // As set, or the date Adicionar or the application call filled in.
    std::string DataDaAplicacao() const { return v_.dataDaAplicacao; }

    // What the front end sets
    void Codigo(double value) { v_.codigo = value; }
    void NumeroDaFichaClinica(double value) { v_.numeroDaFichaClinica = value; }
    void CodigoDoCliente(double value) { v_.codigoDoCliente = value; }
    void CodigoDoAnimal(double value) { v_.codigoDoAnimal = value; }
    void CodigoDaVacina(double value) { v_.codigoDaVacina = value; }
    void NumeroDaDose(std::int16_t value) { v_.numeroDaDose = value; }
    void NumeroDeDoses(std::int16_t value) { v_.numeroDeDoses = value; }
    void IntervaloEntreAsDoses(std::int16_t value) { v_.intervaloEntreAsDoses = value; }
    // Stored as typed: a date, not a text to treat.
    void DataDaAplicacao(std::string_view value) { v_.dataDaAplicacao = value; }
    void CodigoDoVeterinario(double value) { v_.codigoDoVeterinario = value; }
    void VacinaAplicada(bool value) { v_.vacinaAplicada = frame::sql::boolean(value); }
    void Partida(std::string_view value) { v_.partida = treat(value); }
    void Observacao(std::string_view value) { v_.observacao = treat(value); }
    void Aplicacao(bool value) { v_.aplicacao = value; }

    const Vacinacao& vacinacao() const { return v_; }

    const platform::MemberTable& memberTable() const override;

private:
    // Selecionar's modes: 1 the record's doses, 2 applied earlier, 3 overdue, 4 to come.
    std::string listingStatement(const frame::sql::RecordListing& args) const override;

    Vacinacao v_;
    double codigoGerado_ = 0;
};

}  // namespace zolk::vacinacoes
