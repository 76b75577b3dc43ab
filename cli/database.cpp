#include "cli/database.h"

#include "ado/connection.h"
#include "components/provider/objetos_de_dados.h"
#include "platform/runtime_error.h"

namespace zolk::cli {

namespace {

// An open provider, or the provider's own account of why it could not open.
std::shared_ptr<components::ObjetosDeDados> openProvider() {
    auto provider = std::make_shared<components::ObjetosDeDados>();
    switch (provider->AbrirConexao()) {
        case 0: return provider;
        case 3:
            throw platform::RuntimeError(platform::err::DbGeneralFailure, provider->DescricaoDaFalha(),
                                         components::ProviderProgId);
        default:
            throw platform::RuntimeError(provider->NumeroDoErro(), provider->DescricaoDoErro(),
                                         provider->LocalDoErro());
    }
}

}  // namespace

StatementResult executeStatement(std::string_view text) {
    auto provider = openProvider();
    StatementResult result;
    auto recordset = provider->ReferenciaDeConexao()->Execute(text, &result.rowsAffected);
    if (recordset && recordset->State() == 1) result.recordset = std::move(recordset);
    return result;
}

std::shared_ptr<ado::Recordset> openDisconnected(std::string_view text) {
    auto provider = openProvider();
    auto recordset = provider->ReferenciaDeRecordset();
    recordset->Source(std::string(text));
    recordset->ActiveConnection(provider->ReferenciaDeConexao());
    recordset->Open();
    recordset->ActiveConnection(nullptr);
    if (provider->FecharConexao() != 0)
        throw platform::RuntimeError(provider->NumeroDoErro(), provider->DescricaoDoErro(),
                                     provider->LocalDoErro());
    return recordset;
}

}  // namespace zolk::cli
