// Selecionar and SelecionarParaImpressaoCabecalho: the statement of each mode, what they list,
// the call that names no request, and broken or empty searches.
#include "exames/tests/fixture.h"

namespace zolk::exames::test {
namespace {

constexpr const char* NothingFound = "Nenhum exame encontrado com as especificações informadas.";

// The column of every row of a recordset, as text.
std::vector<std::string> columnOf(ado::Recordset& rs, const std::string& name) {
    std::vector<std::string> out;
    if (rs.RecordCount() == 0) return out;  // MoveFirst on no rows is an error
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) out.push_back(platform::CStr(rs.value(name)));
    return out;
}

TEST_F(ExamesTest, ListingOfEachModeIsWrittenToTheLetter) {
    struct Case {
        Variant filtro;
        std::int16_t modo;
        double ficha, cliente, animal;
        const char* corpusCase;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {Variant(), 1, 812, 95, 140, "exames-lista-ficha-atual", {"58", "57"}},
        {Variant(""), 2, 812, 95, 140, "exames-lista-fichas-anteriores", {"55", "52"}},
        {Variant(57.0), 1, 812, 95, 140, "exames-lista-numero", {"57"}},  // the number wins
        {Variant("57"), 0, 0, 0, 0, "exames-lista-numero", {"57"}},       // a text holding it too
        {Variant(4242.0), 1, 0, 0, 0, "exames-lista-nada", {}},
    };
    for (const Case& c : cases) {
        db.clearTrace();
        ASSERT_EQ(exame->Selecionar(2, 10, c.filtro, c.modo, c.ficha, c.cliente, c.animal), 0)
            << c.corpusCase << ": " << exame->DescricaoDoErro();
        EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpusStatement(c.corpusCase)}) << c.corpusCase;
        EXPECT_EQ(columnOf(*exame->ResultadoDaSelecaoEmRecordset(), "Numero"), c.numbers) << c.corpusCase;
    }
    EXPECT_EQ(exame->DescricaoDaFalha(), NothingFound);
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(exame->NumeroTotalDeRegistros(), 0);
}

TEST_F(ExamesTest, ListedRowShowsNamesAndExamsAsSimOrNao) {
    ASSERT_EQ(exame->Selecionar(2, 10, Variant(57.0), 1), 0);
    auto& rs = *exame->ResultadoDaSelecaoEmRecordset();
    ASSERT_EQ(rs.fieldCount(), 17 + 1 + 182 + 4 + 4);  // ExamePago, the exams, notes, stamps
    EXPECT_EQ(platform::CStr(rs.value("DataDeEmissao")), "20/11/2026");
    EXPECT_EQ(platform::CStr(rs.value("NomeDoAnimal")), "Thor");
    EXPECT_EQ(platform::CStr(rs.value("NomeFantasiaDoLaboratorio")), "VetLab");
    EXPECT_EQ(platform::CStr(rs.value("ExamePago")), "Sim");
    EXPECT_EQ(platform::CStr(rs.value("HemogramaCompleto")), "Sim");
    EXPECT_EQ(platform::CStr(rs.value("FosfataseAlcalina")), "Não");
    EXPECT_EQ(rs.column(rs.fieldIndex("HerpesvirusFelinoSN")).name, "HerpesVirusFelinoSN");
    EXPECT_EQ(platform::CStr(rs.value("OutrosExames")), "Lipase pancreática específica");
    EXPECT_EQ(platform::CStr(rs.value("UsuarioDaAlteracao")), "");

    // A veterinarian without a name lists as 0.
    db.native("UPDATE Funcionarios SET Nome = NULL WHERE Codigo = 3");
    ASSERT_EQ(exame->Selecionar(2, 10, Variant("57"), 1), 0);
    EXPECT_EQ(platform::CStr(exame->ResultadoDaSelecaoEmRecordset()->value("NomeDoVeterinario")), "0");
}

TEST_F(ExamesTest, PagedListingSetsThePageSizeAndPagesThroughTheFrame) {
    for (int i = 0; i < 7; ++i) addRequest({Exame::Ultrassom});
    ASSERT_EQ(exame->Selecionar(1, 3, Variant(), 1, 812), 0);
    auto rs = exame->ResultadoDaSelecaoEmRecordset();
    EXPECT_EQ(rs->RecordCount(), 9);
    EXPECT_EQ(rs->PageSize(), 3);
    EXPECT_EQ(rs->PageCount(), 3);
    rs->AbsolutePage(3);
    platform::ObjectRef page;
    ASSERT_EQ(exame->PaginarResultadoDaSelecaoEmRecordset(3, page), 0) << exame->DescricaoDoErro();
    auto rows = std::dynamic_pointer_cast<ado::Recordset>(page);
    EXPECT_EQ(columnOf(*rows, "Numero"), (std::vector<std::string>{"59", "58", "57"}));

    const std::int32_t defaultSize = std::make_shared<ado::Recordset>()->PageSize();
    ASSERT_EQ(exame->Selecionar(2, 3, Variant(), 1, 812), 0);
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset()->PageSize(), defaultSize);
}

TEST_F(ExamesTest, CallThatNamesNoRequestListsThemAllWithoutWhere) {
    // Every request whose animal, veterinarian, laboratory and client rows exist.
    const auto all = db.column(
        "SELECT e.Numero FROM Exames e JOIN Animais a ON a.Codigo = e.CodigoDoAnimal JOIN Funcionarios f ON "
        "f.Codigo = e.CodigoDoVeterinario JOIN Laboratorios l ON l.Codigo = e.CodigoDoLaboratorio JOIN Clientes c "
        "ON c.Codigo = e.CodigoDoCliente AND c.Codigo = a.CodigoDoCliente ORDER BY e.Numero DESC");
    ASSERT_GE(all.size(), 5u);
    const std::string withoutWhere =
        replaced(corpusStatement("exames-lista-sem-condicao"), " WHERE ORDER BY ", " ORDER BY ");
    // No filter and no record; a filter that is not a number; the optional arguments left out.
    for (const Variant& filtro : {Variant(), Variant(0.0), Variant("Thor"), Variant::null()}) {
        db.clearTrace();
        ASSERT_EQ(exame->Selecionar(2, 10, filtro, 1), 0) << exame->DescricaoDoErro();
        EXPECT_EQ(db.traced("Open"), std::vector<std::string>{withoutWhere});
        EXPECT_EQ(columnOf(*exame->ResultadoDaSelecaoEmRecordset(), "Numero"), all);
    }

    db.clearTrace();
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("Thor")), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{replaced(corpusStatement("exames-cabecalho-sem-condicao"),
                                                                   " WHERE ORDER BY ", " ORDER BY ")});
    EXPECT_GE(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 1);
}

TEST_F(ExamesTest, OptionalArgumentsLeftOutArriveAsZero) {
    platform::ObjectRef request = platform::CreateObject(ProgId);
    std::vector<Variant> args{Variant(2.0), Variant(10.0), Variant(), Variant(2.0), Variant(812.0)};
    ASSERT_EQ(platform::CInt(request->invoke("Selecionar", platform::MemberKind::Operation, args)), 0);
    EXPECT_NE(db.traced("Open").back().find(
                  "WHERE  (Exames.NumeroDaFichaClinica < 812  OR Exames.NumeroDaFichaClinica IS Null)  AND "
                  "(Exames.CodigoDoCliente = 0  AND Exames.CodigoDoAnimal = 0) ORDER BY"),
              std::string::npos);
    EXPECT_EQ(platform::CStr(request->get("DescricaoDaFalha")), NothingFound);
}

TEST_F(ExamesTest, BrokenNumericFilterKeepsTheEarlierResult) {
    ASSERT_EQ(exame->Selecionar(2, 10, Variant(57.0), 1), 0);
    const auto earlier = exame->ResultadoDaSelecaoEmRecordset();
    const std::string before = db.scalar("SELECT group_concat(Numero) FROM Exames");
    // "1,5" is a number to the platform, and no number to the statement.
    for (const Variant& filtro : {Variant("1,5"), Variant(1.5)}) {
        EXPECT_EQ(exame->Selecionar(2, 10, filtro, 1), 1);
        EXPECT_EQ(exame->NumeroDoErro(), platform::err::DbErrorsInCommand);
        EXPECT_EQ(exame->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, Selecionar, Ponto: 4");
        EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset(), earlier);
    }
    EXPECT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant("1,5")), 1);
    EXPECT_EQ(exame->LocalDoErro(), "ZOLK_N_FichasClinicas, clsExames, SelecionarParaImpressaoCabecalho, Ponto: 4");
    EXPECT_EQ(exame->ResultadoDaSelecaoParaImpressaoEmRecordset(), nullptr);
    EXPECT_EQ(db.scalar("SELECT group_concat(Numero) FROM Exames"), before);
}

TEST_F(ExamesTest, PrintHeaderCarriesAnimalClientVeterinarianAndLaboratory) {
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant(57.0)), 0) << exame->DescricaoDoErro();
    EXPECT_EQ(db.traced("Open"), std::vector<std::string>{corpusStatement("exames-cabecalho")});
    EXPECT_EQ(exame->ResultadoDaSelecaoEmRecordset(), nullptr);  // the listing's recordset is another
    auto& rs = *exame->ResultadoDaSelecaoParaImpressaoEmRecordset();
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.fieldCount(), 36 + 182 + 4);
    EXPECT_EQ(platform::CStr(rs.value("NumeroDaSolicitacao")), "57");
    EXPECT_EQ(platform::CStr(rs.value("EspecieDoAnimal")), "Canina");
    EXPECT_EQ(platform::CStr(rs.value("SexoDoAnimal")), "Macho");
    EXPECT_EQ(platform::CStr(rs.value("NomeDoLaboratorio")), "VetLab-VetLab Análises Clínicas Veterinárias Ltda");
    EXPECT_EQ(platform::CStr(rs.value("ExamePago")), "Sim");
    EXPECT_EQ(platform::CStr(rs.value("Ureia")), "Sim");
    EXPECT_EQ(platform::CStr(rs.value("Observacao")), "Urgente.");
    EXPECT_EQ(platform::CStr(rs.value("TipoDeCanalDeComunicacao1DoCliente")),
              db.scalar("SELECT TipoDeCanalDeComunicacao1 FROM Clientes WHERE Codigo = 95"));

    // The practice's own laboratory has no company name: the printed name is empty.
    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(1, 5, Variant("54")), 0);
    EXPECT_EQ(db.traced("Open").back(), corpusStatement("exames-cabecalho-laboratorio-sem-razao-social"));
    EXPECT_EQ(platform::CStr(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->value("NomeDoLaboratorio")), "");
    EXPECT_EQ(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->PageSize(), 5);

    ASSERT_EQ(exame->SelecionarParaImpressaoCabecalho(2, 10, Variant(4242.0)), 0);
    EXPECT_EQ(exame->ResultadoDaSelecaoParaImpressaoEmRecordset()->RecordCount(), 0);
    EXPECT_EQ(exame->DescricaoDaFalha(), NothingFound);
}

}  // namespace
}  // namespace zolk::exames::test
