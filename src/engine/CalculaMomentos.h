#pragma once
// The moments of a storey: general data completed, the data checked, the moments of
// every slab by its case, then the moments over the continuous supports.
#include <string>
#include <string_view>

#include "model/Proyecto.h"
#include "model/Resultado.h"

namespace placatec {

// Completes the general data (cover, f'c, fy), checks the data the formulas cannot
// take, computes the moments of every slab and balances them over the supports. A
// data error returns its message (shown with the title "ERROR") at once.
Resultado<void> CalculaMomentos(Proyecto& p);

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
