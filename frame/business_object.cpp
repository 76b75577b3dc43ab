#include "frame/business_object.h"

#include "components/tratadados/tratamento.h"
#include "frame/operation.h"
#include "platform/conversions.h"

namespace zolk::frame {

using platform::ObjectRef;
using platform::Variant;

BusinessObject::BusinessObject(std::string className)
    : className_(std::move(className)),
      tratamento_(platform::CreateObject(components::TratamentoProgId)) {}

BusinessObject::~BusinessObject() = default;

std::string BusinessObject::treat(std::string_view text) const {
    return platform::CStr(tratamento_->call("TratarString", {Variant(std::string(text))}));
}

Variant BusinessObject::userData(std::string_view key) const {
    if (!userData_) platform::raise(platform::err::ObjectNotSet, "DadosDoUsuario was not given");
    std::vector<Variant> args{Variant(std::string(key))};
    Variant v = userData_->defaultValue(args);
    // An object whose default value is the value itself (a field of a recordset row).
    if (v.isObject() && v.asObject()) {
        std::vector<Variant> none;
        v = v.asObject()->defaultValue(none);
    }
    return v;
}

std::string BusinessObject::userName() const { return platform::CStr(userData("NomeDeUsuario")); }
double BusinessObject::userCode() const { return platform::CDbl(userData("CodigoDoUsuario")); }
bool BusinessObject::userFlag(std::string_view key) const { return platform::CBool(userData(key)); }

std::string BusinessObject::DataHoraDaAtualizacao() const {
    return platform::CStr(Variant(dataHoraDaAtualizacao_));
}

std::string BusinessObject::locationOf(std::string_view operation, std::int16_t ponto) const {
    return std::string(LibraryName) + ", " + className_ + ", " + std::string(operation) +
           ", Ponto: " + std::to_string(ponto);
}

void BusinessObject::setError(std::int32_t number, std::string description, std::string location) {
    numeroDoErro_ = number;
    descricaoDoErro_ = std::move(description);
    localDoErro_ = std::move(location);
}

std::int16_t BusinessObject::fieldRuleFailed(std::string message, std::string field) {
    descricaoDaFalha_ = std::move(message);
    nomeDoCampoValidado_ = std::move(field);
    return result::FieldRuleFailed;
}

std::int16_t BusinessObject::refused(std::string message) {
    descricaoDaFalha_ = std::move(message);
    return result::Refused;
}

std::int16_t BusinessObject::run(std::string_view operation,
                                 const std::function<std::int16_t(Operation&)>& body,
                                 const Refusal& refusal) {
    Operation op(*this, std::string(operation));
    op.ponto(1);
    std::int32_t number = 0;
    std::string description;
    try {
        return body(op);
    } catch (const platform::RuntimeError& e) {
        if (refusal) {
            if (auto code = refusal(e, op)) {
                op.rollbackIfOpen();
                op.release();
                return *code;
            }
        }
        number = e.number();
        description = e.description();
    } catch (const std::bad_alloc&) {
        number = platform::err::OutOfMemory;
        description = "Not enough storage is available to complete this operation.";
    } catch (const std::exception& e) {
        number = platform::err::DbGeneralFailure;
        description = e.what();
    }
    op.rollbackIfOpen();
    op.release();
    setError(number, std::move(description), locationOf(operation, op.ponto()));
    return result::Error;
}

BusinessObject::Refusal BusinessObject::deletionRefusal(std::string message) {
    return [this, message = std::move(message)](const platform::RuntimeError& e,
                                                 Operation&) -> std::optional<std::int16_t> {
        if (e.number() != platform::err::DbGeneralFailure) return std::nullopt;
        if (e.helpContext() == platform::err::DbRelationshipHelpContext) setFailure(message);
        return result::Failure;
    };
}

std::int16_t BusinessObject::validation(ObjectRef& conexao, ObjectRef& recordset,
                                        const std::function<std::int16_t(Operation&)>& rules) {
    return run("ValidarDados", [&](Operation& op) -> std::int16_t {
        const std::int16_t code = rules(op);
        if (code == result::Done) {
            conexao.reset();
            recordset.reset();
        }
        return code;
    });
}

std::int16_t BusinessObject::list(std::string_view operation, std::int32_t tipoDeLista, std::int16_t tamanhoDaPagina,
                                  std::string nothingFound, std::function<std::string()> statement, bool forPrinting) {
    Selection s;
    s.statement = std::move(statement);
    s.kind = static_cast<ListKind>(tipoDeLista);
    s.pageSize = tamanhoDaPagina;
    s.forPrinting = forPrinting;
    s.nothingFound = std::move(nothingFound);
    return select(operation, s);
}

std::int16_t BusinessObject::select(std::string_view operation, const Selection& selection) {
    return run(operation, [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        op.createProvider();
        op.ponto(2);
        if (auto code = op.openConnection()) return *code;
        auto rs = op.newRecordset();

        op.ponto(3);
        const std::string text = selection.statement();
        op.ponto(4);
        op.openSelection(*rs, text, selection.kind, selection.pageSize);
        if (!selection.sort.empty()) rs->Sort(selection.sort);

        op.ponto(5);
        rs->ActiveConnection(nullptr);
        op.ponto(6);
        if (auto code = op.closeConnection()) {
            op.release();
            return *code;
        }

        op.ponto(7);
        const bool found = rs->RecordCount() > 0;
        op.ponto(found ? 8 : 9);
        (selection.forPrinting ? print_ : result_) = rs;
        if (!found) setFailure(selection.nothingFound);
        op.ponto(10);
        op.release();
        return result::Done;
    });
}

std::int16_t BusinessObject::PaginarResultadoDaSelecaoEmRecordset(std::int16_t itensPorPagina,
                                                                  ObjectRef& pagina) {
    return run("PaginarResultadoDaSelecaoEmRecordset", [&](Operation& op) -> std::int16_t {
        op.ponto(1);
        op.createProvider();
        std::shared_ptr<ado::Recordset> page = op.newRecordset();
        if (!result_) platform::raise(platform::err::ObjectNotSet, "there is no result recordset to page");
        ado::Recordset& source = *result_;
        op.ponto(2);
        const std::int32_t remembered = source.AbsolutePage() > 0 ? source.AbsolutePage() : 1;
        op.ponto(3);
        if (page->State() == 1) {
            op.ponto(4);
            page->Close();
        }
        op.ponto(5);
        for (std::int32_t i = 0; i < source.fieldCount(); ++i) {
            const jet::Column& c = source.column(i);
            page->appendField(c.name, c.type, c.definedSize, c.attributes);
        }
        op.ponto(6);
        if (source.EOF_()) source.MoveFirst();
        page->Open();
        for (std::int32_t n = 0; n < itensPorPagina && !source.EOF_(); ++n) {
            page->AddNew();
            for (std::int32_t i = 0; i < source.fieldCount(); ++i)
                page->setValue(source.column(i).name, source.value(source.column(i).name));
            page->Update();
            source.MoveNext();
        }
        page->MoveFirst();
        source.AbsolutePage(remembered);
        op.ponto(7);
        pagina = page;
        op.release();
        return result::Done;
    });
}

}  // namespace zolk::frame
