#pragma once
// ZOLK_I_ADO.clsObjetosDeDados: the data-object provider that owns a database connection.
#include <cstdint>
#include <memory>
#include <string>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "platform/dispatch.h"

namespace zolk::components {

inline constexpr const char* ProviderProgId = "ZOLK_I_ADO.clsObjetosDeDados";

class ObjetosDeDados : public platform::Dispatchable {
public:
    ~ObjetosDeDados() override;  // ends the connection, rolling back an open transaction

    // 0 open; 1 error (error members set); 3 database missing or not initialised.
    std::int16_t AbrirConexao();
    std::shared_ptr<ado::Connection> ReferenciaDeConexao() const { return connection_; }
    // A new, closed recordset on every read.
    std::shared_ptr<ado::Recordset> ReferenciaDeRecordset() const;
    // 0 closed; 1 error.
    std::int16_t FecharConexao();

    std::int32_t NumeroDoErro() const { return numeroDoErro_; }
    const std::string& DescricaoDoErro() const { return descricaoDoErro_; }
    const std::string& LocalDoErro() const { return localDoErro_; }
    const std::string& DescricaoDaFalha() const { return descricaoDaFalha_; }

    std::string className() const override { return "clsObjetosDeDados"; }
    const platform::MemberTable& memberTable() const override;

private:
    void recordError(std::int32_t number, const std::string& description, const char* operation);
    void endConnection() noexcept;

    std::shared_ptr<ado::Connection> connection_;
    std::int32_t numeroDoErro_ = 0;
    std::string descricaoDoErro_;
    std::string localDoErro_;
    std::string descricaoDaFalha_;
};

}  // namespace zolk::components
