#pragma once
// The one project the program holds: general data, slab and support tables, the
// dead-load build-up, run-time flags and the result tables of the calculation.
// Tables are indexed 1..99 as the engineer counts them; index 0 is never used.
#include <array>
#include <cstdint>
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
  Tabla<Integer> CodigoLosa{};
  // True for a slab whose edge combination was rejected when it was last stored:
  // its CodigoLosa belongs to another slab and the calculation refuses it.
  Tabla<bool> BordesInvalidos{};

  // Support table: the continuous supports 1..NumApoyos, then the extra supports that
  // the engineer appends to the reactions table (beams under one slab), up to
  // NumApoyosReac, the number of rows of that table. The extra supports and the
  // descriptions are kept in the file's own section (SeccionPropia.h).
  Tabla<std::string> ApoyoDir{};
  Tabla<Single> ApoyoLosa1{}, ApoyoLosa2{};
  Tabla<std::string> ApoyoDescripcion{};
  Integer NumApoyosReac = 0;

  // The items of the file's own section that this program does not know, each line
  // "clave=valor" as it was read: a save writes them back unchanged, in their order.
  std::vector<std::string> ItemsDesconocidos;

  // Row defaults of the slab table.
  Single LxDefecto = 1.0f;
  Single LyDefecto = 1.0f;
  Single CargaMuertaDefecto = 0.36f;
  Single CargaVivaDefecto = 0.2f;
  Single EspesorDefecto = 0.12f;

  // Run-time values.
  std::string NombreArchivo;
  bool Cargando = false;
  bool CalculoHecho = false;
  // The engineer's data differ from the file last loaded or saved (entry/VigilaDatos).
  bool Modificado = false;
  Integer LosaActual = 0;
  std::string BordesActual;
  Integer CodigoBordes = 0;
  Integer ErrorBordes = 0;
  std::string TituloReporte;
  std::string PieReporte;  // footer of the report, kept until the program ends
  Single Desperdicio = 7.0f;

  // Per-slab results of the engine.
  Tabla<Single> CargaUltima{}, RelacionLados{}, RelacionInversa{};
  Tabla<Single> FactorX{}, FactorY{}, CorreccionX{}, CorreccionY{};
  Tabla<Single> CoefMomentoX{}, CoefMomentoY{}, CargaLx2{}, CargaLy2{};
  Tabla<Single> MomentoX{}, MomentoY{}, MomentoNegX{}, MomentoNegY{};
  // The same four moments as the slab's case gives them, before the distribution
  // over the continuous supports corrects them.
  Tabla<Single> MomentoCasoX{}, MomentoCasoY{}, MomentoCasoNegX{}, MomentoCasoNegY{};

  // Per-support results of the engine.
  Tabla<Single> RigidezA{}, RigidezB{}, FactorDistA{}, FactorDistB{};
  Tabla<Single> MomentoApoyoX{}, MomentoApoyoY{}, DesbalanceApoyo{};

  // Per-slab results of the design and the quantities.
  Tabla<Single> AreaX{}, AreaY{}, SeparX{}, SeparY{};
  Tabla<Single> RaizX{}, RaizY{}, CuantiaX{}, CuantiaY{};
  Tabla<Single> Qq1{}, Qq2{}, Qq3{};

  // Per-support results of the design.
  Tabla<Single> RaizApoyoX{}, RaizApoyoY{}, OmegaApoyoX{}, OmegaApoyoY{};
  Tabla<Single> CuantiaApoyoX{}, CuantiaApoyoY{};
  Tabla<Single> AreaApoyoX{}, AreaApoyoY{};
  Tabla<Single> Dispon{}, Adicional{}, SeparApoyo{};
  Tabla<Integer> BarraApoyo{};

  // Scalars of the calculation.
  Single RecubrimientoM = 0.0f;
  Integer ErrorCalculo = 0;
};

}  // namespace placatec
