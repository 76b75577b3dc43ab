#pragma once

namespace zolk::consultas {

// Makes clsDiagnTrat, clsInternacao and clsAnaliseDiagn creatable through the object factory.
void registerClasses();

}  // namespace zolk::consultas
