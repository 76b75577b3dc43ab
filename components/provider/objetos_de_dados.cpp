#include "components/provider/objetos_de_dados.h"

#include "components/provider/session_pool.h"
#include "components/provider/settings.h"
#include "components/provider/sql_trace.h"
#include "jet/server_unreachable.h"
#include "platform/runtime_error.h"
#include "schema/practice_database.h"
#include "schema/practice_file.h"

namespace zolk::components {

using platform::Variant;

ObjetosDeDados::~ObjetosDeDados() { endConnection(); }

void ObjetosDeDados::endConnection() noexcept {
    if (!connection_) return;
    try {
        if (connection_->State() == 1) {
            // The provider's own housekeeping: neither traced nor reported.
            connection_->setTraceHook({});
            if (connection_->session().inTransaction()) connection_->session().rollback();
            connection_->Close();
        }
    } catch (...) {
    }
    connection_.reset();
}

void ObjetosDeDados::recordError(std::int32_t number, const std::string& description,
                                 const char* operation) {
    numeroDoErro_ = number;
    descricaoDoErro_ = description;
    localDoErro_ = std::string("ZOLK_I_ADO, clsObjetosDeDados, ") + operation;
}

std::int16_t ObjetosDeDados::AbrirConexao() {
    const std::string url = databaseUrl();
    try {
        // A kept session already holds this file at this schema version: nothing to look at.
        if (auto session = SessionPool::shared().reuse(url, schema::SchemaVersion)) {
            endConnection();
            auto connection = std::make_shared<ado::Connection>(std::move(session));
            attachTrace(*connection);
            connection_ = std::move(connection);
            return 0;
        }
        const schema::ExistingDatabase existing = schema::examineDatabase(url);
        switch (existing.holding) {
            case schema::Holding::Nothing:
                descricaoDaFalha_ = "O banco de dados da clínica (" + url +
                                    ") não existe ou não foi inicializado. Execute \"fichas init\" "
                                    "para criá-lo.";
                return 3;
            case schema::Holding::Unstamped:
                descricaoDaFalha_ = "O arquivo " + existing.path +
                                    " não é um banco de dados da clínica: tem tabelas de outro programa "
                                    "e não foi criado por \"fichas init\". Indique o banco de dados da "
                                    "clínica (--database ou ZOLK_DATABASE).";
                return 3;
            case schema::Holding::OtherProgram:
                recordError(platform::err::DbGeneralFailure,
                            "O arquivo " + existing.path +
                                " não é um banco de dados da clínica: foi marcado por outro programa.",
                            "AbrirConexao");
                return 1;
            case schema::Holding::Practice:
                if (existing.version == schema::SchemaVersion) break;
                recordError(platform::err::DbGeneralFailure,
                            "O banco de dados da clínica (" + existing.path + ") está na versão " +
                                std::to_string(existing.version) + " do esquema; este programa usa a versão " +
                                std::to_string(schema::SchemaVersion) + ".",
                            "AbrirConexao");
                return 1;
        }
        endConnection();
        auto connection = std::make_shared<ado::Connection>(SessionPool::shared().open(url));
        attachTrace(*connection);
        connection_ = std::move(connection);
        return 0;
    } catch (const jet::ServerUnreachable& e) {
        descricaoDaFalha_ = "Não foi possível conectar ao servidor do banco de dados da clínica: " + e.description();
        return 3;
    } catch (const platform::RuntimeError& e) {
        recordError(e.number(), e.description(), "AbrirConexao");
    } catch (const std::exception& e) {
        recordError(platform::err::DbGeneralFailure, e.what(), "AbrirConexao");
    }
    return 1;
}

std::shared_ptr<ado::Recordset> ObjetosDeDados::ReferenciaDeRecordset() const {
    return std::make_shared<ado::Recordset>();
}

std::int16_t ObjetosDeDados::FecharConexao() {
    try {
        if (connection_ && connection_->State() == 1) connection_->Close();
        connection_.reset();
        return 0;
    } catch (const platform::RuntimeError& e) {
        recordError(e.number(), e.description(), "FecharConexao");
    } catch (const std::exception& e) {
        recordError(platform::err::DbGeneralFailure, e.what(), "FecharConexao");
    }
    return 1;
}

const platform::MemberTable& ObjetosDeDados::memberTable() const {
    using platform::CallArgs;
    using platform::MemberKind;
    using platform::method;
    using platform::ParamType;
    using P = ObjetosDeDados;
    static const platform::MemberTable table = [] {
        platform::MemberTable t;
        t.add({"AbrirConexao", MemberKind::Operation, {}, ParamType::Integer,
               method<P>([](P& p, CallArgs&) { return Variant(p.AbrirConexao()); })});
        t.add({"ReferenciaDeConexao", MemberKind::Get, {}, ParamType::Object,
               method<P>([](P& p, CallArgs&) {
                   return Variant(platform::ObjectRef(p.ReferenciaDeConexao()));
               })});
        t.add({"ReferenciaDeRecordset", MemberKind::Get, {}, ParamType::Object,
               method<P>([](P& p, CallArgs&) {
                   return Variant(platform::ObjectRef(p.ReferenciaDeRecordset()));
               })});
        t.add({"FecharConexao", MemberKind::Operation, {}, ParamType::Integer,
               method<P>([](P& p, CallArgs&) { return Variant(p.FecharConexao()); })});
        t.add({"NumeroDoErro", MemberKind::Get, {}, ParamType::Long,
               method<P>([](P& p, CallArgs&) { return Variant(p.NumeroDoErro()); })});
        t.add({"DescricaoDoErro", MemberKind::Get, {}, ParamType::String,
               method<P>([](P& p, CallArgs&) { return Variant(p.DescricaoDoErro()); })});
        t.add({"LocalDoErro", MemberKind::Get, {}, ParamType::String,
               method<P>([](P& p, CallArgs&) { return Variant(p.LocalDoErro()); })});
        t.add({"DescricaoDaFalha", MemberKind::Get, {}, ParamType::String,
               method<P>([](P& p, CallArgs&) { return Variant(p.DescricaoDaFalha()); })});
        return t;
    }();
    return table;
}

}  // namespace zolk::components
