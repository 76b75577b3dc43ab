#pragma once
// A fresh demo practice per test; the engine tests' statement corpus is the oracle of the texts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "consultas/analise_diagn.h"
#include "consultas/visoes.h"
#include "platform/conversions.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"

namespace zolk::consultas::test {

using platform::Variant;
using Rows = std::vector<std::string>;

inline std::string corpus(const std::string& caseName) { return testsupport::corpus("consultas.sql", caseName); }

class ConsultasTest : public ::testing::Test {
protected:
    // Each row of the result recordset as its `columns` joined by "|".
    static Rows rows(const std::shared_ptr<ado::Recordset>& rs, const std::vector<std::string>& columns) {
        Rows out;
        if (!rs || rs->RecordCount() <= 0) return out;
        for (rs->MoveFirst(); !rs->EOF_(); rs->MoveNext()) {
            std::string line;
            for (const std::string& c : columns) line += (line.empty() ? "" : "|") + platform::CStr(rs->value(c));
            out.push_back(line);
        }
        return out;
    }
    std::string opened() const { const auto t = db.traced("Open"); return t.empty() ? std::string() : t.back(); }

    testsupport::PracticeDatabase db;
};

}  // namespace zolk::consultas::test
