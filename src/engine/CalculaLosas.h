#pragma once
// The calculation of a storey: general data completed, the moments of every slab by
// its case, the moments over the continuous supports, then the reinforcement.
#include <string>
#include <string_view>

#include "model/Interlocutor.h"
#include "model/Proyecto.h"

namespace placatec {

// Runs the four phases in order. On a data error it shows a message (title "ERROR",
// exclamation icon), sets ErrorCalculo to 1 and returns at once; the caller then
// shows no result. ErrorCalculo is not cleared here: the command clears it first.
void CalculaLosas(Proyecto& p, Interlocutor& ui);

// "<causa> No. <n>" followed by two line breaks and "CORRIJA LOS DATOS", with n
// written as Str writes a number (a blank before a positive one).
std::string TextoErrorCalculo(std::string_view causa, int numero);

// The texts of the calculation's error messages.
inline constexpr std::string_view kCausaLosa = "Error en la Losa";
inline constexpr std::string_view kCausaLuces = "Luces no validas en la Losa";
inline constexpr std::string_view kCausaBordes = "Condiciones de borde no validas en la Losa";
inline constexpr std::string_view kCausaEspesor = "Espesor menor o igual al recubrimiento en la Losa";
inline constexpr std::string_view kCausaCapacidad = "Capacidad de la seccion excedida en la Losa";
inline constexpr std::string_view kCausaApoyoLosa = "Losa inexistente en el Apoyo";
inline constexpr std::string_view kCausaCapacidadApoyo = "Capacidad de la seccion excedida en el Apoyo";
inline constexpr std::string_view kCausaResultadosLosa = "Resultados fuera de rango en la Losa";
inline constexpr std::string_view kCausaResultadosApoyo = "Resultados fuera de rango en el Apoyo";
inline constexpr std::string_view kTextoTablasFueraDeRango =
    "Numero de losas o de apoyos fuera de rango\r\n\r\nCORRIJA LOS DATOS";
inline constexpr std::string_view kTextoResistencias =
    "Resistencia del concreto o del acero no valida\r\n\r\nCORRIJA LOS DATOS";

}  // namespace placatec
