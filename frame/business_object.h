#pragma once
// The frame every business class of the library is built on: object state, error state and
// its location text, the user data object, the text-treatment service, the run-time error
// path of operations, and paging of a result recordset.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ado/recordset.h"
#include "frame/stamp.h"
#include "platform/date_time.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"

namespace zolk::frame {

inline constexpr const char* LibraryName = "ZOLK_N_FichasClinicas";

class Operation;

// The list kinds of a selection: ListaPaginada sets the recordset's page size.
enum class ListKind : std::int32_t { ListaPaginada = 1, ListaCompleta = 2 };

// Result codes of every operation.
namespace result {
inline constexpr std::int16_t Done = 0, Error = 1, FieldRuleFailed = 2, Failure = 3, Refused = 4;
}

class BusinessObject : public platform::Dispatchable {
public:
    explicit BusinessObject(std::string className);
    ~BusinessObject() override;

    std::string className() const override { return className_; }

    // Error state
    std::int32_t NumeroDoErro() const { return numeroDoErro_; }
    const std::string& DescricaoDoErro() const { return descricaoDoErro_; }
    const std::string& LocalDoErro() const { return localDoErro_; }
    const std::string& DescricaoDaFalha() const { return descricaoDaFalha_; }
    const std::string& NomeDoCampoValidado() const { return nomeDoCampoValidado_; }

    void DadosDoUsuario(platform::ObjectRef userData) { userData_ = std::move(userData); }
    std::shared_ptr<ado::Recordset> ResultadoDaSelecaoEmRecordset() const { return result_; }
    // Set by the class's print selection, where it has one.
    std::shared_ptr<ado::Recordset> ResultadoDaSelecaoParaImpressaoEmRecordset() const { return print_; }
    // No operation gives it a value.
    double NumeroTotalDeRegistros() const { return 0; }
    // The server time stamped by the last insertion or update, where the class has them, in the
    // default date-to-text conversion.
    std::string DataHoraDaAtualizacao() const;
    // Copies the page of the result recordset on which it stands into a new recordset.
    std::int16_t PaginarResultadoDaSelecaoEmRecordset(std::int16_t itensPorPagina,
                                                      platform::ObjectRef& pagina);

    // The validation protocol: 1 insert, 2 update, 3 delete.
    virtual std::int16_t ValidarDados(std::int16_t operacao, platform::ObjectRef conexao,
                                      platform::ObjectRef& recordset) = 0;

    // What a string Let stores: the text returned by the text-treatment service.
    std::string treat(std::string_view text) const;

protected:
    friend class Operation;

    // The user data object read through its default member; none raises 91.
    platform::Variant userData(std::string_view key) const;
    std::string userName() const;
    // The stamp of a row written now: reads the user's name (raising 91 without a user data object).
    Stamp stamp(platform::DateTime time) const { return Stamp{time, userName()}; }
    double userCode() const;
    bool userFlag(std::string_view key) const;

    // Runs an operation's body on the run-time error path: any error is caught, an open
    // transaction rolled back, and the error state filled ("..., <class>, <operation>,
    // Ponto: n"); the result is then 1. `refusal` may turn an error into another result first.
    using Refusal = std::function<std::optional<std::int16_t>(const platform::RuntimeError&, Operation&)>;
    std::int16_t run(std::string_view operation, const std::function<std::int16_t(Operation&)>& body,
                     const Refusal& refusal = {});
    // The refusal of a deletion: the database's general failure ends with result 3, with `message`
    // as DescricaoDaFalha when related rows refused it (help context 5003000) and the business
    // message left as it was otherwise; the error state is not touched.
    Refusal deletionRefusal(std::string message);

    // The shell of ValidarDados: `rules` runs on the run-time error path under the operation name
    // "ValidarDados" and sets its own checkpoints. When every rule passed, the references to the
    // caller's connection and recordset are dropped at the end; a failed rule or a refusal ends
    // before that step and leaves them.
    std::int16_t validation(platform::ObjectRef& conexao, platform::ObjectRef& recordset,
                            const std::function<std::int16_t(Operation&)>& rules);

    // Validation outcomes.
    std::int16_t fieldRuleFailed(std::string message, std::string field);
    std::int16_t refused(std::string message);
    void setFailure(std::string message) { descricaoDaFalha_ = std::move(message); }
    void setError(std::int32_t number, std::string description, std::string location);

    void setResult(std::shared_ptr<ado::Recordset> rs) { result_ = std::move(rs); }
    void setDataHoraDaAtualizacao(platform::DateTime time) { dataHoraDaAtualizacao_ = time; }
    platform::DateTime dataHoraDaAtualizacao() const { return dataHoraDaAtualizacao_; }

    // A selection as every class runs it, with the same checkpoints: 1 and 2 provider and
    // connection, 3 the statement built, 4 opened (page size for ListaPaginada, then the sort when
    // given), 5 disconnected, 6 FecharConexao, 7 to 9 stored (the message when nothing was found),
    // 10 references dropped. A failure keeps the recordset stored earlier.
    struct Selection {
        std::function<std::string()> statement;
        ListKind kind = ListKind::ListaCompleta;
        std::int16_t pageSize = 0;
        std::string sort;
        bool forPrinting = false;  // stored as the print recordset instead of the result
        std::string nothingFound;
    };
    std::int16_t select(std::string_view operation, const Selection& selection);
    // The listing a front end asks for by list kind and page size, unsorted.
    std::int16_t list(std::string_view operation, std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                      std::string nothingFound, std::function<std::string()> statement, bool forPrinting = false);
    std::string locationOf(std::string_view operation, std::int16_t ponto) const;

private:
    std::string className_;
    platform::ObjectRef tratamento_;
    platform::ObjectRef userData_;
    std::shared_ptr<ado::Recordset> result_;
    std::shared_ptr<ado::Recordset> print_;
    platform::DateTime dataHoraDaAtualizacao_;
    std::int32_t numeroDoErro_ = 0;
    std::string descricaoDoErro_;
    std::string localDoErro_;
    std::string descricaoDaFalha_;
    std::string nomeDoCampoValidado_;
};

}  // namespace zolk::frame
