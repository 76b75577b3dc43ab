#pragma once
// An exam request on a fresh demo practice; oracles: the schema's Yes/No columns, the statement corpus.
#include <functional>

#include "exames/exames.h"
#include "testsupport/class_fixture.h"

namespace zolk::exames::test {

using platform::Variant;
using testsupport::number;

inline std::string corpus(const std::string& caseName, const std::vector<std::pair<std::string, std::string>>& edits = {}) {
    return testsupport::corpus("exames.sql", caseName, edits);
}

class ExamesTest : public testsupport::ClassTest<clsExames> {
protected:
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
        auto names = db.columnsDeclared("Exames", "YESNO");
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

    std::shared_ptr<clsExames>& exame = object;
};

}  // namespace zolk::exames::test
