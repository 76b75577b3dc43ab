#pragma once
// The PostgreSQL emitter: standard SQL with the functions of the zolk_jet extension, the "jet"
// ICU collation on text columns, FETCH FIRST ... WITH TIES for TOP, and typed casts of the
// extension's variant-valued functions.
#include "jet/dialect.h"

namespace zolk::jet::postgres {

const Generator& generator();

// The type a value of Jet type `t` takes on PostgreSQL (domains of the practice schema aside).
const char* sqlType(JetType t);

}  // namespace zolk::jet::postgres
