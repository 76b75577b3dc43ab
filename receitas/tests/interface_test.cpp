// A front end records and lists a prescription by member name.
#include "receitas/tests/fixture.h"

namespace zolk::receitas::test {
namespace {

TEST_F(ReceitasTest, AFrontEndRecordsAndListsAPrescriptionByName) {
    platform::ObjectRef r = platform::CreateObject(ProgId);
    r->set("DadosDoUsuario", ana);
    r->let("NumeroDaFichaClinica", Variant("812"));  // coerced as automation does
    r->let("CodigoDoCliente", Variant(95.0));
    r->let("CodigoDoAnimal", Variant(std::int16_t(140)));
    r->let("CodigoDoVeterinario", Variant(3.0));
    r->let("ReceitaControlada", Variant(true));
    r->let("Prescricao", Variant("Cloridrato de tramadol 50 mg"));
    ASSERT_EQ(platform::CInt(r->call("Adicionar")), 0) << platform::CStr(r->get("DescricaoDoErro"));

    // The optional record, client and animal left out of the call.
    ASSERT_EQ(platform::CInt(r->call("Selecionar", {Variant(std::int32_t(2)), Variant(std::int16_t(0)),
                                                    r->get("NumeroGerado"), Variant(std::int16_t(1))})),
              0);
    auto rs = std::dynamic_pointer_cast<ado::Recordset>(r->get("ResultadoDaSelecaoEmRecordset").asObject());
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnValues(*rs, "ReceitaControlada"), std::vector<std::string>{"Sim"});
    EXPECT_EQ(columnValues(*rs, "UsuarioDaInclusao"), std::vector<std::string>{"ana"});
}

}  // namespace
}  // namespace zolk::receitas::test
