// A program of the practice's own that links the installed library: it creates a fresh practice
// database with the demo practice, records a consultation through clsFichasClinicas, created by
// its programmatic identifier and driven by member name as a front end does, and lists the
// client's clinical records.
//
// Usage: consulta DATABASE_FILE   (the file must not exist yet)
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "platform/conversions.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"

namespace {

using zolk::platform::CStr;
using zolk::platform::ObjectRef;
using zolk::platform::Variant;

std::string text(const Variant& v) { return v.isNull() ? std::string() : CStr(v); }

std::string field(const ObjectRef& rs, const char* name) {
    std::vector<Variant> key{Variant(name)};
    return text(rs->defaultValue(key));
}

// Stops with the failure the class reported.
void check(const ObjectRef& ficha, const char* operation, const Variant& result) {
    if (zolk::platform::CInt(result) == 0) return;
    throw std::runtime_error(std::string(operation) + " devolveu " + text(result) + ": " +
                             text(ficha->get("DescricaoDaFalha")) + text(ficha->get("DescricaoDoErro")));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: consulta DATABASE_FILE\n";
        return 2;
    }
    try {
        const std::string database = argv[1];
        zolk::schema::createPracticeDatabase(database, /*demo=*/true, /*replace=*/false);
        zolk::components::setDatabaseOverride(database);
        zolk::classes::registerClasses();

        auto ana = std::make_shared<zolk::components::DadosDoUsuario>();
        ana->Add(Variant("ana"), "NomeDeUsuario");
        ana->Add(Variant(std::int32_t{1}), "CodigoDoUsuario");
        ana->Add(Variant(true), "Administrador");

        ObjectRef ficha = zolk::platform::CreateObject("ZOLK_N_FichasClinicas.clsFichasClinicas");
        ficha->set("DadosDoUsuario", ana);
        ficha->let("CodigoDoVeterinario", Variant(3.0));
        ficha->let("CodigoDoCliente", Variant(95.0));
        ficha->let("CodigoDoAnimal", Variant(140.0));
        ficha->let("TipoDeAtendimento", Variant(1.0));
        ficha->let("QueixaPrincipal", Variant("Vômitos há dois dias"));
        ficha->let("EFPeso", Variant("31,8"));
        check(ficha, "Adicionar", ficha->call("Adicionar"));
        const std::string numero = text(ficha->get("NumeroGerado"));
        std::cout << "ficha " << numero << " gravada\n";

        // The client's records, newest first: page 1 of 20 rows.
        ObjectRef lista = zolk::platform::CreateObject("ZOLK_N_FichasClinicas.clsFichasClinicas");
        lista->set("DadosDoUsuario", ana);
        check(lista, "Selecionar",
              lista->call("Selecionar", {Variant(1.0), Variant(20.0), Variant(0.0), Variant(), Variant(95.0), Variant()}));
        ObjectRef rs = lista->get("ResultadoDaSelecaoEmRecordset").asObject();
        std::cout << text(rs->get("RecordCount")) << " fichas do cliente 95\n";
        for (rs->call("MoveFirst"); !zolk::platform::CBool(rs->get("EOF")); rs->call("MoveNext"))
            std::cout << field(rs, "Numero") << "\t" << field(rs, "DataDeEmissao") << "\t"
                      << field(rs, "NomeDoAnimal") << "\t" << field(rs, "QueixaPrincipal") << "\n";
        return 0;
    } catch (const zolk::platform::RuntimeError& e) {
        std::cerr << "consulta: " << e.description() << " (" << e.number() << ")\n";
    } catch (const std::exception& e) {
        std::cerr << "consulta: " << e.what() << "\n";
    }
    return 1;
}
