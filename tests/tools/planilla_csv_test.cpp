// The bar schedule as CSV: for several projects, one file each in the folder given,
// that a spreadsheet opens as columns (one header row, the same number of fields on
// every row, decimal point, UTF-8) and that says what --json says; a refused
// calculation writes no schedule.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "Archivos.h"
#include "Orden.h"

namespace {

using placatec::Bytes;

namespace fs = std::filesystem;
using Fila = std::vector<std::string>;

// RFC 4180 fields: quoted ones may hold commas, doubled quotes and line breaks.
std::vector<Fila> LeeCsv(const std::string& texto) {
  std::vector<Fila> filas{{""}};
  bool comillas = false;
  for (std::size_t k = 0; k < texto.size(); ++k) {
    const char c = texto[k];
    if (comillas && c == '"' && k + 1 < texto.size() && texto[k + 1] == '"') {
      filas.back().back() += '"';
      ++k;
    } else if (c == '"') {
      comillas = !comillas;
    } else if (!comillas && c == ',') {
      filas.back().emplace_back();
    } else if (!comillas && c == '\n') {
      filas.push_back({""});
    } else {
      filas.back().back() += c;
    }
  }
  if (filas.back() == Fila{""}) filas.pop_back();
  return filas;
}

TEST(PlanillaCsv, UnaColumnaPorCampoComoLaDelJson) {
  const fs::path dir = fs::temp_directory_path() / ("placatec-planilla-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path fuente(PLACATEC_SOURCE_DIR);
  fs::copy_file(fuente / "tests/corpus/a_mano/planilla.Los", dir / "planilla.Los");
  fs::copy_file(fuente / "examples/voladizos.Los", dir / "voladizos.Los");
  fs::copy_file(fuente / "tests/corpus/calculo/error_luces.Los", dir / "rechazado.Los");

  const placatec::Salida s = placatec::EjecutaOrden("cd '" + dir.string() +
                                                    "' && '" PLACATEC_CALC
                                                    "' --json --planilla csv/ planilla.Los voladizos.Los "
                                                    "rechazado.Los 2>errores.txt");
  EXPECT_EQ(s.estado, 2);
  EXPECT_NE(Bytes(dir / "errores.txt").find("csv/rechazado.csv: la planilla de barras no se escribe"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "csv/rechazado.csv"));

  std::istringstream lineas(s.texto);
  for (const char* nombre : {"planilla", "voladizos"}) {
    SCOPED_TRACE(nombre);
    std::string linea;
    std::getline(lineas, linea);
    const nlohmann::json marcas = nlohmann::json::parse(linea)["planilla"]["marcas"];
    const std::vector<Fila> csv = LeeCsv(Bytes(dir / "csv" / (std::string(nombre) + ".csv")));
    ASSERT_EQ(csv.size(), marcas.size() + 1);
    const Fila& encabezado = csv[0];
    const auto columna = [&](const char* titulo) {
      return static_cast<std::size_t>(std::find(encabezado.begin(), encabezado.end(), titulo) -
                                      encabezado.begin());
    };
    for (std::size_t k = 0; k < marcas.size(); ++k) {
      const Fila& f = csv[k + 1];
      ASSERT_EQ(f.size(), encabezado.size());
      EXPECT_EQ(f[columna("Ubicacion")], marcas[k]["Ubicacion"]);
      EXPECT_EQ(f[columna("Barra")], marcas[k]["Barras"]);  // with its "ø" and inch mark
      EXPECT_EQ(std::stoi(f[columna("Cantidad")]), marcas[k]["Cantidad"]);
      for (const auto& [titulo, clave] :
           {std::pair{"Largo_m", "Largo"}, {"Peso_kg", "Peso"}, {"Separ_m", "Separ"}}) {
        std::size_t leidos = 0;
        EXPECT_NEAR(std::stod(f[columna(titulo)], &leidos), marcas[k][clave].get<double>(), 0.006) << titulo;
        EXPECT_EQ(leidos, f[columna(titulo)].size()) << f[columna(titulo)];
      }
    }
  }
  fs::remove_all(dir);
}

}  // namespace
