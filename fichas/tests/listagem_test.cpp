// Selecionar and paging: the statement texts, every search form against the demo records.
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

const Variant none;

std::vector<int> numbers(ado::Recordset& rs) {
    std::vector<int> out;
    if (rs.RecordCount() == 0) return out;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out.push_back(platform::CInt(rs.value("Numero")));
    return out;
}

std::string whereOf(const std::string& sql) {
    const auto from = sql.find("WHERE ") + 6;
    return sql.substr(from, sql.find("ORDER BY ") - from);
}

const std::string bothTypes = "   (FichasClinicas.TipoDeAtendimento=1 OR FichasClinicas.TipoDeAtendimento=2) ";
const std::vector<int> allDemo = {812, 810, 809, 805, 801, 798, 790};
const std::vector<int> ofClient95 = {812, 809, 805, 798};

TEST_F(FichasTest, ListingIsWrittenToTheLetter) {
    ASSERT_EQ(ficha->Selecionar(2, 20, 0, none, none, none), 0) << ficha->DescricaoDoErro();
    ASSERT_EQ(db.traced("Open").size(), 1u);
    EXPECT_EQ(db.traced("Open")[0], corpus("fichas-lista-todas"));
    auto rs = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(numbers(*rs), allDemo);
    rs->MoveFirst();  // 812
    EXPECT_EQ(platform::CStr(rs->value("DataDeEmissao")), "20/11/2026");
    EXPECT_EQ(platform::CStr(rs->value("NomeDoTipoDeAtendimento")), "Primeiro atendimento");
    EXPECT_EQ(platform::CStr(rs->value("SGIEmese")), "Sim");
    EXPECT_EQ(platform::CStr(rs->value("EFPeso")), "31,80");
}

TEST_F(FichasTest, EverySearchFormFiltersTheDemoRecords) {
    struct Case {
        std::int16_t situacao;
        Variant record, client, animal;
        std::string where;
        std::vector<int> listed;
    };
    const std::vector<Case> cases = {
        {2, none, none, none, "   FichasClinicas.TipoDeAtendimento=2 ", {805}},
        {0, Variant(""), Variant(0.0), Variant::null(), bothTypes, allDemo},
        {0, Variant(812.0), none, none, bothTypes + " AND (FichasClinicas.Numero = 812) ", {812}},
        {0, Variant("02/2026"), none, none,
         bothTypes + "AND (((Month(FichasClinicas.DataDeEmissao))=2) AND ((Year(FichasClinicas.DataDeEmissao))=2026)) ",
         {805}},
        {0, Variant("18/12/2026"), none, none,  // 812 is due back that day
         bothTypes + " AND (FichasClinicas.DataDeEmissao = #12/18/2026# OR FichasClinicas.DataDeRetorno = #12/18/2026#) ",
         {812}},
        {0, Variant("5/2026"), none, none, bothTypes, allDemo},  // a date of another length adds nothing
        {0, Variant("DRA. ANA"), none, none,
         bothTypes + " AND (Funcionarios.Apelido LIKE '%DRA. ANA%'  OR Funcionarios.Nome LIKE '%DRA. ANA%') ",
         ofClient95},
        {0, none, Variant(95.0), none, bothTypes + " AND (Clientes.Codigo = 95) ", ofClient95},
        {0, none, Variant("52998224725"), none,
         bothTypes + " AND (Clientes.Codigo = 52998224725  OR Clientes.CPFCNPJ LIKE '%52998224725%') ", {790}},
        {0, none, Variant("barão"), none,
         bothTypes + " AND (Clientes.ApelidoOuNomeFantasia LIKE '%barão%'  OR Clientes.NomeOuRazaoSocial LIKE "
                     "'%barão%'  OR Clientes.Logradouro LIKE '%barão%') ",
         ofClient95},
        {0, none, none, Variant("985112003456790"),
         bothTypes + " AND (Animais.Codigo = 985112003456790  OR Animais.Microchip LIKE '%985112003456790%') ", {809}},
        {0, none, none, Variant("mia"),
         bothTypes + " AND (Animais.Nome LIKE '%mia%'  OR Animais.Microchip LIKE '%mia%') ", {809}},
        {1, none, Variant(95.0), Variant("thor"),
         "   FichasClinicas.TipoDeAtendimento=1  AND (Clientes.Codigo = 95)  AND (Animais.Nome LIKE '%thor%'  OR "
         "Animais.Microchip LIKE '%thor%') ",
         {812, 798}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        db.clearTrace();
        ASSERT_EQ(ficha->Selecionar(2, 10, c.situacao, c.record, c.client, c.animal), 0) << ficha->DescricaoDoErro();
        EXPECT_EQ(whereOf(db.traced("Open").at(0)), c.where);
        EXPECT_EQ(numbers(*ficha->ResultadoDaSelecaoEmRecordset()), c.listed);
    }
}

// A search box holds a literal: a text written to end the literal and widen the condition finds
// nothing.
TEST_F(FichasTest, SearchTextsWithQuotesAreLiterals) {
    const std::string widen = "zz%' OR 1=1 OR Clientes.Logradouro LIKE '";
    const std::string widenLike = "LIKE '%zz%'' OR 1=1 OR Clientes.Logradouro LIKE ''%'";
    struct Case {
        Variant record, client, animal;
        std::string where;
        std::vector<int> listed;
    };
    const std::vector<Case> cases = {
        {none, Variant(widen), none,
         bothTypes + " AND (Clientes.ApelidoOuNomeFantasia " + widenLike + "  OR Clientes.NomeOuRazaoSocial " +
             widenLike + "  OR Clientes.Logradouro " + widenLike + ") ",
         {}},
        {Variant("x'); DELETE * FROM FichasClinicas; --"), none, none,
         bothTypes + " AND (Funcionarios.Apelido LIKE '%x''); DELETE * FROM FichasClinicas; --%'  OR "
                     "Funcionarios.Nome LIKE '%x''); DELETE * FROM FichasClinicas; --%') ",
         {}},
    };
    const std::string records = db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        db.clearTrace();
        ASSERT_EQ(ficha->Selecionar(2, 10, 0, c.record, c.client, c.animal), 0) << ficha->DescricaoDoErro();
        EXPECT_EQ(whereOf(db.traced("Open").at(0)), c.where);
        EXPECT_EQ(numbers(*ficha->ResultadoDaSelecaoEmRecordset()), c.listed);
    }
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas"), records);
}

TEST_F(FichasTest, RecentRecordsAreTheHighestNumbersSortedDescending) {
    ASSERT_EQ(ficha->Selecionar(1, 3, 3, none, none, none), 0) << ficha->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open").at(0), corpus("fichas-lista-recentes"));
    auto rs = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs->Sort(), "Numero DESC");
    EXPECT_EQ(rs->PageSize(), 3);
    EXPECT_EQ(numbers(*rs), (std::vector<int>{812, 810, 809}));
}

TEST_F(FichasTest, NothingFoundIsDoneAndASearchThatBreaksTheStatementIsAnError) {
    ASSERT_EQ(ficha->Selecionar(2, 10, 0, none, Variant("ninguém"), none), 0);  // nothing found: done, with the message
    const auto previous = ficha->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(previous->RecordCount(), 0);
    const std::string records = db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas");
    struct Breaking {
        std::int16_t situacao;
        Variant record, client;
    };
    for (const Breaking& b : {Breaking{0, none, Variant("12,5")}, Breaking{7, none, none}}) {
        EXPECT_EQ(ficha->Selecionar(2, 10, b.situacao, b.record, b.client, none), 1);
        EXPECT_EQ(ficha->NumeroDoErro(), platform::err::DbErrorsInCommand) << ficha->DescricaoDoErro();
        EXPECT_EQ(ficha->LocalDoErro(), location("Selecionar", 4));
    }
    EXPECT_EQ(ficha->ResultadoDaSelecaoEmRecordset(), previous);
    EXPECT_EQ(ficha->DescricaoDaFalha(), "Nenhuma ficha clínica encontrada com as especificações informadas.");
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero || QueixaPrincipal) FROM FichasClinicas"), records);
}

TEST_F(FichasTest, ListingShowsZeroForMissingMeasurementsAndHidesOrphans) {
    const double n = addRecord();
    db.native("DELETE FROM Funcionarios WHERE Codigo = 2");  // the veterinarian of 810
    ASSERT_EQ(ficha->Selecionar(2, 10, 0, Variant(n), none, none), 0);
    auto rs = ficha->ResultadoDaSelecaoEmRecordset();
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(platform::CDbl(rs->value("EFPeso")), 0);
    EXPECT_EQ(platform::CStr(rs->value("UsuarioDaAlteracao")), "");
    ASSERT_EQ(ficha->Selecionar(2, 10, 0, Variant(810.0), none, none), 0);
    EXPECT_EQ(ficha->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
}

}  // namespace
}  // namespace zolk::fichas::test
