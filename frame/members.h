#pragma once
// Builds a class's dispatch table in its interface's slot order. Property kinds follow the
// frame's rules: string Lets store the treated text, numbers and Booleans are stored as given,
// Variant Lets keep a copy; the frame's own members (error state, user data, result
// recordset, paging) are added by name where the class's interface puts them.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/business_object.h"
#include "frame/fields.h"
#include "platform/conversions.h"

namespace zolk::frame {

template <class T>
class ClassMembers {
public:
    using Variant = platform::Variant;
    using CallArgs = platform::CallArgs;
    using ParamType = platform::ParamType;
    using MemberKind = platform::MemberKind;
    using Body = std::function<Variant(T&, CallArgs&)>;

    ClassMembers& operation(std::string name, std::vector<platform::Param> params,
                            ParamType result, Body body) {
        return add(std::move(name), MemberKind::Operation, std::move(params), result, std::move(body));
    }
    ClassMembers& get(std::string name, ParamType result, Body body) {
        return add(std::move(name), MemberKind::Get, {}, result, std::move(body));
    }

    // Lets and Gets through the class's typed setters and getters.
    ClassMembers& let(std::string name, void (T::*setter)(double)) {
        return let(name, ParamType::Double, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asDouble()); });
    }
    ClassMembers& let(std::string name, void (T::*setter)(std::int16_t)) {
        return let(name, ParamType::Integer, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asInteger()); });
    }
    ClassMembers& let(std::string name, void (T::*setter)(bool)) {
        return let(name, ParamType::Boolean, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asBoolean()); });
    }
    ClassMembers& let(std::string name, void (T::*setter)(platform::DateTime)) {
        return let(name, ParamType::Date, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asDate()); });
    }
    ClassMembers& let(std::string name, void (T::*setter)(std::string_view)) {
        return let(name, ParamType::String, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asString()); });
    }
    ClassMembers& let(std::string name, void (T::*setter)(platform::Currency)) {
        return let(name, ParamType::Currency, [setter](T& o, CallArgs& a) { (o.*setter)(a[0].asCurrency()); });
    }
    // A Set of an object the class keeps (nothing given clears it).
    ClassMembers& set(std::string name, void (T::*setter)(platform::ObjectRef)) {
        return add(std::move(name), MemberKind::Set, {{"RHS", ParamType::Object}}, ParamType::Void,
                   [setter](T& o, CallArgs& a) {
                       (o.*setter)(a[0].isObject() ? a[0].asObject() : platform::ObjectRef());
                       return Variant();
                   });
    }
    ClassMembers& get(std::string name, std::int32_t (T::*getter)() const) {
        return get(std::move(name), ParamType::Long, [getter](T& o, CallArgs&) { return Variant((o.*getter)()); });
    }
    ClassMembers& get(std::string name, double (T::*getter)() const) {
        return get(std::move(name), ParamType::Double, [getter](T& o, CallArgs&) { return Variant((o.*getter)()); });
    }
    ClassMembers& get(std::string name, std::string (T::*getter)() const) {
        return get(std::move(name), ParamType::String, [getter](T& o, CallArgs&) { return Variant((o.*getter)()); });
    }

    ClassMembers& let(std::string name, ParamType type, std::function<void(T&, CallArgs&)> store) {
        return add(std::move(name), MemberKind::Let, {{"RHS", type}}, ParamType::Void,
                   [store = std::move(store)](T& o, CallArgs& a) {
                       store(o, a);
                       return Variant();
                   });
    }

    // One Let per property of a field table, in the table's order or in `order`, each storing
    // through the class's letField.
    template <class Table>
    ClassMembers& fields(const Table& table) {
        for (std::size_t i = 0; i < Table::size(); ++i) field(table, Table::id(i));
        return *this;
    }
    template <class Table, class Order>
    ClassMembers& fields(const Table& table, const Order& order) {
        for (auto id : order) field(table, id);
        return *this;
    }

    // A print selection by list kind, page size and search box.
    ClassMembers& printSelection(std::string name,
                                 std::int16_t (T::*select)(std::int32_t, std::int16_t, const Variant&)) {
        return operation(std::move(name),
                         {{"lenuTipoDeLista", ParamType::Long},
                          {"lintTamanhoDaPagina", ParamType::Integer},
                          {"lvarCodigoOuNomeParaFiltro", ParamType::Variant}},
                         ParamType::Integer, [select](T& o, CallArgs& a) {
                             return Variant((o.*select)(a[0].asLong(), a[1].asInteger(), a[2]));
                         });
    }
    // The first members of a class whose rows belong to clinical records (a frame::RecordClass):
    // Adicionar, Alterar, Excluir, then its Selecionar.
    ClassMembers& recordOperations(std::string modeArgument) {
        return operation("Adicionar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Adicionar()); })
            .operation("Alterar", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Alterar()); })
            .operation("Excluir", {}, ParamType::Integer, [](T& o, CallArgs&) { return Variant(o.Excluir()); })
            .recordSelection(std::move(modeArgument));
    }
    // Selecionar of a class that lists the rows of a clinical record or of the animal's earlier
    // records: list kind, page size, search box, the listing mode named `modeArgument`, then the
    // record, client and animal numbers, which arrive as 0 when left out.
    ClassMembers& recordSelection(std::string modeArgument) {
        return operation("Selecionar",
                         {{"lenuTipoDeLista", ParamType::Long},
                          {"lintTamanhoDaPagina", ParamType::Integer},
                          {"lvarCodigoOuNomeParaFiltro", ParamType::Variant},
                          {std::move(modeArgument), ParamType::Integer},
                          {"ldouNumeroDaFichaClinica", ParamType::Double, true},
                          {"ldouCodigoDoCliente", ParamType::Double, true},
                          {"ldouCodigoDoAnimal", ParamType::Double, true}},
                         ParamType::Integer, [](T& o, CallArgs& a) {
                             return Variant(o.Selecionar(a[0].asLong(), a[1].asInteger(), a[2], a[3].asInteger(),
                                                         a[4].asDouble(), a[5].asDouble(), a[6].asDouble()));
                         });
    }

    // NumeroGerado, Numero and DataDeEmissao, in this order: a class whose rows carry a generated
    // number and an issue date.
    ClassMembers& numberAndIssueDate() {
        return get("NumeroGerado", &T::NumeroGerado).let("Numero", &T::Numero).get("DataDeEmissao", &T::DataDeEmissao);
    }

    // The frame's members.
    ClassMembers& resultadoDaSelecao() {
        return get("ResultadoDaSelecaoEmRecordset", ParamType::Object, [](T& o, CallArgs&) {
            return Variant(platform::ObjectRef(o.ResultadoDaSelecaoEmRecordset()));
        });
    }
    ClassMembers& resultadoDaSelecaoParaImpressao() {
        return get("ResultadoDaSelecaoParaImpressaoEmRecordset", ParamType::Object, [](T& o, CallArgs&) {
            return Variant(platform::ObjectRef(o.ResultadoDaSelecaoParaImpressaoEmRecordset()));
        });
    }
    ClassMembers& dataHoraDaAtualizacao() {
        return get("DataHoraDaAtualizacao", ParamType::String,
                   [](T& o, CallArgs&) { return Variant(o.DataHoraDaAtualizacao()); });
    }
    ClassMembers& numeroTotalDeRegistros() {
        return get("NumeroTotalDeRegistros", ParamType::Double,
                   [](T& o, CallArgs&) { return Variant(o.NumeroTotalDeRegistros()); });
    }
    ClassMembers& paginar() {
        return operation("PaginarResultadoDaSelecaoEmRecordset",
                         {{"lintNumeroDeItensPorPagina", ParamType::Integer},
                          {"lobjPaginaDoRecordset", ParamType::Object, false, true}},
                         ParamType::Integer, [](T& o, CallArgs& a) {
                             platform::ObjectRef page;
                             const std::int16_t code =
                                 o.PaginarResultadoDaSelecaoEmRecordset(a[0].asInteger(), page);
                             if (page) a[1] = Variant(page);
                             return Variant(code);
                         });
    }
    ClassMembers& dadosDoUsuario() {
        return add("DadosDoUsuario", MemberKind::Set, {{"RHS", ParamType::Object}}, ParamType::Void,
                   [](T& o, CallArgs& a) {
                       o.DadosDoUsuario(a[0].isObject() ? a[0].asObject() : platform::ObjectRef());
                       return Variant();
                   });
    }
    ClassMembers& numeroDoErro() {
        return get("NumeroDoErro", ParamType::Long, [](T& o, CallArgs&) { return Variant(o.NumeroDoErro()); });
    }
    ClassMembers& descricaoDoErro() { return text("DescricaoDoErro", &T::DescricaoDoErro); }
    ClassMembers& localDoErro() { return text("LocalDoErro", &T::LocalDoErro); }
    ClassMembers& descricaoDaFalha() { return text("DescricaoDaFalha", &T::DescricaoDaFalha); }
    ClassMembers& nomeDoCampoValidado() { return text("NomeDoCampoValidado", &T::NomeDoCampoValidado); }
    // DataHoraDaAtualizacao, DadosDoUsuario, then the error state and ValidarDados: how most
    // interfaces end.
    ClassMembers& closingMembers() { return dataHoraDaAtualizacao().dadosDoUsuario().errorStateAndValidation(); }
    // The last six members of every interface, in this order.
    ClassMembers& errorStateAndValidation() {
        return numeroDoErro().descricaoDoErro().localDoErro().descricaoDaFalha().validarDados().nomeDoCampoValidado();
    }
    ClassMembers& validarDados() {
        return operation("ValidarDados",
                         {{"lintOperacao", ParamType::Integer},
                          {"lobjConexao", ParamType::Object},
                          {"lrstRecordsetParaValidacoes", ParamType::Object, false, true}},
                         ParamType::Integer, [](T& o, CallArgs& a) {
                             platform::ObjectRef rs = a[2].isObject() ? a[2].asObject() : platform::ObjectRef();
                             const std::int16_t code = o.ValidarDados(
                                 a[0].asInteger(), a[1].isObject() ? a[1].asObject() : platform::ObjectRef(), rs);
                             a[2] = rs ? Variant(rs) : Variant();
                             return Variant(code);
                         });
    }

    platform::MemberTable build() { return std::move(table_); }

    // The class's dispatch table, built by `buildTable` on first use and kept for every instance.
    static const platform::MemberTable& shared(platform::MemberTable (*buildTable)()) {
        static const platform::MemberTable table = buildTable();
        return table;
    }

private:
    template <class Table>
    void field(const Table& table, typename Table::Id id) {
        let(std::string(table[id].name), letType(table[id].kind), [id](T& o, CallArgs& a) { o.letField(id, a[0]); });
    }
    ClassMembers& text(std::string name, const std::string& (BusinessObject::*getter)() const) {
        return get(std::move(name), ParamType::String,
                   [getter](T& o, CallArgs&) { return Variant((o.*getter)()); });
    }
    ClassMembers& add(std::string name, MemberKind kind, std::vector<platform::Param> params,
                      ParamType result, Body body) {
        table_.add({std::move(name), kind, std::move(params), result,
                    platform::method<T>([body = std::move(body)](T& o, CallArgs& a) { return body(o, a); })});
        return *this;
    }

    platform::MemberTable table_;
};

}  // namespace zolk::frame
