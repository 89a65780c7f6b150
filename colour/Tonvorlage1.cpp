#include "colour/Tonvorlage1.h"

#include "colour/Rezeptur1.h"
// Scaffolding until the colour model is built.
TTonvorlage::TTonvorlage(const QString& name, TMischregal* shelf) : Name(name), Rezeptur(std::make_unique<TRezeptur>(shelf)) {}
TTonvorlage::~TTonvorlage() = default;
void TTonvorlage::Paint(TPicture*) const {}
