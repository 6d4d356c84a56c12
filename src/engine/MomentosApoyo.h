#pragma once
// Moments over the continuous supports: one step of moment distribution between the
// two slabs of each support, with the correction of their span moments.
#include "model/Proyecto.h"
#include "model/ResultadosCalculo.h"

namespace placatec {

enum class GrupoApoyo { MomentoDado, ExtremoEmpotrado, ExtremoArticulado };

// The stiffness of a slab at a support is this over its span: far end fixed, or not.
inline constexpr double kRigidezExtremoEmpotrado = 1.0;
inline constexpr double kRigidezExtremoArticulado = 0.75;

// Role of a slab of case code `codigo` at a support of direction X (dirY false) or Y.
GrupoApoyo GrupoEnApoyo(int codigo, bool dirY);
// Whether the slab's own moment decides alone at such a support.
bool EsVoladizoEnApoyo(int codigo, bool dirY);

// Runs over supports 1..NumApoyos in order, on the slab moments already in r: the
// support moments, and the span moments of the slabs corrected. "Y" or "y" is Y, any
// other direction X (r.apoyos[j].Dir says which). The result of a support does not
// depend on which of its two slabs is listed first. Every support must name slabs
// 1..NumLosas (rounded half to even) whose spans are greater than 0.
void MomentosApoyo(const Proyecto& p, ResultadosCalculo& r);

}  // namespace placatec
