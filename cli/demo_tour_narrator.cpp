#include "cli/demo_tour_narrator.h"

#include <ostream>
#include <vector>

#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"

namespace zolk::cli {

using platform::ObjectRef;
using platform::Variant;

std::string text(const Variant& v) { return v.isNull() ? std::string() : platform::CStr(v); }

std::string field(const ObjectRef& rs, const char* name) {
    std::vector<Variant> key{Variant(name)};
    return text(rs->defaultValue(key));
}

std::string dayFromToday(int days) {
    return text(platform::Format(Variant(platform::DateTime::today().addDays(days)), "dd/mm/yyyy"));
}

void TourNarrator::step(const std::string& title) { out_ << "\n" << ++steps_ << ". " << title << "\n"; }

void TourNarrator::say(const std::string& line) { out_ << "   " << line << "\n"; }

void TourNarrator::expect(const ObjectRef& o, const std::string& operation, std::int16_t code, std::int16_t expected) {
    say(operation + " devolveu " + std::to_string(code) + ".");
    if (code == expected) return;
    throw TourStopped(operation + " devolveu " + std::to_string(code) + " em vez de " + std::to_string(expected) +
                      ": " + text(o->get("DescricaoDaFalha")) + " " + text(o->get("DescricaoDoErro")) + " (" +
                      text(o->get("LocalDoErro")) + ")");
}

ObjectRef TourNarrator::select(const std::string& sql) {
    ObjectRef provider = platform::CreateObject("ZOLK_I_ADO.clsObjetosDeDados");
    if (platform::CInt(provider->call("AbrirConexao")) != 0)
        throw TourStopped("a conexão não abriu: " + text(provider->get("DescricaoDaFalha")) +
                          text(provider->get("DescricaoDoErro")));
    const Variant connection = provider->get("ReferenciaDeConexao");
    ObjectRef rs = provider->get("ReferenciaDeRecordset").asObject();
    rs->let("Source", Variant(sql));
    rs->set("ActiveConnection", connection.asObject());
    rs->call("Open");
    rs->set("ActiveConnection", ObjectRef());
    provider->call("FecharConexao");
    return rs;
}

}  // namespace zolk::cli
