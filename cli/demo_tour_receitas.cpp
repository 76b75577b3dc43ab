// The tour's part for the prescription and the medication of a consultation: a controlled drug
// prescribed with the header of its special-control form, and a medicine given at a time of day,
// then changed through its key as a front end finds it in the listing.
#include "cli/demo_tour_narrator.h"

#include "platform/conversions.h"

namespace zolk::cli {

namespace {

using platform::ObjectRef;
using platform::Variant;

constexpr const char* ReceitasProgId = "ZOLK_N_FichasClinicas.clsReceitas";
constexpr const char* MedicacoesProgId = "ZOLK_N_FichasClinicas.clsMedicacoes";
const Variant ListaCompleta(std::int32_t(2));

// The consultation's client, animal and veterinarian.
void attach(const ObjectRef& o, const ObjectRef& user, const std::string& numero) {
    o->set("DadosDoUsuario", user);
    o->let("NumeroDaFichaClinica", Variant(numero));
    o->let("CodigoDoCliente", Variant(95.0));
    o->let("CodigoDoAnimal", Variant(140.0));
    o->let("CodigoDoVeterinario", Variant(3.0));
}

void prescribeControlledDrug(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("Receita de medicamento controlado da consulta " + numero);
    ObjectRef r = platform::CreateObject(ReceitasProgId);
    attach(r, user, numero);
    r->let("ReceitaControlada", Variant(true));
    r->let("Prescricao", Variant("Cloridrato de tramadol 50 mg: 1 comprimido a cada 12 horas por 5 dias."));
    tour.say("A veterinária prescreve tramadol, de controle especial, e chama Adicionar.");
    tour.expect(r, "Adicionar", platform::CInt(r->call("Adicionar")), 0);
    const Variant receita = r->get("NumeroGerado");
    tour.say("Receita nº " + text(receita) + ", emitida em " + text(r->get("DataDeEmissao")) + ".");

    tour.expect(r, "SelecionarReceitaControladaParaImpressao",
                platform::CInt(r->call("SelecionarReceitaControladaParaImpressao",
                                       {ListaCompleta, Variant(std::int16_t(0)), receita})),
                0);
    const ObjectRef rs = r->get("ResultadoDaSelecaoParaImpressaoEmRecordset").asObject();
    tour.say("Cabeçalho do formulário:");
    tour.say("  Veterinária: " + field(rs, "DadosDoVeterinario") + ", CRMV " + field(rs, "CRMV"));
    tour.say("  Cliente:     " + field(rs, "DadosDoCliente") + ", CPF " + field(rs, "CPFCNPJ"));
    tour.say("  Endereço:    " + field(rs, "Endereco") + ", " + field(rs, "Bairro") + ", " + field(rs, "Cidade") + "-" +
             field(rs, "UF") + ", CEP " + field(rs, "CEP"));
    tour.say("  Animal:      " + field(rs, "DadosDoAnimal") + ", " + field(rs, "NomeDaEspecie") + ", " +
             field(rs, "NomeDaRaca") + ", sexo " + field(rs, "SexoDoAnimal") + ", nascido em " +
             field(rs, "DataDeNascimento") + ", pelagem " + field(rs, "CorDoAnimal"));
}

// The record's medications as the listing shows them; returns the insertion stamp of the first.
std::string showMedications(TourNarrator& tour, const ObjectRef& m, const std::string& numero) {
    tour.expect(m, "Selecionar",
                platform::CInt(m->call("Selecionar", {ListaCompleta, Variant(std::int16_t(0)), Variant(numero),
                                                      Variant(std::int16_t(1))})),
                0);
    const ObjectRef rs = m->get("ResultadoDaSelecaoEmRecordset").asObject();
    if (platform::CLng(rs->get("RecordCount")) != 1) throw TourStopped("a ficha " + numero + " devia ter uma medicação");
    tour.say(field(rs, "Data") + " às " + field(rs, "Hora") + ": " + field(rs, "NomeDoMedicamento") + ", " +
             field(rs, "Quantidade") + " " + field(rs, "Unidade") + ", via " + field(rs, "Via") + " (" +
             field(rs, "Observacao") + "), incluída em " + field(rs, "DataEHoraDaInclusao") + ".");
    return field(rs, "DataEHoraDaInclusao");
}

void giveMedication(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("Medicação aplicada durante o atendimento");
    ObjectRef m = platform::CreateObject(MedicacoesProgId);
    attach(m, user, numero);
    m->let("CodigoDoMedicamento", Variant(5.0));
    m->let("Quantidade", Variant("1"));
    m->let("Unidade", Variant("ml"));
    m->let("Via", Variant("Intravenosa"));
    m->let("Data", Variant(dayFromToday(0)));
    m->let("Hora", Variant("10:15"));
    m->let("Observacao", Variant("Aplicar devagar, em 2 minutos."));
    tour.say("A enfermagem registra a ondansetrona dada às 10:15 e chama Adicionar.");
    tour.expect(m, "Adicionar", platform::CInt(m->call("Adicionar")), 0);
    const std::string inclusao = showMedications(tour, m, numero);

    tour.step("A dose corrigida, encontrada pela sua chave");
    m->let("DataHoraDeInclusao", Variant(inclusao));
    m->let("Quantidade", Variant("2"));
    m->let("Hora", Variant("10:45"));
    m->let("Observacao", Variant("Dose dobrada por orientação da Dra. Ana."));
    tour.say("Medicamento, ficha, cliente, animal e inclusão em " + inclusao +
             " apontam a medicação; a dose passa a 2 ml às 10:45 e Alterar é chamado.");
    tour.expect(m, "Alterar", platform::CInt(m->call("Alterar")), 0);
    showMedications(tour, m, numero);
}

}  // namespace

void prescribeAndMedicate(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    prescribeControlledDrug(tour, user, numero);
    giveMedication(tour, user, numero);
}

}  // namespace zolk::cli
