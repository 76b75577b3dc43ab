// A front end records a medication by member name, its typed date and time coerced.
#include "medicacoes/tests/fixture.h"

namespace zolk::medicacoes::test {
namespace {

TEST_F(MedicacoesTest, AFrontEndRecordsAMedicationByName) {
    platform::ObjectRef m = platform::CreateObject(ProgId);
    m->set("DadosDoUsuario", ana);
    for (const auto& [name, value] : std::vector<std::pair<const char*, Variant>>{
             {"CodigoDoMedicamento", Variant(2.0)}, {"Quantidade", Variant("0,3")}, {"Unidade", Variant("ml")},
             {"Via", Variant("Subcutânea")}, {"Data", Variant("07/03/2026")},  // typed dates, read day first
             {"Hora", Variant("16:45")}, {"NumeroDaFichaClinica", Variant(812.0)}, {"CodigoDoVeterinario", Variant(3.0)},
             {"CodigoDoCliente", Variant(95.0)}, {"CodigoDoAnimal", Variant(140.0)}})
        m->let(name, value);
    ASSERT_EQ(platform::CInt(m->call("Adicionar")), 0) << platform::CStr(m->get("DescricaoDoErro"));
    EXPECT_EQ(db.scalar("SELECT Data || '|' || Hora FROM Medicacoes WHERE CodigoDoMedicamento = 2 AND Numero > 5"),
              "2026-03-07 00:00:00|1899-12-30 16:45:00");
}

}  // namespace
}  // namespace zolk::medicacoes::test
