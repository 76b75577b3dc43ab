#pragma once
// One running operation of a business object: its checkpoint and the standard database
// sequence through the data-object provider (connection, recordsets, server clock,
// transactions, statements, selections).
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "frame/business_object.h"
#include "platform/dispatch.h"

namespace zolk::frame {

class Operation {
public:
    Operation(BusinessObject& owner, std::string name);
    ~Operation();

    void ponto(std::int16_t checkpoint) { ponto_ = checkpoint; }
    std::int16_t ponto() const { return ponto_; }
    const std::string& name() const { return name_; }

    // Creates the data-object provider by its programmatic identifier.
    void createProvider();
    // AbrirConexao: nullopt when open; otherwise the result to end with (1 with the
    // provider's error copied, 3 with its failure message).
    std::optional<std::int16_t> openConnection();
    std::shared_ptr<ado::Connection> connection() const;
    // A fresh recordset from the provider's ReferenciaDeRecordset.
    std::shared_ptr<ado::Recordset> newRecordset();
    // FecharConexao: nullopt on success, 1 with the provider's error copied.
    std::optional<std::int16_t> closeConnection();

    // Calls the owner's ValidarDados with the connection and a recordset.
    std::int16_t validate(std::int16_t operacao);
    // Checkpoints 1 to 4 of an insertion, update or deletion: the provider, the connection, then
    // ValidarDados with `operacao`. nullopt when the operation goes on; otherwise the result it
    // ends with (the provider's 1 or 3, or what the validation gave, at checkpoint `endedAt`),
    // with the provider and the connection dropped.
    std::optional<std::int16_t> openAndValidate(std::int16_t operacao, std::int16_t endedAt);

    // " SELECT NOW AS DataHoraDoServidor ": the server's date and time.
    platform::DateTime serverClock();
    // The same, through its "dd/mm/yyyy hh:mm:ss" text and back: whole seconds.
    platform::DateTime serverClockToTheSecond();
    // The server clock of an insertion or update, as read or to the second, kept as the owner's
    // DataHoraDaAtualizacao.
    platform::DateTime updateTime();
    platform::DateTime updateTimeToTheSecond();

    void beginTrans();
    void commitTrans();
    bool inTransaction() const { return inTransaction_; }
    // Rolls back an open transaction (the error path); never raises.
    void rollbackIfOpen() noexcept;

    // Runs a statement with Execute; returns the rows affected.
    std::int64_t execute(const std::string& sql);
    // Runs a statement with Execute and reads the first field of its first row.
    platform::Variant executeScalar(const std::string& sql);

    // Selection steps: page size for ListaPaginada, Source, ActiveConnection, Open.
    void openSelection(ado::Recordset& rs, const std::string& sql, ListKind kind,
                       std::int16_t pageSize);
    // Disconnects the recordset, then FecharConexao (nullopt or 1).
    std::optional<std::int16_t> disconnect(ado::Recordset& rs);

    // Drops the provider, the connection and the working recordsets.
    void release() noexcept;
    // The end of a successful operation: its last checkpoints, then the references dropped; 0.
    std::int16_t done(std::initializer_list<std::int16_t> lastCheckpoints);

private:
    BusinessObject& owner_;
    std::string name_;
    std::int16_t ponto_ = 0;
    platform::ObjectRef provider_;
    std::shared_ptr<ado::Connection> connection_;
    bool inTransaction_ = false;
};

}  // namespace zolk::frame
