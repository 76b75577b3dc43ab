#pragma once
// What a front end hands the classes in these tests: its administrator and day texts.
#include <memory>
#include <string>

#include "components/userdata/dados_do_usuario.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"

namespace zolk::reliability {

// The demo practice's administrator ana (user 1).
inline std::shared_ptr<components::DadosDoUsuario> administrator() {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(platform::Variant("ana"), "NomeDeUsuario");
    user->Add(platform::Variant(1.0), "CodigoDoUsuario");
    user->Add(platform::Variant(true), "Administrador");
    return user;
}

inline std::string dayText(int daysFromToday) {
    const platform::Variant day(platform::DateTime::today().addDays(daysFromToday));
    return platform::CStr(platform::Format(day, "dd/mm/yyyy"));
}

}  // namespace zolk::reliability
