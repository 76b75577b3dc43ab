#pragma once
// The one exception type of the runtime: what VB's Err object carries.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace zolk::platform {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(std::int32_t number, std::string description, std::string source = {},
                 std::int32_t helpContext = 0)
        : std::runtime_error(description), number_(number), description_(std::move(description)),
          source_(std::move(source)), helpContext_(helpContext) {}

    std::int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }
    std::int32_t helpContext() const noexcept { return helpContext_; }

private:
    std::int32_t number_;
    std::string description_;
    std::string source_;
    std::int32_t helpContext_;
};

// Error numbers shared across the project (VB run-time, automation, ADO, database).
namespace err {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t DivisionByZero = 11;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t ObjectRequired = 424;

inline constexpr std::int32_t AdoArguments = 3001;
inline constexpr std::int32_t AdoNoCurrentRecord = 3021;
inline constexpr std::int32_t AdoNotAllowed = 3219;
inline constexpr std::int32_t AdoNotUpdatable = 3251;
inline constexpr std::int32_t AdoItemNotFound = 3265;
inline constexpr std::int32_t AdoAlreadyInCollection = 3367;
inline constexpr std::int32_t AdoObjectClosed = 3704;
inline constexpr std::int32_t AdoObjectOpen = 3705;
inline constexpr std::int32_t AdoConnectionInvalid = 3709;
inline constexpr std::int32_t AdoCloseInTransaction = 3246;

inline constexpr std::int32_t DispMemberNotFound = -2147352573;
inline constexpr std::int32_t DispParamNotFound = -2147352572;
inline constexpr std::int32_t DispTypeMismatch = -2147352571;
inline constexpr std::int32_t DispUnknownName = -2147352570;
inline constexpr std::int32_t DispException = -2147352567;
inline constexpr std::int32_t DispOverflow = -2147352566;
inline constexpr std::int32_t DispBadParamCount = -2147352562;
inline constexpr std::int32_t DispParamNotOptional = -2147352561;
inline constexpr std::int32_t InvalidClassString = -2147221005;
inline constexpr std::int32_t ClassNotRegistered = -2147221164;

inline constexpr std::int32_t DbGeneralFailure = -2147467259;  // E_FAIL, Jet's general failure
inline constexpr std::int32_t DbRelationshipHelpContext = 5003000;
inline constexpr std::int32_t DbCantConvertValue = -2147217913;
inline constexpr std::int32_t DbErrorsInCommand = -2147217900;
inline constexpr std::int32_t DbErrorsOccurred = -2147217887;
inline constexpr std::int32_t NoTransaction = -2147168242;
inline constexpr std::int32_t OutOfMemory = -2147024882;
}  // namespace err

// Standard descriptions of the VB run-time errors raised by the platform.
[[noreturn]] void raise(std::int32_t number, const std::string& detail = {});

}  // namespace zolk::platform
