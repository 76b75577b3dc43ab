// Selecionar: both halves of the listing in each mode, the filters, and refused statements.
#include "procedimentos/tests/fixture.h"

namespace zolk::procedimentos::test {
namespace {

// The posting numbers of the result recordset, in its order, "kind:number".
std::vector<std::string> listed(const clsProcedimentos& o) {
    std::vector<std::string> out;
    auto rs = o.ResultadoDaSelecaoEmRecordset();
    for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext())
        out.push_back(platform::CStr(rs->value("TipoDeLancamento")) + ":" + platform::CStr(rs->value("NumeroDeLancamento")));
    return out;
}

TEST_F(ProcedimentosTest, TheCurrentRecordListsServicesAndProductsTogetherNewestFirst) {
    ASSERT_EQ(p->Selecionar(1, 2, Variant(), 1, 812), 0) << p->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("procedimentos-lista-ficha-atual")});
    EXPECT_EQ(listed(*p), (std::vector<std::string>{"2:403", "2:402", "1:203", "1:202"}));
    auto rs = p->ResultadoDaSelecaoEmRecordset();
    rs->MoveFirst();  // a product row: no animal, the quantity as text with three decimals
    EXPECT_EQ(platform::CStr(rs->value("CodigoDoAnimal")) + "|" + platform::CStr(rs->value("Quantidade")), "0|1,000");
}

TEST_F(ProcedimentosTest, EarlierRecordsTakeTheAnimalsServicesAndTheClientsProducts) {
    // A product of client 95 for no clinical record is left out.
    db.native("INSERT INTO ProdutosReservados (CodigoDoFuncionario, CodigoDoCliente, CodigoInternoDoProduto, Quantidade, "
              "NumeroDaFichaClinica, TipoDeLancamento) VALUES (3, 95, 6, 1, 0, '2')");
    ASSERT_EQ(p->Selecionar(2, 0, Variant(), 0, 812, 95, 140), 0);
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpus("procedimentos-lista-fichas-anteriores")});
    // 204 is Mia's (141): only the animal's services; 401 is the client's product of record 798.
    EXPECT_EQ(listed(*p), (std::vector<std::string>{"2:401", "1:201"}));
}

TEST_F(ProcedimentosTest, APostingNumberFindsThatNumberInBothTables) {
    ASSERT_EQ(p->Selecionar(2, 0, Variant(402.0), 1), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("procedimentos-lista-lancamento-produto"));
    EXPECT_EQ(listed(*p), std::vector<std::string>{"2:402"});
    db.native("INSERT INTO ProdutosReservados (NumeroDeLancamento, CodigoDoFuncionario, CodigoDoCliente, "
              "CodigoInternoDoProduto, Quantidade, NumeroDaFichaClinica, TipoDeLancamento) VALUES (202, 3, 95, 6, 1, 812, '2')");
    ASSERT_EQ(p->Selecionar(2, 0, Variant(std::string("202")), 1), 0);  // the record arguments are not read
    EXPECT_EQ(db.traced("Open").back(), corpus("procedimentos-lista-lancamento-servico"));
    EXPECT_EQ(listed(*p).size(), 2u);
}

TEST_F(ProcedimentosTest, NothingFoundAndStatementsTheDatabaseRefuses) {
    ASSERT_EQ(p->Selecionar(2, 0, Variant(4242.0), 1), 0);
    EXPECT_EQ(db.traced("Open").back(), corpus("procedimentos-lista-nada"));
    EXPECT_EQ(p->DescricaoDaFalha(), "Nenhum procedimento encontrado com as especificações informadas.");
    auto empty = p->ResultadoDaSelecaoEmRecordset();
    // No condition in a half: "WHERE " meets "UNION "; the earlier result stays.
    EXPECT_EQ(p->Selecionar(2, 0, Variant(std::string("Thor")), 1, 0), 1);
    EXPECT_EQ(p->NumeroDoErro(), platform::err::DbErrorsInCommand);
    EXPECT_EQ(p->LocalDoErro(), location("Selecionar", 4));
    EXPECT_EQ(p->ResultadoDaSelecaoEmRecordset(), empty);
    EXPECT_EQ(db.traced("Open").back(), corpus("procedimentos-lista-sem-condicao"));
}

}  // namespace
}  // namespace zolk::procedimentos::test
