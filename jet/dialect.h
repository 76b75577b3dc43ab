#pragma once
// The seam between the Jet front end and an engine: the traits that decide which tree rewrites
// an engine needs, and the generator that prints a bound, rewritten tree in its SQL. Engines
// print with the standard printer (jet/printer.h) and their own rules (jet/<engine>/generator.cpp).
#include <memory>
#include <string>

#include "jet/ast.h"

namespace zolk::jet {

struct EngineTraits {
    const char* name;
};

class Generator {
public:
    virtual ~Generator() = default;
    virtual const EngineTraits& traits() const = 0;
    // Prints a bound statement whose rewrites have run.
    virtual std::string statement(const ast::Statement& st) const = 0;
};

}  // namespace zolk::jet
