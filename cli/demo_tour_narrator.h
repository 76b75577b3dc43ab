#pragma once
// What every part of the guided tour shares: numbered steps and lines told for a person to read,
// result codes checked as the tour expects them, and the practice's tables read through the
// data-object provider as a front end reads them.
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "platform/dispatch.h"
#include "platform/variant.h"

namespace zolk::cli {

// A step of the tour that did not end as expected.
struct TourStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string text(const platform::Variant& v);
// A field of the current row, read through the recordset's default member as a front end does.
std::string field(const platform::ObjectRef& rs, const char* name);
// Today's date moved by `days`, as dd/mm/yyyy.
std::string dayFromToday(int days);

class TourNarrator {
public:
    explicit TourNarrator(std::ostream& out) : out_(out) {}

    void step(const std::string& title);
    void say(const std::string& line);
    // Ends the tour when an operation's result code is not the one the step expects.
    void expect(const platform::ObjectRef& o, const std::string& operation, std::int16_t code, std::int16_t expected);
    // A disconnected recordset read through the data-object provider.
    platform::ObjectRef select(const std::string& sql);

private:
    std::ostream& out_;
    int steps_ = 0;
};

// The tour's postings of the consultation `numero`: a service and a product posted, the
// product's stock moved, and an accepted budget imported with the employee's commission.
void postCharges(TourNarrator& tour, const platform::ObjectRef& user, const std::string& numero);

// A controlled drug prescribed in consultation `numero` with the header of its form, then a
// medicine given at a time of day and changed through its key.
void prescribeAndMedicate(TourNarrator& tour, const platform::ObjectRef& user, const std::string& numero);

// The tour's last parts: the animal's vaccination card, with today's dose applied in the
// consultation `numero`, and the practice's diagnoses ranked.
void showVaccinationCard(TourNarrator& tour, const platform::ObjectRef& user, const std::string& numero);
void showDiagnosisRanking(TourNarrator& tour);

}  // namespace zolk::cli
