#pragma once
// A fresh demo practice database per test, an exam request object, and two outside oracles for
// the statement texts: the Exames table of the practice schema (its Yes/No columns stand in
// catalogue order) and the statement corpus of the engine tests.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "components/userdata/dados_do_usuario.h"
#include "exames/exames.h"
#include "exames/register.h"
#include "frame/registration.h"
#include "platform/conversions.h"
#include "testsupport/practice_fixture.h"

namespace zolk::exames::test {

using platform::Variant;

inline std::shared_ptr<components::DadosDoUsuario> makeUser(const std::string& name) {
    auto user = std::make_shared<components::DadosDoUsuario>();
    user->Add(Variant(name), "NomeDeUsuario");
    user->Add(Variant(1.0), "CodigoDoUsuario");
    return user;
}

// One statement of jet/tests/corpus/exames.sql, by its case name.
inline std::string corpusStatement(const std::string& caseName) {
    std::ifstream in(std::string(ZOLK_SOURCE_DIR) + "/jet/tests/corpus/exames.sql");
    std::string line, text;
    bool inCase = false;
    while (std::getline(in, line)) {
        if (line.rfind("-- case: ", 0) == 0) {
            if (inCase) break;
            inCase = line.substr(9) == caseName;
        } else if (inCase && line.rfind("--", 0) != 0) {
            text += (text.empty() ? "" : "\n") + line;
        }
    }
    EXPECT_FALSE(text.empty()) << "no corpus case " << caseName;
    return text;
}

// Every occurrence of `from` in `text` replaced by `to`.
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

class ExamesTest : public ::testing::Test {
protected:
    ExamesTest() {
        frame::registerLibrary();
        registerClass();
        exame->DadosDoUsuario(ana);
    }

    // A request that passes both rules: Thor (140) of client 95, record 812, veterinarian 3, VetLab (2).
    static void fillValid(clsExames& e) {
        e.NumeroDaFichaClinica(812);
        e.CodigoDoVeterinario(3);
        e.CodigoDoCliente(95);
        e.CodigoDoAnimal(140);
        e.CodigoDoLaboratorio(2);
        e.ExameSelecionado(true);
    }

    // Adds a valid request with the given flags ticked and returns its number.
    double addRequest(const std::vector<Exame>& flags = {}) {
        auto e = std::make_shared<clsExames>();
        e->DadosDoUsuario(ana);
        fillValid(*e);
        for (Exame f : flags) e->exame(f, true);
        EXPECT_EQ(e->Adicionar(), 0) << e->DescricaoDoErro();
        return e->NumeroGerado();
    }

    // The exam columns of the practice schema: its Yes/No columns after ExamePago.
    std::vector<std::string> schemaExamColumns() const {
        auto names = db.column("SELECT name FROM pragma_table_info('Exames') WHERE type = 'YESNO' ORDER BY cid");
        EXPECT_EQ(names.front(), "ExamePago");
        names.erase(names.begin());
        return names;
    }

    // The stored value (-1 or 0) of every exam column of a row, in schema order.
    std::vector<std::string> storedFlags(double numero) const {
        std::string list;
        for (const std::string& c : schemaExamColumns()) list += (list.empty() ? "" : " || ',' || ") + c;
        std::vector<std::string> values;
        std::stringstream csv(db.scalar("SELECT " + list + " FROM Exames WHERE Numero = " + number(numero)));
        for (std::string v; std::getline(csv, v, ',');) values.push_back(v);
        return values;
    }

    std::string count(const std::string& where = "1=1") const {
        return db.scalar("SELECT COUNT(*) FROM Exames WHERE " + where);
    }

    static std::string number(double n) { return platform::CStr(Variant(n)); }

    testsupport::PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = makeUser("ana");
    std::shared_ptr<clsExames> exame = std::make_shared<clsExames>();
};

}  // namespace zolk::exames::test
