// The tour's last part: Thor's vaccination card (doses applied, overdue and to come, and today's
// dose applied in the consultation), then the practice's diagnoses ranked.
#include <vector>

#include "cli/demo_tour_narrator.h"
#include "platform/conversions.h"

namespace zolk::cli {

namespace {

using platform::ObjectRef;
using platform::Variant;

constexpr const char* VacinacoesProgId = "ZOLK_N_FichasClinicas.clsVacinacoes";
constexpr const char* AnaliseProgId = "ZOLK_N_FichasClinicas.clsAnaliseDiagn";

// One listing mode of Thor's card, one line per dose.
void showDoses(TourNarrator& tour, const ObjectRef& v, const std::string& title, double modo, const std::string& numero) {
    std::vector<Variant> args{Variant(2.0), Variant(0.0), Variant(), Variant(modo), Variant(numero), Variant(95.0),
                              Variant(140.0)};
    tour.expect(v, "Selecionar (" + title + ")",
                platform::CInt(v->invoke("Selecionar", platform::MemberKind::Operation, args)), 0);
    const ObjectRef rs = v->get("ResultadoDaSelecaoEmRecordset").asObject();
    if (platform::CLng(rs->get("RecordCount")) == 0) {
        tour.say("  " + title + ": nenhuma.");
        return;
    }
    tour.say("  " + title + ":");
    for (rs->call("MoveFirst"); !platform::CBool(rs->get("EOF")); rs->call("MoveNext"))
        tour.say("    " + field(rs, "DataDaAplicacao") + "  " + field(rs, "NomeDaVacina") + ", dose " +
                 field(rs, "NumeroDaDose") + " de " + field(rs, "NumeroDeDoses") +
                 (field(rs, "Partida").empty() ? "" : " (partida " + field(rs, "Partida") + ")") +
                 (field(rs, "Observacao").empty() ? "" : " - " + field(rs, "Observacao")));
}

}  // namespace

void showVaccinationCard(TourNarrator& tour, const ObjectRef& user, const std::string& numero) {
    tour.step("A carteira de vacinação de Thor");
    ObjectRef v = platform::CreateObject(VacinacoesProgId);
    v->set("DadosDoUsuario", user);
    tour.say("Na consulta " + numero + ", Ana abre a carteira: as doses aplicadas antes, as atrasadas e as próximas.");
    showDoses(tour, v, "aplicadas", 2, numero);
    showDoses(tour, v, "atrasadas", 3, numero);
    showDoses(tour, v, "próximas", 4, numero);

    // A dose due today is neither overdue nor to come: the veterinarian applies it now.
    const ObjectRef today = tour.select(
        "SELECT Vacinacoes.Codigo, Vacinas.Nome, Vacinacoes.CodigoDaVacina, Vacinacoes.NumeroDaDose, "
        "Vacinacoes.NumeroDeDoses, Vacinacoes.IntervaloEntreAsDoses FROM Vacinacoes INNER JOIN Vacinas ON "
        "Vacinacoes.CodigoDaVacina = Vacinas.Codigo WHERE Vacinacoes.CodigoDoAnimal = 140 AND "
        "Vacinacoes.VacinaAplicada = False AND Format(Vacinacoes.DataDaAplicacao,'yyyy/mm/dd') = "
        "Format(Date(),'yyyy/mm/dd') ORDER BY Vacinacoes.Codigo");
    if (platform::CLng(today->get("RecordCount")) == 0) throw TourStopped("a dose marcada para hoje não está na base");
    tour.step("A dose de hoje é aplicada na consulta " + numero);
    tour.say(field(today, "Nome") + ", marcada para hoje, não está nem entre as atrasadas nem entre as próximas.");
    for (const char* name : {"Codigo", "CodigoDaVacina", "NumeroDaDose", "NumeroDeDoses", "IntervaloEntreAsDoses"}) {
        std::vector<Variant> key{Variant(name)};
        v->let(name, today->defaultValue(key));
    }
    v->let("NumeroDaFichaClinica", Variant(numero));
    v->let("CodigoDoCliente", Variant(95.0));
    v->let("CodigoDoAnimal", Variant(140.0));
    v->let("CodigoDoVeterinario", Variant(3.0));
    v->let("VacinaAplicada", Variant(true));
    v->let("Partida", Variant("BOR-1207"));
    v->let("Aplicacao", Variant(true));
    tour.say("Ana marca a dose como aplicada, com a partida BOR-1207, e chama Alterar com Aplicacao ligada.");
    tour.expect(v, "Alterar", platform::CInt(v->call("Alterar")), 0);
    tour.say("Aplicada em " + text(v->get("DataDaAplicacao")) + " e ligada à ficha " + numero + ":");
    showDoses(tour, v, "doses desta consulta", 1, numero);
}

void showDiagnosisRanking(TourNarrator& tour) {
    tour.step("Os diagnósticos mais frequentes da clínica");
    ObjectRef a = platform::CreateObject(AnaliseProgId);
    tour.expect(a, "Gerar", platform::CInt(a->call("Gerar", {Variant(""), Variant(true)})), 0);
    const ObjectRef rs = a->get("ResultadoDaSelecaoEmRecordset").asObject();
    for (rs->call("MoveFirst"); !platform::CBool(rs->get("EOF")); rs->call("MoveNext"))
        tour.say("  " + field(rs, "NumeroDeDiagnosticos") + "  " + field(rs, "Diagnostico"));
    tour.say("O mesmo ranking, com um gráfico de barras: fichas analise --svg diagnosticos.svg");
}

}  // namespace zolk::cli
