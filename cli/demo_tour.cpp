#include "cli/demo_tour.h"

#include <ostream>
#include <vector>

#include "classes/class_table.h"
#include "cli/demo_tour_narrator.h"
#include "components/provider/session_pool.h"
#include "components/provider/settings.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/dispatch.h"
#include "platform/format.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"

namespace zolk::cli {

namespace {

using platform::ObjectRef;
using platform::Variant;

constexpr const char* FichasProgId = "ZOLK_N_FichasClinicas.clsFichasClinicas";
constexpr const char* ExamesProgId = "ZOLK_N_FichasClinicas.clsExames";
class Tour : public TourNarrator {
public:
    explicit Tour(std::ostream& out) : TourNarrator(out) {}

    void run(const std::string& url, bool replace) {
        // This process's own kept sessions must not count as another program using the file.
        components::closeIdleSessions();
        schema::createPracticeDatabase(url, true, replace);
        components::setDatabaseOverride(url);
        classes::registerClasses();
        step("Base de demonstração");
        say("Criada em " + url + ": veterinária Ana Paula Martins (3), cliente Maria Aparecida Souza (95)");
        say("com o cão Thor (140) e a gata Mia (141), e as fichas clínicas dos últimos meses.");

        const ObjectRef ana = userOf("ana");
        const ObjectRef consulta = newRecord(ana);
        const std::string numero = recordConsultation(consulta);
        showAppointment(numero);
        showListing(ana);
        showPrintout(ana, numero);
        requestExams(ana, numero);
        postCharges(*this, ana, numero);
        changeReturnDate(consulta, numero);
        refuseChange(numero);
        prescribeAndMedicate(*this, ana, numero);
        showVaccinationCard(*this, ana, numero);
        showDiagnosisRanking(*this);

        step("Fim da visita");
        say("Tudo o que a visita fez está na base " + url + ".");
    }

private:
    // The user data object: the user's row, with the keys the library reads as its column names.
    ObjectRef userOf(const std::string& name) {
        ObjectRef rs = select(
            "SELECT NomeDeUsuario, Codigo AS CodigoDoUsuario, Administrador, "
            "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa, "
            "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario FROM Usuarios WHERE NomeDeUsuario = '" +
            name + "'");
        if (platform::CLng(rs->get("RecordCount")) != 1) throw TourStopped("o usuário " + name + " não existe");
        return rs;
    }

    ObjectRef newRecord(const ObjectRef& user) {
        ObjectRef f = platform::CreateObject(FichasProgId);
        f->set("DadosDoUsuario", user);
        return f;
    }

    std::string recordConsultation(const ObjectRef& f) {
        step("Primeiro atendimento de Thor, com retorno marcado");
        const std::string retorno = dayFromToday(7);
        f->let("TipoDeAtendimento", Variant(1.0));
        f->let("CodigoDoCliente", Variant(95.0));
        f->let("CodigoDoAnimal", Variant(140.0));
        f->let("CodigoDoVeterinario", Variant(3.0));
        f->let("QueixaPrincipal", Variant("Vômitos há dois dias e apatia."));
        f->let("SGIApetite", Variant("Diminuído"));
        f->let("SGIEmese", Variant(true));
        f->let("SGIEmeseFrequencia", Variant("Duas vezes ao dia"));
        f->let("SGIEmeseColoracao", Variant("Amarelada"));
        f->let("EFPeso", Variant("31,8"));
        f->let("EFTemperatura", Variant("39,6"));
        f->let("Diagnostico", Variant("Gastroenterite aguda"));
        f->let("Tratamento", Variant("Fluidoterapia, antiemético e dieta gastrointestinal."));
        f->let("DataDeRetorno", Variant(retorno));
        say("A veterinária Ana registra a consulta (peso 31,8 kg, temperatura 39,6 °C) com retorno em " + retorno +
            " e chama Adicionar.");
        expect(f, "Adicionar", platform::CInt(f->call("Adicionar")), 0);
        const std::string numero = text(f->get("NumeroGerado"));
        say("Ficha clínica nº " + numero + ", emitida em " + text(f->get("DataDeEmissao")) + ", gravada em " +
            text(f->get("DataHoraDaAtualizacao")) + ".");
        return numero;
    }

    void showAppointments(const std::string& numero) {
        ObjectRef rs = select("SELECT Numero, DataInicial, NomeDoServico, Observacao FROM Agendamentos "
                              "WHERE NumeroDaFichaClinica = " + numero + " ORDER BY Numero");
        if (platform::CLng(rs->get("RecordCount")) == 0) {
            say("Nenhum agendamento para a ficha " + numero + ".");
            return;
        }
        for (rs->call("MoveFirst"); !platform::CBool(rs->get("EOF")); rs->call("MoveNext"))
            say("Agendamento " + field(rs, "Numero") + ": " + field(rs, "NomeDoServico") + " em " +
                field(rs, "DataInicial") + " (\"" + field(rs, "Observacao") + "\")");
    }

    void showAppointment(const std::string& numero) {
        step("O retorno entrou na agenda");
        say("Na mesma transação, a ficha marcou o retorno em Agendamentos:");
        showAppointments(numero);
    }

    void showPage(const ObjectRef& f, const std::string& title) {
        std::vector<Variant> args{Variant(3.0), Variant()};
        const std::int16_t code =
            platform::CInt(f->invoke("PaginarResultadoDaSelecaoEmRecordset", platform::MemberKind::Operation, args));
        expect(f, "PaginarResultadoDaSelecaoEmRecordset (" + title + ")", code, 0);
        const ObjectRef page = args[1].asObject();
        for (page->call("MoveFirst"); !platform::CBool(page->get("EOF")); page->call("MoveNext"))
            say("  nº " + field(page, "Numero") + "  " + field(page, "DataDeEmissao") + "  " +
                field(page, "NomeDoAnimal") + "  " + field(page, "NomeDoTipoDeAtendimento") + "  peso " +
                field(page, "EFPeso") + "  \"" + field(page, "QueixaPrincipal") + "\"");
    }

    void showListing(const ObjectRef& ana) {
        step("As fichas da cliente 95, três por página");
        ObjectRef f = newRecord(ana);
        std::vector<Variant> args{Variant(1.0), Variant(3.0), Variant(0.0), Variant(), Variant(95.0), Variant()};
        expect(f, "Selecionar", platform::CInt(f->invoke("Selecionar", platform::MemberKind::Operation, args)), 0);
        const ObjectRef result = f->get("ResultadoDaSelecaoEmRecordset").asObject();
        say(text(result->get("RecordCount")) + " fichas, em " + text(result->get("PageCount")) +
            " páginas; as mais novas primeiro.");
        showPage(f, "página 1");
        result->let("AbsolutePage", Variant(2.0));
        showPage(f, "página 2");
    }

    void showPrintout(const ObjectRef& ana, const std::string& numero) {
        step("Os dados da impressão da ficha " + numero);
        ObjectRef f = newRecord(ana);
        expect(f, "SelecionarParaImpressao",
               platform::CInt(f->call("SelecionarParaImpressao", {Variant(platform::CDbl(Variant(numero)))})), 0);
        const ObjectRef rs = f->get("ResultadoDaSelecaoParaImpressaoEmRecordset").asObject();
        if (platform::CLng(rs->get("RecordCount")) != 1) throw TourStopped(text(f->get("DescricaoDaFalha")));
        say("Cliente:     " + field(rs, "NomeOuRazaoSocialDoCliente") + " (" + field(rs, "TipoDeCliente") + ")");
        say("Endereço:    " + field(rs, "EnderecoCompletoComCEP"));
        say("Telefones:   " + field(rs, "TelefonesDoCliente"));
        say("E-mails:     " + field(rs, "EmailsDoCliente"));
        say("Animal:      " + field(rs, "NomeDoAnimal") + ", " + field(rs, "NomeDaEspecieDoAnimal") + ", " +
            field(rs, "NomeDaRacaDoAnimal") + ", " + field(rs, "SexoDoAnimal"));
        say("Veterinária: " + field(rs, "NomeDoVeterinario") + " (" + field(rs, "CRMVDoVeterinario") + ")");
        say("Queixa:      " + field(rs, "QueixaPrincipal") + " Êmese: " + field(rs, "SGIEmese") + ", " +
            field(rs, "SGIEmeseFrequencia"));
        say("Diagnóstico: " + field(rs, "Diagnostico") + " Retorno: " + field(rs, "DataDeRetorno"));
    }

    // The consultation asks a laboratory for exams; the header of the request form is read back.
    void requestExams(const ObjectRef& user, const std::string& numero) {
        step("Exames pedidos na consulta " + numero);
        ObjectRef e = platform::CreateObject(ExamesProgId);
        e->set("DadosDoUsuario", user);
        e->let("NumeroDaFichaClinica", Variant(numero));
        e->let("CodigoDoVeterinario", Variant(3.0));
        e->let("CodigoDoCliente", Variant(95.0));
        e->let("CodigoDoAnimal", Variant(140.0));
        e->let("CodigoDoLaboratorio", Variant(2.0));
        e->let("Relato", Variant("Vômitos há dois dias e apatia; avaliar fígado e rins."));
        e->let("Amostra", Variant("Sangue total com EDTA e soro"));
        e->let("ReceberResultadoPor", Variant("Email"));
        for (const char* exam : {"HemogramaCompleto", "ALTTGP", "Creatinina", "Ureia", "Ultrassom"})
            e->let(exam, Variant(true));
        e->let("ImagemObservacao", Variant("Abdome total"));
        e->let("ExameSelecionado", Variant(true));
        say("Ana pede hemograma, ALT, creatinina, ureia e ultrassom ao laboratório VetLab (2) e chama Adicionar.");
        expect(e, "Adicionar", platform::CInt(e->call("Adicionar")), 0);
        const std::string solicitacao = text(e->get("NumeroGerado"));
        say("Solicitação de exames nº " + solicitacao + ", emitida em " + text(e->get("DataDeEmissao")) + ".");

        step("O cabeçalho do pedido que vai ao laboratório");
        expect(e, "SelecionarParaImpressaoCabecalho",
               platform::CInt(e->call("SelecionarParaImpressaoCabecalho",
                                      {Variant(2.0), Variant(1.0), Variant(solicitacao)})),
               0);
        const ObjectRef rs = e->get("ResultadoDaSelecaoParaImpressaoEmRecordset").asObject();
        if (platform::CLng(rs->get("RecordCount")) != 1) throw TourStopped(text(e->get("DescricaoDaFalha")));
        say("Laboratório: " + field(rs, "NomeDoLaboratorio"));
        say("Solicitação: nº " + field(rs, "NumeroDaSolicitacao") + " de " + field(rs, "DataDeEmissao") +
            ", exames pagos: " + field(rs, "ExamePago"));
        say("Animal:      " + field(rs, "NomeDoAnimal") + ", " + field(rs, "EspecieDoAnimal") + ", " +
            field(rs, "RacaDoAnimal") + ", " + field(rs, "SexoDoAnimal") + ", nascido em " +
            field(rs, "DataDeNascimentoDoAnimal"));
        say("Cliente:     " + field(rs, "NomeOuRazaoSocialDoCliente") + " (" +
            field(rs, "TipoDeCanalDeComunicacao1DoCliente") + " " + field(rs, "CanalDeComunicacao1DoCliente") + ")");
        say("Veterinária: " + field(rs, "NomeDoVeterinario") + " (" + field(rs, "CRMVDoVeterinario") + ")");
        say("Amostra:     " + field(rs, "Amostra") + "; resultado por " + field(rs, "ReceberResultadoPor"));
        // The exams are the 'Sim' columns of the header (ExamePago aside).
        std::string exames;
        const ObjectRef fields = rs->get("Fields").asObject();
        for (std::int32_t i = 0, n = platform::CLng(fields->get("Count")); i < n; ++i) {
            std::vector<Variant> index{Variant(i)};
            const ObjectRef f = fields->invoke("Item", platform::MemberKind::Get, index).asObject();
            const std::string name = text(f->get("Name"));
            if (name != "ExamePago" && text(f->get("Value")) == "Sim") exames += (exames.empty() ? "" : ", ") + name;
        }
        say("Exames:      " + exames + " (" + field(rs, "ImagemObservacao") + ")");
        say("Relato:      " + field(rs, "Relato"));
    }

    // The object that recorded the consultation still holds it: only the number and the date change.
    void changeReturnDate(const ObjectRef& f, const std::string& numero) {
        const std::string retorno = dayFromToday(14);
        step("O retorno passa para " + retorno);
        f->let("Numero", Variant(numero));
        f->let("DataDeRetorno", Variant(retorno));
        say("No mesmo objeto, Ana informa o número " + numero + " e a nova data, e chama Alterar.");
        expect(f, "Alterar", platform::CInt(f->call("Alterar")), 0);
        say("Alterada em " + text(f->get("DataHoraDaAtualizacao")) + ". O agendamento foi movido, não duplicado:");
        showAppointments(numero);
    }

    void refuseChange(const std::string& numero) {
        step("Um usuário sem permissão tenta alterar a ficha");
        ObjectRef f = newRecord(userOf("recepcao"));
        f->let("Numero", Variant(numero));
        f->let("TipoDeAtendimento", Variant(1.0));
        f->let("CodigoDoCliente", Variant(95.0));
        f->let("CodigoDoAnimal", Variant(140.0));
        f->let("CodigoDoVeterinario", Variant(3.0));
        f->let("QueixaPrincipal", Variant("Texto trocado pela recepção."));
        say("O usuário recepcao, sem a permissão de alterar fichas de outro usuário, chama Alterar.");
        expect(f, "Alterar", platform::CInt(f->call("Alterar")), 4);
        say("Mensagem: " + text(f->get("DescricaoDaFalha")));
        ObjectRef rs = select("SELECT QueixaPrincipal FROM FichasClinicas WHERE Numero = " + numero);
        say("A queixa gravada continua: \"" + field(rs, "QueixaPrincipal") + "\"");
    }

};

}  // namespace

int runDemoTour(const std::string& databaseUrl, std::ostream& out, bool replace) {
    out << "Visita guiada: uma consulta na clínica veterinária de demonstração\n";
    try {
        Tour(out).run(databaseUrl, replace);
        return 0;
    } catch (const TourStopped& e) {
        out << "\nA visita parou: " << e.what() << "\n";
    } catch (const platform::RuntimeError& e) {
        out << "\nA visita parou com o erro " << e.number() << ": " << e.description() << "\n";
    } catch (const std::exception& e) {
        out << "\nA visita parou: " << e.what() << "\n";
    }
    return 1;
}

}  // namespace zolk::cli
