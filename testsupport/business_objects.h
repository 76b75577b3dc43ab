#pragma once
// What the tests of the business classes hand to them and read back from them: a user data
// object as a front end passes it, the values of a result recordset's column, and the shape of
// a class's interface.
#include <memory>
#include <string>
#include <vector>

#include "ado/recordset.h"
#include "components/userdata/dados_do_usuario.h"
#include "platform/conversions.h"
#include "platform/dispatch.h"

namespace zolk::testsupport {

// A user data object holding the user's name, the key every class reads for its row stamps.
inline std::shared_ptr<components::DadosDoUsuario> userNamed(const std::string& name) {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(platform::Variant(name), "NomeDeUsuario");
    return user;
}

// The column `column` of every row of `rs`, in order, as text ("" for Null).
inline std::vector<std::string> columnValues(ado::Recordset& rs, const std::string& column) {
    std::vector<std::string> out;
    if (rs.RecordCount() == 0) return out;
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext())
        out.push_back(rs.value(column).isNull() ? "" : platform::CStr(rs.value(column)));
    return out;
}

// The members of a dispatch table in slot order, each as its name and its kind: "()" an
// operation, "=" a Let, "@" a Set, nothing a Get; one blank between members.
inline std::string memberSlots(const platform::MemberTable& table) {
    std::string out;
    for (const auto& m : table.members()) {
        out += (out.empty() ? "" : " ") + m.name;
        if (m.kind == platform::MemberKind::Operation) out += "()";
        if (m.kind == platform::MemberKind::Let) out += "=";
        if (m.kind == platform::MemberKind::Set) out += "@";
    }
    return out;
}

}  // namespace zolk::testsupport
