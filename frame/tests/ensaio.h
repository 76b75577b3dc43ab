#pragma once
// clsEnsaio: the smallest business class the frame carries, used by the frame's tests and as the
// walk-through of docs/adding-a-class.md. One table of notes (Notas), four properties, a
// transactional insertion of three statements, a listing searched by text, and one field rule.
#include <cstdint>
#include <string>

#include "frame/business_object.h"
#include "frame/fields.h"
#include "frame/members.h"
#include "frame/operation.h"
#include "frame/sql_literals.h"
#include "platform/conversions.h"

namespace zolk::frame::ensaio {

// The properties: X(name, kind, extra, column).
#define ZOLK_ENSAIO_CAMPOS(X)        \
    X(Texto, Text, {}, )             \
    X(Autor, RawText, {}, )          \
    X(Pago, Boolean, {}, "NotaPaga") \
    X(Peso, Measurement, {}, )

ZOLK_FIELD_TABLE(Campo, NoExtra, ZOLK_ENSAIO_CAMPOS, campos)

// The table the class writes, as a test creates it.
inline constexpr const char* NotasDDL =
    "CREATE TABLE Notas (Numero INTEGER PRIMARY KEY AUTOINCREMENT, Texto VARCHAR(80), Autor VARCHAR(80), "
    "NotaPaga YESNO, Peso DOUBLE, Valor DOUBLE, DataEHoraDaInclusao DATETIME, UsuarioDaInclusao VARCHAR(50))";

class clsEnsaio : public BusinessObject {
public:
    clsEnsaio() : BusinessObject("clsEnsaio") {}

    using FieldId = Campo;
    ZOLK_FIELD_SETTERS(ZOLK_ENSAIO_CAMPOS)
    void letField(Campo c, const platform::Variant& value) { campos_.let(c, value, *this); }

    double NumeroGerado() const { return numeroGerado_; }

    // Checkpoints: 1 to 4 opening and validation, 5 the clock and the first row, 6 the second
    // row, 7 the third statement, 8 the new number, 9 and 10 the end.
    std::int16_t Adicionar() {
        return run("Adicionar", [&](Operation& op) -> std::int16_t {
            if (auto code = op.openAndValidate(1, 11)) return *code;

            op.ponto(5);
            const Stamp now = stamp(op.updateTime());
            op.beginTrans();
            op.execute(insertion(now, 1));
            op.ponto(6);
            op.execute(insertion(now, 2));
            op.ponto(7);
            op.execute(terceiraInstrucao);
            op.ponto(8);
            numeroGerado_ = platform::CDbl(op.executeScalar("SELECT @@Identity"));
            op.commitTrans();
            return op.done({9, 10});
        });
    }

    std::int16_t Selecionar(ListKind kind, std::int16_t pageSize, const std::string& procurado) {
        Selection s;
        s.statement = [&] {
            return "SELECT Numero, Texto FROM " + tabela + " WHERE Texto " + sql::like(procurado) + " ORDER BY Numero;";
        };
        s.kind = kind;
        s.pageSize = pageSize;
        s.nothingFound = "Nenhuma nota encontrada.";
        return select("Selecionar", s);
    }

    std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                              platform::ObjectRef& recordset) override {
        return validation(conexao, recordset, [&](Operation& op) -> std::int16_t {
            op.ponto(2);
            if (operacao != 1) return result::Done;
            if (campos_.text(Campo::Texto).empty()) return fieldRuleFailed("Digite o texto.", "Texto");
            op.ponto(3);
            if (campos_.text(Campo::Texto) == "recusar") return refused("Recusado para este usuário.");
            userName();  // needs the user data object
            return result::Done;
        });
    }

    const platform::MemberTable& memberTable() const override {
        return ClassMembers<clsEnsaio>::shared([] {
            return ClassMembers<clsEnsaio>()
                .fields(campos)
                .get("NumeroGerado", &clsEnsaio::NumeroGerado)
                .dadosDoUsuario()
                .numeroDoErro()
                .localDoErro()
                .descricaoDaFalha()
                .build();
        });
    }

    // What the tests change to make a statement fail.
    std::string terceiraInstrucao = "UPDATE Notas SET Valor = 3 WHERE Valor = 2";
    std::string tabela = "Notas";

private:
    std::string insertion(const Stamp& now, int valor) const {
        std::string columns = "INSERT INTO Notas (";
        std::string values = "VALUES(";
        for (const auto& campo : campos) columns += std::string(campo.column()) + ", ";
        for (std::size_t i = 0; i < campos.size(); ++i) values += campos_.literal(campos.id(i)) + ", ";
        columns += "Valor, DataEHoraDaInclusao,UsuarioDaInclusao) ";
        values += std::to_string(valor) + ", " + sql::insertionStamp(now) + ");";
        return columns + values;
    }

    FieldValues<decltype(campos)> campos_{campos};
    double numeroGerado_ = 0;
};

}  // namespace zolk::frame::ensaio
