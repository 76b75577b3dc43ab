// ValidarDados: the field rules in order, and who may change an earlier day's or another user's record.
#include "ado/connection.h"
#include "fichas/tests/fixture.h"

namespace zolk::fichas::test {
namespace {

using platform::ObjectRef;

TEST_F(FichasTest, FieldRulesReportTheFirstFaultInOrder) {
    struct Rule { std::vector<std::pair<const char*, Variant>> lets; std::string message, field; };
    auto describes = [](const char* flag, const char* description, const char* message) {
        return Rule{{{flag, Variant(true)}, {description, Variant("")}}, message, description};
    };
    const std::vector<Rule> rules = {
        {{{"CodigoDoVeterinario", Variant(0.0)}, {"CodigoDoCliente", Variant(0.0)}}, "Selecione um veterinário.", "CodigoDoVeterinario"},
        {{{"CodigoDoCliente", Variant(0.0)}, {"CodigoDoAnimal", Variant(-1.0)}}, "Informe um cliente.", "CodigoDoCliente"},
        {{{"CodigoDoAnimal", Variant(-1.0)}, {"QueixaPrincipal", Variant("")}}, "Selecione um animal.", "CodigoDoAnimal"},
        {{{"QueixaPrincipal", Variant("")}, {"SGIEmese", Variant(true)}}, "Digite a queixa principal.", "QueixaPrincipal"},
        {{{"SGIEmese", Variant(true)}, {"SGIEmeseColoracao", Variant("")}}, "Digite a frequência da êmese.", "SGIEmeseFrequencia"},
        {{{"SGIEmese", Variant(true)}, {"SGIEmeseFrequencia", Variant("x")}}, "Digite a coloração da êmese.", "SGIEmeseColoracao"},
        describes("SLClaudicacao", "SLDescricaoDaClaudicacao", "Digite a descrição da claudicação."),
        describes("SLParesia", "SLDescricaoDaParesia", "Digite a descrição da paresia."),
        describes("SLDorAoTransporObstaculos", "SLDescricaoDaDorAoTransporObstaculos", "Digite a descrição da dor ao transpor obstáculos."),
        describes("SLImpotenciaFuncional", "SLDescricaoDaImpotenciaFuncional", "Digite a descrição da impotência funcional."),
        describes("SNConvulsoes", "SNDescricaoDasConvulsoes", "Digite a descrição das convulções."),
        describes("SNAlteracoesComportamentais", "SNDescricaoDasAlteracoesComportamentais", "Digite a descrição das alterações comportamentais."),
        describes("STPrurido", "STDescricaoDoPrurido", "Digite a descrição do prurido."),
        describes("STAlopecia", "STDescricaoDaAlopecia", "Digite a descrição da alopecia."),
        describes("STDescamacao", "STDescricaoDaDescamacao", "Digite a descrição da descamação."),
        {{{"DataDeRetorno", Variant("31/02/2026")}}, "Informe uma data de retorno válida.", "DataDeRetorno"},
        {{{"DataDeRetorno", Variant(dayText(-1))}}, "Informe uma data de retorno igual ou maior que hoje (" + dayText(0) + ").", "DataDeRetorno"},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.message);
        auto f = another();
        fillValid(*f);
        for (const auto& [member, value] : rule.lets) f->let(member, value);
        EXPECT_EQ(f->Adicionar(), 2);
        EXPECT_EQ(f->DescricaoDaFalha(), rule.message);
        EXPECT_EQ(f->NomeDoCampoValidado(), rule.field);
    }
    EXPECT_TRUE(db.traced("BeginTrans").empty());
}

TEST_F(FichasTest, OnlyInsertionsAndUpdatesAreChecked) {
    auto connection = ado::Connection::open(db.url());
    ObjectRef recordset = std::make_shared<ado::Recordset>();
    EXPECT_EQ(ficha->ValidarDados(3, connection, recordset), 0);  // the record is empty
    EXPECT_FALSE(recordset);
    EXPECT_EQ(ficha->ValidarDados(1, connection, recordset), 2);
}

TEST_F(FichasTest, PermissionRulesOnChangingAStoredRecord) {
    db.native("INSERT INTO Usuarios (Codigo, NomeDeUsuario) VALUES (0, 'sistema')");
    const char* retroactive =
        "Alterações na ficha clínica com data retroativa não são permitidas para este usuário. Exceto as "
        "alterações do campo da internação.";
    auto ofUser = [](const std::string& who, bool earlier) {
        return "Alterações na ficha clínica do usuário '" + who + "'" +
               (earlier ? " com data retroativa, não são permitidas" : " não são permitidas") +
               " para o usuário logado. Exceto as alterações do campo da internação.";
    };
    struct Case { int daysAgo, creator; double user; bool admin, retro, other; std::string refusal; /* empty: allowed */ };
    const std::vector<Case> cases = {
        {1, 2, 1, true, false, false, ""},     {1, 2, 2, false, false, false, retroactive},
        {1, 2, 2, false, true, false, ""},     {1, 2, 3, false, true, false, ofUser("fernanda", true)},
        {1, 2, 3, false, true, true, ""},      {1, 2, 3, false, false, true, retroactive},
        {0, 2, 3, false, false, false, ofUser("fernanda", false)},
        {0, 0, 3, false, false, false, ""},    {1, 0, 3, false, true, false, ofUser("sistema", true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.daysAgo) + " days, creator " + std::to_string(c.creator) + ", user " + std::to_string(c.user));
        db.native("UPDATE FichasClinicas SET UsuarioDaAlteracao = NULL, DataDeEmissao = '" + dayStored(-c.daysAgo) +
                  "', CodigoDoUsuarioDaInclusao = " + std::to_string(c.creator) + " WHERE Numero = 805");
        db.clearTrace();
        auto f = std::make_shared<clsFichasClinicas>();
        f->DadosDoUsuario(makeUser("usuario", c.user, c.admin, c.retro, c.other));
        f->Numero(805);
        EXPECT_EQ(f->Alterar(), 2);  // field rules first
        fillValid(*f);
        const std::int16_t code = f->Alterar();
        EXPECT_EQ(f->NomeDoCampoValidado(), "CodigoDoVeterinario");  // a refusal leaves it alone
        if (c.refusal.empty()) {
            EXPECT_EQ(code, 0) << f->DescricaoDaFalha() << f->DescricaoDoErro();
            EXPECT_EQ(db.scalar("SELECT UsuarioDaAlteracao FROM FichasClinicas WHERE Numero = 805"), "usuario");
        } else {
            EXPECT_EQ(code, 4);
            EXPECT_EQ(f->DescricaoDaFalha(), c.refusal);
            EXPECT_EQ(db.scalar("SELECT IFNULL(UsuarioDaAlteracao, 'null') FROM FichasClinicas WHERE Numero = 805"), "null");
            EXPECT_TRUE(db.traced("BeginTrans").empty());
        }
        EXPECT_TRUE(c.admin || db.traced("Execute").at(0) == corpus("fichas-permissoes", {{"Numero = 812;", "Numero = 805;"}}));
    }
}

TEST_F(FichasTest, InsertionNeedsNoPermissionButAChangeNeedsTheUserData) {
    auto recepcao = std::make_shared<clsFichasClinicas>();
    recepcao->DadosDoUsuario(makeUser("recepcao", 4, false, false, false));
    fillValid(*recepcao);
    EXPECT_EQ(recepcao->Adicionar(), 0) << recepcao->DescricaoDaFalha();

    auto anonymous = std::make_shared<clsFichasClinicas>();
    fillValid(*anonymous);
    anonymous->Numero(812);
    EXPECT_EQ(anonymous->Alterar(), 1);
    EXPECT_EQ(anonymous->NumeroDoErro(), platform::err::ObjectNotSet);
    EXPECT_EQ(anonymous->LocalDoErro(), location("ValidarDados", 16));
    EXPECT_EQ(db.traced("BeginTrans").size(), 1u);  // the insertion's only
}

}  // namespace
}  // namespace zolk::fichas::test
