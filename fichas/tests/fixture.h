#pragma once
// A fresh demo practice database per test, a clinical record object and the users of the demo.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "components/provider/settings.h"
#include "components/userdata/dados_do_usuario.h"
#include "fichas/fichas_clinicas.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "testsupport/practice_fixture.h"

namespace zolk::fichas::test {

using platform::Variant;

inline std::shared_ptr<components::DadosDoUsuario> makeUser(const std::string& name, double code,
                                                            bool admin, bool retroactive, bool otherUser) {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(Variant(name), "NomeDeUsuario");
    user->Add(Variant(code), "CodigoDoUsuario");
    user->Add(Variant(admin), "Administrador");
    user->Add(Variant(retroactive), "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa");
    user->Add(Variant(otherUser), "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario");
    return user;
}

// A date relative to today as text, "dd/mm/yyyy".
inline std::string dayText(int daysFromToday) {
    return platform::CStr(
        platform::Format(Variant(platform::DateTime::today().addDays(daysFromToday)), "dd/mm/yyyy"));
}
// The same day as the database stores it, "yyyy-mm-dd 00:00:00".
inline std::string dayStored(int daysFromToday) {
    return platform::DateTime::today().addDays(daysFromToday).iso();
}

class FichasTest : public ::testing::Test {
protected:
    FichasTest() {
        classes::registerClasses();
        ana = makeUser("ana", 1, true, true, true);
        ficha->DadosDoUsuario(ana);
    }

    // A record that passes every field rule: Thor (140) of client 95 seen by veterinarian 3.
    void fillValid(clsFichasClinicas& f) {
        f.TipoDeAtendimento(1);
        f.CodigoDoCliente(95);
        f.CodigoDoAnimal(140);
        f.CodigoDoVeterinario(3);
        f.QueixaPrincipal("Vômitos há dois dias");
    }

    // Adds a valid record and returns its number (fails the test when it is not stored).
    double addRecord(const std::string& retorno = "") {
        auto f = std::make_shared<clsFichasClinicas>();
        f->DadosDoUsuario(ana);
        fillValid(*f);
        f->DataDeRetorno(retorno);
        const std::int16_t code = f->Adicionar();
        EXPECT_EQ(code, 0) << f->DescricaoDoErro() << f->DescricaoDaFalha();
        return f->NumeroGerado();
    }

    std::string count(const std::string& table, const std::string& where = "1=1") const {
        return db.scalar("SELECT COUNT(*) FROM " + table + " WHERE " + where);
    }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana;
    std::shared_ptr<clsFichasClinicas> ficha = std::make_shared<clsFichasClinicas>();
};

}  // namespace zolk::fichas::test
