#include "frame/operation.h"

#include "components/provider/objetos_de_dados.h"
#include "frame/business_object.h"
#include "platform/conversions.h"
#include "platform/format.h"
#include "platform/runtime_error.h"

namespace zolk::frame {

using platform::Variant;

Operation::Operation(BusinessObject& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

Operation::~Operation() { release(); }

void Operation::createProvider() { provider_ = platform::CreateObject(components::ProviderProgId); }

namespace {
std::shared_ptr<ado::Connection> asConnection(const Variant& v) {
    if (!v.isObject() || !v.asObject()) platform::raise(platform::err::ObjectNotSet, "no connection");
    auto c = std::dynamic_pointer_cast<ado::Connection>(v.asObject());
    if (!c) platform::raise(platform::err::TypeMismatch, "the object given is not a connection");
    return c;
}

std::shared_ptr<ado::Recordset> asRecordset(const Variant& v) {
    if (!v.isObject() || !v.asObject()) platform::raise(platform::err::ObjectNotSet, "no recordset");
    auto r = std::dynamic_pointer_cast<ado::Recordset>(v.asObject());
    if (!r) platform::raise(platform::err::TypeMismatch, "the object given is not a recordset");
    return r;
}
}  // namespace

std::optional<std::int16_t> Operation::openConnection() {
    const std::int16_t code = platform::CInt(provider_->call("AbrirConexao"));
    if (code == 0) {
        connection_ = asConnection(provider_->get("ReferenciaDeConexao"));
        return std::nullopt;
    }
    if (code == 1) {
        owner_.setError(platform::CLng(provider_->get("NumeroDoErro")),
                        platform::CStr(provider_->get("DescricaoDoErro")),
                        platform::CStr(provider_->get("LocalDoErro")));
        release();
        return std::int16_t{1};
    }
    if (code == 3) {
        owner_.setFailure(platform::CStr(provider_->get("DescricaoDaFalha")));
        release();
        return std::int16_t{3};
    }
    // Any other answer: go on without a connection; its first use fails on the error path.
    return std::nullopt;
}

std::shared_ptr<ado::Connection> Operation::connection() const {
    if (!connection_) platform::raise(platform::err::ObjectNotSet, "there is no open connection");
    return connection_;
}

std::shared_ptr<ado::Recordset> Operation::newRecordset() {
    if (!provider_) platform::raise(platform::err::ObjectNotSet, "there is no data-object provider");
    return asRecordset(provider_->get("ReferenciaDeRecordset"));
}

std::optional<std::int16_t> Operation::closeConnection() {
    const std::int16_t code = platform::CInt(provider_->call("FecharConexao"));
    if (code != 1) return std::nullopt;
    owner_.setError(platform::CLng(provider_->get("NumeroDoErro")),
                    platform::CStr(provider_->get("DescricaoDoErro")),
                    platform::CStr(provider_->get("LocalDoErro")));
    return std::int16_t{1};
}

std::int16_t Operation::validate(std::int16_t operacao) {
    platform::ObjectRef recordset = newRecordset();
    return owner_.ValidarDados(operacao, connection(), recordset);
}

std::optional<std::int16_t> Operation::openAndValidate(std::int16_t operacao, std::int16_t endedAt) {
    ponto(1);
    createProvider();
    ponto(2);
    if (auto code = openConnection()) return code;
    ponto(3);
    const std::int16_t validation = validate(operacao);
    ponto(4);
    if (validation == 0) return std::nullopt;
    ponto(endedAt);
    release();
    return validation;
}

platform::DateTime Operation::serverClock() {
    auto rs = connection()->Execute(" SELECT NOW AS DataHoraDoServidor ");
    const platform::DateTime now = platform::CDate(rs->value(0));
    rs->Close();
    return now;
}

platform::DateTime Operation::serverClockToTheSecond() {
    return platform::CDate(platform::Format(Variant(serverClock()), "dd/mm/yyyy hh:mm:ss"));
}

platform::DateTime Operation::updateTime() {
    const platform::DateTime now = serverClock();
    owner_.setDataHoraDaAtualizacao(now);
    return now;
}

platform::DateTime Operation::updateTimeToTheSecond() {
    const platform::DateTime now = serverClockToTheSecond();
    owner_.setDataHoraDaAtualizacao(now);
    return now;
}

void Operation::beginTrans() {
    connection()->BeginTrans();
    inTransaction_ = true;
}

void Operation::commitTrans() {
    connection()->CommitTrans();
    inTransaction_ = false;
}

void Operation::rollbackIfOpen() noexcept {
    if (!inTransaction_ || !connection_) return;
    inTransaction_ = false;
    try {
        connection_->RollbackTrans();
    } catch (...) {
    }
}

std::int64_t Operation::execute(const std::string& sql) {
    std::int64_t affected = 0;
    connection()->Execute(sql, &affected);
    return affected;
}

Variant Operation::executeScalar(const std::string& sql) {
    auto rs = connection()->Execute(sql);
    Variant v = rs->value(0);
    rs->ActiveConnection(nullptr);
    rs->Close();
    return v;
}

void Operation::openSelection(ado::Recordset& rs, const std::string& sql, ListKind kind,
                              std::int16_t pageSize) {
    if (kind == ListKind::ListaPaginada) rs.PageSize(pageSize);
    rs.Source(sql);
    rs.ActiveConnection(connection());
    rs.Open();
}

std::optional<std::int16_t> Operation::disconnect(ado::Recordset& rs) {
    rs.ActiveConnection(nullptr);
    return closeConnection();
}

std::int16_t Operation::done(std::initializer_list<std::int16_t> lastCheckpoints) {
    for (std::int16_t p : lastCheckpoints) ponto(p);
    release();
    return 0;
}

void Operation::release() noexcept {
    connection_.reset();
    provider_.reset();
}

}  // namespace zolk::frame
