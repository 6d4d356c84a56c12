#pragma once
// The moments of a storey: general data completed, the data checked, the moments of
// every slab by its case, then the moments over the continuous supports.
#include <string>
#include <string_view>

#include "model/Proyecto.h"
#include "model/Resultado.h"
#include "model/ResultadosCalculo.h"

namespace placatec {

// The general data the calculation completes: a cover of zero or less becomes 2 cm,
// an f'c or fy of 0 becomes 180 or 2800. The calculation command completes them in
// the project itself, so that the engineer sees (and saves) what was calculated.
void CompletaDatosGenerales(Proyecto& p);
bool DatosGeneralesCompletos(const Proyecto& p);

// Checks the data the formulas cannot take, computes the moments of every slab into
// r and balances them over the supports. Needs the general data completed. A data
// error returns its message (shown with the title "ERROR") at once; r then holds what
// was worked out before it.
Resultado<void> CalculaMomentos(const Proyecto& p, ResultadosCalculo& r);

// "<causa> No. <n>" followed by two line breaks and "CORRIJA LOS DATOS", with n
// written as Str writes a number (a blank before a positive one).
std::string TextoErrorCalculo(std::string_view causa, int numero);

// The texts of the calculation's error messages.
inline constexpr std::string_view kCausaLosa = "Error en la Losa";
inline constexpr std::string_view kCausaBordes = "Condiciones de borde no validas en la Losa";
inline constexpr std::string_view kCausaEspesor = "Espesor menor o igual al recubrimiento en la Losa";
inline constexpr std::string_view kCausaCapacidad = "Capacidad de la seccion excedida en la Losa";
inline constexpr std::string_view kCausaApoyoLosa = "Losa inexistente en el Apoyo";
inline constexpr std::string_view kCausaCapacidadApoyo = "Capacidad de la seccion excedida en el Apoyo";
inline constexpr std::string_view kCausaResultadosLosa = "Resultados fuera de rango en la Losa";
inline constexpr std::string_view kCausaResultadosApoyo = "Resultados fuera de rango en el Apoyo";
inline constexpr std::string_view kTextoTablasFueraDeRango =
    "Numero de losas o de apoyos fuera de rango\r\n\r\nCORRIJA LOS DATOS";
}  // namespace placatec
