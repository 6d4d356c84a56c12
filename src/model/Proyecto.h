#pragma once
// The project: what the engineer entered and the file keeps, general data, slab and
// support tables and the dead-load build-up, with the case code that classification
// derives from each slab's edges. The calculation's results (ResultadosCalculo.h) and
// the state of the running program (EstadoSesion.h) are kept apart from it.
// Tables are indexed 1..99 as the engineer counts them; index 0 is never used.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace placatec {

using Integer = std::int16_t;
using Single = float;

constexpr int MaxLosas = 99;
constexpr int MaxApoyos = 99;
// What a table that is full says when one more row is asked of it.
inline constexpr std::string_view kMensajeMaximoLosas = "No se pueden definir mas de 99 losas";
inline constexpr std::string_view kMensajeMaximoApoyos = "No se pueden definir mas de 99 apoyos";

// The factored (ultimate) load: 1.4 times the dead load plus 1.7 times the live load.
inline constexpr double kFactorCargaMuerta = 1.4;
inline constexpr double kFactorCargaViva = 1.7;

// The rows of the dead-load build-up as the general data label them: the four
// layers, then the two loads given directly.
inline constexpr std::array<std::string_view, 6> kFilasCargaMuerta = {
    "Losa", "Fino de mezcla", "Mortero", "Mosaicos", "Panderetas", "Otras cargas"};

// The project block that heads the report: what the storey belongs to and who answers
// for its design. Free texts; the program computes nothing from them.
struct FichaProyecto {
  std::string Nombre, Lugar, Propietario, Ingeniero, Licencia, Fecha, Revision, Notas;

  bool operator==(const FichaProyecto&) const = default;
};
// Each text of the block: its key in the file's own section ("Proyecto.<clave>"), its
// caption in "Datos Generales" and the report, and its place.
struct CampoFicha {
  std::string_view clave;
  std::string_view rotulo;
  std::string FichaProyecto::*texto;
};
inline constexpr std::array<CampoFicha, 8> kCamposFicha = {{
    {"Nombre", "Nombre del proyecto", &FichaProyecto::Nombre},
    {"Lugar", "Ubicaci\xC3\xB3n", &FichaProyecto::Lugar},
    {"Propietario", "Propietario", &FichaProyecto::Propietario},
    {"Ingeniero", "Ingeniero", &FichaProyecto::Ingeniero},
    {"Licencia", "No. de licencia", &FichaProyecto::Licencia},
    {"Fecha", "Fecha", &FichaProyecto::Fecha},
    {"Revision", "Revisi\xC3\xB3n", &FichaProyecto::Revision},
    {"Notas", "Notas", &FichaProyecto::Notas},
}};

template <typename T>
using Tabla = std::array<T, MaxLosas + 1>;  // entries 1..99

struct Proyecto {
  // General data.
  std::string Titulo;
  Integer NumLosas = 0;
  Integer NumApoyos = 0;
  Integer Fc = 180;
  Integer Fy = 2800;
  Single EspesorGeneral = 0.1f;
  Single Recubrimiento = 2.0f;
  Single CargaMuerta = 0.33f;
  Single CargaViva = 0.1f;
  Single CargaUltimaGeneral = 0.632f;
  std::string Uso = "Techo";

  // Dead-load build-up: layers 0 "Losa", 1 "Fino de mezcla", 2 "Mortero", 3 "Mosaicos"
  // (kFilasCargaMuerta).
  std::array<Single, 4> EspesorCapa{0.1f, 0.05f, 0.025f, 0.035f};
  std::array<Single, 4> PesoUnitCapa{2.4f, 1.8f, 1.8f, 2.3f};
  double Panderetas = 0.1;
  Single OtrasCargas = 0.0f;

  // Slab table.
  Tabla<Single> Lx{}, Ly{};
  Tabla<std::string> Bordes = [] {
    Tabla<std::string> t;
    t.fill("AAAA");
    return t;
  }();
  Tabla<Single> CargaMuertaVano{}, CargaVivaVano{};
  Tabla<Single> CargaMuertaVuelo{}, CargaVivaVuelo{};
  Tabla<Single> EspesorLosa{};
  // The case code the classification derives from Bordes, Lx and Ly whenever a slab
  // is stored (never read from the file): the data windows, the calculation and the
  // outputs read it with the slab.
  Tabla<Integer> CodigoLosa{};
  // True for a slab whose edge combination was rejected when it was last stored:
  // its CodigoLosa is the last code accepted before it (0 for none), and the
  // calculation refuses it.
  Tabla<bool> BordesInvalidos{};
  // The place of each slab in the storey as the engineer set it: the lower-left
  // corner in metres, X along edge 3 and Y along edge 1. A slab without one is laid
  // out from the continuous supports (model/Disposicion.h). Kept in the file's own
  // section; no calculation reads them.
  Tabla<std::optional<Single>> X0{}, Y0{};

  // Support table: the continuous supports 1..NumApoyos, then the extra supports that
  // the engineer appends to the reactions table (beams under one slab), up to
  // NumApoyosReac, the number of rows of that table. The extra supports and the
  // descriptions are kept in the file's own section (SeccionPropia.h).
  Tabla<std::string> ApoyoDir{};
  Tabla<Single> ApoyoLosa1{}, ApoyoLosa2{};
  Tabla<std::string> ApoyoDescripcion{};
  Integer NumApoyosReac = 0;

  // The project block, kept in the file's own section.
  FichaProyecto Ficha;

  // The items of the file's own section that this program does not know, each line
  // "clave=valor" as it was read: a save writes them back unchanged, in their order.
  std::vector<std::string> ItemsDesconocidos;

  bool operator==(const Proyecto&) const = default;
};

}  // namespace placatec
