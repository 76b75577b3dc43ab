#include "frame/select_list.h"

namespace zolk::frame::sql {

namespace {
std::string s(std::string_view v) { return std::string(v); }
}  // namespace

SelectList& SelectList::zeroIfNull(std::string_view source, std::string_view alias) {
    return item("IIF(IsNull(" + s(source) + "), 0, " + s(source) + ") AS " + s(alias));
}

SelectList& SelectList::emptyIfNull(std::string_view source, std::string_view alias) {
    return item("IIF(IsNull(" + s(source) + "), '', " + s(source) + ") AS " + s(alias));
}

SelectList& SelectList::yesNo(std::string_view source, std::string_view alias, std::string_view function) {
    return item(s(function) + "(" + s(source) + "=True, 'Sim', " + s(source) + "=False, 'Não') AS " +
                s(alias));
}

SelectList& SelectList::formatted(std::string_view source, std::string_view alias,
                                  std::string_view pattern) {
    return item("IIF(IsNull(" + s(source) + "), 0, Format([" + s(source) + "],'" + s(pattern) +
                "')) AS " + s(alias));
}

SelectList& SelectList::plain(std::string_view source, std::string_view alias) {
    return item(s(source) + " AS " + s(alias));
}

SelectList& SelectList::date(std::string_view source, std::string_view alias) {
    return item("FORMAT([" + s(source) + "],'DD/MM/YYYY') AS " + s(alias));
}

SelectList& SelectList::dateTime(std::string_view source, std::string_view alias) {
    return item("Format(" + s(source) + ",'DD/MM/YYYY HH:MM:SS') AS " + s(alias));
}

SelectList& SelectList::veterinarianClientAnimal(std::string_view table) {
    const std::string t = s(table) + ".";
    return zeroIfNull(t + "CodigoDoVeterinario", "CodigoDoVeterinario")
        .zeroIfNull("Funcionarios.Nome", "NomeDoVeterinario")
        .emptyIfNull("Funcionarios.CRMV", "CRMVDoVeterinario")
        .zeroIfNull(t + "CodigoDoCliente", "CodigoDoCliente")
        .emptyIfNull("Clientes.ApelidoOuNomeFantasia", "ApelidoOuNomeFantasiaDoCliente")
        .emptyIfNull("Clientes.NomeOuRazaoSocial", "NomeOuRazaoSocialDoCliente")
        .zeroIfNull(t + "CodigoDoAnimal", "CodigoDoAnimal")
        .emptyIfNull("Animais.Nome", "NomeDoAnimal");
}

SelectList& SelectList::stamps(std::string_view table) {
    const std::string t = s(table) + ".";
    return dateTime(t + "DataEHoraDaInclusao", "DataEHoraDaInclusao")
        .emptyIfNull(t + "UsuarioDaInclusao", "UsuarioDaInclusao")
        .dateTime(t + "DataEHoraDaAlteracao", "DataEHoraDaAlteracao")
        .emptyIfNull(t + "UsuarioDaAlteracao", "UsuarioDaAlteracao");
}

SelectList& SelectList::item(std::string_view expression) { return verbatim("   " + s(expression)); }

SelectList& SelectList::verbatim(std::string_view piece) {
    items_.emplace_back(piece);
    return *this;
}

std::string SelectList::str() const {
    std::string out;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        out += items_[i];
        out += i + 1 < items_.size() ? ", " : " ";
    }
    return out;
}

bool filterGiven(const platform::Variant& value) {
    // `If value <> Empty Then`: a Null comparison is not true, so Null is not given either.
    const auto equal = platform::vbEquals(value, platform::Variant());
    return equal.has_value() && !*equal;
}

}  // namespace zolk::frame::sql
