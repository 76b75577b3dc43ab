#pragma once
// The fixture of a business class's tests: a fresh demo practice, the library's classes
// registered, an object of the class used by "ana", and what the tests read back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classes/class_table.h"
#include "platform/conversions.h"
#include "platform/date_time.h"
#include "platform/format.h"
#include "testsupport/business_objects.h"
#include "testsupport/corpus.h"
#include "testsupport/practice_fixture.h"

namespace zolk::testsupport {

// A day counted from today, "dd/mm/yyyy", and as the database stores it.
inline std::string dayText(int daysFromToday) {
    return platform::CStr(
        platform::Format(platform::Variant(platform::DateTime::today().addDays(daysFromToday)), "dd/mm/yyyy"));
}
inline std::string dayStored(int daysFromToday) { return platform::DateTime::today().addDays(daysFromToday).iso(); }

// A whole number as the statements write it.
inline std::string number(double n) { return platform::CStr(platform::Variant(n)); }

template <class T>
class ClassTest : public ::testing::Test {
protected:
    ClassTest() {
        classes::registerClasses();
        object->DadosDoUsuario(ana);
    }

    // Another object of the class, used by "ana".
    std::shared_ptr<T> another() const {
        auto o = std::make_shared<T>();
        o->DadosDoUsuario(ana);
        return o;
    }
    // The LocalDoErro of an error at checkpoint `ponto` of `operation`.
    std::string location(const std::string& operation, int ponto) const {
        return "ZOLK_N_FichasClinicas, " + object->className() + ", " + operation + ", Ponto: " + std::to_string(ponto);
    }
    // The operations of the trace, in order.
    std::vector<std::string> ops() const {
        std::vector<std::string> out;
        for (const auto& line : db.trace()) out.push_back(line.op);
        return out;
    }
    std::string count(const std::string& table, const std::string& where = "1=1") const {
        return db.scalar("SELECT COUNT(*) FROM " + table + " WHERE " + where);
    }

    PracticeDatabase db;
    std::shared_ptr<components::DadosDoUsuario> ana = userNamed("ana");
    std::shared_ptr<T> object = std::make_shared<T>();
};

}  // namespace zolk::testsupport
