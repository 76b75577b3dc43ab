// The class used by name as a script or a late-bound front end uses it.
#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

TEST_F(ProcedimentosTest, APostingByNameAsAFrontEndMakesIt) {
    platform::ObjectRef o = platform::CreateObject(ProgId);
    o->set("DadosDoUsuario", ana);
    EXPECT_EQ(platform::CLng(o->get("NumeroDeLancamentoGerado")), 0);
    EXPECT_EQ(platform::CStr(o->get("DataDeLancamento")), "");
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, Variant>>{{"TipoDeLancamento", Variant(std::string("2"))},
                                                      {"TipoDeVenda", Variant(std::int16_t{2})},
                                                      {"NumeroDaFichaClinica", Variant(812.0)},
                                                      {"CodigoDoVeterinario", Variant(3.0)},
                                                      {"CodigoDoCliente", Variant(95.0)},
                                                      {"CodigoInternoDoProduto", Variant(7.0)},
                                                      {"Quantidade", Variant(std::string("1,5"))},  // coerced to currency
                                                      {"ValorTotal", Variant(329.85)},
                                                      {"FuncionarioComissionado", Variant(true)}})
        o->let(name, value);
    ASSERT_EQ(platform::CInt(o->call("Adicionar")), 0) << platform::CStr(o->get("DescricaoDoErro"));
    const std::string n = std::to_string(platform::CLng(o->get("NumeroDeLancamentoGerado")));
    EXPECT_EQ(db.scalar("SELECT Quantidade || '|' || ValorTotal || '|' || TipoDeVenda || '|' || FuncionarioComissionado "
                        "FROM ProdutosReservados WHERE NumeroDeLancamento = " + n),
              "1.5|329.85|2|-1");
    EXPECT_EQ(balance(7), "6.5000");
    EXPECT_EQ(platform::CStr(o->get("DataDeLancamento")), platform::CStr(o->get("DataHoraDaAtualizacao")).substr(0, 10));

    // Listing it by number through the dispatch interface.
    ASSERT_EQ(platform::CInt(o->call("Selecionar", {Variant(std::int32_t{2}), Variant(std::int16_t{0}), Variant(n),
                                                    Variant(std::int16_t{1})})),
              0);
    auto rs = std::dynamic_pointer_cast<ado::Recordset>(o->get("ResultadoDaSelecaoEmRecordset").asObject());
    ASSERT_TRUE(rs);
    EXPECT_EQ(platform::CStr(rs->value("Quantidade")), "1,500");
}

}  // namespace
}  // namespace zolk::procedimentos::test
