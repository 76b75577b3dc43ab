#pragma once
// The column list of a selection, one piece per column: each item stands on three blanks and is
// followed by ", ", the last by a single blank. The forms are the ones every listing uses, so
// missing values come back as 0 or an empty text and Yes/No columns as 'Sim' or 'Não'.
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace zolk::frame::sql {

class SelectList {
public:
    // IIF(IsNull(source), 0, source) AS alias
    SelectList& zeroIfNull(std::string_view source, std::string_view alias);
    // IIF(IsNull(source), '', source) AS alias
    SelectList& emptyIfNull(std::string_view source, std::string_view alias);
    // SWITCH(source=True, 'Sim', source=False, 'Não') AS alias; some listings spell it Switch.
    SelectList& yesNo(std::string_view source, std::string_view alias, std::string_view function = "SWITCH");
    // IIF(IsNull(source), 0, Format([source],'pattern')) AS alias
    SelectList& formatted(std::string_view source, std::string_view alias, std::string_view pattern);
    // source AS alias
    SelectList& plain(std::string_view source, std::string_view alias);
    // FORMAT([source],'DD/MM/YYYY') AS alias
    SelectList& date(std::string_view source, std::string_view alias);
    // Format(source,'DD/MM/YYYY HH:MM:SS') AS alias
    SelectList& dateTime(std::string_view source, std::string_view alias);
    // The veterinarian, the client and the animal of a row of `table`, joined to Funcionarios,
    // Clientes and Animais: CodigoDoVeterinario, NomeDoVeterinario (0 for a missing name),
    // CRMVDoVeterinario, CodigoDoCliente, ApelidoOuNomeFantasiaDoCliente,
    // NomeOuRazaoSocialDoCliente, CodigoDoAnimal, NomeDoAnimal.
    SelectList& veterinarianClientAnimal(std::string_view table);
    // Who inserted and last changed a row of `table`, and when.
    SelectList& stamps(std::string_view table);
    // Any other expression, already followed by its alias: three blanks are put before it.
    SelectList& item(std::string_view expression);
    // A piece written exactly as given (its own leading blanks), separator still added.
    SelectList& verbatim(std::string_view piece);

    std::size_t size() const { return items_.size(); }
    std::string str() const;

private:
    std::vector<std::string> items_;
};

// A search value counts as given only when it differs from an empty Variant under VB's
// comparison: Empty, Null, 0 and "" are all "not given".
bool filterGiven(const platform::Variant& value);

}  // namespace zolk::frame::sql
