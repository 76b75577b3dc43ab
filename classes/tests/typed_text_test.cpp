// Every text property of every built class, and its stamps' user name, set to texts that try to
// break out of their literal, is stored as typed by Adicionar and Alterar, and nothing else changes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include "classes/class_table.h"
#include "components/userdata/dados_do_usuario.h"
#include "exames/exames.h"
#include "fichas/fichas_clinicas.h"
#include "platform/conversions.h"
#include "procedimentos/procedimentos.h"
#include "receitas/receitas.h"
#include "testsupport/practice_fixture.h"
#include "vacinacoes/vacinacoes.h"

namespace zolk::classes {
namespace {

using platform::Variant;
using Row = std::map<std::string, std::string>;

// One class as a front end fills it by member name.
struct TextCase {
    std::string progId;
    std::string table;      // written by Adicionar and Alterar
    std::string key;        // the table's key: the property Alterar finds the row by
    std::string generated;  // the Get of the key Adicionar gave
    std::vector<std::pair<std::string, Variant>> valid;  // what makes the insertion pass its rules
    std::vector<std::string> texts;                      // every text property, stored in the column of its name
};

std::vector<std::string> textsOf(const decltype(fichas::properties)& table) {
    std::vector<std::string> names;
    for (const auto& property : table)
        if (property.kind == frame::FieldKind::Text) names.emplace_back(property.name);
    return names;
}

const std::vector<TextCase>& textCases() {
    static const std::vector<TextCase> cases = {
        {fichas::ProgId, "FichasClinicas", "Numero", "NumeroGerado",
         {{"TipoDeAtendimento", Variant(std::int16_t{1})}, {"CodigoDoCliente", Variant(95.0)},
          {"CodigoDoAnimal", Variant(140.0)}, {"CodigoDoVeterinario", Variant(3.0)}},
         textsOf(fichas::properties)},
        {exames::ProgId, "Exames", "Numero", "NumeroGerado",
         {{"NumeroDaFichaClinica", Variant(812.0)}, {"CodigoDoVeterinario", Variant(3.0)}, {"CodigoDoCliente", Variant(95.0)},
          {"CodigoDoAnimal", Variant(140.0)}, {"CodigoDoLaboratorio", Variant(2.0)}, {"HemogramaCompleto", Variant(true)},
          {"ExameSelecionado", Variant(true)}},
         {"Relato", "Amostra", "ReceberResultadoPor", "ImagemObservacao", "OutrosExames", "ResultadosDeExames", "Observacao"}},
        {vacinacoes::ProgId, "Vacinacoes", "Codigo", "CodigoGerado",
         {{"DataDaAplicacao", Variant("15/12/2026")}, {"NumeroDaFichaClinica", Variant(812.0)},
          {"CodigoDoCliente", Variant(95.0)}, {"CodigoDoAnimal", Variant(140.0)}, {"CodigoDaVacina", Variant(3.0)},
          {"NumeroDaDose", Variant(std::int16_t{1})}, {"NumeroDeDoses", Variant(std::int16_t{2})},
          {"IntervaloEntreAsDoses", Variant(std::int16_t{21})}, {"CodigoDoVeterinario", Variant(3.0)},
          {"VacinaAplicada", Variant(true)}},
         {"Partida", "Observacao"}},
        {procedimentos::ProgId, "ServicosEfetuados", "NumeroDeLancamento", "NumeroDeLancamentoGerado",
         {{"TipoDeLancamento", Variant("1")}, {"NumeroDaFichaClinica", Variant(812.0)}, {"CodigoDoVeterinario", Variant(3.0)},
          {"CodigoDoCliente", Variant(95.0)}, {"CodigoDoAnimal", Variant(140.0)},
          {"NumeroDoTipoDeProcedimento", Variant(1.0)}, {"CodigoDoProcedimento", Variant(3.0)},
          {"Quantidade", Variant("1")}},
         {"Observacao"}},
        {receitas::ProgId, "Receitas", "Numero", "NumeroGerado",
         {{"NumeroDaFichaClinica", Variant(812.0)}, {"CodigoDoCliente", Variant(95.0)}, {"CodigoDoAnimal", Variant(140.0)},
          {"CodigoDoVeterinario", Variant(3.0)}},
         {"Prescricao"}},
    };
    return cases;
}

const std::vector<std::string> hostileTexts = {
    "bob', CodigoDoUsuarioDaInclusao=5, UsuarioDaInclusao='bob",
    "Apatia', ExamePago=True, Numero=Numero+1000, Relato='Apatia",
    " Cão 'Tóbi' \"late\"\n\tà noite; 100% -- ok? \\ fim ",
    "'",
};

class TypedText : public ::testing::TestWithParam<std::tuple<std::size_t, std::size_t>> {
protected:
    TypedText() { registerClasses(); }

    const TextCase& theCase() const { return textCases()[std::get<0>(GetParam())]; }
    const std::string& typed() const { return hostileTexts[std::get<1>(GetParam())]; }

    // An object of the case's class filled by name with every text set to `text`, for a user so named.
    platform::ObjectRef filled(const std::string& text, const std::string& userName) const {
        auto user = std::make_shared<components::DadosDoUsuario>();
        user->Add(Variant(userName), "NomeDeUsuario");
        user->Add(Variant(1.0), "CodigoDoUsuario");
        user->Add(Variant(true), "Administrador");
        platform::ObjectRef object = platform::CreateObject(theCase().progId);
        object->set("DadosDoUsuario", user);
        for (const auto& [name, value] : theCase().valid) object->let(name, value);
        for (const std::string& name : theCase().texts) object->let(name, Variant(text));
        return object;
    }

    static void run(platform::Dispatchable& object, const char* operation) {
        ASSERT_EQ(platform::CInt(object.call(operation)), 0) << platform::CStr(object.get("DescricaoDoErro"))
                                                               << platform::CStr(object.get("DescricaoDaFalha"));
    }

    std::map<std::string, Row> rowsByNumber() const {
        std::map<std::string, Row> out;
        for (Row& row : db.rows("SELECT * FROM " + theCase().table)) out[row.at(theCase().key)] = std::move(row);
        return out;
    }

    // Every column of `changed` but the texts and the stamps of `stampColumns` equals `reference`;
    // the texts and the stamp's user name read back as typed.
    void expectOnlyTextsChanged(const Row& changed, const Row& reference, const std::set<std::string>& stampColumns,
                                const std::string& userColumn) const {
        std::set<std::string> texts(theCase().texts.begin(), theCase().texts.end());
        for (const auto& [column, value] : changed) {
            if (texts.count(column) || column == userColumn) {
                EXPECT_EQ(value, typed()) << column;
            } else if (!stampColumns.count(column)) {
                EXPECT_EQ(value, reference.at(column)) << column;
            }
        }
    }

    testsupport::PracticeDatabase db;
};

TEST_P(TypedText, InsertionAndUpdateStoreTheTextAsTypedAndTouchNothingElse) {
    auto reference = filled("texto", "ana");
    run(*reference, "Adicionar");
    const std::string referenceNumber = platform::CStr(reference->get(theCase().generated));
    const auto before = rowsByNumber();

    auto typedRow = filled(typed(), typed());
    run(*typedRow, "Adicionar");
    const std::string number = platform::CStr(typedRow->get(theCase().generated));
    auto after = rowsByNumber();
    ASSERT_EQ(after.size(), before.size() + 1);
    ASSERT_EQ(after.count(number), 1u);
    expectOnlyTextsChanged(after.at(number), before.at(referenceNumber), {theCase().key, "DataEHoraDaInclusao"},
                           "UsuarioDaInclusao");
    after.erase(number);
    EXPECT_EQ(after, before);

    const auto beforeUpdate = rowsByNumber();
    typedRow->let(theCase().key, Variant(platform::CDbl(Variant(referenceNumber))));
    run(*typedRow, "Alterar");
    auto afterUpdate = rowsByNumber();
    expectOnlyTextsChanged(afterUpdate.at(referenceNumber), beforeUpdate.at(referenceNumber),
                           {"DataEHoraDaAlteracao"}, "UsuarioDaAlteracao");
    afterUpdate.erase(referenceNumber);
    auto others = beforeUpdate;
    others.erase(referenceNumber);
    EXPECT_EQ(afterUpdate, others);
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<std::size_t, std::size_t>>& info) {
    return textCases()[std::get<0>(info.param)].table + "_" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltClass, TypedText,
                         ::testing::Combine(::testing::Range<std::size_t>(0, textCases().size()),
                                            ::testing::Range<std::size_t>(0, hostileTexts.size())),
                         caseName);

}  // namespace
}  // namespace zolk::classes
