#pragma once
// A fresh demo practice per test and an exam request object, with two oracles written apart from
// this class: the Exames table of the schema (its Yes/No columns stand in catalogue order) and
// the statement corpus of the engine tests.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "components/userdata/dados_do_usuario.h"
#include "exames/exames.h"
#include "platform/conversions.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"

namespace zolk::exames::test {

using platform::Variant;

inline std::shared_ptr<components::DadosDoUsuario> makeUser(const std::string& name) {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(Variant(name), "NomeDeUsuario");
    return user;
}

// A statement of jet/tests/corpus/exames.sql by case name, with each (from, to) replaced.
inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("exames.sql", caseName, edits);
}

class ExamesTest : public ::testing::Test {
protected:
    ExamesTest() {
        classes::registerClasses();
        exame->DadosDoUsuario(ana);
    }

    // Thor (140) of client 95, record 812, veterinarian 3, laboratory VetLab (2).
    static void fillValid(clsExames& e) {
        e.NumeroDaFichaClinica(812);
        e.CodigoDoVeterinario(3);
        e.CodigoDoCliente(95);
        e.CodigoDoAnimal(140);
        e.CodigoDoLaboratorio(2);
        e.ExameSelecionado(true);
    }

    std::vector<std::string> schemaExamColumns() const {  // the Yes/No columns after ExamePago
        auto names = db.column("SELECT name FROM pragma_table_info('Exames') WHERE type = 'YESNO' ORDER BY cid");
        names.erase(names.begin());
        return names;
    }
    // Every exam column of a row as -1 or 0, in schema order.
    std::string storedFlags(double numero) const {
        std::string list;
        for (const std::string& c : schemaExamColumns()) list += (list.empty() ? "" : " || ',' || ") + c;
        return db.scalar("SELECT " + list + " FROM Exames WHERE Numero = " + number(numero));
    }
    // The same when exactly the columns `ticked` accepts are set.
    std::string flagsWhere(const std::function<bool(const std::string&)>& ticked) const {
        std::string out;
        for (const std::string& c : schemaExamColumns()) out += (out.empty() ? "" : ",") + std::string(ticked(c) ? "-1" : "0");
        return out;
    }

    static std::string number(double n) { return platform::CStr(Variant(n)); }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = makeUser("ana");
    std::shared_ptr<clsExames> exame = std::make_shared<clsExames>();
};

}  // namespace zolk::exames::test
