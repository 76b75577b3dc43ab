#pragma once
// A clinical record object on a fresh demo practice; the statement corpus is the oracle of the texts.
#include "components/userdata/dados_do_usuario.h"
#include "fichas/fichas_clinicas.h"
#include "testsupport/class_fixture.h"

namespace zolk::fichas::test {

using platform::Variant;
using testsupport::dayStored;
using testsupport::dayText;
using testsupport::number;

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("fichas.sql", caseName, edits);
}

// The column list of the insertion, up to "VALUES(".
inline std::string insertColumns() {
    const std::string text = corpus("fichas-insert-sem-medidas");
    return text.substr(0, text.find("VALUES(") + 7);
}

inline std::shared_ptr<components::DadosDoUsuario> makeUser(const std::string& name, double code,
                                                            bool admin, bool retroactive, bool otherUser) {
    auto user = testsupport::userNamed(name);
    user->Add(Variant(code), "CodigoDoUsuario");
    user->Add(Variant(admin), "Administrador");
    user->Add(Variant(retroactive), "PermissaoDoModuloConsultasAlterarFichaClinicaComDataRetroativa");
    user->Add(Variant(otherUser), "PermissaoDoModuloConsultasAlterarFichaClinicaDeOutroUsuario");
    return user;
}

class FichasTest : public testsupport::ClassTest<clsFichasClinicas> {
protected:
    FichasTest() {
        ana = makeUser("ana", 1, true, true, true);
        ficha->DadosDoUsuario(ana);
    }

    // A record that passes every field rule: Thor (140) of client 95 seen by veterinarian 3.
    static void fillValid(clsFichasClinicas& f) {
        f.TipoDeAtendimento(1);
        f.CodigoDoCliente(95);
        f.CodigoDoAnimal(140);
        f.CodigoDoVeterinario(3);
        f.QueixaPrincipal("Vômitos há dois dias");
    }

    // Adds a valid record and returns its number (fails the test when it is not stored).
    double addRecord(const std::string& retorno = "") {
        auto f = another();
        fillValid(*f);
        f->DataDeRetorno(retorno);
        EXPECT_EQ(f->Adicionar(), 0) << f->DescricaoDoErro() << f->DescricaoDaFalha();
        return f->NumeroGerado();
    }

    std::shared_ptr<clsFichasClinicas>& ficha = object;
};

}  // namespace zolk::fichas::test
