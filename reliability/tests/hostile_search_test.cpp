// Every search text of every listing, called by name as a front end does, with texts written to
// break the statement (quotes that would end the literal, SQL after them, wildcards, control and
// invalid bytes, a megabyte): each call ends with result 0 and a recordset, or result 1 with the
// error state filled; nothing runs but selections, and no table changes.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "frame/business_object.h"
#include "platform/dispatch.h"
#include "platform/runtime_error.h"
#include "testsupport/practice_fixture.h"

namespace zolk::reliability {
namespace {

using platform::Variant;

const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = {
        "D'Ávila", "' OR 1=1 --", "x'; DELETE * FROM FichasClinicas; --", "'' UNION SELECT * FROM Funcionarios --",
        "%' OR Numero > 0 OR '%' = '", "[", "*?#[!a-z]", std::string("a\0b", 3), "\xC3\x28\xFF", "\r\n\t\"",
        "#1/1/2024#", std::string(1 << 20, '\''),
    };
    return texts;
}

// One typed text argument of one listing: the arguments of a typical call, the text going at
// `textAt`.
struct Listing {
    const char* className;
    const char* member;
    std::vector<Variant> args;
    std::size_t textAt;
    bool forPrinting = false;
    bool numberOnly = false;  // the text filters by a number: any other text is refused
};

// How a test's name and a failure show the listing.
void PrintTo(const Listing& l, std::ostream* out) {
    *out << l.className << '.' << l.member << " argument " << l.textAt + 1;
}

const Variant Blank{};

std::vector<Listing> listings() {
    // Record 812 belongs to Thor (140) of client 95 in the demo practice.
    const std::vector<Variant> ofRecord = {2, 20, Blank, 1, 812.0, 95.0, 140.0};
    const std::vector<Variant> ofNoRecord = {2, 20, Blank, 1, 0.0, 0.0, 0.0};
    return {
        {"clsFichasClinicas", "Selecionar", {2, 20, 0, Blank, Blank, Blank}, 3},
        {"clsFichasClinicas", "Selecionar", {2, 20, 0, Blank, Blank, Blank}, 4},
        {"clsFichasClinicas", "Selecionar", {1, 10, 1, Blank, Blank, Blank}, 5},
        {"clsExames", "Selecionar", ofRecord, 2},
        {"clsExames", "SelecionarParaImpressaoCabecalho", {1, 10, Blank}, 2, true},
        {"clsVacinacoes", "Selecionar", ofRecord, 2},
        {"clsDiagnTrat", "Selecionar", ofRecord, 2},
        {"clsInternacao", "Selecionar", ofNoRecord, 2},
        {"clsProcedimentos", "Selecionar", ofRecord, 2, false, true},
        {"clsReceitas", "Selecionar", ofRecord, 2},
        {"clsReceitas", "SelecionarReceitaControladaParaImpressao", {1, 10, Blank}, 2, true},
        {"clsMedicacoes", "Selecionar", ofRecord, 2},
    };
}

// A text as a failure message can show it: bytes outside printable ASCII escaped, cut short.
std::string shown(const std::string& text) {
    std::string out;
    for (unsigned char c : text.substr(0, 60)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
        out += hex;
    }
    return out + (text.size() > 60 ? "... (" + std::to_string(text.size()) + " bytes)" : "");
}

class HostileSearchText : public ::testing::TestWithParam<Listing> {
protected:
    HostileSearchText() { classes::registerClasses(); }

    // Calls the listing with `text` on a new object; "" when the outcome is one the frame
    // promises, else what went wrong.
    std::string fault(const std::string& text) {
        const Listing& l = GetParam();
        const std::string progId = std::string(frame::LibraryName) + "." + l.className;
        std::vector<Variant> args = l.args;
        args[l.textAt] = Variant(text);
        const platform::ObjectRef object = platform::CreateObject(progId);
        Variant result;
        try {
            result = object->call(l.member, args);
        } catch (const platform::RuntimeError& e) {
            return "raised " + std::to_string(e.number()) + " " + e.description();
        }
        const std::int32_t number = object->get("NumeroDoErro").toLong();
        const std::string where = object->get("LocalDoErro").toString();
        const std::string prefix = std::string(frame::LibraryName) + ", " + l.className + ", " + l.member + ", Ponto: ";
        if (result.toInteger() == 0) {
            if (number != 0) return "result 0 with error " + std::to_string(number);
            const Variant rs = object->get(l.forPrinting ? "ResultadoDaSelecaoParaImpressaoEmRecordset"
                                                         : "ResultadoDaSelecaoEmRecordset");
            if (!rs.isObject() || !rs.asObject()) return "result 0 without a recordset";
        } else if (result.toInteger() == 1) {
            if (number == 0 || object->get("DescricaoDoErro").toString().empty() || where.rfind(prefix, 0) != 0)
                return "result 1 with error state " + std::to_string(number) + " at '" + where + "'";
        } else {
            return "result " + std::to_string(result.toInteger());
        }
        ++(result.toInteger() == 0 ? listed : refused);
        return {};
    }

    testsupport::PracticeDatabase db;
    int listed = 0, refused = 0;
};

TEST_P(HostileSearchText, EndsAsPromisedAndWritesNothing) {
    const auto before = db.tableChecksums();
    const std::vector<std::string>& texts = hostileTexts();
    int faults = 0;
    for (const std::string& text : texts) {
        const int listedBefore = listed;
        std::string what = fault(text);
        // A text whose quotes are doubled is a literal like any other: the listing runs.
        if (what.empty() && !GetParam().numberOnly && text.find('\'') != std::string::npos && text.size() < 100 &&
            listed == listedBefore)
            what = "a quoted text refused instead of listed";
        if (!what.empty() && ++faults <= 10) ADD_FAILURE() << "text '" << shown(text) << "': " << what;
    }
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(listed + refused, static_cast<int>(texts.size()));
    // Nothing ran but the selections: at most one per call, and no other database action.
    const auto trace = db.trace();
    EXPECT_LE(trace.size(), texts.size());
    for (const auto& line : trace)
        if (line.op != "Open") ADD_FAILURE() << "a database action " << line.op << ": " << shown(line.sql);
    EXPECT_EQ(db.tableChecksums(), before);
}

std::string listingName(const ::testing::TestParamInfo<Listing>& info) {
    return std::string(info.param.className) + "_" + info.param.member + "_argument" +
           std::to_string(info.param.textAt + 1);
}

INSTANTIATE_TEST_SUITE_P(EveryListing, HostileSearchText, ::testing::ValuesIn(listings()), listingName);

}  // namespace
}  // namespace zolk::reliability
